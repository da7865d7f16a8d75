// The Compute command through the real window: keys typed into the fields, Enter or the
// Compute button, and the output line compared with what valdora-cli writes for the same
// inputs; the clear-field dialog's four answers; the messages with their texts and titles.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "compute/Compute.h"
#include "ui/common/Metrics.h"

using namespace valdora;
using namespace testing_main;

namespace {
QRadioButton* CalOption(frmMain& w, int which, const QString& code) {
  return w.findChild<QRadioButton*>((which == 1 ? QStringLiteral("optFirstDateIs")
                                                : QStringLiteral("optSecondDateIs")) + code);
}

// valdora-cli's output line for the same inputs (today fixed as in the window).
QString CliLine(const QStringList& arguments) {
  QProcess cli;
  cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/valdora-cli"),
            QStringList{QStringLiteral("--today"), QStringLiteral("2008-07-12")} + arguments);
  if (!cli.waitForFinished(10000)) return QStringLiteral("<valdora-cli did not run>");
  QString line = QString::fromUtf8(cli.readAllStandardOutput());
  line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return line;
}

// Answers the clear-field dialog once it is shown: picks `option` and presses Continue, or
// closes it with Escape when `option` is null.
void AnswerDialog(const char* option) {
  QTimer::singleShot(0, [option] {
    frmClearOneTextBox& dialog = frmClearOneTextBox::instance();
    if (option == nullptr) {
      QTest::keyClick(&dialog, Qt::Key_Escape);
      return;
    }
    Click(dialog.findChild<QRadioButton*>(QString::fromLatin1(option)));
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

  void sameLineAsTheCommandLineTool_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("cal1");
    QTest::addColumn<QString>("cal2");
    QTest::addColumn<bool>("months");
    QTest::addColumn<bool>("enter");
    QTest::newRow("convert CE to JDN") << "2000-01-01" << "" << "" << "CE" << "JDN" << false << true;
    QTest::newRow("days between") << "2000-01-01" << "" << "2000-03-01" << "CE" << "CE" << false << false;
    QTest::newRow("add days") << "2008-W28-6" << "1000" << "" << "ISO" << "LPM" << false << true;
    QTest::newRow("subtract days") << "" << "-45" << "2451545" << "ORD" << "JDN" << false << false;
    QTest::newRow("add months") << "2000-01-31" << "1" << "" << "CE" << "CE" << true << true;
    QTest::newRow("lone second date") << "" << "" << "1999-12-19" << "CE" << "JC" << false << true;
    QTest::newRow("same calendars") << "2008-07-12" << "" << "" << "CE" << "CE" << false << false;
    QTest::newRow("blanks trimmed") << "  2000-01-01  " << "" << "" << "CE" << "LPW" << false << true;
  }
  void sameLineAsTheCommandLineTool() {
    QFETCH(QString, first);
    QFETCH(QString, diff);
    QFETCH(QString, second);
    QFETCH(QString, cal1);
    QFETCH(QString, cal2);
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

    QStringList arguments{QStringLiteral("--first-cal"), cal1, QStringLiteral("--second-cal"), cal2};
    if (!first.isEmpty()) arguments << QStringLiteral("--first") << first;
    if (!diff.isEmpty()) arguments << QStringLiteral("--diff") << diff;
    if (!second.isEmpty()) arguments << QStringLiteral("--second") << second;
    if (months) arguments << QStringLiteral("--months");
    const QString output = w->txbOutput->toPlainText();
    QVERIFY(!output.isEmpty());
    QCOMPARE(output, CliLine(arguments));
    QVERIFY(recorder.boxes.empty());
    // The empty field received the result; the focus went back to the fields.
    QVERIFY(!w->txbFirstDate->text().isEmpty() || !w->txbSecondDate->text().isEmpty());
    QVERIFY(w->txbFirstDate->text() == w->txbFirstDate->text().trimmed());
  }

  void enterNeverReachesTheText() {
    Type(w->txbFirstDate, QStringLiteral("2000-01-01"));
    QTest::keyClick(w->txbFirstDate, Qt::Key_Enter);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QVERIFY(w->txbOutput->toPlainText().startsWith(QStringLiteral("2000-01-01 CE")));
  }

  void enterOnTheFocusedComputeButton() {
    Type(w->txbFirstDate, QStringLiteral("2000-01-01"));
    Type(w->txbSecondDate, QStringLiteral("2000-01-02"));
    w->SetTheFocus();
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cmdCompute));
    QTest::keyClick(w->cmdCompute, Qt::Key_Return);
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("1"));
  }

  void messagesComeThroughTheSeam_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("kind");
    QTest::newRow("first not valid") << "2000-13-45" << "" << "" << 1;
    QTest::newRow("second before diff") << "" << "1-2" << "2000-02-30" << 6;
    QTest::newRow("diff not valid") << "2000-01-01" << "x" << "" << 4;
    QTest::newRow("diff out of range") << "2000-01-01" << "99999999999" << "" << 5;
    QTest::newRow("result out of range") << "5800000-12-31" << "1000000000" << "" << 9;
  }
  void messagesComeThroughTheSeam() {
    QFETCH(QString, first);
    QFETCH(QString, diff);
    QFETCH(QString, second);
    QFETCH(int, kind);
    SetFields(first, diff, second);
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(int(recorder.boxes.size()), 1);
    QCOMPARE(recorder.boxes.front().text, QString::fromStdString(ComputeMessage[0][kind]));
    QCOMPARE(recorder.boxes.front().title, QStringLiteral("Error!"));
    QCOMPARE(recorder.boxes.front().icon, MsgIcon::None);
    QCOMPARE(recorder.boxes.front().buttons, MsgButtons::Ok);
    if (kind != 9) QCOMPARE(w->txbOutput->toPlainText(), QString());
  }

  void allEmptyPutsTodayIntoTheFirstDate() {
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2008-07-12"));
    QVERIFY(w->txbOutput->toPlainText().startsWith(QStringLiteral("2008-07-12 CE")));
  }

  void onlyADifferenceDoesNothing() {
    w->txbDateDiff->setText(QStringLiteral("5"));
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QCOMPARE(w->txbOutput->toPlainText(), QString());
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbFirstDate));
  }

  void threeFilledFieldsAskTheDialog_data() {
    QTest::addColumn<QString>("answer");   // empty: closed with Escape
    QTest::addColumn<QString>("cleared");  // the option of valdora-cli's --clear, or empty
    QTest::newRow("first date") << "optClearFirstDate" << "first";
    QTest::newRow("date difference") << "optClearDateDiff" << "diff";
    QTest::newRow("second date") << "optClearSecondDate" << "second";
    QTest::newRow("cancel") << "optCancel" << "";
    QTest::newRow("closed") << "" << "";
  }
  void threeFilledFieldsAskTheDialog() {
    QFETCH(QString, answer);
    QFETCH(QString, cleared);
    SetFields(QStringLiteral("2000-01-01"), QStringLiteral("30"), QStringLiteral("2000-01-21"));
    const QByteArray option = answer.toLatin1();
    AnswerDialog(answer.isEmpty() ? nullptr : option.constData());
    QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    QVERIFY(!frmClearOneTextBox::instance().isVisible());
    QVERIFY(recorder.boxes.empty());
    if (cleared.isEmpty()) {
      QCOMPARE(w->txbOutput->toPlainText(), QString());
      QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
      QCOMPARE(w->txbDateDiff->text(), QStringLiteral("30"));
      QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-01-21"));
      return;
    }
    QCOMPARE(w->txbOutput->toPlainText(),
             CliLine({QStringLiteral("--first"), QStringLiteral("2000-01-01"),
                      QStringLiteral("--diff"), QStringLiteral("30"), QStringLiteral("--second"),
                      QStringLiteral("2000-01-21"), QStringLiteral("--clear"), cleared}));
  }

  void dialogKeepsItsChoiceButNotACancel() {
    const auto askOnce = [this](const char* option) {
      SetFields(QStringLiteral("2000-01-01"), QStringLiteral("20"), QStringLiteral("2000-01-21"));
      QString preselected;
      QTimer::singleShot(0, [&preselected, option] {
        frmClearOneTextBox& dialog = frmClearOneTextBox::instance();
        for (QRadioButton* o : {dialog.optClearFirstDate, dialog.optClearDateDiff,
                                dialog.optClearSecondDate, dialog.optCancel}) {
          if (o->isChecked()) preselected = o->objectName();
        }
        Click(dialog.findChild<QRadioButton*>(QString::fromLatin1(option)));
        QTest::mouseClick(dialog.cmdContinue, Qt::LeftButton);
      });
      QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
      // Placed over the main window's input fields.
      const QPoint expected = w->pos() + QPoint(w->Frame3->x() + TwipsToPixels(50), TwipsToPixels(2850));
      if (frmClearOneTextBox::instance().pos() != expected) return QStringLiteral("misplaced");
      return preselected;
    };
    QCOMPARE(askOnce("optClearSecondDate"), QStringLiteral("optClearDateDiff"));
    QCOMPARE(askOnce("optCancel"), QStringLiteral("optClearSecondDate"));
    QCOMPARE(askOnce("optClearFirstDate"), QStringLiteral("optClearDateDiff"));
    QCOMPARE(askOnce("optClearDateDiff"), QStringLiteral("optClearFirstDate"));
  }
};

QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
