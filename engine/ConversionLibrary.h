// The calendar-conversion library: the six functions the engine wraps (one engine operation
// each), and the closed-form Gregorian and Julian day-count algorithms they rest on.
//
// Day counts are JDNs (JDN 1721426 = 0001-01-01 CE). Every conversion is O(1): the year is
// shifted by a whole number of 400-year (Gregorian) or 4-year (Julian) cycles so that all
// divisions work on non-negative numbers, and 64-bit intermediates keep the arithmetic exact
// far beyond the engine's limits (any year of magnitude below 2^32).
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

// Cycles added before dividing so that every operand is non-negative: 2^24 cycles of 400
// years (about 6.7e9 years, 2.4e12 days) cover every year and JDN handed in below.
inline constexpr std::int64_t ShiftCycles = std::int64_t{1} << 24;
inline constexpr std::int64_t GregorianYearShift = 400 * ShiftCycles;
inline constexpr std::int64_t GregorianDayShift = GregorianCycleDays * ShiftCycles;
inline constexpr std::int64_t JulianYearShift = 400 * ShiftCycles;
inline constexpr std::int64_t JulianDayShift = 100 * JulianCycleDays * ShiftCycles;

// JDN of day 0 of the computational year that starts on 1 March of year 0.
inline constexpr std::int64_t GregorianMarchEpoch = 1721120;  // 0000-03-01 CE
inline constexpr std::int64_t JulianMarchEpoch = 1721118;     // 0000-03-01 JC

// Days from 1 March to the first of month m, m in 3..14 (January and February count as
// months 13 and 14 of the year before): floor((153 * (m - 3) + 2) / 5) by a multiply-shift.
constexpr std::uint32_t DaysBeforeMonth(std::uint32_t m) noexcept {
  return (979 * m - 2919) >> 5;  // [0, 337]
}

// Day of a March-based year [0, 365] -> month m in 3..14 and day of month 1..31; the
// multiply-shift stands for floor((5 * n + 461) / 153) (checked for every n below).
constexpr std::uint32_t MonthOfMarchDay(std::uint32_t n) noexcept {
  return (535 * n + 49483) >> 14;  // [3, 14]
}

constexpr bool CheckMonthTables() noexcept {
  for (std::uint32_t m = 3; m <= 14; ++m) {
    if (DaysBeforeMonth(m) != (153 * (m - 3) + 2) / 5) return false;
  }
  for (std::uint32_t n = 0; n <= 365; ++n) {
    if (MonthOfMarchDay(n) != (5 * n + 461) / 153) return false;
  }
  return true;
}
static_assert(CheckMonthTables());

// (year, month 1..12, day) proleptic Gregorian -> JDN. Days beyond the month's end carry
// forward linearly; exact for |year| < 6e9.
constexpr std::int64_t GregorianToJdn(std::int64_t year, std::int32_t month,
                                      std::int64_t day) noexcept {
  const bool janFeb = month < 3;
  const std::uint64_t y = static_cast<std::uint64_t>(year + GregorianYearShift - janFeb);
  const std::uint32_t m = static_cast<std::uint32_t>(month) + (janFeb ? 12u : 0u);  // [3, 14]
  const std::uint64_t century = y / 100;
  const std::uint64_t days = 1461 * y / 4 - century + century / 4 + DaysBeforeMonth(m);
  return static_cast<std::int64_t>(days) - GregorianDayShift + GregorianMarchEpoch + day - 1;
}

// (year, month 1..12, day) Julian -> JDN; exact for |year| < 6e9.
constexpr std::int64_t JulianToJdn(std::int64_t year, std::int32_t month,
                                   std::int64_t day) noexcept {
  const bool janFeb = month < 3;
  const std::uint64_t y = static_cast<std::uint64_t>(year + JulianYearShift - janFeb);
  const std::uint32_t m = static_cast<std::uint32_t>(month) + (janFeb ? 12u : 0u);  // [3, 14]
  const std::uint64_t days = 1461 * y / 4 + DaysBeforeMonth(m);
  return static_cast<std::int64_t>(days) - JulianDayShift + JulianMarchEpoch + day - 1;
}

// Result of a JDN -> calendar date conversion.
struct CivilDate {
  std::int64_t year;
  std::int32_t month;  // 1..12
  std::int32_t day;    // 1..31
};

// Day n of a March-based year [0, 365] of computational year y -> civil date.
constexpr CivilDate FromMarchDay(std::int64_t y, std::uint32_t n) noexcept {
  const std::uint32_t m = MonthOfMarchDay(n);                        // [3, 14]
  const std::int32_t day = static_cast<std::int32_t>(n - DaysBeforeMonth(m)) + 1;  // [1, 31]
  const bool janFeb = m > 12;
  return {y + janFeb, static_cast<std::int32_t>(janFeb ? m - 12 : m), day};
}

// JDN -> proleptic Gregorian date; exact for |jdn| < 2e12.
constexpr CivilDate JdnToGregorian(std::int64_t jdn) noexcept {
  const std::uint64_t n =
      static_cast<std::uint64_t>(jdn - GregorianMarchEpoch + GregorianDayShift);
  const std::uint64_t century = (4 * n + 3) / GregorianCycleDays;
  const std::uint64_t dayOfCentury = (4 * n + 3 - GregorianCycleDays * century) / 4;  // [0, 36524]
  const std::uint64_t yearOfCentury = (4 * dayOfCentury + 3) / 1461;                 // [0, 99]
  const std::uint32_t dayOfYear =
      static_cast<std::uint32_t>((4 * dayOfCentury + 3 - 1461 * yearOfCentury) / 4);  // [0, 365]
  const std::int64_t y =
      static_cast<std::int64_t>(100 * century + yearOfCentury) - GregorianYearShift;
  return FromMarchDay(y, dayOfYear);
}

// JDN -> Julian date; exact for |jdn| < 2e12.
constexpr CivilDate JdnToJulian(std::int64_t jdn) noexcept {
  const std::uint64_t n = static_cast<std::uint64_t>(jdn - JulianMarchEpoch + JulianDayShift);
  const std::uint64_t y4 = (4 * n + 3) / JulianCycleDays;
  const std::uint32_t dayOfYear =
      static_cast<std::uint32_t>((4 * n + 3 - JulianCycleDays * y4) / 4);  // [0, 365]
  return FromMarchDay(static_cast<std::int64_t>(y4) - JulianYearShift, dayOfYear);
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
// library's range or the difference leaves 32 bits.
std::int32_t days_elapsed(const EuroDate& later, const EuroDate& earlier,
                          std::int32_t& status) noexcept;

}  // namespace valdora
