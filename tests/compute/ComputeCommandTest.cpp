// SPDX-License-Identifier: MIT
// The Compute command as the window sees it: which fields it reads and rewrites, which message
// box each failure shows, and what only the window sees (today, the clear question, the unit
// switch, the focus). The output lines themselves, and hostile input in every field and
// calendar, are checked through valdora-cli (tests/cli).
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "RecordingHost.h"
#include "tests/support/SeededRng.h"

namespace valdora::test {
namespace {

class ComputeCommand : public ::testing::Test {
 protected:
  void SetUp() override { PrepareProgram(); }
  RecordingHost host;
};

TEST_F(ComputeCommand, EmptyFieldsConvertToday) {
  host.secondCal = JDN;
  EXPECT_EQ(host.Compute("", "", ""), "2008-07-12 CE = 2,454,660 JDN, Saturday\r\n");
  EXPECT_EQ(host.todayCalls, 1);
  EXPECT_EQ(host.Second(), "2,454,660");
}

// Only a difference: nothing happens, but the field is trimmed.
TEST_F(ComputeCommand, OnlyADifferenceIsTrimmed) {
  EXPECT_EQ(host.Compute("  ", " 5 ", ""), "");
  EXPECT_EQ(host.Diff(), "5");
  EXPECT_EQ(host.todayCalls, 0);
}

// Three fields: a cancelled question leaves them as they were.
TEST_F(ComputeCommand, CancelledClearQuestionKeepsTheFields) {
  host.clearAnswer = ClearChoice::Cancel;
  EXPECT_EQ(host.Compute("2024-01-01", "5", "2024-02-01"), "");
  EXPECT_EQ(host.fields, (std::array<std::string, 3>{"2024-01-01", "5", "2024-02-01"}));
  EXPECT_EQ(host.clearQuestions, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.todayCalls, 0);
}

TEST_F(ComputeCommand, EachFailureShowsItsBoxAndGivesTheFocusBack) {
  struct Case {
    CalendarCode firstCal, secondCal;
    bool days;
    std::string first, diff, second;
    ComputeBox box;
    const char* output;
  };
  const Case cases[] = {
      // The second date is checked first, then the difference, then the first date.
      {CE, CE, true, "", "x", "2024-13-45", BoxSecondDateNotValid, ""},
      {CE, CE, true, "2024-13-01", "x", "", BoxDateDiffNotValid, ""},
      {CE, CE, true, "2024-13-01", "1000", "", BoxFirstDateNotValid, ""},
      {CE, CE, true, "2024-01-01", "--", "", BoxDateDiffNotValid, ""},
      {CE, CE, true, "2024-01-01", "99999999999", "", BoxDateDiffOutOfRange, ""},
      {CE, CE, true, "9999999-01-01", "", "", BoxFirstDateOutOfRange, ""},
      {CE, CE, true, "", "", "9999999-01-01", BoxSecondDateOutOfRange, ""},
      {JDN, JDN, true, "2,099,999,000", "2100000000", "", BoxResultOutOfRange, "Out of Range\r\n\r\n"},
      // Two dates farther apart than any difference the field can hold.
      {JDN, JDN, true, "-2,099,999,999", "", "2,099,999,999", BoxResultOutOfRange, "Out of Range\r\n\r\n"},
      {JDN, ORD, true, "1,721,425", "", "", BoxResultOutOfRange, "1,721,425 JDN = Out of Range\r\n\r\n"},
      // Months: two dates switch the unit to days; the calendars are checked before the difference.
      {CE, CE, false, "2024-01-01", "", "2024-02-01", BoxMonthsTwoDates, ""},
      {CE, JC, false, "2024-01-01", "x", "", BoxMonthsCalendarsDiffer, ""},
      {ISO, ISO, false, "2024", "1", "", BoxMonthsCalendarNotAllowed, ""},
      {JDN, JDN, false, "2024", "1", "", BoxMonthsCalendarNotAllowed, ""},
      {LPW, LPW, false, "2024", "1", "", BoxMonthsCalendarNotAllowed, ""},
      {ORD, ORD, false, "2024", "1", "", BoxMonthsCalendarNotAllowed, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.first << "|" << c.diff << "|" << c.second << " ("
                                      << CalendarCodeText[c.firstCal] << " to "
                                      << CalendarCodeText[c.secondCal]
                                      << (c.days ? ", days)" : ", months)"));
    host.firstCal = c.firstCal;
    host.secondCal = c.secondCal;
    host.days = c.days;
    host.messages.clear();
    const int focus = host.focusCalls;
    EXPECT_EQ(host.Compute(c.first, c.diff, c.second), c.output);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].box, c.box);
    EXPECT_EQ(host.messages[0].title, c.box >= BoxMonthsTwoDates ? "Compute" : "Error!");
    EXPECT_EQ(host.days, c.days || c.box == BoxMonthsTwoDates);
    EXPECT_GT(host.focusCalls, focus);
  }
}

TEST_F(ComputeCommand, FailureTitleFollowsTheLanguage) {
  intLanguage = intGerman;
  host.Compute("x", "", "");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages.back().title, "Fehler!");
  intLanguage = intEnglish;
}

TEST_F(ComputeCommand, MessageOfAnUnknownLanguageFailsLoudly) {
  intLanguage = 6;  // no such language: a loud failure, not a read beyond the table
  EXPECT_THROW(ComputeMessageText(ComputeMessageKind::FirstDateNotValid), std::out_of_range);
  intLanguage = intEnglish;
}

// A typed date whose day lies beyond the day-number range is refused as it is read, with its
// field's out-of-range message, whatever the operation; the last day inside still computes.
TEST_F(ComputeCommand, TypedDatesBeyondTheDayRangeAreRefusedInEveryOperation) {
  struct Row {
    const char* name;
    CalendarCode cal;
    const char* inside;   // the outermost day of the range in this calendar
    const char* outside;  // the day beyond it
  };
  const Row rows[] = {
      {"CE upper", CE, "5,744,892-08-11", "5,744,892-08-12"},
      {"CE lower", CE, "-5,754,317-03-08", "-5,754,317-03-07"},
      {"JC upper", JC, "5,744,774-08-27", "5,744,774-08-28"},
      {"JC lower", JC, "-5,754,199-05-07", "-5,754,199-05-06"},
      {"ISO upper", ISO, "5744892-W33-1", "5744892-W33-2"},
      {"ISO lower", ISO, "-5754317-W10-1", "-5754317-W09-7"},
      {"LPW upper", LPW, "5744892-34-1", "5744892-34-2"},
      {"LPW lower", LPW, "-5754317-11-1", "-5754317-10-7"},
      {"LPM upper", LPM, "5744892-08-15", "5744892-08-16"},
      {"LPM lower", LPM, "-5754317-03-08", "-5754317-03-07"},
  };
  struct Operation {
    const char* name;
    std::string diff, other;  // the difference and the other date (CE), either may be empty
  };
  const Operation operations[] = {
      {"conversion", "", ""}, {"days between", "", "2024-01-01"}, {"add days", "1", ""},
      {"add months", "1", ""}};
  host.secondCal = CE;
  for (const Row& row : rows) {
    for (const Operation& op : operations) {
      SCOPED_TRACE(std::string(row.name) + ", " + op.name);
      const bool months = std::string(op.name) == "add months";
      if (months && row.cal != CE && row.cal != LPM) continue;  // no months in that calendar
      host.days = !months;
      host.firstCal = row.cal;
      host.secondCal = months ? row.cal : CE;
      // First date outside: refused with "First date is out of range.", nothing written.
      host.messages.clear();
      EXPECT_EQ(host.Compute(row.outside, op.diff, op.other), "");
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].box, BoxFirstDateOutOfRange);
      EXPECT_EQ(host.messages[0].text, "First date is out of range.");
      EXPECT_EQ(host.First(), row.outside);
      // Second date outside, the first date filled in CE: "Second date is out of range.".
      if (!months && op.diff.empty()) {
        host.firstCal = CE;
        host.secondCal = row.cal;
        host.messages.clear();
        EXPECT_EQ(host.Compute(op.other.empty() ? "" : "2024-01-01", "", row.outside), "");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].box, BoxSecondDateOutOfRange);
        host.firstCal = row.cal;
        host.secondCal = CE;
      }
      // The outermost day itself is read (a result may still leave the range).
      host.messages.clear();
      host.Compute(row.inside, op.diff, op.other);
      EXPECT_TRUE(host.messages.empty() || host.messages[0].box == BoxResultOutOfRange);
    }
  }
  host.days = true;
}

// Each caller keeps its own state: computations on several hosts, run one after the other,
// each leave their dates, day count and texts in their own record, and the words of the
// result line follow the display language of the moment.
TEST_F(ComputeCommand, EachCallerKeepsTheStateOfItsOwnComputation) {
  struct Row {
    const char* name;
    const char* first;
    const char* diff;
    const char* second;
    bool months;
    std::int16_t language;
    Jdn jdn1, jdn2;
    std::int32_t days;
    const char* firstWithCal;
    const char* secondWithCal;
    const char* unitWord;
  } rows[] = {
      {"days between", "2024-01-01", "", "2024-03-01", false, intEnglish, 2460311, 2460371, 60,
       "2024-01-01 CE", "2024-03-01 CE", "60 days"},
      {"add days, German", "2024-01-01", "1", "", false, intGerman, 2460311, 2460312, 1,
       "2024-01-01 CE", "2024-01-02 CE", "1 Tag"},
      {"subtract days", "", "-2", "2024-01-01", false, intEnglish, 2460313, 2460311, -2,
       "2024-01-03 CE", "2024-01-01 CE", "2 days"},
      {"add months", "2024-01-31", "1", "", true, intEnglish, 2460341, 2460370, 0,
       "2024-01-31 CE", "2024-02-29 CE", "1 month"},
  };
  std::vector<std::unique_ptr<RecordingHost>> hosts;
  std::vector<std::string> lines;
  for (const Row& row : rows) {
    hosts.push_back(std::make_unique<RecordingHost>());
    hosts.back()->days = !row.months;
    intLanguage = row.language;
    lines.push_back(hosts.back()->Compute(row.first, row.diff, row.second));
  }
  intLanguage = intEnglish;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    const ComputeState& state = hosts[i]->state;
    SCOPED_TRACE(row.name);
    EXPECT_NE(lines[i].find(row.unitWord), std::string::npos) << lines[i];
    EXPECT_EQ(state.FirstDateRec.jdn, row.jdn1);
    EXPECT_EQ(state.SecondDateRec.jdn, row.jdn2);
    if (!row.months) {
      EXPECT_EQ(state.lngDateDiffDays, row.days);
    }
    EXPECT_EQ(state.strFirstDateWithCal, row.firstWithCal);
    EXPECT_EQ(state.strSecondDateWithCal, row.secondWithCal);
  }
}

TEST(MonthArithmetic, MatchesCountingOneMonthAtATime) {
  SeededRng rng(7);
  for (int i = 0; i < 2000; ++i) {
    const EuroDate source{static_cast<std::int32_t>(rng() % 4000) - 2000,
                          static_cast<std::int32_t>(rng() % 12) + 1,
                          static_cast<std::int32_t>(rng() % 28) + 1, 'G', 0};
    const std::int64_t m = static_cast<std::int64_t>(rng() % 400) - 200;
    SCOPED_TRACE(::testing::Message() << source.year << "-" << source.month << "-" << source.day
                                      << " plus " << m << " months");
    EuroDate target;
    ASSERT_TRUE(AddMonthsToDate(source, m, target, false));
    std::int64_t y = source.year, mo = source.month;
    for (std::int64_t k = 0; k < std::llabs(m); ++k) {
      mo += m > 0 ? 1 : -1;
      if (mo > 12) mo = 1, ++y;
      if (mo < 1) mo = 12, --y;
    }
    EXPECT_EQ(target.year, y);
    EXPECT_EQ(target.month, mo);
    EXPECT_EQ(target.day, source.day);
  }
}

TEST(MonthArithmetic, RefusesResultsBeyondTheLimits) {
  EuroDate source{2024, 1, 31, 'G', 0}, target;
  EXPECT_FALSE(AddMonthsToDate(source, 2100000000, target, false));
  EXPECT_FALSE(AddMonthsToDate(source, -2147483647, target, true));
  EXPECT_FALSE(AddMonthsToDate(source, 12LL * 5800000, target, false));  // year beyond the limits
}

}  // namespace
}  // namespace valdora::test
