// SPDX-License-Identifier: MIT
// Differences between two dates in calendar units: years, months and days (CE, JC), ISO
// years, weeks and days, ordinal years and days. Never negative: each breakdown, added back
// to the first date, gives the second.
#pragma once

#include <cstdint>

#include "engine/DateTypes.h"

namespace valdora {

// Days of month (year, month) in the record's calendar ('J' Julian, otherwise CE). `status`
// is handed to the library (days_elapsed): left as it was on success, so the caller sets it
// to 0 first; non-zero after the call marks the result unusable.
std::int32_t DaysInMonth(const EuroDate& date, std::int32_t& status) noexcept;

// Days of CE year `year` (365 or 366); `status` as for DaysInMonth.
std::int32_t DaysInYear(std::int32_t year, std::int32_t& status) noexcept;

// first <= second, both by year/month/day in their calendar. Whole years and months first;
// the days run from the first date advanced by them (day clamped to the month's end) to the
// second. status 0; non-zero when the library failed or the first date is later (-1).
void YearsMonthsDaysBetween(const EuroDate& first, const EuroDate& second, std::int32_t& years,
                            std::int16_t& months, std::int16_t& days,
                            std::int32_t& status) noexcept;

// first <= second as ISO week dates (isoYear, week, weekday used). Whole ISO years first
// (a week 53 carried into a year of 52 weeks stands on week 52), then weeks and days to the
// second date. status 0, or -1 when the first date is later.
void IsoYearsWeeksDaysBetween(const IsoWeekDate& first, const IsoWeekDate& second,
                              std::int32_t& years, std::int16_t& weeks, std::int16_t& days,
                              std::int32_t& status) noexcept;

// first <= second, CE dates (year, month, day used). Whole years first (day 366 carried into
// a common year stands on day 365), then the days. status 0; non-zero when the library
// failed or the first date is later (-1).
void OrdinalYearsDaysBetween(const EuroDate& first, const EuroDate& second, std::int32_t& years,
                             std::int16_t& days, std::int32_t& status) noexcept;

}  // namespace valdora
