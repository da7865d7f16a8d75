// SPDX-License-Identifier: MIT
// Every language-dependent caption of the main window, the month window and the clear-field
// dialog in English and German, the ordinal caption that follows the hyphen option, the
// placement of chkSaveOutput and the colour scheme.
#include <QLayout>

#include "MainWindowFixture.h"
#include "compute/Compute.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {

enum Target { Main, Month, Clear };

struct Expected {
  Target window;
  const char* objectNames;  // blank-separated; "" for the window's own title
  const char* english;
  const char* german;
  bool toolTip = false;
};

// The captions as the program's documentation gives them (the tool tip where marked).
const Expected kExpected[] = {
    {Main, "lblDateFormat", "CE/JC date format:", "CE/JC-Datumsformat:"},
    {Main, "lblDateSeparator", "CE/JC date separator:", "CE/JC-Datumstrennzeichen:"},
    {Main, "lblThousandsSeparator", "Thousands separator:", "Tausendertrennzeichen:"},
    {Main, "lblFirstDate", "First date:", "Erstes Datum:"},
    {Main, "lblSecondDate", "Second date:", "Zweites Datum:"},
    {Main, "lblDateDifference", "Date difference:", "Datumsdifferenz:"},
    {Main, "optDays", "days", "Tage"},
    {Main, "optMonths", "months", "Monate"},
    {Main, "lblThisIsA(0) lblThisIsA(1)", "This is a", "Dies ist ein"},
    {Main, "optDateFormatIsYMD", "year month day", "Jahr Monat Tag"},
    {Main, "optDateFormatIsDMY", "day month year", "Tag Monat Jahr"},
    {Main, "optDateFormatIsMDY", "month day year", "Monat Tag Jahr"},
    {Main, "cmdCompute", "Compute", "Berechnen"},
    {Main, "cmdToday(0) cmdToday(1)", "Today", "Heute"},
    {Main, "cmdReset", "Reset", "Rueckstellen"},
    {Main, "cmdHelp", "Help", "Hilfe"},
    {Main, "cmdQuit", "Quit", "Beenden"},
    {Main, "cmdClearFirstDate cmdClearSecondDate cmdClearDateDiff cmdClearOutputWindow", "Clear",
     "Loeschen"},
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
    {Main, "lblTodaysDate(0) lblTodaysDate(1)", "Click to change calendar",
     "Anklicken um Kalender zu veraendern", true},
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

QString CaptionOf(QWidget* window, const QString& name, bool toolTip) {
  if (name.isEmpty()) return window->windowTitle();
  auto* control = window->findChild<QWidget*>(name);
  if (!control) return u"<missing %1>"_s.arg(name);
  if (toolTip) return control->toolTip();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
  return u"<no caption>"_s;
}

// A control's name and its colour of `role`, to name it in a failure.
QString ColourOf(const QWidget* control, QPalette::ColorRole role) {
  return control->objectName() + u": "_s + control->palette().color(role).name(QColor::HexArgb);
}
}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;

  void Show(std::int16_t language) {
    intLanguage = language;
    main->ApplyCaptions();
  }

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    main = new frmMain;
  }
  void cleanupTestCase() {
    delete main;
    intLanguage = intEnglish;
  }

  // One row per entry of kExpected and language, named by the language and the controls.
  void everyCaption_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("entry");  // index into kExpected
    for (std::int16_t language : {intEnglish, intGerman}) {
      for (int entry = 0; entry < int(std::size(kExpected)); ++entry) {
        const Expected& e = kExpected[entry];
        const char* window = e.window == Main ? "main" : e.window == Month ? "month" : "clear";
        QTest::addRow("%s-%s-%s", language == intGerman ? "German" : "English", window,
                      *e.objectNames ? e.objectNames : "title")
            << int(language) << entry;
      }
    }
  }
  void everyCaption() {
    QFETCH(int, language);
    QFETCH(int, entry);
    Show(std::int16_t(language));
    const Expected& e = kExpected[entry];
    QWidget* window = e.window == Main    ? static_cast<QWidget*>(main)
                      : e.window == Month ? static_cast<QWidget*>(&frmDisplayMonth::instance())
                                          : &frmClearOneTextBox::instance();
    const QString names = QLatin1StringView(e.objectNames);
    for (const QString& name : names.isEmpty() ? QStringList{QString()} : names.split(u' ')) {
      QCOMPARE(name + u": "_s + CaptionOf(window, name, e.toolTip),
               name + u": "_s + QLatin1StringView(language == intGerman ? e.german : e.english));
    }
  }

  // Rewriting the language-dependent texts reaches the dialogs too.
  void languageChangeReachesTheDialogs() {
    Show(intGerman);
    intLanguage = intEnglish;
    main->SetLanguageDependentText();
    QCOMPARE(main->cmdReset->text(), u"Reset"_s);
    QCOMPARE(frmClearOneTextBox::instance().windowTitle(), u"Clear"_s);
  }

  void ordinalCaptionFollowsTheHyphen_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hyphen");
    QTest::addColumn<QString>("second");
    QTest::newRow("English") << int(intEnglish) << u"Ordinal date (yyyyddd)"_s
                             << u"Ordinal date (yyyy-ddd)"_s << u"Ordinal date"_s;
    QTest::newRow("German") << int(intGerman) << u"Ordinaldatum (JJJJTTT)"_s
                            << u"Ordinaldatum (JJJJ-TTT)"_s << u"Ordinaldatum"_s;
  }
  void ordinalCaptionFollowsTheHyphen() {
    QFETCH(int, language);
    QFETCH(QString, plain);
    QFETCH(QString, hyphen);
    QFETCH(QString, second);
    main->show();
    main->chkHyphen->setChecked(true);
    Show(std::int16_t(language));
    QCOMPARE(main->optFirstDateIsORD->text(), hyphen);
    Click(main->chkHyphen);  // the user toggles it
    QVERIFY(!main->chkHyphen->isChecked());
    QCOMPARE(main->optFirstDateIsORD->text(), plain);
    Click(main->chkHyphen);
    QCOMPARE(main->optFirstDateIsORD->text(), hyphen);
    QCOMPARE(main->optSecondDateIsORD->text(), second);
  }

  void saveOutputKeepsRoomForItsCaption_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(intEnglish);
    QTest::newRow("German") << int(intGerman);
  }
  void saveOutputKeepsRoomForItsCaption() {
    QFETCH(int, language);
    main->show();
    Show(std::int16_t(language));
    main->layout()->activate();
    QCoreApplication::processEvents();
    QCheckBox* box = main->chkSaveOutput;
    QVERIFY(box->width() >= box->sizeHint().width());
    QVERIFY(main->rect().contains(QRect(box->mapTo(main, QPoint(0, 0)), box->size())));
  }

  // Cyan behind the captions, black text, blue links; the calendar frames and the leap-week
  // options keep the standard colours.
  void colours() {
    main->ApplyColours();
    const QColor cyan(0, 255, 255);
    QCOMPARE(main->palette().color(QPalette::Window), cyan);
    for (QWidget* w : std::initializer_list<QWidget*>{
             main->Frame3, main->lblFirstDate, main->lblThisIsA[1], main->optDays,
             main->optFirstDateIsORD, main->optSecondDateIsJDN, main->optThousSepNone,
             main->chkSaveOutput, main->lblHyphen}) {
      QVERIFY2(w->palette().color(QPalette::Window) == cyan, qPrintable(ColourOf(w, QPalette::Window)));
      QVERIFY2(w->autoFillBackground(), qPrintable(w->objectName()));
    }
    QCOMPARE(main->lblFirstDate->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    for (QWidget* link : {main->lblOnlineDocumentation, main->lblOstrandSystems}) {
      QVERIFY2(link->palette().color(QPalette::WindowText) == QColor(0, 0, 255),
               qPrintable(ColourOf(link, QPalette::WindowText)));
      QVERIFY2(link->palette().color(QPalette::Window) == cyan,
               qPrintable(ColourOf(link, QPalette::Window)));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{main->Frame1, main->Frame2,
                                                      main->optFirstDateIsLPW, main->optSecondDateIsLPM}) {
      QVERIFY2(w->palette().color(QPalette::Window) != cyan, qPrintable(ColourOf(w, QPalette::Window)));
    }
  }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
