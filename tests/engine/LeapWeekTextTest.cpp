// SPDX-License-Identifier: MIT
// Leap-week texts: writing, reading back, large years with digit groups.
#include "EngineTestSupport.h"

namespace valdora {

LeapWeekDate LeapOf(Jdn jdn) {
  LeapWeekDate date{.jdn = jdn};
  JdnToLeapWeek(date);
  LeapWeekToMonthForm(date);
  return date;
}

TEST(LeapWeekText, WritesBothForms) {
  SeparatorGuard guard;
  const LeapWeekDate date = LeapOf(2458848);  // 2019-12-30 CE
  EXPECT_EQ(FormatLeapWeekDate(date, false, ","), "2020-02-1");
  EXPECT_EQ(FormatLeapWeekDate(date, true, ","), "2020-02-1 LPW");
  EXPECT_EQ(FormatLeapMonthDate(date, false, ","), "2020-01-08");
  EXPECT_EQ(FormatLeapMonthDate(date, true, ","), "2020-01-08 LPM");
}

TEST(LeapWeekText, LargeYearsTakeTheGroupingSeparator) {
  struct Case { std::int32_t year; const char *sep, *week; } cases[] = {
      {9999, ",", "9999-01-1"}, {-9999, ",", "-9999-01-1"}, {10000, ",", "10,000-01-1"},
      {-12345, ",", "-12,345-01-1"}, {5800000, ".", "5.800.000-01-1"}, {123456, "", "123456-01-1"},
      {-5800000, "\xE2\x80\xAF", "-5\xE2\x80\xAF" "800\xE2\x80\xAF" "000-01-1"}, {0, ",", "0-01-1"},
      {5, ",", "5-01-1"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLeapWeekDate({.year = c.year, .week = 1, .weekday = 1}, false, c.sep), c.week)
        << "year " << c.year << " grouped by \"" << c.sep << '"';
  }
}

TEST(LeapWeekText, ReadsTypedDates) {
  constexpr bool M = true, W = false;  // month form, week form
  const Jdn min = static_cast<Jdn>(LeapWeekYearStart(-5800000));
  const Jdn max = static_cast<Jdn>(LeapWeekYearStart(5800000));
  struct Case { const char* text; bool monthForm; ParseStatus status; Jdn jdn; } cases[] = {
      {"2020-02-1", W, 1, 2458848}, {"2020-01-08", M, 1, 2458848},
      {"2020-01-08 LPM", M, 1, 2458848}, {" 2020 - 02 - 1 LPW", W, 1, 2458848},
      {"2020-12-35", M, 1, 2458841 + 370}, {"2021-12-35", M, 0, 0}, {"2021-11-29", M, 0, 0},
      {"2021-13-01", M, 0, 0}, {"2021-00-05", M, 0, 0}, {"2021-01-00", M, 0, 0},
      {"2021-10-0", W, 0, 0}, {"2021-10-8", W, 0, 0},
      // A week beyond the weeks of its year is no date of that year.
      {"2021-53-1", W, 0, 0}, {"2020-53-1", W, 1, 2458841 + 364}, {"2020-54-1", W, 0, 0},
      {"2021-00-1", W, 0, 0}, {"2021-999-1", W, 0, 0},
      // Numbers too large for their fields, and years beyond the limit.
      {"2021-32768-1", W, 0, 0}, {"2021-01-99999999999999999999", M, 0, 0},
      {"5800001-01-01", M, -1, 0}, {"-5800001-01-1", W, -1, 0},
      {"99999999999999999999999-01-01", M, -1, 0}, {"-5800000-01-1", W, 1, min},
      {"5,800,000-01-01", M, 1, max}, {"-1-01-1", W, 1, 1720691}, {"0-01-01", M, 1, 1721055},
      // Malformed shapes.
      {"", M, 0, 0}, {"-", M, 0, 0}, {"--", M, 0, 0}, {"---", M, 0, 0}, {"----", M, 0, 0},
      {"2021-01", M, 0, 0}, {"2021-01-01-01", M, 0, 0}, {"2021--01-01", M, 0, 0},
      {"-2021-01", M, 0, 0}, {"2021-01-", M, 0, 0}, {"-2021--1", M, 0, 0}, {"abc", W, 0, 0},
      {"LPW", W, 0, 0}, {"2021/01/01", M, 0, 0}};
  for (const Case& c : cases) {
    LeapWeekDate date{.jdn = 77};
    const ParseStatus status =
        c.monthForm ? ParseLeapMonthDate(c.text, date) : ParseLeapWeekDate(c.text, date);
    EXPECT_EQ(status, c.status) << '"' << c.text << (c.monthForm ? "\" LPM" : "\" LPW");
    EXPECT_EQ(date.jdn, status == 1 ? c.jdn : 77)
        << '"' << c.text << (c.monthForm ? "\" LPM" : "\" LPW");
  }
}

TEST(LeapWeekText, MonthFormReadFillsTheWeekForm) {
  LeapWeekDate date;
  ASSERT_EQ(ParseLeapMonthDate("2020-12-30", date), 1);
  EXPECT_EQ(std::vector<int>({date.year, date.month, date.dayOfMonth, date.week, date.weekday}),
            std::vector<int>({2020, 12, 30, 53, 2}));
}

TEST(LeapWeekText, WrittenTextsReadBackUnderEverySeparator) {
  SeededRng rng(7);
  AnyDay anyDay(MinJdn, MaxJdn);
  const Jdn ends[] = {MinJdn, MaxJdn, 1721419, 1721418};
  for (const char* sep : {",", ".", "", " ", "'", "\xC2\xA0", "\xE2\x80\xAF"}) {
    SCOPED_TRACE(::testing::Message() << "grouped by \"" << sep << '"');
    for (int i = 0; i < 3000; ++i) {
      const Jdn jdn = i < 4 ? ends[i] : anyDay(rng);
      const LeapWeekDate date = LeapOf(jdn);
      LeapWeekDate week, month;
      ASSERT_EQ(ParseLeapWeekDate(FormatLeapWeekDate(date, i % 2 == 0, sep), week), 1)
          << FormatLeapWeekDate(date, false, sep);
      ASSERT_EQ(week.jdn, jdn) << FormatLeapWeekDate(date, false, sep);
      ASSERT_EQ(ParseLeapMonthDate(FormatLeapMonthDate(date, i % 2 == 1, sep), month), 1)
          << FormatLeapMonthDate(date, false, sep);
      ASSERT_EQ(month.jdn, jdn) << FormatLeapMonthDate(date, false, sep);
    }
  }
}

TEST(LeapWeekText, SeparatorThatCannotReadBackIsRefused) {
  SeparatorGuard guard;
  for (const char* bad : {"-", "0", "a1"}) {
    SetLocaleGroupingSeparator(bad);
    EXPECT_EQ(LocaleGroupingSeparator(), ",") << bad;
  }
  SetLocaleGroupingSeparator("");
  EXPECT_EQ(LocaleGroupingSeparator(), "");
}

}  // namespace valdora
