// SPDX-License-Identifier: MIT
// Leap-week conversions against the plain step-by-step algorithm: whole 400-year cycles
// taken off, then year by year from year 1 and month by month.
#include "EngineTestSupport.h"

namespace valdora {

bool RefIsLeap(std::int64_t y) { return ((71 * y + 203) % 400 + 400) % 400 < 71; }
std::int64_t RefDaysOfYear(std::int64_t y) { return RefIsLeap(y) ? 371 : 364; }
// floor(a / b) for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0); }

struct RefWeekDate { std::int64_t year, week, weekday; };

RefWeekDate RefJdnToLeapWeek(std::int64_t jdn) {
  const std::int64_t n = FloorDiv(jdn - 1721419, 146097);  // 1721419: Monday of year 1
  std::int64_t start = 1721419 + n * 146097, y = 1;
  for (; start + RefDaysOfYear(y) <= jdn; ++y) start += RefDaysOfYear(y);
  return {n * 400 + y, (jdn - start) / 7 + 1, (jdn - start) % 7 + 1};
}

std::int64_t RefLeapWeekToJdn(std::int64_t year, std::int64_t week, std::int64_t weekday) {
  const std::int64_t n = FloorDiv(year - 1, 400);
  std::int64_t jdn = 1721419 + n * 146097 + (week - 1) * 7 + weekday - 1;
  for (std::int64_t k = 1; k < year - n * 400; ++k) jdn += RefDaysOfYear(k);
  return jdn;
}

// Month and day of the month: five weeks in months 1, 4, 7 and 10 and in month 12 of a leap
// year, four in the others.
std::pair<std::int64_t, std::int64_t> RefMonthForm(const RefWeekDate& r) {
  const auto weeks = [&](std::int64_t m) {
    return m % 3 == 1 || (m == 12 && RefIsLeap(r.year)) ? 5 : 4;
  };
  std::int64_t m = 1, w = r.week;
  for (; w > weeks(m); ++m) w -= weeks(m);
  return {m, (w - 1) * 7 + r.weekday};
}

void ExpectAgrees(Jdn jdn) {
  const RefWeekDate ref = RefJdnToLeapWeek(jdn);
  const auto [month, day] = RefMonthForm(ref);
  LeapWeekDate date{.jdn = jdn};
  JdnToLeapWeek(date);
  ASSERT_EQ(date.status, 0) << "jdn " << jdn;
  ASSERT_TRUE(LeapWeekToMonthForm(date)) << "jdn " << jdn;
  using Fields = std::vector<std::int64_t>;
  ASSERT_EQ(Fields({date.year, date.week, date.weekday, date.month, date.dayOfMonth}),
            Fields({ref.year, ref.week, ref.weekday, month, day})) << "jdn " << jdn;
  if (std::abs(ref.year) > MaxAbsYear) return;
  ASSERT_EQ(RefLeapWeekToJdn(ref.year, ref.week, ref.weekday), jdn) << "jdn " << jdn;
  LeapWeekDate back{.year = date.year, .month = date.month, .dayOfMonth = date.dayOfMonth};
  ASSERT_TRUE(MonthFormToLeapWeek(back) && LeapWeekToJdn(back)) << "jdn " << jdn;
  ASSERT_EQ(back.jdn, jdn) << "jdn " << jdn;
}

TEST(LeapWeekConversion, AgreesWithReference) {
  // Every year start of several cycles, each with its neighbours.
  for (std::int32_t year = -1205; year <= 1205; ++year) {
    const auto start = static_cast<Jdn>(RefLeapWeekToJdn(year, 1, 1));
    ASSERT_EQ(LeapWeekYearStart(year), start) << "year " << year;
    for (Jdn jdn = start - 8; jdn <= start + 8; ++jdn) ExpectAgrees(jdn);
  }
  // Cycle starts far out, the ends of the range, seeded days.
  for (std::int64_t n = -14000; n <= 14000; n += 997) {
    for (std::int64_t d = -3; d <= 3; ++d) ExpectAgrees(static_cast<Jdn>(1721419 + n * 146097 + d));
  }
  for (Jdn jdn : {MinJdn, MinJdn + 1, MaxJdn - 1, MaxJdn, INT32_MIN, INT32_MAX}) ExpectAgrees(jdn);
  SeededRng rng(20260308);
  AnyDay anyDay(MinJdn, MaxJdn);
  for (int i = 0; i < 20000; ++i) ExpectAgrees(anyDay(rng));
}

TEST(LeapWeekConversion, LeapYears) {
  std::vector<std::int32_t> leap;
  for (std::int32_t y = 2000; y <= 2040; ++y) if (IsLeapWeekYear(y)) leap.push_back(y);
  EXPECT_EQ(leap, (std::vector<std::int32_t>{2003, 2009, 2015, 2020, 2026, 2031, 2037}));
  for (std::int32_t y = -800; y <= 800; ++y) ASSERT_EQ(IsLeapWeekYear(y), RefIsLeap(y)) << y;
  EXPECT_EQ(IsLeapWeekYear(INT32_MIN), RefIsLeap(INT32_MIN));
  EXPECT_EQ(IsLeapWeekYear(INT32_MAX), RefIsLeap(INT32_MAX));
}

// The status of an invalid date: -1 year beyond the limit, -2 month, -3 week or day.
TEST(LeapWeekConversion, MonthFormStatuses) {
  struct Case { std::int32_t year; std::int16_t month, day, status; } months[] = {
      {2020, 12, 35, 0}, {2021, 12, 35, -3}, {2021, 11, 29, -3}, {2021, 13, 1, -2},
      {2021, 0, 5, -2}, {2021, 1, 0, -3}, {2021, 1, 35, 0}, {2021, 2, 28, 0}, {2021, -1, 1, -2},
      {2021, 1, -7, -3}};
  for (const Case& c : months) {
    LeapWeekDate date{.year = c.year, .month = c.month, .dayOfMonth = c.day};
    EXPECT_EQ(MonthFormToLeapWeek(date), c.status == 0) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.status, c.status) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(LeapWeekConversion, WeekFormStatuses) {
  struct WeekCase { std::int32_t year; std::int16_t week, weekday, status; } weeks[] = {
      {2021, 10, 0, -3}, {2021, 10, 8, -3}, {2021, 53, 1, -3}, {2020, 53, 7, 0}, {2020, 54, 1, -3},
      {2020, 0, 1, -3}, {MaxAbsYear + 1, 1, 1, -1}, {-MaxAbsYear, 1, 1, 0}};
  for (const WeekCase& c : weeks) {
    LeapWeekDate date{.year = c.year, .week = c.week, .weekday = c.weekday};
    EXPECT_EQ(LeapWeekToJdn(date), c.status == 0) << c.year << "-" << c.week << "-" << c.weekday;
    EXPECT_EQ(date.status, c.status) << c.year << "-" << c.week << "-" << c.weekday;
    date.status = 0;
    EXPECT_TRUE(c.status == -1 || LeapWeekToMonthForm(date) == (c.status == 0))
        << c.year << "-" << c.week << "-" << c.weekday;
  }
}

}  // namespace valdora
