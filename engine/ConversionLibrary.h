// SPDX-License-Identifier: MIT
// The calendar-conversion library: the six functions the engine wraps (one engine operation
// each), and the closed-form Gregorian and Julian day-count algorithms they rest on.
//
// Day counts are JDNs (JDN 1721426 = 0001-01-01 CE). Every conversion is O(1): the year is
// shifted by a whole number of 400-year (Gregorian) or 4-year (Julian) cycles so that all
// divisions work on non-negative numbers, and 64-bit intermediates keep the arithmetic exact
// far beyond the engine's limits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// ---- closed-form day counts -------------------------------------------------------------

namespace calendar_math {

inline constexpr std::int64_t GregorianCycleDays = 146097;  // days of 400 Gregorian years
inline constexpr std::int64_t JulianCycleDays = 1461;       // days of 4 Julian years
static_assert(GregorianCycleDays == 400 * 365 + 100 - 4 + 1);
static_assert(JulianCycleDays == 4 * 365 + 1);
static_assert(GregorianCycleDays % 7 == 0, "400 Gregorian years are whole weeks");

// Whole cycles added before dividing so that every operand is non-negative. Two shifts:
// the fast one (used by the library) keeps the shifted constants within 32-bit immediates
// and covers every year > -5870400 and every JDN >= -2147657944 (all 32-bit JDNs); the wide
// one covers |year| <= 2^30 and |jdn| <= 3.9e11.
inline constexpr std::int64_t FastDateCycles = 14676;  // year -> JDN
inline constexpr std::int64_t FastJdnCycles = 14712;   // JDN -> year
inline constexpr std::int64_t WideCycles = 2684355;
inline constexpr std::int64_t MaxWideAbsYear = std::int64_t{1} << 30;
static_assert(400 * WideCycles >= MaxWideAbsYear + 1);
static_assert(400 * WideCycles + MaxWideAbsYear < (std::int64_t{1} << 32));
static_assert(GregorianCycleDays * FastJdnCycles - 1721120 >= -std::int64_t{INT32_MIN});

// JDN of day 0 of the computational year that starts on 1 March of year 0.
inline constexpr std::int64_t GregorianMarchEpoch = 1721120;  // 0000-03-01 CE
inline constexpr std::int64_t JulianMarchEpoch = 1721118;     // 0000-03-01 JC

// Days from 1 March to the first of month m, m in 3..14 (January and February count as
// months 13 and 14 of the year before): floor((153 * (m - 3) + 2) / 5) by a multiply-shift.
constexpr std::uint32_t DaysBeforeMonth(std::uint32_t m) noexcept {
  return (979 * m - 2919) >> 5;  // [0, 337]
}

// Day of a March-based year [0, 365] -> month m in 3..14: floor((5 * n + 461) / 153) by a
// multiply-shift (the reference FromMarchDay is checked against).
constexpr std::uint32_t MonthOfMarchDay(std::uint32_t n) noexcept {
  return (535 * n + 49483) >> 14;  // [3, 14]
}

// floor(r / 7) for r < 2^20 (a day of a 400-year cycle): 613566757 / 2^32 exceeds 1/7 by
// less than 1e-10, too little to carry r / 7 past the next integer.
constexpr std::uint32_t WeeksOfDays(std::uint32_t r) noexcept {
  return static_cast<std::uint32_t>((std::uint64_t{r} * 613566757u) >> 32);
}

// A 32-bit day number as whole 400-year cycles since day `Epoch` and the day of the cycle,
// in 32-bit arithmetic for every int32 day (so that loops over many days vectorise):
// x = day + 2^31 is exact in 32 bits, and the offset 2^31 + Epoch = Q * 146097 + R is taken
// out of the quotient and remainder of x.
struct CycleDay {
  std::int32_t cycles;  // [-14711, 14711]
  std::uint32_t day;    // [0, 146096]
};
template <std::int64_t Epoch>
constexpr CycleDay SplitCycles(std::int32_t jdn) noexcept {
  constexpr std::uint32_t d = static_cast<std::uint32_t>(GregorianCycleDays);
  constexpr std::int64_t offset = (std::int64_t{1} << 31) + Epoch;
  static_assert(offset > 0 && offset < (std::int64_t{1} << 32));
  constexpr auto q = static_cast<std::int32_t>(offset / d);
  constexpr auto r = static_cast<std::uint32_t>(offset % d);
  const std::uint32_t x = static_cast<std::uint32_t>(jdn) ^ 0x80000000u;  // jdn + 2^31
  const std::uint32_t q0 = x / d;                                          // [0, 29398]
  const std::uint32_t r0 = x - q0 * d;
  const std::uint32_t borrow = r0 < r ? 1u : 0u;
  return {static_cast<std::int32_t>(q0 - borrow) - q, r0 + borrow * d - r};
}

// For r = 4 * (day of a 100-year span) + 3, r in [3, 146099]: floor(r / 1461) is the high
// word of r * YearOfCenturyFactor, and the low word / YearOfCenturyFactor is r mod 1461.
inline constexpr std::uint64_t YearOfCenturyFactor = 2939745;  // about 2^32 / 1461

constexpr bool CheckMultiplyShifts() noexcept {
  for (std::uint32_t m = 3; m <= 14; ++m) {
    if (DaysBeforeMonth(m) != (153 * (m - 3) + 2) / 5) return false;
  }
  for (std::uint32_t n = 0; n <= 365; ++n) {
    if (MonthOfMarchDay(n) != (5 * n + 461) / 153) return false;
  }
  for (std::uint64_t r = 3; r <= 146099; r += 4) {
    const std::uint64_t p = YearOfCenturyFactor * r;
    if ((p >> 32) != r / 1461 || (p & 0xFFFFFFFF) / YearOfCenturyFactor != r % 1461) return false;
  }
  return true;
}
static_assert(CheckMultiplyShifts());

// (year, month 1..12, day) proleptic Gregorian -> JDN, with the year shifted by `Cycles`
// 400-year cycles (year > -400 * Cycles). Days beyond the month's end carry forward.
template <std::int64_t Cycles>
constexpr std::int64_t GregorianToJdnShifted(std::int64_t year, std::int32_t month,
                                             std::int64_t day) noexcept {
  const bool janFeb = month < 3;
  const auto y = static_cast<std::uint32_t>(year + 400 * Cycles - janFeb);  // < 2^32
  const std::uint32_t m = static_cast<std::uint32_t>(month) + 12 * janFeb;  // [3, 14]
  const std::uint32_t century = y / 100;
  const std::uint64_t days = (std::uint64_t{1461} * y >> 2) - century + (century >> 2);
  return static_cast<std::int64_t>(days + DaysBeforeMonth(m)) +
         (GregorianMarchEpoch - GregorianCycleDays * Cycles - 1) + day;
}

// (year, month 1..12, day) Julian -> JDN, year > -400 * Cycles.
template <std::int64_t Cycles>
constexpr std::int64_t JulianToJdnShifted(std::int64_t year, std::int32_t month,
                                          std::int64_t day) noexcept {
  const bool janFeb = month < 3;
  const auto y = static_cast<std::uint32_t>(year + 400 * Cycles - janFeb);  // < 2^32
  const std::uint32_t m = static_cast<std::uint32_t>(month) + 12 * janFeb;  // [3, 14]
  const std::uint64_t days = (std::uint64_t{1461} * y >> 2) + DaysBeforeMonth(m);
  return static_cast<std::int64_t>(days) + (JulianMarchEpoch - 100 * JulianCycleDays * Cycles - 1) +
         day;
}

// Gregorian date -> JDN for years -5870399 .. 4e9 (the library's range and more).
constexpr std::int64_t GregorianToJdn(std::int64_t year, std::int32_t month,
                                      std::int64_t day) noexcept {
  return GregorianToJdnShifted<FastDateCycles>(year, month, day);
}
// Julian date -> JDN for years -5870399 .. 4e9.
constexpr std::int64_t JulianToJdn(std::int64_t year, std::int32_t month,
                                   std::int64_t day) noexcept {
  return JulianToJdnShifted<FastDateCycles>(year, month, day);
}
// Gregorian date -> JDN for |year| <= 2^30.
constexpr std::int64_t GregorianToJdnWide(std::int64_t year, std::int32_t month,
                                          std::int64_t day) noexcept {
  return GregorianToJdnShifted<WideCycles>(year, month, day);
}
// Julian date -> JDN for |year| <= 2^30.
constexpr std::int64_t JulianToJdnWide(std::int64_t year, std::int32_t month,
                                       std::int64_t day) noexcept {
  return JulianToJdnShifted<WideCycles>(year, month, day);
}

// Result of a JDN -> calendar date conversion.
struct CivilDate {
  std::int64_t year;
  std::int32_t month;  // 1..12
  std::int32_t day;    // 1..31
};

// Day n [0, 365] of the March-based year y -> civil date. One multiply gives both parts:
// the high half of 2141 * n + 197913 is the month m in 3..14, the low half / 2141 the day - 1.
constexpr CivilDate FromMarchDay(std::int64_t y, std::uint32_t n) noexcept {
  const std::uint32_t t = 2141 * n + 197913;
  const std::uint32_t m = t >> 16;                                         // [3, 14]
  // (t & 0xFFFF) / 2141 as a multiply-shift, exact below 2^16: 2006057 / 2^32 exceeds
  // 1 / 2141 by less than 2^-33.
  const auto day = static_cast<std::int32_t>((std::uint64_t{t & 0xFFFF} * 2006057u) >> 32) + 1;
  CivilDate c{y, static_cast<std::int32_t>(m), day};
  if (n >= 306) {  // January or February of the next year
    c.year += 1;
    c.month -= 12;
  }
  return c;
}

constexpr bool CheckMarchDays() noexcept {
  for (std::uint32_t n = 0; n <= 365; ++n) {
    const CivilDate c = FromMarchDay(0, n);
    const std::uint32_t m = c.month < 3 ? c.month + 12 : c.month;
    if (m != MonthOfMarchDay(n) || n != DaysBeforeMonth(m) + c.day - 1) return false;
  }
  return true;
}
static_assert(CheckMarchDays());

// Civil date of n4 = 4 * (days since 1 March of year -400 * Cycles) + 3: whole centuries,
// then years of the century, then the day of the March-based year.
template <std::int64_t Cycles, typename Unsigned>
constexpr CivilDate FromCenturyDay(Unsigned n4) noexcept {
  const Unsigned century = n4 / static_cast<Unsigned>(GregorianCycleDays);
  // 4 * (day of the century) + 3, [3, 146099]
  const auto r = static_cast<std::uint32_t>(n4 - GregorianCycleDays * century) | 3u;
  const std::uint64_t p = YearOfCenturyFactor * r;
  const auto yearOfCentury = static_cast<std::uint32_t>(p >> 32);  // [0, 99]
  // The low half of p, divided by the factor, is r mod 1461.
  const std::uint32_t dayOfYear =
      static_cast<std::uint32_t>(p) / static_cast<std::uint32_t>(YearOfCenturyFactor) / 4;  // [0, 365]
  const Unsigned years = 100 * century + yearOfCentury;  // since year -400 * Cycles
  const std::int64_t y = static_cast<std::int64_t>(years) - 400 * Cycles;
  return FromMarchDay(y, dayOfYear);
}

// JDN -> proleptic Gregorian date, jdn >= 1721120 - 146097 * Cycles.
template <std::int64_t Cycles>
constexpr CivilDate JdnToGregorianShifted(std::int64_t jdn) noexcept {
  const std::uint64_t n4 =
      4 * static_cast<std::uint64_t>(jdn - GregorianMarchEpoch + GregorianCycleDays * Cycles) + 3;
  return FromCenturyDay<Cycles>(n4);
}

// JDN -> Julian date, jdn >= 1721118 - 146100 * Cycles.
template <std::int64_t Cycles>
constexpr CivilDate JdnToJulianShifted(std::int64_t jdn) noexcept {
  const std::uint64_t n4 =
      4 * static_cast<std::uint64_t>(jdn - JulianMarchEpoch + 100 * JulianCycleDays * Cycles) + 3;
  const std::uint64_t y = n4 / JulianCycleDays;
  const auto dayOfYear = static_cast<std::uint32_t>(n4 - JulianCycleDays * y) / 4;  // [0, 365]
  return FromMarchDay(static_cast<std::int64_t>(y) - 400 * Cycles, dayOfYear);
}

// High 64 bits of the 128-bit product a * b.
constexpr std::uint64_t MulHigh(std::uint64_t a, std::uint64_t b) noexcept {
  return static_cast<std::uint64_t>((static_cast<unsigned __int128>(a) * b) >> 64);
}

// The library's JDN -> Gregorian core: 64-bit throughout, no division and no range test.
// For x < 2^64 / e, with M = ceil(2^64 / d) and e = M * d - 2^64 (0 < e < d), the high word
// of x * M is floor(x / d) and the high word of (low word) * d is x mod d: the error x * e
// stays below one unit of 2^64.
// ceil(2^64 / 146097) and ceil(2^64 / 1461): neither divisor divides 2^64.
inline constexpr std::uint64_t CenturyFactor = UINT64_MAX / GregorianCycleDays + 1;
inline constexpr std::uint64_t JulianYearFactor = UINT64_MAX / JulianCycleDays + 1;
// e for each factor: the products wrap past 2^64 (unsigned, well defined).
inline constexpr std::uint64_t CenturyFactorError = CenturyFactor * GregorianCycleDays;
inline constexpr std::uint64_t JulianYearFactorError = JulianYearFactor * JulianCycleDays;
static_assert(CenturyFactorError == 33185 && JulianYearFactorError == 1175);
// Days are counted from 1 March of year -400 * FastJdnCycles, so every JDN >= -2147657944
// (all 32-bit JDNs) gives a non-negative count.
inline constexpr std::uint64_t FastJdnShift =
    static_cast<std::uint64_t>(GregorianCycleDays * FastJdnCycles - GregorianMarchEpoch);
// Largest JDN the core is exact for: n4 = 4 * count + 3 must stay below
// 2^64 / CenturyFactorError, and n4 plus its century correction (at most 3 * n4 / 146097 + 4)
// below 2^64 / JulianYearFactorError.
inline constexpr std::int64_t FastJdnMax = 100000000000000;  // 1e14 days, about 2.7e11 years
inline constexpr std::uint64_t FastMaxN4 = 4 * (FastJdnMax + FastJdnShift) + 3;
static_assert(FastMaxN4 < UINT64_MAX / CenturyFactorError);
static_assert(FastMaxN4 + FastMaxN4 / 48699 + 4 < UINT64_MAX / JulianYearFactorError);

// JDN -> Gregorian date for -2147657944 <= jdn <= FastJdnMax (every 32-bit JDN). The
// Gregorian calendar drops 3 leap days in 400 years; adding them back turns the day count
// into a Julian one, whose years are a single division by 1461/4.
constexpr CivilDate JdnToGregorian(std::int64_t jdn) noexcept {
  // 4 * (days since the shifted epoch) + 3
  const std::uint64_t n4 = 4 * static_cast<std::uint64_t>(jdn) + (4 * FastJdnShift + 3);
  const std::uint64_t centuries = MulHigh(n4, CenturyFactor);  // floor(n4 / 146097)
  // 4 * (the same day counted in the Julian calendar) + 3: the century years that were not
  // leap years (three of every four) are given their leap day back.
  const std::uint64_t j4 = n4 + 4 * (centuries - centuries / 4);
  const unsigned __int128 p = static_cast<unsigned __int128>(j4) * JulianYearFactor;
  const auto years = static_cast<std::uint64_t>(p >> 64);  // floor(j4 / 1461)
  // The low word is (j4 mod 1461) / 1461 in units of 2^-64; (j4 mod 1461) / 4 is the day.
  const std::uint64_t fourDays = MulHigh(static_cast<std::uint64_t>(p), JulianCycleDays);
  const auto dayOfYear = static_cast<std::uint32_t>(fourDays >> 2);  // [0, 365]
  return FromMarchDay(static_cast<std::int64_t>(years) - 400 * FastJdnCycles, dayOfYear);
}
// JDN -> Julian date for every 32-bit JDN (and up to 4e11).
constexpr CivilDate JdnToJulian(std::int64_t jdn) noexcept {
  return JdnToJulianShifted<FastJdnCycles>(jdn);
}
// JDN -> Gregorian date for |jdn| <= 3.9e11.
constexpr CivilDate JdnToGregorianWide(std::int64_t jdn) noexcept {
  return JdnToGregorianShifted<WideCycles>(jdn);
}
// JDN -> Julian date for |jdn| <= 3.9e11.
constexpr CivilDate JdnToJulianWide(std::int64_t jdn) noexcept {
  return JdnToJulianShifted<WideCycles>(jdn);
}

static_assert(GregorianToJdn(1, 1, 1) == 1721426);
static_assert(GregorianToJdn(2000, 1, 1) == 2451545);
static_assert(JulianToJdn(1582, 10, 4) + 1 == GregorianToJdn(1582, 10, 15));
static_assert(JdnToGregorian(2451545).year == 2000 && JdnToGregorian(2451545).month == 1);
static_assert(JdnToJulian(2299160).day == 4 && JdnToJulian(2299160).month == 10);

}  // namespace calendar_math

// ---- the library ------------------------------------------------------------------------

// Largest year magnitude the library reads: every day of such a year, in either calendar,
// has a 32-bit JDN. Beyond it str_to_date answers LibraryOutOfRange.
inline constexpr std::int32_t LibraryMaxAbsYear = 5870000;
static_assert(calendar_math::GregorianToJdn(LibraryMaxAbsYear, 12, 31) <= INT32_MAX);
static_assert(calendar_math::GregorianToJdn(-LibraryMaxAbsYear, 1, 1) >= INT32_MIN);
static_assert(calendar_math::JulianToJdn(LibraryMaxAbsYear, 12, 31) <= INT32_MAX);
static_assert(calendar_math::JulianToJdn(-LibraryMaxAbsYear, 1, 1) >= INT32_MIN);
static_assert(LibraryMaxAbsYear > MaxAbsYear);

// str_to_date answers.
inline constexpr std::int32_t LibraryOk = 0;
inline constexpr std::int32_t LibraryNotADate = -1;      // shape of the text
inline constexpr std::int32_t LibraryBadMonth = -2;      // month outside 1..12
inline constexpr std::int32_t LibraryBadDay = -3;        // day not in that month
inline constexpr std::int32_t LibraryBadArgument = -4;   // unknown format or letter
inline constexpr std::int32_t LibraryOutOfRange = -5;    // |year| > LibraryMaxAbsYear

// JDN of date.year/month/day in date.calendar ('J' Julian, anything else Gregorian); also
// stored in date.jdn. A month outside 1..12 carries into the year, a day beyond the month
// into the next months; a result beyond 32 bits saturates.
std::int32_t euro_date_to_jdn(EuroDate& date) noexcept;

// date.jdn -> date.year, month, day in date.calendar ('J' Julian, anything else Gregorian).
void jdn_to_euro_date(EuroDate& date) noexcept;

// 0 = Sunday .. 6 = Saturday, for any JDN.
std::int32_t euro_day_of_week(std::int32_t jdn) noexcept;

// Reads `text` (digits, "-" and one date separator character) as a date with its parts in
// the order of `format` (MDY 0, DMY 1, YMD 2). Only the year may carry a "-" sign. On
// LibraryOk stores year, month, day and calendar = `letter` ('G' or 'J'); a day or month
// that does not exist in the calendar is refused. Other answers: see the constants above.
std::int32_t str_to_date(std::string_view text, std::int32_t format, EuroDate& date,
                         std::int32_t letter) noexcept;

// `number` with the character `separator` (code 1..255) between groups of three digits of
// its first run of digits; a leading sign stays in front. Any other code leaves it unchanged.
std::string separate_thousands(std::string_view number, std::int32_t separator);

// Days from `earlier` to `later`, each read by year/month/day in its calendar ('G', 'J', or 0
// for CE). Sets `status` non-zero (and answers 0) when a record is not a valid date of the
// library's range or the difference leaves 32 bits; on success `status` is left as it was.
std::int32_t days_elapsed(const EuroDate& later, const EuroDate& earlier,
                          std::int32_t& status) noexcept;

}  // namespace valdora
