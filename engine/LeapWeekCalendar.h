// SPDX-License-Identifier: MIT
// The leap-week calendar: years of 52 or 53 whole weeks, each beginning on a Monday, in a
// week form (year, week, weekday; code LPW) and a month form (year, month, day; code LPM).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// A leap-week date. `status` is the result of the last validation: 0 valid, -1 year beyond
// MaxAbsYear, -2 month out of range, -3 day, week or weekday out of range.
struct LeapWeekDate {
  std::int32_t year = 0;
  std::int16_t month = 0;       // 1..12 (month form)
  std::int16_t dayOfMonth = 0;  // 1..35 (month form)
  std::int16_t week = 0;        // 1..53 (week form)
  std::int16_t weekday = 0;     // 1 = Monday .. 7 = Sunday
  std::int32_t jdn = 0;
  std::int16_t status = 0;
};

inline constexpr Jdn LeapWeekEpochJdn = 1721419;           // Monday, first day of year 1
inline constexpr std::int32_t LeapWeekCycleDays = 146097;  // 400 years
inline constexpr std::int32_t LeapWeekCycleLeapYears = 71;
static_assert(400 * 364 + LeapWeekCycleLeapYears * 7 == LeapWeekCycleDays);

// Whole 400-year cycles added before dividing so that every operand is non-negative (and
// the division needs no sign fix-up): 2^23 cycles exceed any 32-bit year or JDN.
inline constexpr std::int64_t LeapWeekShiftCycles = std::int64_t{1} << 23;
static_assert(LeapWeekShiftCycles * 400 > (std::int64_t{1} << 31));

// True when `year` has 53 weeks: (71 * year + 203) mod 400 < 71, any sign of year.
constexpr bool IsLeapWeekYear(std::int32_t year) noexcept {
  const auto y = static_cast<std::uint64_t>(year + 400 * LeapWeekShiftCycles);  // > 0
  return (71 * y + 203) % 400 < 71;
}

// Weeks of a leap-week year: 52 or 53.
constexpr std::int16_t WeeksInLeapWeekYear(std::int32_t year) noexcept {
  return IsLeapWeekYear(year) ? 53 : 52;
}

// Weeks of month 1..12: 5 for months 1, 4, 7, 10 and for month 12 of a leap year, else 4.
constexpr std::int16_t WeeksInLeapWeekMonth(std::int16_t month, bool leap) noexcept {
  if (month == 12) return leap ? 5 : 4;
  return (month % 3 == 1) ? 5 : 4;
}

// JDN of the first day (a Monday) of `year` (|year| <= MaxAbsYear keeps it in 32 bits).
std::int64_t LeapWeekYearStart(std::int32_t year) noexcept;

// 0 when the weekday is 1..7 and the week lies within the weeks of the year, else -3.
std::int16_t CheckLeapWeekDate(const LeapWeekDate& date) noexcept;

// date.jdn -> year, week, weekday; status 0. Closed form, any JDN in MinJdn..MaxJdn.
void JdnToLeapWeek(LeapWeekDate& date) noexcept;

// Week form -> month and dayOfMonth after validation: true with status 0; false (status -3)
// if invalid.
bool LeapWeekToMonthForm(LeapWeekDate& date) noexcept;

// Month form -> week and weekday after validation: true with status 0; false with status -2
// or -3 if invalid.
bool MonthFormToLeapWeek(LeapWeekDate& date) noexcept;

// Week form -> jdn after validation: true with status 0; false (status -1 or -3) if invalid.
bool LeapWeekToJdn(LeapWeekDate& date) noexcept;

// "2020-02-1", with " LPW" appended when `label` is set; a year of five digits or more has
// `groupingSeparator` between its digit groups of three ("12,020-02-1"; empty: none).
std::string FormatLeapWeekDate(const LeapWeekDate& date, bool label,
                               std::string_view groupingSeparator);

// "2020-01-08", with " LPM" appended when `label` is set; years grouped as in the week form.
std::string FormatLeapMonthDate(const LeapWeekDate& date, bool label,
                                std::string_view groupingSeparator);

// Reads a week-form text; on 1 `date` holds the week form and the JDN.
ParseStatus ParseLeapWeekDate(std::string_view text, LeapWeekDate& date) noexcept;

// Reads a month-form text; on 1 `date` holds the month form, the week form and the JDN.
ParseStatus ParseLeapMonthDate(std::string_view text, LeapWeekDate& date) noexcept;

// The program-wide digit group separator of leap-week years from an absolute value of 10000
// on (default ","; empty = no grouping), which CurrentDateTextSettings hands on. The windows
// set it from the system locale. A separator holding a digit or "-" could not be read back
// and is replaced by ",".
void SetLocaleGroupingSeparator(std::string sep);
const std::string& LocaleGroupingSeparator() noexcept;

}  // namespace valdora
