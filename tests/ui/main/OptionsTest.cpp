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

  // A typed date through each calendar and back to the same CE date; an empty field only
  // records the calendar.
  void reExpressionInEveryCalendarReadsBack() {
    Click(w->optSecondDateIsJDN);
    QCOMPARE(w->intSecondDateOptCal, std::int16_t{JDN});
    Click(w->optSecondDateIsCE);
    const struct { int which; CalendarCode cal; QString text; } cases[] = {
        {1, JDN, u"2,451,545"_s}, {2, JC, u"1999-12-19"_s}, {2, ISO, u"1999-W52-6"_s},
        {2, ORD, u"2000-001"_s}};
    for (const auto& c : cases) {
      QLineEdit* field = c.which == 1 ? w->txbFirstDate : w->txbSecondDate;
      field->clear();
      Type(field, u" 2000-01-01"_s);
      Click(CalOption(*w, c.which, c.cal));
      QCOMPARE(field->text(), c.text);
      QCOMPARE(c.which == 1 ? w->intFirstDateOptCal : w->intSecondDateOptCal, std::int16_t(c.cal));
      if (c.which == 1) QCOMPARE(Focused(), u"txbDateDiff"_s);
      for (int next : {LPW, LPM, CE}) Click(CalOption(*w, c.which, next));
      QCOMPARE(field->text(), u"2000-01-01"_s);
    }
    QVERIFY(recorder.boxes.empty());
  }

  // A date that cannot be carried over keeps its calendar and its text: silently for a JDN
  // before the first ordinal date, with a message for a date that does not read.
  void refusedCalendarChangeKeepsTheCalendar() {
    QVERIFY(!ProgramText(156).empty() && !ProgramText(157).empty());
    const struct { int which; CalendarCode from, to; QString text; int message; } cases[] = {
        {1, JDN, ORD, u"1000"_s, 0}, {1, CE, JC, u"2000-13-01"_s, 156}, {2, CE, JC, u"2000-13-01"_s, 157}};
    for (const auto& c : cases) {
      recorder.boxes.clear();
      QLineEdit* field = c.which == 1 ? w->txbFirstDate : w->txbSecondDate;
      Click(CalOption(*w, c.which, c.from));
      field->clear();
      Type(field, c.text);
      Click(CalOption(*w, c.which, c.to));
      QVERIFY(CalOption(*w, c.which, c.from)->isChecked());
      QCOMPARE(w->GetCal(c.which), c.from);
      QCOMPARE(c.which == 1 ? w->intFirstDateOptCal : w->intSecondDateOptCal, std::int16_t(c.from));
      QCOMPARE(field->text(), c.text);
      QVERIFY(!w->blnRevertingCalOption);
      QCOMPARE(int(recorder.boxes.size()), c.message ? 1 : 0);
      if (!c.message) continue;
      QCOMPARE(recorder.boxes.front().text, Q(ProgramText(c.message)));
      QCOMPARE(recorder.boxes.front().title, Q(ProgramText(150)));
      QCOMPARE(recorder.boxes.front().buttons, MsgButtons::Ok);
    }
  }

  // The separator captions show 31 December 2012 in the chosen format.
  void dateFormatAndSeparatorEmptyTheFields() {
    const struct { const char* option; QStringList captions; const char* separator; } cases[] = {
        {"optDateFormatIsDMY", {"31-12-2012", "31/12/2012", "31.12.2012"}, "-"},
        {"optDateFormatIsMDY", {"12-31-2012", "12/31/2012", "12.31.2012"}, "-"},
        {"optSeparatorIsSlash", {"2012-12-31", "2012/12/31", "2012.12.31"}, "/"},
        {"optSeparatorIsDot", {"2012-12-31", "2012/12/31", "2012.12.31"}, "."}};
    for (const auto& c : cases) {
      Click(w->optDateFormatIsYMD);
      Click(w->optSeparatorIsDash);
      SetFields(u"1"_s, u"2"_s, u"3"_s);
      Click(Option(c.option));
      QCOMPARE(Fields(), QStringList({"", "", ""}));
      QCOMPARE(QStringList({w->optSeparatorIsDash->text(), w->optSeparatorIsSlash->text(),
                            w->optSeparatorIsDot->text()}),
               c.captions);
      QCOMPARE(DateSeparator, std::string(c.separator));
      QCOMPARE(Focused(), u"txbFirstDate"_s);
    }
    // Choosing the option already chosen changes nothing.
    w->txbFirstDate->setText(u"2000-01-01"_s);
    Click(w->optSeparatorIsDot);
    QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
  }

  void thousandsSeparatorKeepsTheFields() {
    for (const auto& [option, separator] : {std::pair{"optThousSepIsDot", "."},
                                            std::pair{"optThousSepNone", ""}}) {
      Click(w->optFirstDateIsCE);
      SetFields(u"2000-01-01"_s, {}, {});
      Click(Option(option));
      QCOMPARE(ThousandsSeparator, std::string(separator));
      QCOMPARE(w->txbFirstDate->text(), u"2000-01-01"_s);
      QCOMPARE(Focused(), u"txbDateDiff"_s);
      Click(w->optFirstDateIsJDN);
      const QString sep = QLatin1StringView(separator);
      QCOMPARE(w->txbFirstDate->text(), "2" + sep + "451" + sep + "545");
    }
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
  void setTheFocus() {
    const struct { const char *first, *diff, *second, *focus; } cases[] = {
        {"", "", "", "txbFirstDate"},    {"x", "", "", "txbDateDiff"},
        {"", "x", "", "txbFirstDate"},   {"x", "x", "", "cmdCompute"},
        {"x", "", "x", "cmdCompute"},    {"x", " ", "", "cmdCompute"},
        {"", "x", "x", "cmdCompute"}};
    for (const auto& c : cases) {
      SetFields(QString::fromLatin1(c.first), QString::fromLatin1(c.diff), QString::fromLatin1(c.second));
      w->cmdQuit->setFocus();
      w->SetTheFocus();
      QCOMPARE(Focused(), QString::fromLatin1(c.focus));
    }
  }

  void noFocusMovesDuringStartUp() {
    w->blnStartUpCompleted = false;
    w->cmdQuit->setFocus();
    w->SetTheFocus();
    QCOMPARE(Focused(), u"cmdQuit"_s);
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
