// SPDX-License-Identifier: MIT
// "Display month" on the real main window: which month opens for each kind of first date, the
// first placement beside the main window, Close back to the first date. The month window (and
// the clear-field dialog) are built on first use; what the main window gives them before then
// must not be lost: the month options read from the user file are saved again unchanged, a
// reset still resets them, and a first opening after a language change shows its captions.
#include "tests/ui/main/MainWindowFixture.h"
#include "presentation/UserFile.h"
#include "presentation/MonthGrid.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {

QString Grid(int year, int month) { return Q(BuildMonthGrid(year, month, false, false, intEnglish).text); }

// The first day of the week and the calendar of the month window, as the user file holds them.
using MonthOptions = std::pair<std::string, std::string>;
MonthOptions SavedMonthOptions() {
  const QByteArray text = ReadUserFile();
  UserSettings settings;
  ParseUserFile(std::string_view(text.constData(), text.size()), settings);
  return {settings.firstDayOfWeek, settings.monthCalendar};
}

void WriteSettings(std::int16_t language, bool monday, bool julian) {
  UserSettings settings;
  settings.language = language;
  settings.firstDayOfWeek = monday ? "Mon" : "Sun";
  settings.monthCalendar = julian ? "JC" : "CE";
  WriteUserFile(QByteArray::fromStdString(FormatUserFile(settings)));
}

}  // namespace

class MainDisplayMonthTest : public QObject {
  Q_OBJECT

  Recorder recorder;
  std::unique_ptr<frmMain> w;

  // Starts the main window on the user file as it stands, neither window built yet.
  void Start() {
    w = StartWindow();
    QVERIFY(w);
    w->move(40, 30);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(!frmDisplayMonth::exists() && !frmClearOneTextBox::exists());
  }

 private slots:
  void initTestCase() {
    PrepareProgram();
    recorder.Install();
  }
  void init() {
    QFile::remove(UserFilePath());  // a first run: the defaults
    recorder.boxes.clear();
    recorder.answers.clear();
  }
  void cleanup() {  // also after a failed check
    if (w) QuitWindow(w);
    if (frmDisplayMonth::exists()) frmDisplayMonth::unload();
    if (frmClearOneTextBox::exists()) frmClearOneTextBox::unload();
    intLanguage = intEnglish;
  }
  void cleanupTestCase() {
    Recorder::Uninstall();
    UseSystemToday();
  }

  void firstPlacementBesideTheMainWindow() {
    Start();
    // The options the window will load with are known before it is built.
    bool monday = true, julian = true;
    frmDisplayMonth::GetOptions(monday, julian);
    QVERIFY(!monday && !julian);
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible() && month.optSunday->isChecked() && month.optCommonEra->isChecked());
    QCOMPARE(month.pos(), w->pos() + QPoint(TwipsToPixels(4000), TwipsToPixels(1710)));
    QCOMPARE(month.txbYear->text(), u"2008"_s);
    QCOMPARE(month.cboMonths->currentIndex(), 6);
    QCOMPARE(month.txbMonth->toPlainText(), Grid(2008, 7));
    // An open window keeps its place.
    month.move(month.pos() + QPoint(37, 23));
    const QPoint moved = month.pos();
    w->activateWindow();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(month.pos(), moved);
    QVERIFY(recorder.boxes.empty());
  }

  void closeReturnsToTheFirstDate() {
    Start();
    w->cmdDisplayMonth->setFocus();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible());
    QTest::mouseClick(month.cmdClose, Qt::LeftButton);
    QVERIFY(!month.isVisible());
    QTRY_VERIFY(w->txbFirstDate->hasFocus());
    QVERIFY(recorder.boxes.empty());
  }

  void monthOfTheFirstDate_data() {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("monthIndex");
    QTest::newRow("julian-december-1999") << u"optFirstDateIsJC"_s << u"1999-12-31"_s << 1999 << 11;
    QTest::newRow("julian-march-1900") << u"optFirstDateIsJC"_s << u"1900-03-12"_s << 1900 << 2;
    QTest::newRow("jdn-2000") << u"optFirstDateIsJDN"_s << u"2451545"_s << 2000 << 0;
    // 1 January -4712 JC in the CE.
    QTest::newRow("jdn-zero-in-the-common-era") << u"optFirstDateIsJDN"_s << u"0"_s << -4713 << 10;
    QTest::newRow("ce-with-blanks") << u"optFirstDateIsCE"_s << u"  2005-11-30 "_s << 2005 << 10;
    // Unreadable, ISO, ordinal or empty: today's month.
    QTest::newRow("unreadable-today") << u"optFirstDateIsCE"_s << u"2005-13-45"_s << 2008 << 6;
    QTest::newRow("iso-today") << u"optFirstDateIsISO"_s << u"2005-W44-1"_s << 2008 << 6;
    QTest::newRow("ordinal-today") << u"optFirstDateIsORD"_s << u"2005-100"_s << 2008 << 6;
    QTest::newRow("empty-today") << u"optFirstDateIsCE"_s << QString() << 2008 << 6;
  }
  void monthOfTheFirstDate() {
    QFETCH(QString, calendar);
    QFETCH(QString, text);
    QFETCH(int, year);
    QFETCH(int, monthIndex);
    Start();
    // The window is open already (on today's month, as the first press of a fresh window is
    // checked above): a press shows the month of the date typed since.
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    QVERIFY(frmDisplayMonth::instance().isVisible());
    w->activateWindow();
    QRadioButton* option = w->findChild<QRadioButton*>(calendar);
    ClickIndicator(option);
    QVERIFY(option->isChecked());
    Type(w->txbFirstDate, text);
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    const frmDisplayMonth& month = frmDisplayMonth::instance();
    QCOMPARE(w->txbFirstDate->text(), text.trimmed());
    QCOMPARE(month.txbYear->text(), QString::number(year));
    QCOMPARE(month.cboMonths->currentIndex(), monthIndex);
    QVERIFY(month.optCommonEra->isChecked());  // the window's own calendar stays
    QCOMPARE(month.txbMonth->toPlainText(), Grid(year, monthIndex + 1));
    QVERIFY(recorder.boxes.empty());
  }

  void optionsSurviveRunsWithoutTheWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<bool>("julian");
    QTest::newRow("English-sunday-common-era") << int(intEnglish) << false << false;
    QTest::newRow("German-monday-julian") << int(intGerman) << true << true;
    QTest::newRow("English-monday-common-era") << int(intEnglish) << true << false;
    QTest::newRow("German-sunday-julian") << int(intGerman) << false << true;
  }
  void optionsSurviveRunsWithoutTheWindow() {
    QFETCH(int, language);
    QFETCH(bool, monday);
    QFETCH(bool, julian);
    WriteSettings(std::int16_t(language), monday, julian);
    // A run that never opens the month window saves its options as they were read.
    Start();
    QuitWindow(w);
    QCOMPARE(SavedMonthOptions(), MonthOptions(monday ? "Mon" : "Sun", julian ? "JC" : "CE"));

    // The next run opens it with those options and in the saved language.
    Start();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible());
    QCOMPARE(QList<bool>({month.optMonday->isChecked(), month.optSunday->isChecked(),
                          month.optJulian->isChecked(), month.optCommonEra->isChecked()}),
             QList<bool>({monday, !monday, julian, !julian}));
    QCOMPARE(month.lblMonth->text(), language ? u"Monat:"_s : u"Month:"_s);
    QCOMPARE(month.optSunday->text(), language ? u"Sonntag"_s : u"Sunday"_s);
    QVERIFY(recorder.boxes.empty());
  }

  void firstOpeningShowsTheCurrentLanguage() {
    WriteSettings(intGerman, false, false);
    Start();
    // Changed twice before either window is built: the later language counts.
    intLanguage = intEnglish;
    w->SetLanguageDependentText();
    intLanguage = intGerman;
    w->SetLanguageDependentText();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(frmDisplayMonth::instance().lblFirstDayOfWeek->text(), u"Erster Tag der Woche:"_s);
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), u"Loeschen:"_s);
  }

  // Once built, a change of language reaches them at once.
  void builtWindowsFollowALanguageChange() {
    WriteSettings(intGerman, false, false);
    Start();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), u"Loeschen:"_s);
    intLanguage = intEnglish;
    w->SetLanguageDependentText();
    QCOMPARE(frmDisplayMonth::instance().lblFirstDayOfWeek->text(), u"First day of week:"_s);
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), u"Clear:"_s);
  }

  void resetWithoutTheWindowResetsItsOptions() {
    WriteSettings(intEnglish, true, true);
    Start();
    recorder.answers.push_back(QMessageBox::Yes);
    QTest::mouseClick(w->cmdReset, Qt::LeftButton);
    QVERIFY(!frmDisplayMonth::exists());
    QuitWindow(w);
    QCOMPARE(SavedMonthOptions(), MonthOptions("Sun", "CE"));
  }
};

QTEST_MAIN(MainDisplayMonthTest)
#include "MainDisplayMonthTest.moc"
