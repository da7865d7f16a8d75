// SPDX-License-Identifier: MIT
// Operations on the date record and Julian day numbers: calendar letters, conversion
// between EuroDate and JDN, weekdays, days of the year, leap years and today's date.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// CE and ORD set date.calendar to 'G', JC to 'J' and answer true; any other code answers
// false and leaves the record unchanged.
bool CalendarLetter(CalendarCode code, EuroDate& date) noexcept;

// JDN of date.year/month/day in date.calendar; stored in date.jdn and returned.
Jdn EuroDateToJdn(EuroDate& date) noexcept;

// date.jdn -> date.year, month, day in date.calendar.
void JdnToEuroDate(EuroDate& date) noexcept;

// 0 = Sunday, 1 = Monday .. 6 = Saturday.
std::int16_t DayOfWeek(Jdn jdn) noexcept;

// True for Monday to Friday.
bool IsWorkday(Jdn jdn) noexcept;

// Stores the record's JDN in date.jdn, then answers its day of the year (1..366) in the
// record's calendar.
std::int16_t DayOfYear(EuroDate& date) noexcept;

// JDN of day `dayOfYear` (1..366, validated by the caller) of CE year `year`.
Jdn OrdinalToJdn(std::int32_t year, std::int16_t dayOfYear) noexcept;

// Leap year by the Julian rule when the first character of `calendar` is 'J' or 'j', else by
// the Gregorian rule; any sign of year.
bool IsLeapYear(std::int32_t year, std::string_view calendar) noexcept;

// JDN of today's local date (or of the fixed today, see SetFixedToday).
Jdn TodayJdn() noexcept;

// Today's CE date with calendar 'G' and its JDN.
void TodayEuroDate(EuroDate& date) noexcept;

// DayOfWeek(TodayJdn()).
std::int16_t TodayDayOfWeek() noexcept;

// From now on the CE date (year, month, day) is taken as today (tests, reproducible runs).
void SetFixedToday(std::int32_t year, std::int32_t month, std::int32_t day) noexcept;

// From now on today is read from the system clock again (the default).
void UseSystemToday() noexcept;

}  // namespace valdora
