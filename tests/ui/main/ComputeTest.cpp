// SPDX-License-Identifier: MIT
// The Compute command through the real window: keys typed into the fields, Enter or the
// Compute button, and the output line compared with what valdora-cli writes for the same
// inputs; the clear-field dialog's four answers; the messages with their texts and titles.
#include <QProcess>
#include <QScreen>

#include "MainWindowFixture.h"
#include "compute/Compute.h"

using namespace valdora;
using namespace testing_main;

namespace {
// valdora-cli's output line for the same inputs (today fixed as in the window).
QString CliLine(const QStringList& arguments) {
  QProcess cli;
  cli.start(QCoreApplication::applicationDirPath() + u"/valdora-cli"_s,
            QStringList{u"--today"_s, u"2008-07-12"_s} + arguments);
  if (!cli.waitForFinished(10000)) return u"<valdora-cli did not run>"_s;
  return QString::fromUtf8(cli.readAllStandardOutput()).replace(u"\r\n"_s, u"\n"_s);
}

// Answers the clear-field dialog once it is shown: notes where it is, picks `option` and
// presses Continue, or closes it with Escape when `option` is null.
void AnswerDialog(const char* option, QRect& shownAt) {
  QTimer::singleShot(0, [option, &shownAt] {
    frmClearOneTextBox& dialog = frmClearOneTextBox::instance();
    shownAt = dialog.geometry();
    if (option == nullptr) return QTest::keyClick(&dialog, Qt::Key_Escape);
    Click(dialog.findChild<QRadioButton*>(QLatin1StringView(option)));
    QTest::mouseClick(dialog.cmdContinue, Qt::LeftButton);
  });
}
}  // namespace

class ComputeTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() {
    CloseWindow();
    if (frmClearOneTextBox::exists()) frmClearOneTextBox::unload();
  }
  void cleanupTestCase() { EndProgram(); }

  // Typed, then Enter (in the last filled date field) or the Compute button.
  void sameLineAsTheCommandLineTool() {
    const struct { QString first, diff, second; int cal1, cal2; bool months, enter; } cases[] = {
        {u"2000-01-01"_s, {}, {}, CE, JDN, false, true},                  // convert
        {u"2000-01-01"_s, {}, u"2000-03-01"_s, CE, CE, false, false},     // days between
        {u"2008-W28-6"_s, u"1000"_s, {}, ISO, LPM, false, true},          // add days
        {{}, u"-45"_s, u"2451545"_s, ORD, JDN, false, false},             // subtract days
        {u"2000-01-31"_s, u"1"_s, {}, CE, CE, true, true},                // add months
        {{}, {}, u"1999-12-19"_s, CE, JC, false, true},                   // lone second date
        {u"2008-07-12"_s, {}, {}, CE, CE, false, false},                  // same calendars
        {u"  2000-01-01  "_s, {}, {}, CE, LPW, false, true}};             // blanks trimmed
    for (const auto& c : cases) {
      QuitWindow(w);
      OpenWindow();
      Click(CalOption(*w, 1, c.cal1));
      Click(CalOption(*w, 2, c.cal2));
      if (c.months) Click(w->optMonths);
      Type(w->txbFirstDate, c.first);
      Type(w->txbDateDiff, c.diff);
      Type(w->txbSecondDate, c.second);
      if (c.enter) QTest::keyClick(c.second.isEmpty() ? w->txbFirstDate : w->txbSecondDate, Qt::Key_Return);
      else QTest::mouseClick(w->cmdCompute, Qt::LeftButton);

      QStringList arguments{u"--first-cal"_s, Q(std::string(CalendarCodeText[c.cal1])),
                            u"--second-cal"_s, Q(std::string(CalendarCodeText[c.cal2]))};
      if (!c.first.isEmpty()) arguments << u"--first"_s << c.first;
      if (!c.diff.isEmpty()) arguments << u"--diff"_s << c.diff;
      if (!c.second.isEmpty()) arguments << u"--second"_s << c.second;
      if (c.months) arguments << u"--months"_s;
      QVERIFY(!Output().isEmpty());
      QCOMPARE(Output(), CliLine(arguments));
      QVERIFY(recorder.boxes.empty());
      // A date field holds the result, the first date without its blanks.
      QVERIFY(!w->txbFirstDate->text().isEmpty() || !w->txbSecondDate->text().isEmpty());
      QCOMPARE(w->txbFirstDate->text(), w->txbFirstDate->text().trimmed());
    }
  }

  void enterNeverReachesTheText() {
    Type(w->txbFirstDate, u"2000-01-01"_s);
    QTest::keyClick(w->txbFirstDate, Qt::Key_Enter);
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
    QVERIFY(Output().startsWith(u"2000-01-01 CE"_s));
    // Enter on the focused Compute button computes too.
    SetFields(u"2000-01-01"_s, {}, u"2000-01-02"_s);
    w->SetTheFocus();
    QCOMPARE(Focused(), u"cmdCompute"_s);
    QTest::keyClick(w->cmdCompute, Qt::Key_Return);
    QCOMPARE(w->txbDateDiff->text(), u"1"_s);
  }

  // One box with the message of its kind; no output but for a result out of range.
  void messagesComeThroughTheSeam() {
    const struct { QString first, diff, second; int kind; } cases[] = {
        {u"2000-13-45"_s, {}, {}, 1},                 // first not valid
        {{}, u"1-2"_s, u"2000-02-30"_s, 6},           // second checked before the difference
        {u"2000-01-01"_s, u"x"_s, {}, 4},             // difference not valid
        {u"2000-01-01"_s, u"99999999999"_s, {}, 5},   // difference out of range
        {u"5800000-12-31"_s, u"1000000000"_s, {}, 3},  // beyond the day range: refused as read
        {u"5000000-12-31"_s, u"1000000000"_s, {}, 9}};  // result out of range
    for (const auto& c : cases) {
      recorder.boxes.clear();
      w->txbOutput->clear();
      SetFields(c.first, c.diff, c.second);
      QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
      QCOMPARE(int(recorder.boxes.size()), 1);
      const MessageRequest& box = recorder.boxes.front();
      QCOMPARE(box.text, Q(std::string(ComputeMessage[0][c.kind])));
      QCOMPARE(box.title, u"Error!"_s);
      QCOMPARE(box.icon, MsgIcon::None);
      QCOMPARE(box.buttons, MsgButtons::Ok);
      QCOMPARE(Output().isEmpty(), c.kind != 9);
    }
  }

  // All empty: today goes into the first date; only a difference: nothing happens.
  void emptyDates() {
    w->txbDateDiff->setText(u"5"_s);
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(Output(), QString());
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(Focused(), u"txbFirstDate"_s);
    w->txbDateDiff->clear();
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(w->txbFirstDate->text(), u"2008-07-12"_s);
    QVERIFY(Output().startsWith(u"2008-07-12 CE"_s));
  }

  // The dialog, shown beside the input fields (never over them) at one place every time; its
  // answer as valdora-cli's --clear (empty: the dates stay, nothing computed). Which choice it
  // offers is the dialog's own test.
  void threeFilledFieldsAskTheDialog() {
    const std::pair<const char*, QString> cases[] = {
        {"optClearFirstDate", u"first"_s}, {"optClearDateDiff", u"diff"_s},
        {"optClearSecondDate", u"second"_s}, {"optCancel", {}}, {nullptr, {}}};  // null: Escape
    QRect firstShownAt;
    for (const auto& [answer, cleared] : cases) {
      w->txbOutput->clear();
      SetFields(u"2000-01-01"_s, u"30"_s, u"2000-01-21"_s);
      QRect shownAt;
      AnswerDialog(answer, shownAt);
      QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
      if (firstShownAt.isNull()) firstShownAt = shownAt;
      QCOMPARE(shownAt, firstShownAt);
      for (const QLineEdit* field : {w->txbFirstDate, w->txbDateDiff, w->txbSecondDate}) {
        QVERIFY2(!shownAt.intersects(QRect(field->mapToGlobal(QPoint(0, 0)), field->size())),
                 qPrintable(field->objectName()));
      }
      QVERIFY(w->screen()->availableGeometry().contains(shownAt));
      QVERIFY(!frmClearOneTextBox::instance().isVisible());
      QVERIFY(recorder.boxes.empty());
      if (cleared.isEmpty()) {
        QCOMPARE(Output(), QString());
        QCOMPARE(Fields(), QStringList({"2000-01-01", "30", "2000-01-21"}));
      } else {
        QCOMPARE(Output(), CliLine({u"--first"_s, u"2000-01-01"_s, u"--diff"_s, u"30"_s, u"--second"_s,
                                    u"2000-01-21"_s, u"--clear"_s, cleared}));
      }
    }
  }
};

QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
