// SPDX-License-Identifier: MIT
// ISO week dates and ordinal dates: conversions, week-53 years, both text forms.
#include "EngineTestSupport.h"

namespace valdora {

TEST(IsoWeekDate, KnownDays) {
  const std::pair<Jdn, const char*> days[] = {
      {2458848, "2020-W01-1"}, {2459218, "2020-W53-7"}, {2459219, "2021-W01-1"},
      {2457021, "2015-W01-1"}, {2459215, "2020-W53-4"}, {2458850, "2020-W01-3"},
      {2455200, "2009-W53-7"}, {2453373, "2004-W53-7"}, {1721426, "1-W01-1"}};
  for (const auto& [jdn, text] : days) EXPECT_EQ(FormatIsoWeekDate(IsoOf(jdn), 1), text) << jdn;
}

TEST(IsoWeekDate, Week53YearsFollowTheWeekdayRule) {
  for (const std::int32_t y : {2015, 2020, 2026, 2004, 2009, -2}) EXPECT_TRUE(HasIsoWeek53(y)) << y;
  for (const std::int32_t y : {2019, 2021, 2000, -5, 0, 1}) EXPECT_FALSE(HasIsoWeek53(y)) << y;
  // A year has 53 weeks exactly when 371 days lie between its week-one Monday and the next.
  std::vector<std::int32_t> years = {MaxAbsYear - 1, -MaxAbsYear + 1, 5799600, -5799601};
  for (std::int32_t y = -2100; y <= 2500; ++y) years.push_back(y);
  for (const std::int32_t y : years) {
    ASSERT_EQ(IsoWeekOneMonday(y + 1) - IsoWeekOneMonday(y), HasIsoWeek53(y) ? 371 : 364) << y;
    ASSERT_EQ(DayOfWeek(IsoWeekOneMonday(y)), 1) << y;
  }
}

// The week date by the Thursday of its week and the CE calendar, step by step.
IsoWeekDate RefIsoOf(Jdn jdn) {
  const std::int16_t dow = DayOfWeek(jdn);
  const std::int32_t weekday = dow == 0 ? 7 : dow, year = FromJdn(jdn - weekday + 4).year;
  const Jdn first = Date(year, 1, 1).jdn;
  const std::int16_t w = DayOfWeek(first);
  const Jdn monday = w <= 4 ? first - (w - 1) : first + (w == 5 ? 3 : 2);
  return IsoWeekDate{year, (jdn - monday) / 7 + 1, weekday, jdn};
}

// Seeded days (seed 99), the range ends and the days around week one of many years.
std::vector<Jdn> SampleDays() {
  std::mt19937 rng(99);
  AnyDay anyDay(MinJdn, MaxJdn);
  std::vector<Jdn> days = {MinJdn, MaxJdn, 0, -1, 1721062, 1721061};
  for (int i = 0; i < 40000; ++i) days.push_back(anyDay(rng));
  for (std::int32_t y = -1203; y <= 1203; y += 1) {
    for (Jdn d = IsoWeekOneMonday(y) - 2; d <= IsoWeekOneMonday(y) + 1; ++d) days.push_back(d);
  }
  return days;
}

TEST(IsoWeekDate, WeekOneMondaysAgreeWithTheStepByStepAlgorithm) {
  for (std::int32_t y = -1203; y <= 1203; y += 1) {
    const IsoWeekDate monday = RefIsoOf(IsoWeekOneMonday(y));
    ASSERT_TRUE(monday.isoYear == y && monday.week == 1 && monday.weekday == 1) << "year " << y;
  }
}

// The week date agrees with the reference and converts back.
TEST(IsoWeekDate, AgreesWithTheStepByStepAlgorithmAndConvertsBack) {
  SCOPED_TRACE("days of SampleDays(), seed 99");
  for (const Jdn jdn : SampleDays()) {
    const IsoWeekDate ref = RefIsoOf(jdn);
    IsoWeekDate date = IsoOf(jdn);
    ASSERT_EQ(date.isoYear, ref.isoYear) << "JDN " << jdn;
    ASSERT_EQ(date.week, ref.week) << "JDN " << jdn;
    ASSERT_EQ(date.weekday, ref.weekday) << "JDN " << jdn;
    date.jdn = 0;
    IsoWeekDateToJdn(date);
    ASSERT_EQ(date.jdn, jdn) << FormatIsoWeekDate(date, 1);
  }
}

// The ordinal fast path agrees with the CE date's DayOfYear.
TEST(OrdinalDate, AgreesWithTheDayOfTheYear) {
  SCOPED_TRACE("days of SampleDays(), seed 99");
  for (const Jdn jdn : SampleDays()) {
    EuroDate ce = FromJdn(jdn);
    std::int32_t year = 0;
    std::int16_t day = 0;
    JdnToOrdinal(jdn, year, day);
    ASSERT_EQ(year, ce.year) << "JDN " << jdn;
    ASSERT_EQ(day, DayOfYear(ce)) << "JDN " << jdn;
  }
}

TEST(IsoWeekDate, WritesBothForms) {
  EXPECT_EQ(FormatIsoWeekDate(IsoWeekDate{5, 1, 1, 0}, 1), "5-W01-1");
  EXPECT_EQ(FormatIsoWeekDate(IsoWeekDate{5, 1, 1, 0}, 0), "5W011");
  EXPECT_EQ(FormatIsoWeekDate(IsoWeekDate{-44, 10, 3, 0}, 1), "-44-W10-3");
  EXPECT_EQ(FormatIsoWeekDate(IsoWeekDate{2020, 53, 7, 0}, 2), "2020W537");
}

TEST(IsoWeekDate, TellsTheForm) {
  const std::pair<const char*, std::int16_t> forms[] = {
      {"2020-W01-1", -1}, {"2020W011", 1}, {"2020W01-1", 0}, {"2020-W011", -1}, {"-44-W10-3", -1},
      {"-44W103", 1}, {"2020W-011", 0}, {"20-20W011", 0}, {"-W011", 0}, {"W011", 0},
      {"2020W01", 0}, {"2020W0111", 0}, {"2020W001", 0}, {"2020W541", 0}, {"2020W018", 0},
      {"2020W010", 0}, {"2020w011", 0}, {"2020W0a1", 0}, {"", 0}, {"W", 0}, {"-", 0},
      {"2020-W01-1-", -1}};
  for (const auto& [text, form] : forms) EXPECT_EQ(IsoForm(text), form) << '"' << text << '"';
}

// A date read is written back in its hyphenated form, and its JDN converts to the same date.
TEST(IsoWeekDate, ReadsTypedDates) {
  struct Case { const char* text; ParseStatus status; const char* date; } cases[] = {
      {"2020-W53-7", 1, "2020-W53-7"}, {"2021-W53-1", 0, ""}, {"2020W537", 1, "2020-W53-7"},
      {"2020-W54-1", 0, ""}, {"2020-W01-8", 0, ""}, {"2020w011", 0, ""},
      {"-44-W10-3", 1, "-44-W10-3"}, {"5800000W011", -1, ""}, {"-5800000W011", -1, ""},
      {"5799999-W01-1", 1, "5799999-W01-1"}, {"99999999999999999999W011", -1, ""},
      {" 2020 - W01 - 1 ", 1, "2020-W01-1"}, {"+2020W011", 1, "2020-W01-1"},
      {"-2-W53-4", 1, "-2-W53-4"}, {"-5-W53-1", 0, ""}, {"2020W-011", 0, ""}, {"-W011", 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << '"');
    IsoWeekDate date{9, 9, 9, 9};
    EXPECT_EQ(ParseIsoWeekDate(c.text, date), c.status);
    if (c.status != 1) continue;
    EXPECT_EQ(FormatIsoWeekDate(date, 1), c.date);
    EXPECT_EQ(FormatIsoWeekDate(IsoOf(date.jdn), 1), c.date);
  }
}

TEST(OrdinalDate, WritesBothForms) {
  EXPECT_EQ(FormatOrdinalDate(EuroDate{5, 1, 1, GregorianLetter, 0}, 1, 1), "0005-001");
  EXPECT_EQ(FormatOrdinalDate(EuroDate{2020, 12, 31, GregorianLetter, 0}, 366, 0), "2020366");
}

TEST(OrdinalDate, TellsTheForm) {
  const std::pair<const char*, std::int16_t> forms[] = {
      {"2020366", 1}, {"2020-366", -1}, {"2019366", 0}, {"2019-365", -1}, {"2019-000", 0},
      {"2019-367", 0}, {"2019/001", 0}, {"201900", 0}, {"20190011", 0}, {"-019-001", 0},
      {"2019-0a1", 0}, {"", 0}, {"2000366", 1}, {"1900366", 0}, {"0000001", 1}};
  for (const auto& [text, form] : forms) EXPECT_EQ(OrdinalForm(text), form) << '"' << text << '"';
}

TEST(OrdinalDate, ReadsTypedDates) {
  struct Case { const char* text; std::int16_t hyphen; ParseStatus status; Jdn jdn; } cases[] = {
      {"2020-366", 1, 1, 2459215}, {"2019-366", 1, 0, 0}, {"0000-001", 1, -1, 0},
      {"2020366", 1, 0, 0}, {"2020366", 0, 1, 2459215}, {"2020-366", 0, 0, 0}, {"202036", 0, 0, 0},
      {"0001-001", 1, 1, FirstOrdinalJdn}, {"9999-365", 1, 1, LastOrdinalJdn},
      {"9999-366", 1, 0, 0}, {"2020-000", 1, 0, 0}, {"2020-367", 1, 0, 0},
      {" 2020 - 001 ", 1, 1, 2458850}, {"-202-001", 1, 0, 0}, {"2020-", 1, 0, 0}, {"", 0, 0, 0},
      {"", 1, 0, 0}, {"2020-1", 1, 0, 0}, {"+020001", 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << '"'
                                      << (c.hyphen ? " hyphenated" : " plain"));
    EuroDate date;
    EXPECT_EQ(ParseOrdinalDate(c.text, c.hyphen, date), c.status);
    if (c.status != 1) continue;
    EXPECT_EQ(date.jdn, c.jdn);
    EXPECT_EQ(date.calendar, GregorianLetter);
    EXPECT_EQ(Date(date.year, date.month, date.day).jdn, c.jdn);
  }
}

}  // namespace valdora
