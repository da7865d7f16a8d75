// Every language-dependent caption of the main window, the month window and the clear-field
// dialog in English and German, the ordinal caption that follows the hyphen option, the
// placement of chkSaveOutput and the colour scheme.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "compute/Compute.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/common/frmClearOneTextBox.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_ui;

namespace {

enum Target { Main, Month, Clear };

struct Expected {
  Target window;
  const char* objectName;  // "" for the window's own title
  const char* english;
  const char* german;
  bool toolTip = false;
};

// The captions as the program's documentation gives them.
const Expected kExpected[] = {
    {Main, "lblDateFormat", "CE/JC date format:", "CE/JC-Datumsformat:"},
    {Main, "lblDateSeparator", "CE/JC date separator:", "CE/JC-Datumstrennzeichen:"},
    {Main, "lblThousandsSeparator", "Thousands separator:", "Tausendertrennzeichen:"},
    {Main, "lblFirstDate", "First date:", "Erstes Datum:"},
    {Main, "lblSecondDate", "Second date:", "Zweites Datum:"},
    {Main, "lblDateDifference", "Date difference:", "Datumsdifferenz:"},
    {Main, "optDays", "days", "Tage"},
    {Main, "optMonths", "months", "Monate"},
    {Main, "lblThisIsA(0)", "This is a", "Dies ist ein"},
    {Main, "lblThisIsA(1)", "This is a", "Dies ist ein"},
    {Main, "optDateFormatIsYMD", "year month day", "Jahr Monat Tag"},
    {Main, "optDateFormatIsDMY", "day month year", "Tag Monat Jahr"},
    {Main, "optDateFormatIsMDY", "month day year", "Monat Tag Jahr"},
    {Main, "cmdCompute", "Compute", "Berechnen"},
    {Main, "cmdToday(0)", "Today", "Heute"},
    {Main, "cmdToday(1)", "Today", "Heute"},
    {Main, "cmdReset", "Reset", "Rueckstellen"},
    {Main, "cmdHelp", "Help", "Hilfe"},
    {Main, "cmdQuit", "Quit", "Beenden"},
    {Main, "cmdClearFirstDate", "Clear", "Loeschen"},
    {Main, "cmdClearSecondDate", "Clear", "Loeschen"},
    {Main, "cmdClearDateDiff", "Clear", "Loeschen"},
    {Main, "cmdClearOutputWindow", "Clear", "Loeschen"},
    {Main, "cmdMoveSecondDateToFirst", "Second -> First", "Zweites -> Erstes"},
    {Main, "cmdCopyOutput", "Copy to clipboard", "Kopieren in Zwischenablage"},
    {Main, "cmdDisplayMonth", "Display month", "Monat zeigen"},
    {Main, "cmdEnlarge", "Enlarge", "Vergroessern"},
    {Main, "optThousSepNone", "none", "keine"},
    {Main, "optFirstDateIsCE", "Common Era date (CE)", "Common Era Datum (CE)"},
    {Main, "optFirstDateIsJC", "Julian Calendar date (JC)", "Julianisches Kalenderdatum (JC)"},
    {Main, "optFirstDateIsJDN", "Julian day number (JDN)", "Julianische Tageszahl (JDN)"},
    {Main, "optFirstDateIsISO", "ISO Week date (ISO)", "ISO-Woche-Datum (ISO)"},
    {Main, "optFirstDateIsLPM", "Ostrand Leap Week month date (LPM)",
     "Ostrand Leap Week Monatdatum (LPM)"},
    {Main, "optFirstDateIsLPW", "Ostrand Leap Week week date (LPW)",
     "Ostrand Leap Week Wochendatum (LPW)"},
    {Main, "optSecondDateIsCE", "Common Era date", "Common Era Datum"},
    {Main, "optSecondDateIsJC", "Julian Calendar date", "Julianisches Kalenderdatum"},
    {Main, "optSecondDateIsORD", "Ordinal date", "Ordinaldatum"},
    {Main, "optSecondDateIsJDN", "Julian day number", "Julianische Tageszahl"},
    {Main, "optSecondDateIsISO", "ISO Week date", "ISO-Woche-Datum"},
    {Main, "optSecondDateIsLPM", "Ostrand Leap Week month date", "Ostrand Leap Week Monatdatum"},
    {Main, "optSecondDateIsLPW", "Ostrand Leap Week week date", "Ostrand Leap Week Wochendatum"},
    {Main, "lblTodaysDate(0)", "Click to change calendar", "Anklicken um Kalender zu veraendern",
     true},
    {Main, "lblTodaysDate(1)", "Click to change calendar", "Anklicken um Kalender zu veraendern",
     true},
    {Main, "lblOnlineDocumentation", "Online documentation", "Online-Dokumentation"},
    {Main, "chkIncludeFirstDate", "Include first date in days-beween-dates",
     "Erstes Datum einschliessen"},
    {Main, "chkIncludeWeekends", "Count weekend days in days-between-dates",
     "Wochenendtage zaehlen"},
    {Main, "chkVerbose", "Verbose", "Zusatzinfo"},
    {Main, "chkHyphen", "Hyphen in ordinal and", "Divis in Ordinal und"},
    {Main, "lblHyphen", "in ISO Week dates", "in ISO-Woche Daten"},
    {Main, "chkSaveOutput", "Save results on quit", "Ergebnisse beim Beenden sichern"},

    {Month, "lblYear", "Year:", "Jahr:"},
    {Month, "lblMonth", "Month:", "Monat:"},
    {Month, "lblCalendar", "Calendar:", "Kalender:"},
    {Month, "lblFirstDayOfWeek", "First day of week:", "Erster Tag der Woche:"},
    {Month, "optCommonEra", "Common Era", "Common Era"},
    {Month, "optJulian", "Julian", "Julianisch"},
    {Month, "optSunday", "Sunday", "Sonntag"},
    {Month, "optMonday", "Monday", "Montag"},
    {Month, "cmdClose", "Close", "Schliessen"},
    {Month, "cmdCopyToClipboard", "Copy to clipboard", "Kopieren in Zwischenablage"},
    {Month, "cmdDisplay", "Display month", "Monat zeigen"},
    {Month, "cmdDisplayNextMonth(0)", "Display next month", "Folgender Monat zeigen"},
    {Month, "cmdDisplayNextMonth(1)", "Display previous month", "Vorhergehender Monat zeigen"},
    {Month, "chkWithYear", "with final digit of year", "mit letzter Ziffer des Jahres"},
    {Month, "cmdShowHideISO", "Display ISO Week dates", "ISO-Woche-Daten zeigen"},

    {Clear, "lblNeedToClear",
     "If both the first date and the second date are specified\n"
     "then the date difference window must be empty.",
     " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\n"
     "muss das Feld fuer die Datumsdifferenz leer sein."},
    {Clear, "lblClear", "Clear:", "Loeschen:"},
    {Clear, "lblOr", "or", "oder"},
    {Clear, "optClearFirstDate", "First date", "Erstes Datum"},
    {Clear, "optClearDateDiff", "Date difference", "Datumsdifferenz"},
    {Clear, "optClearSecondDate", "Second date", "Zweites Datum"},
    {Clear, "optCancel", "Cancel this operation", "Annullieren Sie diese Operation"},
    {Clear, "cmdContinue", "Continue", "Fortfahren"},
    {Clear, "", "Clear", "Loeschen"},
};

QString CaptionOf(QWidget* window, const Expected& e) {
  if (!*e.objectName) return window->windowTitle();
  auto* control = window->findChild<QWidget*>(QString::fromLatin1(e.objectName));
  if (!control) return QStringLiteral("<missing %1>").arg(QLatin1String(e.objectName));
  if (e.toolTip) return control->toolTip();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
  return QStringLiteral("<no caption>");
}

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;

  QWidget* WindowOf(Target t) {
    switch (t) {
      case Main: return main;
      case Month: return &frmDisplayMonth::instance();
      case Clear: return &frmClearOneTextBox::instance();
    }
    return nullptr;
  }

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    FillComputeMessages();
    main = new frmMain;
  }
  void cleanupTestCase() {
    delete main;
    intLanguage = intEnglish;
  }

  void everyCaption_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("row");
    for (int language : {0, 1}) {
      for (int row = 0; row < int(std::size(kExpected)); ++row) {
        const Expected& e = kExpected[row];
        const char* window = e.window == Main ? "main" : e.window == Month ? "month" : "clear";
        QTest::addRow("%s %s %s", language ? "de" : "en", window,
                      *e.objectName ? e.objectName : "title")
            << language << row;
      }
    }
  }
  void everyCaption() {
    QFETCH(int, language);
    QFETCH(int, row);
    intLanguage = static_cast<std::int16_t>(language);
    main->ApplyCaptions();
    const Expected& e = kExpected[row];
    QCOMPARE(CaptionOf(WindowOf(e.window), e),
             QString::fromLatin1(language ? e.german : e.english));
  }

  void languageDependentTextRewritesEverything() {
    intLanguage = intGerman;
    main->ApplyCaptions();
    intLanguage = intEnglish;
    main->SetLanguageDependentText();
    QCOMPARE(main->cmdReset->text(), QStringLiteral("Reset"));
    QCOMPARE(frmClearOneTextBox::instance().windowTitle(), QStringLiteral("Clear"));
  }

  void ordinalCaptionFollowsTheHyphen_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("withHyphen");
    QTest::addColumn<QString>("withoutHyphen");
    QTest::newRow("English") << 0 << "Ordinal date (yyyy-ddd)" << "Ordinal date (yyyyddd)";
    QTest::newRow("German") << 1 << "Ordinaldatum (JJJJ-TTT)" << "Ordinaldatum (JJJJTTT)";
  }
  void ordinalCaptionFollowsTheHyphen() {
    QFETCH(int, language);
    QFETCH(QString, withHyphen);
    QFETCH(QString, withoutHyphen);
    intLanguage = static_cast<std::int16_t>(language);
    main->chkHyphen->setChecked(true);
    main->ApplyCaptions();
    QCOMPARE(main->optFirstDateIsORD->text(), withHyphen);
    main->show();
    const QPoint box(6, main->chkHyphen->height() / 2);  // on the check box's square
    QTest::mouseClick(main->chkHyphen, Qt::LeftButton, {}, box);  // the user toggles it
    QVERIFY(!main->chkHyphen->isChecked());
    QCOMPARE(main->optFirstDateIsORD->text(), withoutHyphen);
    QTest::mouseClick(main->chkHyphen, Qt::LeftButton, {}, box);
    QCOMPARE(main->optFirstDateIsORD->text(), withHyphen);
    QCOMPARE(main->optSecondDateIsORD->text(), QString::fromLatin1(language ? "Ordinaldatum"
                                                                            : "Ordinal date"));
  }

  void saveOutputKeepsRoomForItsCaption() {
    main->show();
    for (std::int16_t language : {intEnglish, intGerman}) {
      intLanguage = language;
      main->ApplyCaptions();
      main->layout()->activate();
      QCoreApplication::processEvents();
      QCheckBox* box = main->chkSaveOutput;
      QVERIFY(box->width() >= box->sizeHint().width());
      const QRect inMain(box->mapTo(main, QPoint(0, 0)), box->size());
      QVERIFY(main->rect().contains(inMain));
    }
  }

  void colours() {
    main->ApplyColours();
    const QColor cyan(0, 255, 255);
    QCOMPARE(main->palette().color(QPalette::Window), cyan);
    for (QWidget* w : std::initializer_list<QWidget*>{
             main->Frame3, main->lblFirstDate, main->lblThisIsA[1], main->optDays,
             main->optFirstDateIsORD, main->optSecondDateIsJDN, main->optThousSepNone,
             main->chkSaveOutput, main->lblHyphen}) {
      QCOMPARE(w->palette().color(QPalette::Window), cyan);
      QVERIFY(w->autoFillBackground());
    }
    QCOMPARE(main->lblFirstDate->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    for (QWidget* link : {main->lblOnlineDocumentation, main->lblOstrandSystems}) {
      QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
      QCOMPARE(link->palette().color(QPalette::Window), cyan);
    }
    // The calendar frames and the leap-week options keep the standard colours.
    for (QWidget* w : {static_cast<QWidget*>(main->Frame1), static_cast<QWidget*>(main->Frame2),
                       static_cast<QWidget*>(main->optFirstDateIsLPW),
                       static_cast<QWidget*>(main->optSecondDateIsLPM)}) {
      QVERIFY(w->palette().color(QPalette::Window) != cyan);
    }
  }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
