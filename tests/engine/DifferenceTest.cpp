// SPDX-License-Identifier: MIT
// Breakdowns into years, months, weeks and days: the known cases, and every breakdown of
// many seeded pairs added back onto the first date to give the second.
#include <algorithm>

#include "EngineTestSupport.h"

namespace valdora {

IsoWeekDate Iso(std::int32_t y, std::int32_t w, std::int32_t d) {
  IsoWeekDate date{y, w, d, 0};
  IsoWeekDateToJdn(date);
  return date;
}

// The breakdowns as {status, years, months or weeks, days}; ordinal ones as {status, years, days}.
std::vector<int> Ymd(const EuroDate& first, const EuroDate& second) {
  std::int32_t years = -9, status = -9;
  std::int16_t months = -9, days = -9;
  YearsMonthsDaysBetween(first, second, years, months, days, status);
  return {status, years, months, days};
}
std::vector<int> Ywd(const IsoWeekDate& first, const IsoWeekDate& second) {
  std::int32_t years = -9, status = -9;
  std::int16_t weeks = -9, days = -9;
  IsoYearsWeeksDaysBetween(first, second, years, weeks, days, status);
  return {status, years, weeks, days};
}
std::vector<int> Yd(const EuroDate& first, const EuroDate& second) {
  std::int32_t years = -9, status = -9;
  std::int16_t days = -9;
  OrdinalYearsDaysBetween(first, second, years, days, status);
  return {status, years, days};
}

std::string PairName(const EuroDate& first, const EuroDate& second) {
  return DateName(first.year, first.month, first.day, first.calendar) + " to " +
         DateName(second.year, second.month, second.day, second.calendar);
}

TEST(Difference, KnownYearsMonthsDays) {
  const std::int16_t j = JulianLetter;
  struct Case { EuroDate first, second; std::vector<int> breakdown; } cases[] = {
      {Date(2019, 3, 15), Date(2021, 3, 14), {0, 1, 11, 27}},
      {Date(2019, 12, 31), Date(2020, 3, 1), {0, 0, 2, 1}},
      {Date(2020, 2, 29), Date(2021, 2, 28), {0, 0, 11, 30}},
      {Date(2020, 2, 29), Date(2021, 3, 1), {0, 1, 0, 1}},
      {Date(2020, 1, 31), Date(2020, 2, 29), {0, 0, 0, 29}},
      {Date(2020, 1, 31), Date(2020, 3, 31), {0, 0, 2, 0}},
      {Date(2020, 5, 5), Date(2020, 5, 5), {0, 0, 0, 0}},
      {Date(-44, 3, 15), Date(2020, 3, 15), {0, 2064, 0, 0}},
      {Date(1900, 1, 31, j), Date(1900, 3, 1, j), {0, 0, 1, 1}},
      {Date(1900, 1, 31), Date(1900, 3, 1), {0, 0, 1, 1}}};
  for (const Case& c : cases) {
    EXPECT_EQ(Ymd(c.first, c.second), c.breakdown) << PairName(c.first, c.second);
  }
}

TEST(Difference, KnownIsoYearsWeeksDays) {
  struct IsoCase { IsoWeekDate first, second; std::vector<int> breakdown; } isoCases[] = {
      {Iso(2020, 10, 5), Iso(2021, 10, 3), {0, 0, 52, 5}},
      {Iso(2019, 10, 1), Iso(2019, 12, 1), {0, 0, 2, 0}},
      {Iso(2019, 50, 1), Iso(2021, 2, 1), {0, 1, 5, 0}},
      {Iso(2020, 53, 3), Iso(2022, 1, 1), {0, 1, 0, 5}},
      {Iso(2015, 53, 1), Iso(2020, 53, 1), {0, 5, 0, 0}},
      {Iso(2020, 53, 7), Iso(2021, 1, 1), {0, 0, 0, 1}},
      {Iso(2020, 1, 1), Iso(2021, 1, 1), {0, 1, 0, 0}}};
  for (const IsoCase& c : isoCases) {
    EXPECT_EQ(Ywd(c.first, c.second), c.breakdown)
        << FormatIsoWeekDate(c.first, 1) << " to " << FormatIsoWeekDate(c.second, 1);
  }
}

TEST(Difference, KnownOrdinalYearsDays) {
  const auto ordinal = [](std::int32_t y, std::int16_t d) { return FromJdn(OrdinalToJdn(y, d)); };
  struct OrdinalCase { EuroDate first, second; std::vector<int> breakdown; } ordinalCases[] = {
      {ordinal(2019, 200), ordinal(2020, 100), {0, 0, 265}},
      {ordinal(2020, 100), ordinal(2021, 100), {0, 1, 0}},
      {ordinal(2020, 366), ordinal(2022, 1), {0, 1, 1}},
      {ordinal(2019, 365), ordinal(2020, 366), {0, 1, 1}}};
  for (const OrdinalCase& c : ordinalCases) {
    EXPECT_EQ(Yd(c.first, c.second), c.breakdown) << PairName(c.first, c.second);
  }
}

TEST(Difference, FirstDateAfterTheSecondIsRefused) {
  EXPECT_NE(Ymd(Date(2021, 1, 2), Date(2021, 1, 1))[0], 0) << "years, months, days";
  EXPECT_NE(Ywd(Iso(2021, 1, 2), Iso(2021, 1, 1))[0], 0) << "years, weeks, days";
  EXPECT_NE(Yd(Date(2021, 1, 2), Date(2021, 1, 1))[0], 0) << "years, days";
}

TEST(Difference, MonthLengths) {
  std::int32_t status = 0;
  const std::pair<EuroDate, std::int32_t> months[] = {
      {{2020, 2, 1, 'G', 0}, 29}, {{2021, 2, 1, 'G', 0}, 28}, {{1900, 2, 1, 'G', 0}, 28},
      {{1900, 2, 1, 'J', 0}, 29}, {{2020, 12, 1, 'G', 0}, 31}, {{-1, 12, 1, 0, 0}, 31}};
  for (const auto& [date, days] : months) {
    EXPECT_EQ(DaysInMonth(date, status), days)
        << DateName(date.year, date.month, date.day, date.calendar);
  }
  EXPECT_EQ(status, 0);
}

TEST(Difference, YearLengths) {
  std::int32_t status = 0;
  EXPECT_EQ(DaysInYear(2020, status), 366);
  EXPECT_EQ(DaysInYear(1900, status), 365);
  EXPECT_EQ(DaysInYear(0, status), 366);
  EXPECT_EQ(status, 0);
}

// Seeded pairs of days a <= b, spans from a day to the whole range.
constexpr std::uint32_t kPairSeed = 424242;
std::vector<std::pair<Jdn, Jdn>> SeededPairs() {
  std::mt19937 rng(kPairSeed);
  AnyDay anyDay(MinJdn, MaxJdn);
  const std::int64_t maxSpans[] = {40, 800, 40000, 4200000000};
  std::vector<std::pair<Jdn, Jdn>> pairs;
  for (int i = 0; i < 40000; ++i) {
    Jdn a = anyDay(rng);
    const std::int64_t span = std::uniform_int_distribution<std::int64_t>(0, maxSpans[i % 4])(rng);
    const Jdn b = static_cast<Jdn>(std::min<std::int64_t>(MaxJdn, a + span));
    pairs.emplace_back(std::min(a, b), b);
  }
  return pairs;
}

std::string PairName(std::size_t i, Jdn a, Jdn b) {
  return "pair " + std::to_string(i) + " of seed " + std::to_string(kPairSeed) + ": JDN " +
         std::to_string(a) + " to " + std::to_string(b);
}

// Every breakdown of the seeded pairs is added back with month lengths of our own; a day past
// the end of the target month or year is its last day.
TEST(Difference, YearsMonthsDaysAddBack) {
  const auto pairs = SeededPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto [a, b] = pairs[i];
    const bool julian = i % 8 >= 4;
    const EuroDate first = FromJdn(a, julian ? JulianLetter : GregorianLetter);
    const std::vector<int> ymd = Ymd(first, FromJdn(b, first.calendar));
    ASSERT_TRUE(ymd[0] == 0 && ymd[1] >= 0 && ymd[2] >= 0 && ymd[2] <= 11 && ymd[3] >= 0 &&
                ymd[3] <= 30)
        << PairName(i, a, b) << (julian ? " in JC" : " in CE");
    const std::int32_t monthIndex = first.month - 1 + ymd[2], m = monthIndex % 12 + 1,
                       y = first.year + ymd[1] + monthIndex / 12;
    const std::int32_t day = std::min(first.day, RefMonthDays(y, m, julian));
    ASSERT_EQ(Date(y, m, day, first.calendar).jdn + ymd[3], b)
        << PairName(i, a, b) << (julian ? " in JC" : " in CE");
  }
}

TEST(Difference, IsoYearsWeeksDaysAddBack) {
  const auto pairs = SeededPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto [a, b] = pairs[i];
    const IsoWeekDate isoA = IsoOf(a);
    const std::vector<int> ywd = Ywd(isoA, IsoOf(b));
    ASSERT_TRUE(ywd[0] == 0 && ywd[1] >= 0 && ywd[2] >= 0 && ywd[2] <= 52 && ywd[3] >= 0 &&
                ywd[3] <= 6)
        << PairName(i, a, b);
    const std::int32_t isoYear = isoA.isoYear + ywd[1];
    const bool cut = isoA.week == 53 && !HasIsoWeek53(isoYear);
    ASSERT_EQ(Iso(isoYear, cut ? 52 : isoA.week, isoA.weekday).jdn + 7 * ywd[2] + ywd[3], b)
        << PairName(i, a, b);
  }
}

TEST(Difference, OrdinalYearsDaysAddBack) {
  const auto pairs = SeededPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto [a, b] = pairs[i];
    EuroDate ce = FromJdn(a);
    const std::vector<int> yd = Yd(ce, FromJdn(b));
    ASSERT_TRUE(yd[0] == 0 && yd[1] >= 0 && yd[2] >= 0 && yd[2] <= 365) << PairName(i, a, b);
    const std::int32_t year = ce.year + yd[1];
    const int yearDays = RefMonthDays(year, 2, false) == 29 ? 366 : 365;
    const int dayOfYear = std::min(int{DayOfYear(ce)}, yearDays);
    ASSERT_EQ(OrdinalToJdn(year, static_cast<std::int16_t>(dayOfYear)) + yd[2], b)
        << PairName(i, a, b);
  }
}

}  // namespace valdora
