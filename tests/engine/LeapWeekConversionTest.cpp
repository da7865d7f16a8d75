// Leap-week conversions against the plain step-by-step algorithm: year by year from the
// reference cycle, 400-year shifts by repeated addition.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "engine/LeapWeekCalendar.h"

namespace valdora {
namespace {

// ---- Reference: the calendar's definition, one year and one cycle at a time. ----

bool RefIsLeap(std::int64_t y) {
  std::int64_t r = (71 * y + 203) % 400;
  if (r < 0) r += 400;
  return r < 71;
}

std::int64_t RefDaysOfYear(std::int64_t y) { return RefIsLeap(y) ? 371 : 364; }

struct RefWeekDate {
  std::int64_t year;
  std::int64_t week;
  std::int64_t weekday;
};

RefWeekDate RefJdnToLeapWeek(std::int64_t jdn) {
  std::int64_t j = jdn, n = 0;
  while (j < 1721419) {
    j += 146097;
    n -= 1;
  }
  while (j >= 1867516) {
    j -= 146097;
    n += 1;
  }
  std::int64_t start = 1721419, y = 1;
  while (start + RefDaysOfYear(y) <= j) {
    start += RefDaysOfYear(y);
    y += 1;
  }
  const std::int64_t d = j - start;
  return {n * 400 + y, d / 7 + 1, d % 7 + 1};
}

std::int64_t RefLeapWeekToJdn(std::int64_t year, std::int64_t week, std::int64_t weekday) {
  std::int64_t y = year, n = 0;
  while (y <= 0) {
    y += 400;
    n -= 1;
  }
  while (y > 400) {
    y -= 400;
    n += 1;
  }
  std::int64_t b = 0;
  for (std::int64_t k = 1; k < y; ++k) b += RefDaysOfYear(k);
  return b + (week - 1) * 7 + weekday + 1721418 + n * 146097;
}

// Month and day of the month from week and weekday, one month at a time.
void RefMonthForm(std::int64_t year, std::int64_t week, std::int64_t weekday, std::int64_t& month,
                  std::int64_t& day) {
  std::int64_t w = week, m = 1;
  for (;;) {
    const std::int64_t k = (m == 12) ? (RefIsLeap(year) ? 5 : 4) : ((m % 3 == 1) ? 5 : 4);
    if (k >= w) {
      month = m;
      day = (w - 1) * 7 + weekday;
      return;
    }
    w -= k;
    m += 1;
  }
}

void ExpectAgrees(Jdn jdn) {
  const RefWeekDate ref = RefJdnToLeapWeek(jdn);
  LeapWeekDate date;
  date.jdn = jdn;
  JdnToLeapWeek(date);
  ASSERT_EQ(date.year, ref.year) << "jdn " << jdn;
  ASSERT_EQ(date.week, ref.week) << "jdn " << jdn;
  ASSERT_EQ(date.weekday, ref.weekday) << "jdn " << jdn;
  ASSERT_EQ(date.status, 0);

  std::int64_t month = 0, day = 0;
  RefMonthForm(ref.year, ref.week, ref.weekday, month, day);
  ASSERT_TRUE(LeapWeekToMonthForm(date)) << "jdn " << jdn;
  ASSERT_EQ(date.month, month) << "jdn " << jdn;
  ASSERT_EQ(date.dayOfMonth, day) << "jdn " << jdn;

  if (ref.year >= -MaxAbsYear && ref.year <= MaxAbsYear) {
    ASSERT_EQ(RefLeapWeekToJdn(ref.year, ref.week, ref.weekday), jdn);
    LeapWeekDate back;
    back.year = date.year;
    back.month = date.month;
    back.dayOfMonth = date.dayOfMonth;
    ASSERT_TRUE(MonthFormToLeapWeek(back));
    ASSERT_TRUE(LeapWeekToJdn(back));
    ASSERT_EQ(back.jdn, jdn);
  }
}

TEST(LeapWeekConversion, AgreesWithReferenceAroundYearAndCycleBoundaries) {
  // Every year start of several cycles, each with its neighbours.
  for (std::int32_t year = -1205; year <= 1205; ++year) {
    const auto start = static_cast<Jdn>(RefLeapWeekToJdn(year, 1, 1));
    ASSERT_EQ(LeapWeekYearStart(year), start) << "year " << year;
    for (Jdn jdn = start - 8; jdn <= start + 8; ++jdn) ExpectAgrees(jdn);
  }
  // Cycle starts far out, and the ends of the range.
  for (std::int64_t n = -14000; n <= 14000; n += 997) {
    const std::int64_t start = 1721419 + n * 146097;
    for (std::int64_t jdn = start - 3; jdn <= start + 3; ++jdn) ExpectAgrees(static_cast<Jdn>(jdn));
  }
  for (Jdn jdn : {MinJdn, MinJdn + 1, MaxJdn - 1, MaxJdn, INT32_MIN, INT32_MAX}) ExpectAgrees(jdn);
}

TEST(LeapWeekConversion, AgreesWithReferenceOnSeededRandomDays) {
  std::mt19937 rng(20260308);
  std::uniform_int_distribution<Jdn> anyDay(MinJdn, MaxJdn);
  for (int i = 0; i < 20000; ++i) ExpectAgrees(anyDay(rng));
}

TEST(LeapWeekConversion, YearStartsAndLeapYears) {
  struct Case {
    std::int32_t year;
    Jdn start;
  };
  for (const Case c :
       {Case{1, 1721419}, Case{2020, 2458841}, Case{2021, 2459212}, Case{-1, 1720691},
        Case{0, 1721055}, Case{401, 1721419 + 146097}, Case{-399, 1721419 - 146097}}) {
    EXPECT_EQ(LeapWeekYearStart(c.year), c.start) << c.year;
  }
  std::vector<std::int32_t> leap;
  for (std::int32_t y = 2000; y <= 2040; ++y)
    if (IsLeapWeekYear(y)) leap.push_back(y);
  EXPECT_EQ(leap, (std::vector<std::int32_t>{2003, 2009, 2015, 2020, 2026, 2031, 2037}));
  // The rule repeats every 400 years, for negative years as well.
  for (std::int32_t y = -800; y <= 800; ++y) {
    ASSERT_EQ(IsLeapWeekYear(y), IsLeapWeekYear(y + 400)) << y;
    ASSERT_EQ(IsLeapWeekYear(y), RefIsLeap(y)) << y;
  }
  EXPECT_EQ(IsLeapWeekYear(INT32_MIN), RefIsLeap(INT32_MIN));
  EXPECT_EQ(IsLeapWeekYear(INT32_MAX), RefIsLeap(INT32_MAX));
}

TEST(LeapWeekConversion, KnownDays) {
  LeapWeekDate date;
  date.jdn = 2458848;  // 2019-12-30 CE
  JdnToLeapWeek(date);
  ASSERT_TRUE(LeapWeekToMonthForm(date));
  EXPECT_EQ(date.year, 2020);
  EXPECT_EQ(date.week, 2);
  EXPECT_EQ(date.weekday, 1);
  EXPECT_EQ(date.month, 1);
  EXPECT_EQ(date.dayOfMonth, 8);

  date.jdn = 2458841 + 370;  // last day of leap year 2020: week 53 closes month 12
  JdnToLeapWeek(date);
  ASSERT_TRUE(LeapWeekToMonthForm(date));
  EXPECT_EQ(date.week, 53);
  EXPECT_EQ(date.weekday, 7);
  EXPECT_EQ(date.month, 12);
  EXPECT_EQ(date.dayOfMonth, 35);
}

TEST(LeapWeekConversion, ValidationStatuses) {
  struct Case {
    std::int32_t year;
    std::int16_t month, day;
    bool ok;
    std::int16_t status;
  };
  for (const Case c :
       {Case{2020, 12, 35, true, 0}, Case{2021, 12, 35, false, -3}, Case{2021, 11, 29, false, -3},
        Case{2021, 13, 1, false, -2}, Case{2021, 0, 5, false, -2}, Case{2021, 1, 0, false, -3},
        Case{2021, 1, 35, true, 0}, Case{2021, 2, 28, true, 0}, Case{2021, -1, 1, false, -2},
        Case{2021, 1, -7, false, -3}}) {
    LeapWeekDate date;
    date.year = c.year;
    date.month = c.month;
    date.dayOfMonth = c.day;
    EXPECT_EQ(MonthFormToLeapWeek(date), c.ok) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.status, c.status) << c.year << "-" << c.month << "-" << c.day;
  }
  struct WeekCase {
    std::int32_t year;
    std::int16_t week, weekday;
    std::int16_t status;
  };
  for (const WeekCase c :
       {WeekCase{2021, 10, 0, -3}, WeekCase{2021, 10, 8, -3}, WeekCase{2021, 53, 1, -3},
        WeekCase{2020, 53, 7, 0}, WeekCase{2020, 54, 1, -3}, WeekCase{2020, 0, 1, -3},
        WeekCase{MaxAbsYear + 1, 1, 1, -1}, WeekCase{-MaxAbsYear, 1, 1, 0}}) {
    LeapWeekDate date;
    date.year = c.year;
    date.week = c.week;
    date.weekday = c.weekday;
    EXPECT_EQ(LeapWeekToJdn(date), c.status == 0) << c.year << "-" << c.week << "-" << c.weekday;
    EXPECT_EQ(date.status, c.status) << c.year << "-" << c.week << "-" << c.weekday;
    if (c.status != -1) {
      date.status = 0;
      EXPECT_EQ(LeapWeekToMonthForm(date), c.status == 0);
    }
  }
}

}  // namespace
}  // namespace valdora
