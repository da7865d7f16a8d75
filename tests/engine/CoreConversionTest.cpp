// Conversions between calendar dates and JDNs, checked against a day-by-day reference, and
// the record operations built on them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/DateFormatting.h"

namespace valdora {
namespace {

// ---- an obviously correct reference -----------------------------------------------------

bool RefLeap(std::int64_t y, bool julian) {
  if (julian) return y % 4 == 0;
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int RefMonthDays(std::int64_t y, int m, bool julian) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && RefLeap(y, julian) ? 29 : days[m - 1];
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// JDN of 1 January of `y` by counting the days and leap days of the years before it.
std::int64_t RefNewYear(std::int64_t y, bool julian) {
  const std::int64_t before = y - 1;
  std::int64_t leaps = FloorDiv(before, 4);
  if (!julian) leaps += FloorDiv(before, 400) - FloorDiv(before, 100);
  return (julian ? 1721424 : 1721426) + 365 * before + leaps;
}

struct RefDay {
  std::int64_t y;
  int m, d;
  void Next(bool julian) {
    if (++d > RefMonthDays(y, m, julian)) {
      d = 1;
      if (++m > 12) m = 1, ++y;
    }
  }
};

// Steps `days` days from 1 January of `year`, checking both directions on every day.
void StepAndCompare(std::int64_t year, std::int64_t days, bool julian) {
  RefDay ref{year, 1, 1};
  std::int64_t jdn = RefNewYear(year, julian);
  int failures = 0;
  for (std::int64_t k = 0; k < days && failures < 5; ++k, ++jdn, ref.Next(julian)) {
    using namespace calendar_math;
    // The fast cores where they are exact, the wide ones elsewhere.
    const bool fastDate = ref.y > -5870400, fastJdn = jdn >= -2147657944;
    const std::int64_t ours =
        fastDate ? (julian ? JulianToJdn(ref.y, ref.m, ref.d) : GregorianToJdn(ref.y, ref.m, ref.d))
             : (julian ? JulianToJdnWide(ref.y, ref.m, ref.d)
                       : GregorianToJdnWide(ref.y, ref.m, ref.d));
    const CivilDate back = fastJdn ? (julian ? JdnToJulian(jdn) : JdnToGregorian(jdn))
                                : (julian ? JdnToJulianWide(jdn) : JdnToGregorianWide(jdn));
    const CivilDate wide = julian ? JdnToJulianWide(jdn) : JdnToGregorianWide(jdn);
    const std::int64_t wideJdn = julian ? JulianToJdnWide(ref.y, ref.m, ref.d)
                                        : GregorianToJdnWide(ref.y, ref.m, ref.d);
    if (wideJdn != jdn || wide.year != back.year || wide.month != back.month ||
        wide.day != back.day) {
      ++failures;
      ADD_FAILURE() << "wide conversion differs at JDN " << jdn;
    }
    if (ours != jdn || back.year != ref.y || back.month != ref.m || back.day != ref.d) {
      ++failures;
      ADD_FAILURE() << (julian ? "JC " : "CE ") << ref.y << "-" << ref.m << "-" << ref.d
                    << ": expected JDN " << jdn << ", got " << ours << "; back " << back.year
                    << "-" << back.month << "-" << back.day;
    }
  }
}

TEST(CoreConversion, MatchesDayByDayReferenceOverWideWindow) {
  // About 5500 years around the epochs, in both calendars: every day.
  StepAndCompare(-3000, 2000000, false);
  StepAndCompare(-3000, 2000000, true);
}

TEST(CoreConversion, MatchesReferenceAtTheExtremes) {
  for (bool julian : {false, true}) {
    for (std::int64_t year : {-5884400LL, -5870400LL, -5800000LL, 5874800LL, -1470002LL, 1469700LL, -400LL, 5800000LL - 200, 5870000LL - 200,
                              1000000000LL, -1000000000LL}) {
      SCOPED_TRACE(year);
      StepAndCompare(year, 200 * 366, julian);
    }
  }
}

TEST(CoreConversion, FastJdnCoreExactUpToItsLimit) {
  // The multiply-shift core against the reference, day by day over its last 400 years.
  using namespace calendar_math;
  const std::int64_t year = JdnToGregorian(FastJdnMax).year - 401;
  RefDay ref{year, 1, 1};
  int failures = 0;
  for (std::int64_t jdn = RefNewYear(year, false); jdn <= FastJdnMax && failures < 5;
       ++jdn, ref.Next(false)) {
    const CivilDate c = JdnToGregorian(jdn);
    if (c.year != ref.y || c.month != ref.m || c.day != ref.d) {
      ++failures;
      ADD_FAILURE() << "JDN " << jdn << ": expected " << ref.y << "-" << ref.m << "-" << ref.d
                    << ", got " << c.year << "-" << c.month << "-" << c.day;
    }
  }
}

TEST(CoreConversion, WholeJdnRangeRoundTripsThroughTheLibrary) {
  std::mt19937 rng(20240229);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  for (int i = 0; i < 200000; ++i) {
    const std::int32_t jdn = i < 4 ? (i & 1 ? INT32_MAX : INT32_MIN) + (i >> 1) * (i & 1 ? -1 : 1)
                                   : any(rng);
    for (std::int16_t letter : {GregorianLetter, JulianLetter}) {
      EuroDate d{0, 0, 0, letter, jdn};
      jdn_to_euro_date(d);
      ASSERT_GE(d.month, 1);
      ASSERT_LE(d.month, 12);
      ASSERT_GE(d.day, 1);
      ASSERT_LE(d.day, RefMonthDays(d.year, d.month, letter == JulianLetter));
      d.jdn = 0;
      ASSERT_EQ(euro_date_to_jdn(d), jdn) << d.year << "-" << d.month << "-" << d.day;
      ASSERT_EQ(d.jdn, jdn);
    }
  }
}

TEST(CoreConversion, RecordsOutsideTheCalendarStayDefined) {
  struct Case {
    std::int32_t year, month, day;
    std::int32_t expected;
  } cases[] = {
      {2019, 13, 1, 2458850},             // month 13 = January of the next year
      {2020, 0, 1, 2458819},              // month 0 = December of the year before
      {2020, -11, 1, 2458485},            // 2019-01-01
      {2020, 1, 32, 2458881},             // 2020-02-01
      {2020, 3, 0, 2458909},              // 2020-02-29
      {INT32_MAX, 12, 31, INT32_MAX},     // saturates
      {INT32_MIN, 1, 1, INT32_MIN},       // saturates
      {0, INT32_MAX, INT32_MAX, INT32_MAX},
      {0, INT32_MIN, INT32_MIN, INT32_MIN},
  };
  for (const Case& c : cases) {
    EuroDate d{c.year, c.month, c.day, GregorianLetter, 0};
    EXPECT_EQ(EuroDateToJdn(d), c.expected) << c.year << " " << c.month << " " << c.day;
  }
}

TEST(CoreConversion, KnownDays) {
  struct Case {
    std::int16_t letter;
    std::int32_t year, month, day, jdn;
  } cases[] = {
      {'G', 1, 1, 1, 1721426},       {'G', 2000, 1, 1, 2451545},   {'G', 1582, 10, 15, 2299161},
      {'J', 1582, 10, 4, 2299160},   {'J', 1, 1, 1, 1721424},      {'G', 9999, 12, 31, 5373484},
      {'J', -4712, 1, 1, 0},         {'G', -4713, 11, 24, 0},      {'G', 0, 2, 29, 1721119},
      {0, 2000, 1, 1, 2451545},  // calendar 0 counts as CE
  };
  for (const Case& c : cases) {
    EuroDate d{c.year, c.month, c.day, c.letter, 0};
    EXPECT_EQ(EuroDateToJdn(d), c.jdn) << c.year;
    EuroDate back{0, 0, 0, c.letter, c.jdn};
    JdnToEuroDate(back);
    EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, c.year * 10000 + c.month * 100 + c.day);
  }
}

TEST(CoreConversion, DayOfWeekAndWorkdays) {
  EXPECT_EQ(DayOfWeek(1721426), 1);
  EXPECT_EQ(DayOfWeek(2451545), 6);
  EXPECT_EQ(DayOfWeek(0), 1);
  EXPECT_EQ(DayOfWeek(-1), 0);
  EXPECT_EQ(DayOfWeek(INT32_MIN), ((static_cast<std::int64_t>(INT32_MIN) + 1) % 7 + 7) % 7);
  EXPECT_EQ(DayOfWeek(INT32_MAX), (static_cast<std::int64_t>(INT32_MAX) + 1) % 7);
  // 2000-01-01 Saturday .. 2000-01-07 Friday.
  const bool workday[] = {false, false, true, true, true, true, true};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(IsWorkday(2451545 + k), workday[k]) << k;
  for (Jdn j = -10; j < 10; ++j) EXPECT_EQ(DayOfWeek(j + 7), DayOfWeek(j));
}

TEST(CoreConversion, LeapYears) {
  struct Case {
    std::int32_t year;
    const char* calendar;
    bool leap;
  } cases[] = {{1900, "G", false}, {1900, "J", true},   {2000, "G", true},  {-4, "G", true},
               {-100, "G", false}, {-100, "J", true},   {0, "g", true},     {-1, "J", false},
               {-400, "G", true},  {2024, "", true},    {2100, "CE", false}, {2100, "jc", true},
               {INT32_MIN, "G", true}, {INT32_MAX, "J", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsLeapYear(c.year, c.calendar), c.leap) << c.year << " " << c.calendar;
  }
}

TEST(CoreConversion, DayOfYearAndOrdinals) {
  struct Case {
    std::int16_t letter;
    std::int32_t year, month, day;
    std::int16_t dayOfYear;
  } cases[] = {{'G', 2020, 12, 31, 366}, {'G', 2019, 12, 31, 365}, {'J', 1900, 12, 31, 366},
               {'G', 1900, 12, 31, 365}, {'G', -4, 3, 1, 61},      {'G', 2021, 1, 1, 1}};
  for (const Case& c : cases) {
    EuroDate d{c.year, c.month, c.day, c.letter, 0};
    EXPECT_EQ(DayOfYear(d), c.dayOfYear) << c.year;
    EuroDate expected{c.year, c.month, c.day, c.letter, 0};
    EXPECT_EQ(d.jdn, EuroDateToJdn(expected));
  }
  EXPECT_EQ(OrdinalToJdn(1, 1), FirstOrdinalJdn);
  EXPECT_EQ(OrdinalToJdn(9999, 365), LastOrdinalJdn);
  EXPECT_EQ(OrdinalToJdn(2020, 60), 2458909);  // 2020-02-29
}

TEST(CoreConversion, CalendarLetters) {
  for (CalendarCode code : {CE, ORD}) {
    EuroDate d;
    EXPECT_TRUE(CalendarLetter(code, d));
    EXPECT_EQ(d.calendar, 'G');
  }
  EuroDate j;
  EXPECT_TRUE(CalendarLetter(JC, j));
  EXPECT_EQ(j.calendar, 'J');
  for (CalendarCode code : {JDN, ISO, LPW, LPM, AN, OLW, ARC, static_cast<CalendarCode>(-1)}) {
    EuroDate d{1, 2, 3, 99, 4};
    EXPECT_FALSE(CalendarLetter(code, d));
    EXPECT_EQ(d.calendar, 99);
    EXPECT_EQ(d.year + d.month + d.day + d.jdn, 10);
  }
}

TEST(CoreConversion, DaysElapsed) {
  std::int32_t status = 0;
  EuroDate later{2000, 1, 1, 'G', 0}, earlier{1999, 12, 31, 0, 0};
  EXPECT_EQ(days_elapsed(later, earlier, status), 1);
  EXPECT_EQ(status, 0);
  EuroDate julian{1582, 10, 4, 'J', 0}, gregorian{1582, 10, 15, 'G', 0};
  EXPECT_EQ(days_elapsed(gregorian, julian, status), 1);
  EXPECT_EQ(days_elapsed(julian, gregorian, status), -1);
  EXPECT_EQ(status, 0);
  const EuroDate bad[] = {{2019, 2, 29, 'G', 0}, {2019, 13, 1, 'G', 0}, {2019, 1, 1, 'X', 0},
                          {6000000, 1, 1, 'G', 0}, {2019, 1, 0, 'J', 0}};
  for (const EuroDate& b : bad) {
    status = 0;
    EXPECT_EQ(days_elapsed(b, earlier, status), 0);
    EXPECT_NE(status, 0) << b.year << "-" << b.month << "-" << b.day;
  }
  // The largest span of the library range still fits 32 bits only one way round.
  EuroDate top{LibraryMaxAbsYear, 12, 31, 'G', 0}, bottom{-LibraryMaxAbsYear, 1, 1, 'G', 0};
  status = 0;
  EXPECT_EQ(days_elapsed(top, bottom, status), 0);
  EXPECT_NE(status, 0);
}

TEST(CoreConversion, FixedAndSystemToday) {
  SetFixedToday(2020, 12, 28);
  EXPECT_EQ(TodayJdn(), 2459212);
  EXPECT_EQ(TodayDayOfWeek(), 1);
  EuroDate today;
  TodayEuroDate(today);
  EXPECT_EQ(today.year * 10000 + today.month * 100 + today.day, 20201228);
  EXPECT_EQ(today.calendar, 'G');
  EXPECT_EQ(TodayPlusText(7, YMD, "-", CE), "2021-01-04");
  EXPECT_EQ(TodayPlusText(0, DMY, "/", JC), "15/12/2020");
  EXPECT_EQ(TodayPlusText(-7, MDY, ".", CE), "12.21.2020");
  EXPECT_EQ(TodayPlusText(0, YMD, "-", JDN), "2020-12-28");  // any other code is CE

  UseSystemToday();
  const auto utcDay = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::int64_t utcJdn = utcDay.time_since_epoch().count() + 2440588;
  EXPECT_LE(std::abs(TodayJdn() - utcJdn), 1);  // the local date is within a day of UTC's
}

}  // namespace
}  // namespace valdora
