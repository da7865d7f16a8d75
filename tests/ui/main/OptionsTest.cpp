// SPDX-License-Identifier: MIT
// The options of the real main window: a typed date re-expressed when its calendar changes
// (and put back when it cannot be), the separator captions and the emptied fields of a format
// change, the day-count boxes, the focus rules and the calendar queries.
#include "MainWindowFixture.h"

using namespace valdora;
using namespace testing_main;

class OptionsTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

  QRadioButton* Option(const char* name) const {
    return w->findChild<QRadioButton*>(QLatin1StringView(name));
  }

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  // An empty field only records the calendar.
  void emptyFieldOnlyRecordsTheCalendar() {
    Click(w->optSecondDateIsJDN);
    QCOMPARE(w->intSecondDateOptCal, std::int16_t{JDN});
    QVERIFY(w->txbSecondDate->text().isEmpty());
    QVERIFY(recorder.boxes.empty());
  }

  // A typed date through each calendar and back to the same CE date.
  void reExpressionInEveryCalendarReadsBack_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("cal");
    QTest::addColumn<QString>("text");
    QTest::newRow("first-date-as-jdn") << 1 << int(JDN) << u"2,451,545"_s;
    QTest::newRow("second-date-as-jc") << 2 << int(JC) << u"1999-12-19"_s;
    QTest::newRow("second-date-as-iso") << 2 << int(ISO) << u"1999-W52-6"_s;
    QTest::newRow("second-date-as-ordinal") << 2 << int(ORD) << u"2000-001"_s;
  }
  void reExpressionInEveryCalendarReadsBack() {
    QFETCH(int, which);
    QFETCH(int, cal);
    QFETCH(QString, text);
    QLineEdit* field = which == 1 ? w->txbFirstDate : w->txbSecondDate;
    Type(field, u" 2000-01-01"_s);
    Click(CalOption(*w, which, cal));
    QCOMPARE(field->text(), text);
    QCOMPARE(which == 1 ? w->intFirstDateOptCal : w->intSecondDateOptCal, std::int16_t(cal));
    if (which == 1) QCOMPARE(Focused(), u"txbDateDiff"_s);
    for (int next : {LPW, LPM, CE}) Click(CalOption(*w, which, next));
    QCOMPARE(field->text(), u"2000-01-01"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // A date that cannot be carried over keeps its calendar and its text: silently for a JDN
  // before the first ordinal date, with a message for a date that does not read.
  void refusedCalendarChangeKeepsTheCalendar_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("message");
    QTest::newRow("jdn-before-the-first-ordinal-silently") << 1 << int(JDN) << int(ORD) << u"1000"_s << 0;
    QTest::newRow("first-date-not-valid") << 1 << int(CE) << int(JC) << u"2000-13-01"_s << 156;
    QTest::newRow("second-date-not-valid") << 2 << int(CE) << int(JC) << u"2000-13-01"_s << 157;
  }
  void refusedCalendarChangeKeepsTheCalendar() {
    QFETCH(int, which);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, text);
    QFETCH(int, message);
    QVERIFY(!ProgramText(156).empty() && !ProgramText(157).empty());
    QLineEdit* field = which == 1 ? w->txbFirstDate : w->txbSecondDate;
    Click(CalOption(*w, which, from));
    field->clear();
    Type(field, text);
    Click(CalOption(*w, which, to));
    QVERIFY(CalOption(*w, which, from)->isChecked());
    QCOMPARE(w->GetCal(which), from);
    QCOMPARE(which == 1 ? w->intFirstDateOptCal : w->intSecondDateOptCal, std::int16_t(from));
    QCOMPARE(field->text(), text);
    QVERIFY(!w->blnRevertingCalOption);
    QCOMPARE(int(recorder.boxes.size()), message ? 1 : 0);
    if (!message) return;
    QCOMPARE(recorder.boxes.front().text, Q(ProgramText(message)));
    QCOMPARE(recorder.boxes.front().title, Q(ProgramText(150)));
    QCOMPARE(recorder.boxes.front().buttons, MsgButtons::Ok);
  }

  // The separator captions show 31 December 2012 in the chosen format.
  void dateFormatAndSeparatorEmptyTheFields_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("separator");
    QTest::newRow("day-month-year") << u"optDateFormatIsDMY"_s
                                    << QStringList{"31-12-2012", "31/12/2012", "31.12.2012"} << u"-"_s;
    QTest::newRow("month-day-year") << u"optDateFormatIsMDY"_s
                                    << QStringList{"12-31-2012", "12/31/2012", "12.31.2012"} << u"-"_s;
    QTest::newRow("slash") << u"optSeparatorIsSlash"_s
                           << QStringList{"2012-12-31", "2012/12/31", "2012.12.31"} << u"/"_s;
    QTest::newRow("dot") << u"optSeparatorIsDot"_s
                         << QStringList{"2012-12-31", "2012/12/31", "2012.12.31"} << u"."_s;
  }
  void dateFormatAndSeparatorEmptyTheFields() {
    QFETCH(QString, option);
    QFETCH(QStringList, captions);
    QFETCH(QString, separator);
    Click(w->optDateFormatIsYMD);
    Click(w->optSeparatorIsDash);
    SetFields(u"1"_s, u"2"_s, u"3"_s);
    Click(Option(qPrintable(option)));
    QCOMPARE(Fields(), QStringList({"", "", ""}));
    QCOMPARE(QStringList({w->optSeparatorIsDash->text(), w->optSeparatorIsSlash->text(),
                          w->optSeparatorIsDot->text()}),
             captions);
    QCOMPARE(DateSeparator, separator.toStdString());
    QCOMPARE(Focused(), u"txbFirstDate"_s);
  }

  void choosingTheChosenSeparatorChangesNothing() {
    Click(w->optSeparatorIsDot);
    w->txbFirstDate->setText(u"2000-01-01"_s);
    Click(w->optSeparatorIsDot);
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
  }

  void thousandsSeparatorKeepsTheFields_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("separator");
    QTest::newRow("dot") << u"optThousSepIsDot"_s << u"."_s;
    QTest::newRow("none") << u"optThousSepNone"_s << QString();
  }
  void thousandsSeparatorKeepsTheFields() {
    QFETCH(QString, option);
    QFETCH(QString, separator);
    Click(w->optFirstDateIsCE);
    SetFields(u"2000-01-01"_s, {}, {});
    Click(Option(qPrintable(option)));
    QCOMPARE(ThousandsSeparator, separator.toStdString());
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
    QCOMPARE(Focused(), u"txbDateDiff"_s);
    Click(w->optFirstDateIsJDN);
    QCOMPARE(w->txbFirstDate->text(), "2" + separator + "451" + separator + "545");
  }

  void monthsHideTheDayCountBoxes() {
    Click(w->chkIncludeFirstDate);
    Click(w->optMonths);
    QVERIFY(!w->chkIncludeFirstDate->isVisible() && !w->chkIncludeWeekends->isVisible());
    Click(w->optDays);
    QVERIFY(w->chkIncludeFirstDate->isVisible() && w->chkIncludeWeekends->isVisible());
    QVERIFY(w->chkIncludeFirstDate->isChecked() && w->chkIncludeWeekends->isChecked());
  }

  // Which fields hold text (a blank counts) -> where the focus goes.
  void setTheFocus_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all-empty") << u""_s << u""_s << u""_s << u"txbFirstDate"_s;
    QTest::newRow("first-date") << u"x"_s << u""_s << u""_s << u"txbDateDiff"_s;
    QTest::newRow("difference") << u""_s << u"x"_s << u""_s << u"txbFirstDate"_s;
    QTest::newRow("first-date-and-difference") << u"x"_s << u"x"_s << u""_s << u"cmdCompute"_s;
    QTest::newRow("both-dates") << u"x"_s << u""_s << u"x"_s << u"cmdCompute"_s;
    QTest::newRow("first-date-and-blank-difference") << u"x"_s << u" "_s << u""_s << u"cmdCompute"_s;
    QTest::newRow("difference-and-second-date") << u""_s << u"x"_s << u"x"_s << u"cmdCompute"_s;
  }
  void setTheFocus() {
    QFETCH(QString, first);
    QFETCH(QString, diff);
    QFETCH(QString, second);
    QFETCH(QString, focus);
    SetFields(first, diff, second);
    w->cmdQuit->setFocus();
    w->SetTheFocus();
    QCOMPARE(Focused(), focus);
  }

  void noFocusMovesDuringStartUp() {
    w->blnStartUpCompleted = false;
    w->cmdQuit->setFocus();
    w->SetTheFocus();
    QCOMPARE(Focused(), u"cmdQuit"_s);
    w->blnStartUpCompleted = true;
  }

  void noDateReExpressedDuringStartUp() {
    w->blnStartUpCompleted = false;
    w->txbFirstDate->setText(u"2000-01-01"_s);
    w->optFirstDateIsJDN->setChecked(true);
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
    QCOMPARE(w->intFirstDateOptCal, std::int16_t{JDN});
    w->blnStartUpCompleted = true;
  }

  void windowFitsTheSmallScreen() {
    QVERIFY(w->minimumSizeHint().width() <= 1366 && w->minimumSizeHint().height() <= 740);
    QVERIFY(w->width() <= 1366 && w->height() <= 740);
  }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
