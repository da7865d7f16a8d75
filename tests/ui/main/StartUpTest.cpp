// Start-up, quit, restart and reset of the real main window with its user file: the
// defaults of a first run, every setting kept across a restart, the inputs and the output
// kept only when asked, damaged user files, and the program texts missing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <random>

#include "MainWindowFixture.h"
#include "engine/DateTypes.h"
#include "text/GenText.h"
#include "ui/main/UserFile.h"

#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {
// The state a restart must bring back, read off the window.
struct Snapshot {
  int language = 0, format = 0, cal1 = 0, cal2 = 0, todayCal = 0;
  QString dateSep, thousSep;
  bool includeFirst = false, weekends = false, verbose = false, hyphen = false, save = false,
       months = false;
  bool monday = false, julian = false;
  QString first, diff, second, output;

  bool operator==(const Snapshot&) const = default;
};

char* toString(const Snapshot& s) {
  return qstrdup(qPrintable(
      QStringLiteral("lang %1 fmt %2 cal %3/%4 today %5 sep '%6' '%7' chk %8%9%10%11%12 months %13 "
                     "mon %14 jc %15 texts [%16|%17|%18|%19]")
          .arg(s.language).arg(s.format).arg(s.cal1).arg(s.cal2).arg(s.todayCal)
          .arg(s.dateSep, s.thousSep)
          .arg(s.includeFirst).arg(s.weekends).arg(s.verbose).arg(s.hyphen).arg(s.save)
          .arg(s.months).arg(s.monday).arg(s.julian)
          .arg(s.first, s.diff, s.second, s.output.left(40))));
}

Snapshot Take(const frmMain& w) {
  Snapshot s;
  s.language = intLanguage;
  s.format = w.UsersDateFormat();
  s.cal1 = w.GetCal(1);
  s.cal2 = w.GetCal(2);
  s.todayCal = w.intTodayCal;
  s.dateSep = QString::fromStdString(DateSeparator);
  s.thousSep = QString::fromStdString(ThousandsSeparator);
  s.includeFirst = w.chkIncludeFirstDate->isChecked();
  s.weekends = w.chkIncludeWeekends->isChecked();
  s.verbose = w.chkVerbose->isChecked();
  s.hyphen = w.chkHyphen->isChecked();
  s.save = w.chkSaveOutput->isChecked();
  s.months = w.optMonths->isChecked();
  s.monday = frmDisplayMonth::instance().optMonday->isChecked();
  s.julian = frmDisplayMonth::instance().optJulian->isChecked();
  s.first = w.txbFirstDate->text();
  s.diff = w.txbDateDiff->text();
  s.second = w.txbSecondDate->text();
  s.output = w.txbOutput->toPlainText();
  return s;
}

const Snapshot kDefaults{0,     YMD,   CE,    CE,    CE,    "-", ",", false, true, true,
                         true,  true,  false, false, false, {},  {},  {},    {}};

// Sets every setting away from its default, as a user would.
void ChangeEverything(frmMain& w) {
  Click(w.optDateFormatIsDMY);
  Click(w.optSeparatorIsSlash);
  Click(w.optThousSepNone);
  Click(w.optFirstDateIsORD);
  Click(w.optSecondDateIsLPM);
  for (QCheckBox* box : {w.chkIncludeFirstDate, w.chkIncludeWeekends, w.chkVerbose, w.chkHyphen}) {
    Click(box);
  }
  Click(w.optMonths);
  w.intTodayCal = LPW;
  frmDisplayMonth::instance().optMonday->setChecked(true);
  frmDisplayMonth::instance().optJulian->setChecked(true);
  Type(w.txbFirstDate, QStringLiteral("2012032"));
  Type(w.txbDateDiff, QStringLiteral("-1000"));
  w.txbSecondDate->setText(QStringLiteral("2012-01-01 \"x\""));
  w.txbOutput->setPlainText(QStringLiteral("first line\nsecond, \"quoted\" line\n\n  last"));
}
}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

  Recorder recorder;

 private slots:
  void initTestCase() {
    PrepareProgram();
    recorder.Install();
  }
  void init() {
    QFile::remove(UserFilePath());
    recorder.boxes.clear();
    recorder.answers.clear();
  }
  void cleanupTestCase() { Recorder::Uninstall(); }

  void firstRunGivesEveryDefault() {
    auto w = StartWindow();
    QVERIFY(w);
    QVERIFY(w->blnStartUpCompleted);
    QVERIFY(w->isVisible());
    QCOMPARE(Take(*w), kDefaults);
    QVERIFY(w->optSeparatorIsDash->isChecked());
    QVERIFY(w->optThousSepIsComma->isChecked());
    QVERIFY(w->optDays->isChecked());
    QCOMPARE(w->optSeparatorIsDot->text(), QStringLiteral("2012.12.31"));
    QVERIFY(w->Clock->isActive());
    QCOMPARE(w->intMaxInputLength, 18);
    QVERIFY(QString::fromStdString(w->strUserFile).endsWith(QStringLiteral("/vdr.usr")));
    QVERIFY(recorder.boxes.empty());
    QuitWindow(w);
    QCOMPARE(ReadUserFile(), QByteArray(FormatUserFile(UserSettings{}).c_str()));
  }

  void restartRestoresEverySetting() {
    auto w = StartWindow();
    QVERIFY(w);
    ChangeEverything(*w);
    const Snapshot before = Take(*w);
    QCOMPARE(before.thousSep, QString());
    QuitWindow(w);
    QVERIFY(ReadUserFile().split('\n').at(1).startsWith("1,47,0"));

    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(Take(*w), before);
    QVERIFY(w->optThousSepNone->isChecked());
    QVERIFY(!w->chkIncludeFirstDate->isVisible());  // months hide the day-count boxes
    QVERIFY(recorder.boxes.empty());
    QuitWindow(w);
  }

  void withoutSaveResultsOnlyTheOptionsAreKept() {
    auto w = StartWindow();
    QVERIFY(w);
    ChangeEverything(*w);
    Click(w->chkSaveOutput);
    Snapshot expected = Take(*w);
    expected.first = expected.diff = expected.second = expected.output = QString();
    QuitWindow(w);
    const QList<QByteArray> lines = ReadUserFile().split('\n');
    for (int i = 10; i < 14; ++i) QCOMPARE(lines.at(i), QByteArray("\"\"\r"));

    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(Take(*w), expected);
    QuitWindow(w);
  }

  void closingByTheFrameQuits() {
    auto w = StartWindow();
    QVERIFY(w);
    Click(w->optDateFormatIsMDY);
    w->close();
    w.reset();
    QVERIFY(ReadUserFile().split('\n').at(1).startsWith("0,45,44"));
  }

  void damagedUserFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("restored");  // false: every default
    QTest::addColumn<bool>("months");    // the unit after start-up

    UserSettings changed;
    changed.language = 0;
    changed.dateFormat = 1;
    changed.dateSeparator = 46;
    changed.firstCal = 6;
    changed.verbose = 0;
    changed.firstDate = "01.01.2000";
    changed.output = "a\r\nb \"c\"\r\n";
    changed.unit = 1;
    const std::string full = FormatUserFile(changed);
    QTest::newRow("whole") << QByteArray(full.c_str()) << true << true;
    const std::size_t endOfLine14 = full.rfind("\r\n", full.size() - 3) + 2;  // output spans lines
    std::size_t pos = 0;
    for (int line = 1; line <= 14; ++line) {
      pos = line == 14 ? endOfLine14 : full.find("\r\n", pos) + 2;
      QTest::newRow(qPrintable(QStringLiteral("cut after line %1").arg(line)))
          << QByteArray(full.substr(0, pos).c_str()) << (line == 14) << false;
    }
    std::mt19937 random(7);
    for (int i = 0; i < 6; ++i) {
      const std::size_t cut = random() % full.size();
      QTest::newRow(qPrintable(QStringLiteral("cut at byte %1").arg(cut)))
          << QByteArray(full.substr(0, cut).c_str()) << (cut >= endOfLine14) << (cut > endOfLine14);
    }
    QTest::newRow("garbage") << QByteArray("Hello, world\r\n\"\"\"\r\n,,,,\r\n") << false << false;
    QByteArray binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(random() % 256);
    QTest::newRow("binary") << binary << false << false;
    QByteArray big("0\r\n1,46,44\r\n0,6,0\r\n0\r\n1\r\n0\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"01.01.2000\"\r\n\"\"\r\n\"\"\r\n\"");
    for (int i = 0; i < 5 * 1024 * 16; ++i) big += QByteArray(63, 'x') + "\n";
    big += "\"\r\n1\r\n";
    QTest::newRow("5 MB output") << big << true << true;
    QTest::newRow("5 MB garbage") << QByteArray(5 * 1024 * 1024, 'q') << false << false;
    QTest::newRow("language 7") << QByteArray(std::string("7" + full.substr(1)).c_str()) << true << true;
  }
  void damagedUserFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, restored);
    QFETCH(bool, months);
    WriteUserFile(file);
    auto w = StartWindow();
    QVERIFY(w);
    QVERIFY(w->blnStartUpCompleted);
    QCOMPARE(intLanguage, std::int16_t{0});
    QCOMPARE(w->optMonths->isChecked(), months);
    if (restored) {
      QCOMPARE(w->UsersDateFormat(), DMY);
      QCOMPARE(QString::fromStdString(DateSeparator), QStringLiteral("."));
      QCOMPARE(w->GetCal(1), ISO);
      QVERIFY(!w->chkVerbose->isChecked());
      QCOMPARE(w->txbFirstDate->text(), QStringLiteral("01.01.2000"));  // survives DMY and "."
    } else {
      Snapshot expected = kDefaults;
      QCOMPARE(Take(*w), expected);
    }
    QVERIFY(recorder.boxes.empty());
    QuitWindow(w);
  }

  void quotesAndLineBreaksInTextsComeBack() {
    auto w = StartWindow();
    QVERIFY(w);
    const QString nasty = QStringLiteral("\"\",\"\n\"");
    w->txbSecondDate->setText(QStringLiteral("\"a,b\""));
    w->txbOutput->setPlainText(nasty);
    QuitWindow(w);
    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("\"a,b\""));
    QCOMPARE(w->txbOutput->toPlainText(), nasty);
    QuitWindow(w);
  }

  void savedGermanGivesGermanCaptions() {
    UserSettings german;
    german.language = 1;
    WriteUserFile(QByteArray(FormatUserFile(german).c_str()));
    auto w = StartWindow();
    QVERIFY(w);
    QCOMPARE(intLanguage, std::int16_t{1});
    QCOMPARE(w->cmdCompute->text(), QString::fromStdString(FixedText("Compute", 1)));
    QCOMPARE(w->optDays->text(), QString::fromStdString(FixedText("Days", 1)));
    QuitWindow(w);
    QCOMPARE(ReadUserFile().left(3), QByteArray("1\r\n"));

    // A reset goes back to English, captions included.
    w = StartWindow();
    QVERIFY(w);
    recorder.answers = {QMessageBox::Yes};
    Click(w->cmdReset);
    QCOMPARE(recorder.boxes.back().title, QString::fromStdString(FixedText("Reset", 1)));
    QCOMPARE(intLanguage, std::int16_t{0});
    QCOMPARE(w->cmdCompute->text(), QStringLiteral("Compute"));
    QuitWindow(w);
  }

  void resetAnsweredNoChangesNothing() {
    auto w = StartWindow();
    QVERIFY(w);
    ChangeEverything(*w);
    QuitWindow(w);
    const QByteArray saved = ReadUserFile();
    w = StartWindow();
    QVERIFY(w);
    const Snapshot before = Take(*w);
    recorder.answers = {QMessageBox::No};
    Click(w->cmdReset);
    QCOMPARE(int(recorder.boxes.size()), 1);
    const MessageRequest& box = recorder.boxes.front();
    QCOMPARE(box.buttons, MsgButtons::YesNo);
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(box.title, w->cmdReset->text());
    QCOMPARE(box.text, QString::fromStdString(ProgramText(18) + "\r\n" + ProgramText(19) +
                                              "\r\n\r\n" + ProgramText(20)));
    QVERIFY(!ProgramText(18).empty());
    QCOMPARE(Take(*w), before);
    QCOMPARE(ReadUserFile(), saved);
    QuitWindow(w);
  }

  void resetAnsweredYesRestoresTheDefaults() {
    auto w = StartWindow();
    QVERIFY(w);
    ChangeEverything(*w);
    QuitWindow(w);
    w = StartWindow();
    QVERIFY(w);
    recorder.answers = {QMessageBox::Yes};
    Click(w->cmdReset);
    QVERIFY(!QFile::exists(UserFilePath()));
    QCOMPARE(Take(*w), kDefaults);
    QVERIFY(w->chkIncludeFirstDate->isVisible());
    QuitWindow(w);
    QCOMPARE(ReadUserFile(), QByteArray(FormatUserFile(UserSettings{}).c_str()));
  }

  void failedSaveKeepsThePreviousFile() {
    auto w = StartWindow();
    QVERIFY(w);
    Click(w->optDateFormatIsMDY);
    QVERIFY(w->SaveSettings());
    const QByteArray saved = ReadUserFile();
    const QString folder = QFileInfo(UserFilePath()).absolutePath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Click(w->optDateFormatIsDMY);
    const bool written = w->SaveSettings();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    if (written) QSKIP("the folder stays writable (running as root)");
    QCOMPARE(ReadUserFile(), saved);
    QuitWindow(w);
  }

  void savingRemakesAVanishedFolderAndNeverCrashes() {
    auto w = StartWindow();
    QVERIFY(w);
    QDir(QFileInfo(UserFilePath()).absolutePath()).removeRecursively();
    QVERIFY(w->SaveSettings());
    QVERIFY(QFile::exists(UserFilePath()));
    w->strUserFile = "/proc/valdora-no-such-folder/vdr.usr";  // cannot be written, even by root
    QVERIFY(!w->SaveSettings());
    w->cmdQuit_Click();  // quits all the same, without a message
    QVERIFY(recorder.boxes.empty());
    w.reset();
  }

  void missingProgramTextsEndBeforeAnyWindow() {
    valdora::SetProgramFolder("/nonexistent-valdora-folder");
    auto w = std::make_unique<frmMain>();
    const bool loaded = w->Form_Load();
    PrepareProgram();
    QVERIFY(!loaded);
    QVERIFY(!w->isVisible());
    QCOMPARE(int(recorder.boxes.size()), 1);
    QCOMPARE(recorder.boxes.front().icon, MsgIcon::Critical);
    QCOMPARE(recorder.boxes.front().title, QString());
    QVERIFY(!recorder.boxes.front().text.isEmpty());
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
