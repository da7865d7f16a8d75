// The options of the real main window: a typed date re-expressed when its calendar changes
// (and put back when it cannot be), the separator captions and the emptied fields of a format
// change, the day-count boxes, the focus rules and the calendar queries.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"

using namespace valdora;
using namespace testing_main;

class OptionsTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  void emptyFieldOnlyRecordsTheCalendar() {
    Click(w->optFirstDateIsJDN);
    QCOMPARE(w->intFirstDateOptCal, std::int16_t{JDN});
    QCOMPARE(w->txbFirstDate->text(), QString());
    QVERIFY(recorder.boxes.empty());
  }

  void reExpressionToJdnAndBack() {
    Type(w->txbFirstDate, QStringLiteral(" 2000-01-01"));
    Click(w->optFirstDateIsJDN);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2,451,545"));
    QCOMPARE(w->intFirstDateOptCal, std::int16_t{JDN});
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbDateDiff));
    Click(w->optFirstDateIsCE);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QVERIFY(recorder.boxes.empty());
  }

  void reExpressionInEveryCalendarReadsBack_data() {
    QTest::addColumn<int>("cal");
    QTest::addColumn<QString>("text");
    QTest::newRow("JC") << int(JC) << QStringLiteral("1999-12-19");
    QTest::newRow("ISO") << int(ISO) << QStringLiteral("1999-W52-6");
    QTest::newRow("ORD") << int(ORD) << QStringLiteral("2000-001");
  }
  void reExpressionInEveryCalendarReadsBack() {
    QFETCH(int, cal);
    QFETCH(QString, text);
    Type(w->txbSecondDate, QStringLiteral("2000-01-01"));
    QRadioButton* option = cal == JC ? w->optSecondDateIsJC : cal == ISO ? w->optSecondDateIsISO
                                                                         : w->optSecondDateIsORD;
    Click(option);
    QCOMPARE(w->txbSecondDate->text(), text);
    QCOMPARE(w->intSecondDateOptCal, std::int16_t(cal));
    Click(w->optSecondDateIsLPW);
    Click(w->optSecondDateIsLPM);
    Click(w->optSecondDateIsCE);
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-01-01"));
    QVERIFY(recorder.boxes.empty());
  }

  void jdnBeforeTheFirstOrdinalDateIsRefusedSilently() {
    Click(w->optFirstDateIsJDN);
    Type(w->txbFirstDate, QStringLiteral("1000"));
    Click(w->optFirstDateIsORD);
    QVERIFY(w->optFirstDateIsJDN->isChecked());
    QCOMPARE(w->GetCal(1), JDN);
    QCOMPARE(w->intFirstDateOptCal, std::int16_t{JDN});
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("1000"));
    QVERIFY(recorder.boxes.empty());
    QVERIFY(!w->blnRevertingCalOption);
  }

  void unreadableDateKeepsItsCalendarWithAMessage_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("first date") << 1;
    QTest::newRow("second date") << 2;
  }
  void unreadableDateKeepsItsCalendarWithAMessage() {
    QFETCH(int, which);
    QLineEdit* field = which == 1 ? w->txbFirstDate : w->txbSecondDate;
    Type(field, QStringLiteral("2000-13-01"));
    Click(which == 1 ? w->optFirstDateIsJC : w->optSecondDateIsJC);
    QCOMPARE(w->GetCal(which), CE);
    QCOMPARE(which == 1 ? w->intFirstDateOptCal : w->intSecondDateOptCal, std::int16_t{CE});
    QCOMPARE(field->text(), QStringLiteral("2000-13-01"));
    QCOMPARE(int(recorder.boxes.size()), 1);
    QCOMPARE(recorder.boxes.front().text,
             QString::fromStdString(ProgramText(which == 1 ? 156 : 157)));
    QCOMPARE(recorder.boxes.front().title, QString::fromStdString(ProgramText(150)));
    QCOMPARE(recorder.boxes.front().buttons, MsgButtons::Ok);
    QVERIFY(!ProgramText(156).empty());
    QVERIFY(!w->blnRevertingCalOption);
  }

  void dateFormatAndSeparatorEmptyTheFields_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("dash");
    QTest::addColumn<QString>("slash");
    QTest::addColumn<QString>("dot");
    QTest::addColumn<QString>("separator");
    QTest::newRow("DMY") << "optDateFormatIsDMY" << "31-12-2012" << "31/12/2012" << "31.12.2012" << "-";
    QTest::newRow("MDY") << "optDateFormatIsMDY" << "12-31-2012" << "12/31/2012" << "12.31.2012" << "-";
    QTest::newRow("slash") << "optSeparatorIsSlash" << "2012-12-31" << "2012/12/31" << "2012.12.31" << "/";
    QTest::newRow("dot") << "optSeparatorIsDot" << "2012-12-31" << "2012/12/31" << "2012.12.31" << ".";
  }
  void dateFormatAndSeparatorEmptyTheFields() {
    QFETCH(QString, option);
    QFETCH(QString, dash);
    QFETCH(QString, slash);
    QFETCH(QString, dot);
    QFETCH(QString, separator);
    SetFields(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    Click(w->findChild<QRadioButton*>(option));
    QCOMPARE(w->txbFirstDate->text() + w->txbDateDiff->text() + w->txbSecondDate->text(), QString());
    QCOMPARE(w->optSeparatorIsDash->text(), dash);
    QCOMPARE(w->optSeparatorIsSlash->text(), slash);
    QCOMPARE(w->optSeparatorIsDot->text(), dot);
    QCOMPARE(QString::fromStdString(DateSeparator), separator);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbFirstDate));
  }

  void selectingTheSelectedOptionRunsNothing() {
    w->txbFirstDate->setText(QStringLiteral("2000-01-01"));
    w->optDateFormatIsYMD->setChecked(true);
    w->optSeparatorIsDash->setChecked(true);
    Click(w->optDateFormatIsYMD);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
  }

  void thousandsSeparatorKeepsTheFields_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("separator");
    QTest::newRow("dot") << "optThousSepIsDot" << ".";
    QTest::newRow("none") << "optThousSepNone" << "";
  }
  void thousandsSeparatorKeepsTheFields() {
    QFETCH(QString, option);
    QFETCH(QString, separator);
    w->txbFirstDate->setText(QStringLiteral("2000-01-01"));
    Click(w->findChild<QRadioButton*>(option));
    QCOMPARE(QString::fromStdString(ThousandsSeparator), separator);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbDateDiff));
    Click(w->optFirstDateIsJDN);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2") + separator + "451" + separator + "545");
  }

  void monthsHideTheDayCountBoxes() {
    Click(w->chkIncludeFirstDate);
    Click(w->optMonths);
    QVERIFY(!w->chkIncludeFirstDate->isVisible());
    QVERIFY(!w->chkIncludeWeekends->isVisible());
    Click(w->optDays);
    QVERIFY(w->chkIncludeFirstDate->isVisible());
    QVERIFY(w->chkIncludeWeekends->isVisible());
    QVERIFY(w->chkIncludeFirstDate->isChecked());
    QVERIFY(w->chkIncludeWeekends->isChecked());
  }

  void setTheFocus_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("focus");
    QTest::newRow("nothing") << "" << "" << "" << "txbFirstDate";
    QTest::newRow("first") << "x" << "" << "" << "txbDateDiff";
    QTest::newRow("diff") << "" << "x" << "" << "txbFirstDate";
    QTest::newRow("first and diff") << "x" << "x" << "" << "cmdCompute";
    QTest::newRow("both dates") << "x" << "" << "x" << "cmdCompute";
    QTest::newRow("blank counts as filled") << "x" << " " << "" << "cmdCompute";
    QTest::newRow("first and second empty") << "" << "x" << "x" << "cmdCompute";
  }
  void setTheFocus() {
    QFETCH(QString, first);
    QFETCH(QString, diff);
    QFETCH(QString, second);
    QFETCH(QString, focus);
    SetFields(first, diff, second);
    w->cmdQuit->setFocus();
    w->SetTheFocus();
    QCOMPARE(w->focusWidget()->objectName(), focus);
  }

  void noFocusMovesDuringStartUp() {
    w->blnStartUpCompleted = false;
    w->cmdQuit->setFocus();
    w->SetTheFocus();
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cmdQuit));
    w->txbFirstDate->setText(QStringLiteral("2000-01-01"));
    w->optFirstDateIsJDN->setChecked(true);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QCOMPARE(w->intFirstDateOptCal, std::int16_t{JDN});
    w->blnStartUpCompleted = true;
  }

  void getCalAndUsersDateFormat() {
    QCOMPARE(w->GetCal(2), CE);
    const std::pair<QRadioButton*, CalendarCode> first[] = {
        {w->optFirstDateIsLPM, LPM}, {w->optFirstDateIsLPW, LPW}, {w->optFirstDateIsORD, ORD},
        {w->optFirstDateIsISO, ISO}, {w->optFirstDateIsJC, JC},  {w->optFirstDateIsJDN, JDN},
        {w->optFirstDateIsCE, CE}};
    for (const auto& [option, code] : first) {
      Click(option);
      QCOMPARE(w->GetCal(1), code);
      QCOMPARE(w->GetCal(2), CE);
      QCOMPARE(w->GetCal(7), CE);
    }
    QCOMPARE(w->UsersDateFormat(), YMD);
    Click(w->optDateFormatIsMDY);
    QCOMPARE(w->UsersDateFormat(), MDY);
    Click(w->optDateFormatIsDMY);
    QCOMPARE(w->UsersDateFormat(), DMY);
  }

  void objectNamesAreTheControlNames() {
    for (const char* name : {"txbFirstDate", "txbDateDiff", "txbSecondDate", "cmdCompute",
                             "optFirstDateIsLPW", "optSecondDateIsISO", "chkSaveOutput",
                             "txbOutput", "cmdToday(0)", "cmdToday(1)", "VScroll(1)",
                             "lblTodaysDate(1)", "lblWeekFromToday(0)", "lblThisIsA(1)",
                             "lblOnlineDocumentation", "lblOstrandSystems", "frmDateFormat",
                             "frmDateSeparator", "Frame3", "lblHyphen"}) {
      QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
  }

  void windowFitsTheSmallScreen() {
    QVERIFY(w->minimumSizeHint().width() <= 1366);
    QVERIFY(w->minimumSizeHint().height() <= 740);
    QVERIFY(w->width() <= 1366 && w->height() <= 740);
  }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
