// SPDX-License-Identifier: MIT
// Conversions between calendar dates and JDNs, checked against a day-by-day reference, and
// the record operations built on them.
#include <chrono>

#include "EngineTestSupport.h"

namespace valdora {

// floor(a / b) for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0); }

// JDN of 1 January of `y` by counting the days and leap days of the years before it.
std::int64_t RefNewYear(std::int64_t y, bool julian) {
  const std::int64_t before = y - 1;
  std::int64_t leaps = FloorDiv(before, 4);
  if (!julian) leaps += FloorDiv(before, 400) - FloorDiv(before, 100);
  return (julian ? 1721424 : 1721426) + 365 * before + leaps;
}

// Steps `days` days from 1 January of `year`, checking both directions of every core whose
// range holds the day: the fast ones and the wide ones.
void StepAndCompare(std::int64_t year, std::int64_t days, bool julian) {
  using namespace calendar_math;
  std::int64_t y = year, jdn = RefNewYear(year, julian);
  int m = 1, d = 1, failures = 0;
  const auto same = [&](const CivilDate& c) { return c.year == y && c.month == m && c.day == d; };
  for (const std::int64_t end = jdn + days; jdn < end && failures < 5; ++jdn) {
    bool ok = true;
    if (y > -5870400 && y <= 4000000000)
      ok &= (julian ? JulianToJdn(y, m, d) : GregorianToJdn(y, m, d)) == jdn;
    if (jdn >= -2147657944 && jdn <= (julian ? 400000000000 : FastJdnMax))
      ok &= same(julian ? JdnToJulian(jdn) : JdnToGregorian(jdn));
    if (std::abs(y) <= MaxWideAbsYear) {
      ok &= (julian ? JulianToJdnWide(y, m, d) : GregorianToJdnWide(y, m, d)) == jdn;
      ok &= same(julian ? JdnToJulianWide(jdn) : JdnToGregorianWide(jdn));
    }
    if (!ok) {
      ++failures;
      ADD_FAILURE() << (julian ? "JC " : "CE ") << y << "-" << m << "-" << d << " JDN " << jdn;
    }
    if (++d > RefMonthDays(y, m, julian)) {
      d = 1;
      if (++m > 12) m = 1, ++y;
    }
  }
}

TEST(CoreConversion, MatchesDayByDayReference) {
  for (const bool julian : {false, true}) {
    StepAndCompare(-3000, 2000000, julian);  // about 5500 years around the epochs
    // 200 years at the ends of the fast and wide cores and of the engine's range.
    for (const std::int64_t year : {-5884400LL, -5870400LL, -5800000LL, 5874800LL, -1470002LL,
                                    1469700LL, -400LL, 5799800LL, 5869800LL, 1000000000LL,
                                    -1000000000LL}) {
      StepAndCompare(year, 200 * 366, julian);
    }
  }
  // The last 400 years of the multiply-shift Gregorian core.
  const std::int64_t year = calendar_math::JdnToGregorian(calendar_math::FastJdnMax).year - 401;
  StepAndCompare(year, calendar_math::FastJdnMax + 1 - RefNewYear(year, false), false);
}

TEST(CoreConversion, WholeJdnRangeRoundTripsThroughTheLibrary) {
  SeededRng rng(20240229);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  const std::int32_t ends[] = {INT32_MIN, INT32_MAX, INT32_MIN + 1, INT32_MAX - 1};
  for (int i = 0; i < 200000; ++i) {
    const std::int32_t jdn = i < 4 ? ends[i] : any(rng);
    for (const std::int16_t letter : {GregorianLetter, JulianLetter}) {
      EuroDate d{0, 0, 0, letter, jdn};
      jdn_to_euro_date(d);
      const auto where = [&] {
        return "JDN " + std::to_string(jdn) + " as " + DateName(d.year, d.month, d.day, letter);
      };
      ASSERT_TRUE(d.month >= 1 && d.month <= 12) << where();
      ASSERT_TRUE(d.day >= 1 && d.day <= RefMonthDays(d.year, d.month, letter == JulianLetter))
          << where();
      d.jdn = 0;
      ASSERT_EQ(euro_date_to_jdn(d), jdn) << where();
      ASSERT_EQ(d.jdn, jdn) << where();
    }
  }
}

// Real days convert both ways; records outside the calendar carry into the neighbouring
// months or saturate, and stay defined.
TEST(CoreConversion, KnownDaysAndRecordsOutsideTheCalendar) {
  struct Case { std::int16_t letter; std::int32_t year, month, day, jdn; bool real; } cases[] = {
      {'G', 1, 1, 1, 1721426, true}, {'G', 2000, 1, 1, 2451545, true},
      {'G', 1582, 10, 15, 2299161, true}, {'J', 1582, 10, 4, 2299160, true},
      {'J', 1, 1, 1, 1721424, true}, {'G', 9999, 12, 31, 5373484, true}, {'J', -4712, 1, 1, 0, true},
      {'G', -4713, 11, 24, 0, true}, {'G', 0, 2, 29, 1721119, true},
      {0, 2000, 1, 1, 2451545, true},  // calendar 0 counts as CE
      {'G', 2019, 13, 1, 2458850, false}, {'G', 2020, 0, 1, 2458819, false},
      {'G', 2020, -11, 1, 2458485, false}, {'G', 2020, 1, 32, 2458881, false},
      {'G', 2020, 3, 0, 2458909, false}, {'G', INT32_MAX, 12, 31, INT32_MAX, false},
      {'G', INT32_MIN, 1, 1, INT32_MIN, false}, {'G', 0, INT32_MAX, INT32_MAX, INT32_MAX, false},
      {'G', 0, INT32_MIN, INT32_MIN, INT32_MIN, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(DateName(c.year, c.month, c.day, c.letter));
    EuroDate d{c.year, c.month, c.day, c.letter, 0};
    EXPECT_EQ(EuroDateToJdn(d), c.jdn);
    EuroDate back{0, 0, 0, c.letter, c.jdn};
    JdnToEuroDate(back);
    if (!c.real) continue;
    EXPECT_EQ(std::vector({back.year, back.month, back.day}),
              std::vector({c.year, c.month, c.day}));
  }
}

TEST(CoreConversion, DayOfWeek) {
  struct Case { Jdn jdn; std::int64_t dow; } cases[] = {
      {1721426, 1}, {2451545, 6}, {0, 1}, {-1, 0}, {INT32_MIN, ((INT32_MIN + 1LL) % 7 + 7) % 7},
      {INT32_MAX, (INT32_MAX + 1LL) % 7}};
  for (const Case& c : cases) EXPECT_EQ(DayOfWeek(c.jdn), c.dow) << "JDN " << c.jdn;
  for (Jdn j = -10; j < 10; ++j) EXPECT_EQ(DayOfWeek(j + 7), DayOfWeek(j)) << "JDN " << j;
}

TEST(CoreConversion, Workdays) {
  // 2000-01-01 Saturday .. 2000-01-07 Friday.
  const bool workday[] = {false, false, true, true, true, true, true};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(IsWorkday(2451545 + k), workday[k]) << "2000-01-0" << k + 1;
}

TEST(CoreConversion, LeapYears) {
  struct Leap { std::int32_t year; const char* calendar; bool leap; } leaps[] = {
      {1900, "G", false}, {1900, "J", true}, {2000, "G", true}, {-4, "G", true},
      {-100, "G", false}, {-100, "J", true}, {0, "g", true}, {-1, "J", false}, {-400, "G", true},
      {2024, "", true}, {2100, "CE", false}, {2100, "jc", true}, {INT32_MIN, "G", true},
      {INT32_MAX, "J", false}};
  for (const Leap& c : leaps) {
    EXPECT_EQ(IsLeapYear(c.year, c.calendar), c.leap) << c.year << " \"" << c.calendar << '"';
  }
}

TEST(CoreConversion, DaysOfTheYear) {
  struct Day { std::int16_t letter; std::int32_t year, month, day, dayOfYear; } days[] = {
      {'G', 2020, 12, 31, 366}, {'G', 2019, 12, 31, 365}, {'J', 1900, 12, 31, 366},
      {'G', 1900, 12, 31, 365}, {'G', -4, 3, 1, 61}, {'G', 2021, 1, 1, 1}};
  for (const Day& c : days) {
    SCOPED_TRACE(DateName(c.year, c.month, c.day, c.letter));
    EuroDate d{c.year, c.month, c.day, c.letter, 0};
    EXPECT_EQ(DayOfYear(d), c.dayOfYear);
    EXPECT_EQ(d.jdn, Date(c.year, c.month, c.day, c.letter).jdn);
  }
}

TEST(CoreConversion, OrdinalDays) {
  EXPECT_EQ(OrdinalToJdn(1, 1), FirstOrdinalJdn);
  EXPECT_EQ(OrdinalToJdn(9999, 365), LastOrdinalJdn);
  EXPECT_EQ(OrdinalToJdn(2020, 60), 2458909);  // 2020-02-29
}

TEST(CoreConversion, DaysElapsed) {
  std::int32_t status = 0;
  const EuroDate earlier{1999, 12, 31, 0, 0}, julian{1582, 10, 4, 'J', 0};
  EXPECT_EQ(days_elapsed(EuroDate{2000, 1, 1, 'G', 0}, earlier, status), 1);
  EXPECT_EQ(days_elapsed(EuroDate{1582, 10, 15, 'G', 0}, julian, status), 1);
  EXPECT_EQ(days_elapsed(julian, EuroDate{1582, 10, 15, 'G', 0}, status), -1);
  EXPECT_EQ(status, 0);
  // The last pair spans the library range, which fits 32 bits only one way round.
  struct Case { EuroDate later, earlier; };
  for (const Case c : {Case{{2019, 2, 29, 'G', 0}, earlier}, Case{{2019, 13, 1, 'G', 0}, earlier},
                       Case{{2019, 1, 1, 'X', 0}, earlier}, Case{{6000000, 1, 1, 'G', 0}, earlier},
                       Case{{2019, 1, 0, 'J', 0}, earlier},
                       Case{{LibraryMaxAbsYear, 12, 31, 'G', 0},
                            {-LibraryMaxAbsYear, 1, 1, 'G', 0}}}) {
    SCOPED_TRACE(DateName(c.later.year, c.later.month, c.later.day, c.later.calendar) + " since " +
                 DateName(c.earlier.year, c.earlier.month, c.earlier.day, c.earlier.calendar));
    status = 0;
    EXPECT_EQ(days_elapsed(c.later, c.earlier, status), 0);
    EXPECT_NE(status, 0);
  }
}

TEST(CoreConversion, FixedToday) {
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
}

TEST(CoreConversion, SystemToday) {
  SetFixedToday(2020, 12, 28);
  UseSystemToday();
  const auto utcDay = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::int64_t utcJdn = utcDay.time_since_epoch().count() + 2440588;
  EXPECT_LE(std::abs(TodayJdn() - utcJdn), 1);  // the local date is within a day of UTC's
}

}  // namespace valdora
