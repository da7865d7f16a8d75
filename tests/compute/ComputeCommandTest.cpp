// The Compute command as the window sees it: which fields it reads and rewrites, which
// messages it shows, what it appends, and that it always gives the focus back.
#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"

namespace valdora::test {
namespace {

class ComputeCommand : public ::testing::Test {
 protected:
  void SetUp() override { PrepareProgram(); }
  RecordingHost host;
};

TEST_F(ComputeCommand, AllEmptyPutsTodayIntoTheFirstDateAndConvertsIt) {
  host.secondCal = JDN;
  EXPECT_EQ(host.Compute("", "", ""), "2008-07-12 CE = 2,454,660 JDN, Saturday\r\n");
  EXPECT_EQ(host.todayCalls, 1);
  EXPECT_EQ(host.Second(), "2,454,660");
}

TEST_F(ComputeCommand, OnlyADifferenceDoesNothing) {
  EXPECT_EQ(host.Compute("  ", " 5 ", ""), "");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.Diff(), "5");  // trimmed all the same
  EXPECT_GE(host.focusCalls, 1);
}

TEST_F(ComputeCommand, ThreeFieldsAskWhichToClear) {
  host.clearAnswer = ClearChoice::Cancel;
  EXPECT_EQ(host.Compute("2024-01-01", "5", "2024-02-01"), "");
  EXPECT_EQ(host.fields, (std::array<std::string, 3>{"2024-01-01", "5", "2024-02-01"}));
  EXPECT_EQ(host.clearQuestions, 1);
  EXPECT_GE(host.focusCalls, 1);

  host.clearAnswer = ClearChoice::SecondDate;
  EXPECT_EQ(host.Compute("2024-01-01", "5", "2024-02-01"),
            "2024-01-01 CE plus 5 days = 2024-01-06 CE, Saturday\r\n");
  host.clearAnswer = ClearChoice::FirstDate;
  EXPECT_EQ(host.Compute("2024-01-01", "5", "2024-02-01"),
            "2024-02-01 CE minus 5 days = 2024-01-27 CE, Saturday\r\n");
}

TEST_F(ComputeCommand, TheSecondDateIsCheckedFirstThenTheDifference) {
  host.Compute("", "x", "2024-13-45");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Second date is not valid in specified calendar using specified date format.");
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.messages[0].box, BoxSecondDateNotValid);
  EXPECT_TRUE(host.output.empty());
}

TEST_F(ComputeCommand, ValidatedFieldsKeepTheirNormalisedText) {
  host.Compute("2024-13-01", "1000", "");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].box, BoxFirstDateNotValid);
  EXPECT_EQ(host.Diff(), "1,000");     // validated before the first date failed
  EXPECT_EQ(host.First(), "2024-13-01");
  EXPECT_TRUE(host.output.empty());

  host.messages.clear();
  host.Compute(" 2024-1-5 ", "", "bad");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.First(), "2024-1-5");  // trimmed, not yet validated
}

TEST_F(ComputeCommand, MessagesFollowTheStatus) {
  struct Case {
    std::string first, diff, second;
    ComputeBox box;
    const char* text;
  };
  const Case cases[] = {
      {"2024-01-01", "99999999999", "", BoxDateDiffOutOfRange, "Date difference is out of range."},
      {"2024-01-01", "--", "", BoxDateDiffNotValid, "Date difference is not valid."},
      {"9999999-01-01", "", "", BoxFirstDateOutOfRange, "First date is out of range."},
      {"", "", "9999999-01-01", BoxSecondDateOutOfRange, "Second date is out of range."},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    host.Compute(c.first, c.diff, c.second);
    ASSERT_EQ(host.messages.size(), 1u) << c.first << "|" << c.diff << "|" << c.second;
    EXPECT_EQ(host.messages[0].box, c.box);
    EXPECT_EQ(host.messages[0].text, c.text);
  }
}

TEST_F(ComputeCommand, ResultsBeyondTheLimitsAreOutOfRange) {
  host.firstCal = host.secondCal = JDN;
  EXPECT_EQ(host.Compute("2,099,999,000", "2100000000", ""), "Out of Range\r\n\r\n");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Result is out of range.");
  EXPECT_EQ(host.First(), "2,099,999,000");
  EXPECT_EQ(host.Second(), "");

  // Two dates farther apart than any difference the field can hold.
  host.messages.clear();
  EXPECT_EQ(host.Compute("-2,099,999,999", "", "2,099,999,999"), "Out of Range\r\n\r\n");
  EXPECT_EQ(host.messages.size(), 1u);

  // A JDN before 0001-01-01 has no ordinal date.
  host.messages.clear();
  host.secondCal = ORD;
  EXPECT_EQ(host.Compute("1,721,425", "", ""), "1,721,425 JDN = Out of Range\r\n\r\n");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.Compute("1,721,426", "", ""), "1,721,426 JDN = 0001-001, Monday\r\n");
}

TEST_F(ComputeCommand, VerboseNotesFollowDifferencesOnly) {
  host.verbose = 1;
  EXPECT_EQ(host.Compute("2024-01-15", "", ""), "2024-01-15 CE, Monday\r\n");
  EXPECT_EQ(host.Compute("2024-01-15", "3", ""),
            "2024-01-15 CE plus 3 days = 2024-01-18 CE, Thursday, excluding 1st date\r\n");
  host.includeWeekends = 0;
  host.includeFirstDate = 1;
  EXPECT_EQ(host.Compute("2024-01-08", "", "2024-01-15"),
            "2024-01-08 CE to 2024-01-15 CE = 6 days, including 1st date, not counting weekend "
            "days\r\n");
}

TEST_F(ComputeCommand, BreakdownsByCalendar) {
  struct Case {
    CalendarCode cal;
    std::string first, second, line;
  };
  const Case cases[] = {
      {CE, "2024-01-01", "2024-03-01", "2024-01-01 CE to 2024-03-01 CE = 60 days (2 months)"},
      {CE, "2019-12-31", "2020-03-01", "2019-12-31 CE to 2020-03-01 CE = 61 days (2 months, 1 day)"},
      {CE, "2024-01-01", "2024-01-31", "2024-01-01 CE to 2024-01-31 CE = 30 days"},
      {CE, "2000-01-01", "2024-03-05", "2000-01-01 CE to 2024-03-05 CE = 8,830 days (24 years, 2 months, 4 days)"},
      {JC, "2024-01-01", "2025-01-01", "2024-01-01 JC to 2025-01-01 JC = 366 days (1 year)"},
      {ISO, "2024-W01-1", "2024-W03-3", "2024-W01-1 ISO to 2024-W03-3 ISO = 16 days (2 weeks, 2 days)"},
      {ISO, "2024-W01-1", "2024-W01-7", "2024-W01-1 ISO to 2024-W01-7 ISO = 6 days"},
      {ORD, "2024-001", "2024-045", "2024-001 to 2024-045 = 44 days (1 month, 13 days)"},
      {ORD, "2023-001", "2024-002", "2023-001 to 2024-002 = 366 days (1 year, 1 day)"},
      {JDN, "2,460,000", "2,460,400", "2,460,000 JDN to 2,460,400 JDN = 400 days"},
      {CE, "2024-03-01", "2024-01-01", "2024-03-01 CE to 2024-01-01 CE = -60 days"},
  };
  for (const Case& c : cases) {
    host.firstCal = host.secondCal = c.cal;
    EXPECT_EQ(host.Compute(c.first, "", c.second), c.line + "\r\n");
  }
  // Different calendars, or weekends not counted: no breakdown.
  host.firstCal = CE;
  host.secondCal = JC;
  EXPECT_EQ(host.Compute("2024-01-01", "", "2024-03-01"),
            "2024-01-01 CE to 2024-03-01 JC = 73 days\r\n");
}

TEST_F(ComputeCommand, MonthsRefuseWhatTheyCannotDo) {
  host.days = false;
  host.Compute("2024-01-01", "", "2024-02-01");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].box, BoxMonthsTwoDates);
  EXPECT_EQ(host.messages[0].title, "Compute");
  EXPECT_TRUE(host.days);  // the unit is now days
  EXPECT_EQ(host.Compute("2024-01-01", "", "2024-02-01"), "2024-01-01 CE to 2024-02-01 CE = 31 days (1 month)\r\n");

  host.days = false;
  host.secondCal = JC;
  host.messages.clear();
  host.Compute("2024-01-01", "x", "");  // calendars first, the difference after
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].box, BoxMonthsCalendarsDiffer);

  for (CalendarCode cal : {ISO, JDN, LPW, ORD}) {
    host.firstCal = host.secondCal = cal;
    host.messages.clear();
    EXPECT_EQ(host.Compute("2024", "1", ""), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].box, BoxMonthsCalendarNotAllowed);
  }

  // A lone date is converted whatever the unit.
  host.firstCal = host.secondCal = CE;
  EXPECT_EQ(host.Compute("2024-01-15", "", ""), "2024-01-15 CE, Monday\r\n");
}

TEST_F(ComputeCommand, MonthLines) {
  host.days = false;
  struct Case {
    CalendarCode cal;
    std::string first, diff, second, line;
  };
  const Case cases[] = {
      {CE, "2024-01-31", "1", "", "2024-01-31 CE plus 1 month = 2024-02-29 CE, Thursday"},
      {CE, "2023-01-31", "1", "", "2023-01-31 CE plus 1 month = 2023-02-28 CE, Tuesday"},
      {CE, "2024-03-31", "-1", "", "2024-03-31 CE minus 1 month = 2024-02-29 CE, Thursday"},
      {CE, "", "1", "2024-02-29", "2024-02-29 CE minus 1 month = 2024-01-29 CE, Monday"},
      {CE, "2024-05-15", "12", "", "2024-05-15 CE plus 12 months = 2025-05-15 CE, Thursday"},
      {CE, "2024-05-15", "-17", "", "2024-05-15 CE minus 17 months = 2022-12-15 CE, Thursday"},
      {CE, "0001-01-15", "-1", "", "1-01-15 CE minus 1 month = 0-12-15 CE, Friday"},
      {CE, "2024-05-15", "0", "", "2024-05-15 CE plus 0 months = 2024-05-15 CE, Wednesday"},
      {CE, "", "-3", "2024-05-31", "2024-05-31 CE plus 3 months = 2024-08-31 CE, Saturday"},
      {JC, "2023-02-28", "12", "", "2023-02-28 JC plus 12 months = 2024-02-28 JC, Tuesday"},
      {LPM, "2024-01-35", "1", "", "2024-01-35 LPM plus 1 month = 2024-02-28 LPM, Sunday"},
      {CE, "2024-01-01", "2,100,000,000", "", "Out of Range"},
      {CE, "2024-01-01", "-2100000000", "", "Out of Range"},
  };
  for (const Case& c : cases) {
    host.firstCal = host.secondCal = c.cal;
    host.messages.clear();
    const std::string out = host.Compute(c.first, c.diff, c.second);
    EXPECT_EQ(out.substr(0, out.find("\r\n")), c.line) << c.first << " " << c.diff;
    if (c.line == std::string("Out of Range")) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].box, BoxResultOutOfRange);
    } else {
      EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
    }
  }
}

TEST_F(ComputeCommand, MonthArithmeticMatchesStepByStepCounting) {
  // The closed form against adding or taking away one month at a time, with the day kept.
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    EuroDate source;
    source.calendar = 'G';
    source.year = static_cast<std::int32_t>(rng() % 4000) - 2000;
    source.month = static_cast<std::int32_t>(rng() % 12) + 1;
    source.day = static_cast<std::int32_t>(rng() % 28) + 1;
    const std::int64_t m = static_cast<std::int64_t>(rng() % 400) - 200;
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
  EuroDate source{2024, 1, 31, 'G', 0}, target;
  EXPECT_FALSE(AddMonthsToDate(source, 2100000000, target, false));
  EXPECT_FALSE(AddMonthsToDate(source, -2147483647, target, true));
  EXPECT_FALSE(AddMonthsToDate(source, 12LL * 5800000, target, false));  // year beyond the limits
}

TEST_F(ComputeCommand, GermanLines) {
  intLanguage = intGerman;
  EXPECT_EQ(host.Compute("2024-01-01", "", "2024-03-01"),
            "2024-01-01 CE bis 2024-03-01 CE = 60 Tage (2 Monate)\r\n");
  host.days = false;
  EXPECT_EQ(host.Compute("2024-01-31", "1", ""), "2024-01-31 CE plus 1 Monat = 2024-02-29 CE, Donnerstag\r\n");
  host.days = true;
  host.Compute("x", "", "");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Fehler!");
  EXPECT_EQ(host.messages[0].text,
            "Erstes Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulaessig.");
  intLanguage = intEnglish;
}

TEST_F(ComputeCommand, MessageTableHoldsTheThreeLanguages) {
  EXPECT_EQ(ComputeMessage[intGerman][0][0], ' ');
  EXPECT_NE(ComputeMessage[intEnglish][0].find("specified\r\nthen"), std::string::npos);
  EXPECT_EQ(ComputeMessage[intSpanish][9], "El resultado est\u00e1 fuera de rango.");
  for (int lang = 3; lang < ComputeMessageLanguages; ++lang)
    for (const std::string& s : ComputeMessage[static_cast<std::size_t>(lang)]) EXPECT_TRUE(s.empty());
  intLanguage = 6;
  EXPECT_THROW(ComputeMessageText(1), std::out_of_range);
  intLanguage = intEnglish;
}

TEST_F(ComputeCommand, HostileInputGivesAMessageNeverACrash) {
  std::mt19937 rng(99);
  const std::string alphabet = "0123456789-/.,+ WwJCE()\t\xff\x80\xc3\xa9";
  auto randomText = [&](std::size_t length) {
    std::string s;
    for (std::size_t i = 0; i < length; ++i) s.push_back(alphabet[rng() % alphabet.size()]);
    return s;
  };
  std::vector<std::string> inputs = {std::string(10000, '9'), std::string(10000, '-'),
                                     std::string(10000, ','), "----", "////", "....", ",,,",
                                     "-", "+", "W", "(-)", std::string(1, '\0') + "2024-01-01",
                                     "2147483648", "-2147483649", "99999999999999999999"};
  for (int i = 0; i < 300; ++i) inputs.push_back(randomText(rng() % 40));
  inputs.push_back(randomText(10000));
  const CalendarCode cals[] = {CE, JC, JDN, ORD, ISO, LPW, LPM};
  int index = 0;
  for (const std::string& text : inputs) {
    const CalendarCode cal = cals[index++ % 7];
    host.firstCal = host.secondCal = cal;
    host.days = index % 3 != 0;
    for (int field = 0; field < 3; ++field) {
      std::array<std::string, 3> f = {"2024-01-15", "", ""};
      if (cal != CE && cal != JC) f[0] = "";
      f[static_cast<std::size_t>(field)] = text;
      host.messages.clear();
      host.output.clear();
      host.Compute(f[0], f[1], f[2]);
      // Either a line was written or a message was shown (or only a difference was given).
      const bool onlyDiff = host.First().empty() && host.Second().empty();
      EXPECT_TRUE(!host.output.empty() || !host.messages.empty() || onlyDiff) << text;
    }
  }
}

}  // namespace
}  // namespace valdora::test
