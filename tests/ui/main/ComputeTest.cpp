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

// The fields of a computation that shows a message, and the message's kind.
struct MessageCase {
  QString first, diff, second;
  int kind = 0;
};
}  // namespace

Q_DECLARE_METATYPE(MessageCase)

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
  void sameLineAsTheCommandLineTool_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("cal1");
    QTest::addColumn<int>("cal2");
    QTest::addColumn<bool>("months");
    QTest::addColumn<bool>("enter");
    QTest::newRow("convert-ce-to-jdn") << u"2000-01-01"_s << QString() << QString() << int(CE) << int(JDN)
                                       << false << true;
    QTest::newRow("days-between-ce-dates") << u"2000-01-01"_s << QString() << u"2000-03-01"_s << int(CE)
                                           << int(CE) << false << false;
    QTest::newRow("add-days-iso-to-lpm") << u"2008-W28-6"_s << u"1000"_s << QString() << int(ISO)
                                         << int(LPM) << false << true;
    QTest::newRow("subtract-days-from-jdn") << QString() << u"-45"_s << u"2451545"_s << int(ORD)
                                            << int(JDN) << false << false;
    QTest::newRow("add-months") << u"2000-01-31"_s << u"1"_s << QString() << int(CE) << int(CE) << true
                                << true;
    QTest::newRow("lone-second-date-ce-to-jc") << QString() << QString() << u"1999-12-19"_s << int(CE)
                                               << int(JC) << false << true;
    QTest::newRow("same-calendars") << u"2008-07-12"_s << QString() << QString() << int(CE) << int(CE)
                                    << false << false;
    QTest::newRow("blanks-trimmed") << u"  2000-01-01  "_s << QString() << QString() << int(CE)
                                    << int(LPW) << false << true;
  }
  void sameLineAsTheCommandLineTool() {
    QFETCH(QString, first);
    QFETCH(QString, diff);
    QFETCH(QString, second);
    QFETCH(int, cal1);
    QFETCH(int, cal2);
    QFETCH(bool, months);
    QFETCH(bool, enter);
    Click(CalOption(*w, 1, cal1));
    Click(CalOption(*w, 2, cal2));
    if (months) Click(w->optMonths);
    Type(w->txbFirstDate, first);
    Type(w->txbDateDiff, diff);
    Type(w->txbSecondDate, second);
    if (enter) QTest::keyClick(second.isEmpty() ? w->txbFirstDate : w->txbSecondDate, Qt::Key_Return);
    else QTest::mouseClick(w->cmdCompute, Qt::LeftButton);

    QStringList arguments{u"--first-cal"_s, Q(std::string(CalendarCodeText[cal1])), u"--second-cal"_s,
                          Q(std::string(CalendarCodeText[cal2]))};
    if (!first.isEmpty()) arguments << u"--first"_s << first;
    if (!diff.isEmpty()) arguments << u"--diff"_s << diff;
    if (!second.isEmpty()) arguments << u"--second"_s << second;
    if (months) arguments << u"--months"_s;
    QVERIFY(!Output().isEmpty());
    QCOMPARE(Output(), CliLine(arguments));
    QVERIFY(recorder.boxes.empty());
    // A date field holds the result, the first date without its blanks.
    QVERIFY(!w->txbFirstDate->text().isEmpty() || !w->txbSecondDate->text().isEmpty());
    QCOMPARE(w->txbFirstDate->text(), w->txbFirstDate->text().trimmed());
  }

  void enterNeverReachesTheText() {
    Type(w->txbFirstDate, u"2000-01-01"_s);
    QTest::keyClick(w->txbFirstDate, Qt::Key_Enter);
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
    QVERIFY(Output().startsWith(u"2000-01-01 CE"_s));
  }

  void enterOnTheFocusedComputeButtonComputes() {
    SetFields(u"2000-01-01"_s, {}, u"2000-01-02"_s);
    w->SetTheFocus();
    QCOMPARE(Focused(), u"cmdCompute"_s);
    QTest::keyClick(w->cmdCompute, Qt::Key_Return);
    QCOMPARE(w->txbDateDiff->text(), u"1"_s);
  }

  // One box with the message of its kind; no output but for a result out of range.
  void messagesComeThroughTheSeam_data() {
    QTest::addColumn<MessageCase>("c");
    QTest::newRow("first-not-valid") << MessageCase{u"2000-13-45"_s, {}, {}, 1};
    QTest::newRow("second-checked-before-the-difference") << MessageCase{{}, u"1-2"_s, u"2000-02-30"_s, 6};
    QTest::newRow("difference-not-valid") << MessageCase{u"2000-01-01"_s, u"x"_s, {}, 4};
    QTest::newRow("difference-out-of-range") << MessageCase{u"2000-01-01"_s, u"99999999999"_s, {}, 5};
    QTest::newRow("beyond-the-day-range-refused-as-read")
        << MessageCase{u"5800000-12-31"_s, u"1000000000"_s, {}, 3};
    QTest::newRow("result-out-of-range") << MessageCase{u"5000000-12-31"_s, u"1000000000"_s, {}, 9};
  }
  void messagesComeThroughTheSeam() {
    QFETCH(MessageCase, c);
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

  // Only a difference: nothing happens, the first date is asked for.
  void onlyADifferenceComputesNothing() {
    w->txbDateDiff->setText(u"5"_s);
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(Output(), QString());
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(Focused(), u"txbFirstDate"_s);
  }

  void allEmptyPutsTodayIntoTheFirstDate() {
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(w->txbFirstDate->text(), u"2008-07-12"_s);
    QVERIFY(Output().startsWith(u"2008-07-12 CE"_s));
  }

  // The dialog, shown beside the input fields (never over them); its answer as valdora-cli's
  // --clear (empty: the dates stay, nothing computed). Which choice it offers is the dialog's
  // own test.
  void threeFilledFieldsAskTheDialog_data() {
    QTest::addColumn<QString>("answer");  // the option chosen; empty: Escape
    QTest::addColumn<QString>("cleared");
    QTest::newRow("clear-first-date") << u"optClearFirstDate"_s << u"first"_s;
    QTest::newRow("clear-difference") << u"optClearDateDiff"_s << u"diff"_s;
    QTest::newRow("clear-second-date") << u"optClearSecondDate"_s << u"second"_s;
    QTest::newRow("cancel") << u"optCancel"_s << QString();
    QTest::newRow("escape") << QString() << QString();
  }
  void threeFilledFieldsAskTheDialog() {
    QFETCH(QString, answer);
    QFETCH(QString, cleared);
    const QByteArray option = answer.toLatin1();
    SetFields(u"2000-01-01"_s, u"30"_s, u"2000-01-21"_s);
    QRect shownAt;
    AnswerDialog(answer.isEmpty() ? nullptr : option.constData(), shownAt);
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
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

  // Asked again and again on one window, whatever the answers, the dialog stands where it
  // stood the first time.
  void dialogStandsAtOnePlaceEveryTime() {
    QRect firstShownAt;
    for (const char* answer : {"optClearFirstDate", "optClearDateDiff", "optClearSecondDate",
                               "optCancel", (const char*)nullptr}) {  // null: Escape
      const QString label = answer ? QLatin1StringView(answer) : u"Escape"_s;
      w->txbOutput->clear();
      SetFields(u"2000-01-01"_s, u"30"_s, u"2000-01-21"_s);
      QRect shownAt;
      AnswerDialog(answer, shownAt);
      QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
      if (firstShownAt.isNull()) firstShownAt = shownAt;
      QVERIFY2(shownAt == firstShownAt,
               qPrintable(u"%1: shown at %2,%3, first at %4,%5"_s.arg(label)
                              .arg(shownAt.x())
                              .arg(shownAt.y())
                              .arg(firstShownAt.x())
                              .arg(firstShownAt.y())));
    }
  }
};

QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
