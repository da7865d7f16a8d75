// SPDX-License-Identifier: MIT
// Start-up, quit, restart and reset of the real main window with its user file: the
// defaults of a first run, every setting kept across a restart, the inputs and the output
// kept only when asked, damaged user files, and the program texts missing.
#include "MainWindowFixture.h"
#include "text/GenText.h"
#include "presentation/UserFile.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {
// The state a restart must bring back, read off the window: the language, date format and
// calendars (first, second, today); both separators; the check boxes, the unit and the
// month window's options; the four texts.
QStringList Take(const frmMain& w) {
  QString flags;
  for (bool on : {w.chkIncludeFirstDate->isChecked(), w.chkIncludeWeekends->isChecked(),
                  w.chkVerbose->isChecked(), w.chkHyphen->isChecked(), w.chkSaveOutput->isChecked(),
                  w.optMonths->isChecked(), frmDisplayMonth::instance().optMonday->isChecked(),
                  frmDisplayMonth::instance().optJulian->isChecked()}) {
    flags += on ? u'1' : u'0';
  }
  return {u"%1 %2 %3 %4 %5"_s.arg(intLanguage).arg(w.UsersDateFormat()).arg(w.GetCal(1))
              .arg(w.GetCal(2)).arg(w.intTodayCal),
          Q(DateSeparator + "|" + ThousandsSeparator), flags, w.txbFirstDate->text(),
          w.txbDateDiff->text(), w.txbSecondDate->text(), w.txbOutput->toPlainText()};
}

const QStringList kDefaults{"0 2 0 0 0", "-|,", "01111000", "", "", "", ""};
const QByteArray kDefaultFile(FormatUserFile(UserSettings{}).c_str());

// Sets every setting away from its default, as a user would.
void ChangeEverything(frmMain& w) {
  for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
           w.optDateFormatIsDMY, w.optSeparatorIsSlash, w.optThousSepNone, w.optFirstDateIsORD,
           w.optSecondDateIsLPM, w.chkIncludeFirstDate, w.chkIncludeWeekends, w.chkVerbose,
           w.chkHyphen, w.optMonths}) {
    Click(option);
  }
  w.intTodayCal = LPW;
  frmDisplayMonth::instance().optMonday->setChecked(true);
  frmDisplayMonth::instance().optJulian->setChecked(true);
  Type(w.txbFirstDate, u"2012032"_s);
  Type(w.txbDateDiff, u"-1000"_s);
  w.txbSecondDate->setText(u"2012-01-01 \"x\""_s);
  w.txbOutput->setPlainText(u"first line\nsecond, \"quoted\" line\n\n  last"_s);
}
}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

  Recorder recorder;
  std::unique_ptr<frmMain> w;

 private slots:
  void initTestCase() {
    PrepareProgram();
    recorder.Install();
  }
  void init() {
    QFile::remove(UserFilePath());
    recorder.boxes.clear();
    recorder.answers.clear();
    w = StartWindow();
    QVERIFY(w);
  }
  void cleanup() {
    if (w) QuitWindow(w);
  }
  void cleanupTestCase() { Recorder::Uninstall(); }

  void firstRunGivesEveryDefault() {
    QVERIFY(w->blnStartUpCompleted && w->isVisible() && w->Clock->isActive());
    QCOMPARE(Take(*w), kDefaults);
    QVERIFY(w->optSeparatorIsDash->isChecked() && w->optThousSepIsComma->isChecked());
    QVERIFY(w->optDays->isChecked());
    QCOMPARE(w->optSeparatorIsDot->text(), u"2012.12.31"_s);
    QVERIFY(Q(w->strUserFile).endsWith(u"/vdr.usr"_s));
    QVERIFY(recorder.boxes.empty());
    QuitWindow(w);
    QCOMPARE(ReadUserFile(), kDefaultFile);
  }

  // With "Save results on quit" the texts come back too, quotes, commas and line breaks
  // included (the reader's own test has the nastier texts).
  void restartRestoresEverySetting_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("results-saved") << true;
    QTest::newRow("results-not-saved") << false;
  }
  void restartRestoresEverySetting() {
    QFETCH(bool, save);
    ChangeEverything(*w);
    if (!save) Click(w->chkSaveOutput);
    QStringList expected = Take(*w);
    QCOMPARE(expected[1], u"/|"_s);
    if (!save) std::fill(expected.begin() + 3, expected.end(), QString());
    QuitWindow(w);
    const QList<QByteArray> lines = ReadUserFile().split('\n');
    QVERIFY(lines.at(1).startsWith("1,47,0"));
    if (!save) {
      for (int i = 10; i < 14; ++i) {
        QCOMPARE("line " + QByteArray::number(i + 1) + ": " + lines.at(i),
                 "line " + QByteArray::number(i + 1) + ": \"\"\r");
      }
    }
    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(Take(*w), expected);
    QVERIFY(w->optThousSepNone->isChecked());
    QVERIFY(!w->chkIncludeFirstDate->isVisible());  // months hide the day-count boxes
    QVERIFY(recorder.boxes.empty());
  }

  void closingByTheFrameQuits() {
    Click(w->optDateFormatIsMDY);
    w->close();
    w.reset();
    QVERIFY(ReadUserFile().split('\n').at(1).startsWith("0,45,44"));
  }

  // Every default from a damaged file; a file complete up to line 14 keeps its settings
  // (DMY, ".", an ISO first date, not verbose, the date kept as it was) but not the unit.
  void damagedUserFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("months");
    const std::string head = "0\r\n1,46,44\r\n0,6,0\r\n0\r\n1\r\n0\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
                             "\"01.01.2000\"\r\n\"\"\r\n\"\"\r\n";  // lines 1 to 13
    std::string full = head + "\"a\r\nb \"\"c\"\"\r\n\"\r\n1\r\n";  // the output spans lines
    QTest::newRow("complete") << QByteArray(full.c_str()) << true << true;
    for (std::size_t line = 1, pos = 0; line <= 14; ++line) {
      pos = line == 14 ? full.size() - 3 : full.find("\r\n", pos) + 2;
      QTest::addRow("cut-after-line-%d", int(line))
          << QByteArray(full.c_str(), qsizetype(pos)) << (line == 14) << false;
    }
    QTest::newRow("text-of-another-kind")
        << QByteArray("Hello, world\r\n\"\"\"\r\n,,,,\r\n") << false << false;
    // The seed is in the row's name, so that a failure names the bytes it read.
    constexpr std::uint32_t seed = 7;
    QByteArray binary(4096, '\0');
    for (std::mt19937 random(seed); char& c : binary) c = static_cast<char>(random() % 256);
    QTest::addRow("random-bytes-seed-%u", seed) << binary << false << false;
    QByteArray big = QByteArray::fromStdString(head + "\"");
    for (int i = 0; i < 5 * 1024 * 16; ++i) big += QByteArray(63, 'x') + "\n";
    QTest::newRow("5-MB-of-output") << big + "\"\r\n1\r\n" << true << true;
    QTest::newRow("5-MB-without-a-line-end") << QByteArray(5 * 1024 * 1024, 'q') << false << false;
    full[0] = '7';
    QTest::newRow("unknown-language") << QByteArray(full.c_str()) << true << true;
  }
  void damagedUserFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, restored);
    QFETCH(bool, months);
    QuitWindow(w);
    WriteUserFile(file);
    w = StartWindow();
    QVERIFY(w && w->blnStartUpCompleted);
    QCOMPARE(intLanguage, std::int16_t{0});
    QCOMPARE(w->optMonths->isChecked(), months);
    const QStringList state = Take(*w);
    if (restored) {
      QCOMPARE(state.mid(0, 2), QStringList({"0 1 6 0 0", ".|,"}));
      QCOMPARE(state[2][2], u'0');
      QCOMPARE(state[3], u"01.01.2000"_s);
    } else {
      QCOMPARE(state, kDefaults);
    }
    QVERIFY(recorder.boxes.empty());
  }

  void savedGermanGivesGermanCaptions() {
    QuitWindow(w);
    UserSettings german;
    german.language = 1;
    WriteUserFile(QByteArray(FormatUserFile(german).c_str()));
    w = StartWindow();
    QCOMPARE(intLanguage, std::int16_t{1});
    QCOMPARE(w->cmdCompute->text(), Q(FixedText("Compute", 1)));
    QCOMPARE(w->optDays->text(), Q(FixedText("Days", 1)));
    QuitWindow(w);
    QCOMPARE(ReadUserFile().left(3), QByteArray("1\r\n"));
  }

  // A reset goes back to English, captions included.
  void resetGoesBackToEnglish() {
    QuitWindow(w);
    UserSettings german;
    german.language = 1;
    WriteUserFile(QByteArray(FormatUserFile(german).c_str()));
    w = StartWindow();
    QVERIFY(w);
    recorder.answers = {QMessageBox::Yes};
    Click(w->cmdReset);
    QCOMPARE(recorder.boxes.back().title, Q(FixedText("Reset", 1)));
    QCOMPARE(intLanguage, std::int16_t{0});
    QCOMPARE(w->cmdCompute->text(), u"Compute"_s);
  }

  // Answered No nothing changes; answered Yes the user file goes and every default is back.
  void reset() {
    ChangeEverything(*w);
    QuitWindow(w);
    w = StartWindow();
    const QByteArray saved = ReadUserFile();
    const QStringList before = Take(*w);
    recorder.answers = {QMessageBox::No, QMessageBox::Yes};
    Click(w->cmdReset);
    QCOMPARE(int(recorder.boxes.size()), 1);
    const MessageRequest& box = recorder.boxes.front();
    QCOMPARE(box.buttons, MsgButtons::YesNo);
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(box.title, w->cmdReset->text());
    QVERIFY(!ProgramText(18).empty());
    QCOMPARE(box.text, Q(ProgramText(18) + "\r\n" + ProgramText(19) + "\r\n\r\n" + ProgramText(20)));
    QCOMPARE(Take(*w), before);
    QCOMPARE(ReadUserFile(), saved);
    Click(w->cmdReset);
    QVERIFY(!QFile::exists(UserFilePath()));
    QCOMPARE(Take(*w), kDefaults);
    QVERIFY(w->chkIncludeFirstDate->isVisible());
    QuitWindow(w);
    QCOMPARE(ReadUserFile(), kDefaultFile);
  }

  void failedSaveKeepsThePreviousFile() {
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
  }

  void savingRemakesAVanishedFolderAndNeverCrashes() {
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
    QuitWindow(w);
    valdora::SetProgramFolder("/nonexistent-valdora-folder");
    auto fresh = std::make_unique<frmMain>();
    const bool loaded = fresh->Form_Load();
    PrepareProgram();
    QVERIFY(!loaded && !fresh->isVisible());
    QCOMPARE(int(recorder.boxes.size()), 1);
    QCOMPARE(recorder.boxes.front().icon, MsgIcon::Critical);
    QCOMPARE(recorder.boxes.front().title, QString());
    QVERIFY(!recorder.boxes.front().text.isEmpty());
  }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
