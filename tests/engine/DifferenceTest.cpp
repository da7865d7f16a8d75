// Breakdowns into years, months, weeks and days: the known cases, and every breakdown of
// many seeded pairs added back onto the first date to give the second.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "engine/DateCore.h"
#include "engine/DateDifference.h"
#include "engine/IsoOrdinal.h"

namespace valdora {
namespace {

EuroDate Date(std::int32_t y, std::int32_t m, std::int32_t d,
              std::int16_t letter = GregorianLetter) {
  EuroDate date{y, m, d, letter, 0};
  EuroDateToJdn(date);
  return date;
}

EuroDate FromJdn(Jdn jdn, std::int16_t letter) {
  EuroDate date{0, 0, 0, letter, jdn};
  JdnToEuroDate(date);
  return date;
}

IsoWeekDate Iso(std::int32_t y, std::int32_t w, std::int32_t d) {
  IsoWeekDate date{y, w, d, 0};
  IsoWeekDateToJdn(date);
  return date;
}

// Month lengths written out, for adding back independently of the engine.
std::int32_t MonthLength(std::int32_t y, std::int32_t m, std::int16_t letter) {
  constexpr std::int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap =
      letter == JulianLetter ? y % 4 == 0 : (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0));
  return m == 2 && leap ? 29 : days[m - 1];
}

TEST(Difference, YearsMonthsDays) {
  struct Case {
    EuroDate first, second;
    std::int32_t years;
    std::int16_t months, days;
  };
  for (const Case& c :
       {Case{Date(2019, 3, 15), Date(2021, 3, 14), 1, 11, 27},
        Case{Date(2019, 12, 31), Date(2020, 3, 1), 0, 2, 1},
        Case{Date(2020, 2, 29), Date(2021, 2, 28), 0, 11, 30},
        Case{Date(2020, 2, 29), Date(2021, 3, 1), 1, 0, 1},
        Case{Date(2020, 1, 31), Date(2020, 2, 29), 0, 0, 29},
        Case{Date(2020, 1, 31), Date(2020, 3, 31), 0, 2, 0},
        Case{Date(2020, 5, 5), Date(2020, 5, 5), 0, 0, 0},
        Case{Date(-44, 3, 15), Date(2020, 3, 15), 2064, 0, 0},
        Case{Date(1900, 1, 31, JulianLetter), Date(1900, 3, 1, JulianLetter), 0, 1, 1},
        Case{Date(1900, 1, 31), Date(1900, 3, 1), 0, 1, 1}}) {
    std::int32_t years = -9, status = -9;
    std::int16_t months = -9, days = -9;
    YearsMonthsDaysBetween(c.first, c.second, years, months, days, status);
    const std::string label = std::to_string(c.first.year) + "-" + std::to_string(c.first.month) +
                              "-" + std::to_string(c.first.day) + " to " +
                              std::to_string(c.second.year) + "-" + std::to_string(c.second.month) +
                              "-" + std::to_string(c.second.day);
    EXPECT_EQ(status, 0) << label;
    EXPECT_EQ(years, c.years) << label;
    EXPECT_EQ(months, c.months) << label;
    EXPECT_EQ(days, c.days) << label;
  }
}

TEST(Difference, IsoYearsWeeksDays) {
  struct Case {
    IsoWeekDate first, second;
    std::int32_t years;
    std::int16_t weeks, days;
  };
  for (const Case& c : {Case{Iso(2020, 10, 5), Iso(2021, 10, 3), 0, 52, 5},
                        Case{Iso(2019, 10, 1), Iso(2019, 12, 1), 0, 2, 0},
                        Case{Iso(2019, 50, 1), Iso(2021, 2, 1), 1, 5, 0},
                        Case{Iso(2020, 53, 3), Iso(2022, 1, 1), 1, 0, 5},
                        Case{Iso(2015, 53, 1), Iso(2020, 53, 1), 5, 0, 0},
                        Case{Iso(2020, 53, 7), Iso(2021, 1, 1), 0, 0, 1},
                        Case{Iso(2020, 1, 1), Iso(2021, 1, 1), 1, 0, 0}}) {
    std::int32_t years = -9, status = -9;
    std::int16_t weeks = -9, days = -9;
    IsoYearsWeeksDaysBetween(c.first, c.second, years, weeks, days, status);
    const std::string label =
        FormatIsoWeekDate(c.first, 1) + " to " + FormatIsoWeekDate(c.second, 1);
    EXPECT_EQ(status, 0) << label;
    EXPECT_EQ(years, c.years) << label;
    EXPECT_EQ(weeks, c.weeks) << label;
    EXPECT_EQ(days, c.days) << label;
  }
}

TEST(Difference, OrdinalYearsDays) {
  struct Case {
    EuroDate first, second;
    std::int32_t years;
    std::int16_t days;
  };
  for (const Case& c : {Case{FromJdn(OrdinalToJdn(2019, 200), GregorianLetter),
                             FromJdn(OrdinalToJdn(2020, 100), GregorianLetter), 0, 265},
                        Case{FromJdn(OrdinalToJdn(2020, 100), GregorianLetter),
                             FromJdn(OrdinalToJdn(2021, 100), GregorianLetter), 1, 0},
                        Case{FromJdn(OrdinalToJdn(2020, 366), GregorianLetter),
                             FromJdn(OrdinalToJdn(2022, 1), GregorianLetter), 1, 1},
                        Case{FromJdn(OrdinalToJdn(2019, 365), GregorianLetter),
                             FromJdn(OrdinalToJdn(2020, 366), GregorianLetter), 1, 1}}) {
    std::int32_t years = -9, status = -9;
    std::int16_t days = -9;
    OrdinalYearsDaysBetween(c.first, c.second, years, days, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(years, c.years) << c.first.year << " to " << c.second.year;
    EXPECT_EQ(days, c.days) << c.first.year << " to " << c.second.year;
  }
}

TEST(Difference, FirstDateLaterIsRefused) {
  std::int32_t years = 0, status = 0;
  std::int16_t parts = 0, days = 0;
  YearsMonthsDaysBetween(Date(2021, 1, 2), Date(2021, 1, 1), years, parts, days, status);
  EXPECT_NE(status, 0);
  IsoYearsWeeksDaysBetween(Iso(2021, 1, 2), Iso(2021, 1, 1), years, parts, days, status);
  EXPECT_NE(status, 0);
  OrdinalYearsDaysBetween(Date(2021, 1, 2), Date(2021, 1, 1), years, days, status);
  EXPECT_NE(status, 0);
}

TEST(Difference, MonthAndYearLengths) {
  std::int32_t status = 0;
  EXPECT_EQ(DaysInMonth(EuroDate{2020, 2, 1, GregorianLetter, 0}, status), 29);
  EXPECT_EQ(DaysInMonth(EuroDate{2021, 2, 1, GregorianLetter, 0}, status), 28);
  EXPECT_EQ(DaysInMonth(EuroDate{1900, 2, 1, GregorianLetter, 0}, status), 28);
  EXPECT_EQ(DaysInMonth(EuroDate{1900, 2, 1, JulianLetter, 0}, status), 29);
  EXPECT_EQ(DaysInMonth(EuroDate{2020, 12, 1, GregorianLetter, 0}, status), 31);
  EXPECT_EQ(DaysInMonth(EuroDate{-1, 12, 1, 0, 0}, status), 31);
  EXPECT_EQ(DaysInYear(2020, status), 366);
  EXPECT_EQ(DaysInYear(1900, status), 365);
  EXPECT_EQ(DaysInYear(0, status), 366);
  EXPECT_EQ(status, 0);
}

// Every breakdown of seeded pairs, spans from a day to the whole range, added back.
TEST(Difference, BreakdownsAddBack) {
  std::mt19937 rng(424242);
  std::uniform_int_distribution<Jdn> anyDay(MinJdn, MaxJdn);
  std::uniform_int_distribution<int> spanKind(0, 3);
  for (int i = 0; i < 40000; ++i) {
    const std::int64_t maxSpan =
        std::array<std::int64_t, 4>{40, 800, 40000, 4200000000}[spanKind(rng)];
    Jdn a = anyDay(rng);
    const std::int64_t span = std::uniform_int_distribution<std::int64_t>(0, maxSpan)(rng);
    const Jdn b = static_cast<Jdn>(std::min<std::int64_t>(MaxJdn, a + span));
    a = std::min(a, b);

    const std::int16_t letter = i % 2 ? JulianLetter : GregorianLetter;
    const EuroDate first = FromJdn(a, letter), second = FromJdn(b, letter);
    std::int32_t years = 0, status = 0;
    std::int16_t months = 0, days = 0;
    YearsMonthsDaysBetween(first, second, years, months, days, status);
    ASSERT_EQ(status, 0) << a << " " << b;
    ASSERT_GE(years, 0);
    ASSERT_TRUE(months >= 0 && months <= 11) << a << " " << b;
    ASSERT_TRUE(days >= 0 && days <= 30) << a << " " << b;
    const std::int32_t monthIndex = first.month - 1 + months;
    EuroDate back{first.year + years + monthIndex / 12, monthIndex % 12 + 1, 0, letter, 0};
    back.day = std::min(first.day, MonthLength(back.year, back.month, letter));
    ASSERT_EQ(EuroDateToJdn(back) + days, b) << a << " " << b;

    IsoWeekDate isoA, isoB;
    isoA.jdn = a;
    isoB.jdn = b;
    JdnToIsoWeekDate(isoA);
    JdnToIsoWeekDate(isoB);
    std::int16_t weeks = 0;
    IsoYearsWeeksDaysBetween(isoA, isoB, years, weeks, days, status);
    ASSERT_EQ(status, 0) << a << " " << b;
    ASSERT_GE(years, 0);
    ASSERT_TRUE(weeks >= 0 && weeks <= 52) << a << " " << b;
    ASSERT_TRUE(days >= 0 && days <= 6) << a << " " << b;
    IsoWeekDate isoBack{isoA.isoYear + years, isoA.week, isoA.weekday, 0};
    if (isoBack.week == 53 && !HasIsoWeek53(isoBack.isoYear)) isoBack.week = 52;
    IsoWeekDateToJdn(isoBack);
    ASSERT_EQ(isoBack.jdn + 7 * weeks + days, b) << a << " " << b;

    const EuroDate ceA = FromJdn(a, GregorianLetter), ceB = FromJdn(b, GregorianLetter);
    OrdinalYearsDaysBetween(ceA, ceB, years, days, status);
    ASSERT_EQ(status, 0) << a << " " << b;
    ASSERT_GE(years, 0);
    ASSERT_TRUE(days >= 0 && days <= 365) << a << " " << b;
    EuroDate ordA = ceA;
    const std::int32_t yearDays = DaysInYear(ceA.year + years, status);
    const std::int16_t day =
        std::min<std::int16_t>(DayOfYear(ordA), static_cast<std::int16_t>(yearDays));
    ASSERT_EQ(OrdinalToJdn(ceA.year + years, day) + days, b) << a << " " << b;
  }
}

}  // namespace
}  // namespace valdora
