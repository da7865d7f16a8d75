// SPDX-License-Identifier: MIT
// Breakdowns of the span between two dates into calendar units. Each is anchored: whole
// years (and months) are taken first from the fields, the first date is advanced by them,
// clamped to the end of its month or year, and the rest is counted in days from there.
// Counting that way the parts are never negative and always add back to the second date.
#include "engine/DateDifference.h"

#include <algorithm>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/IsoOrdinal.h"

namespace valdora {

namespace {

std::int16_t LetterOf(const EuroDate& date) noexcept {
  return date.calendar == JulianLetter ? JulianLetter : GregorianLetter;
}

}  // namespace

std::int32_t DaysInMonth(const EuroDate& date, std::int32_t& status) noexcept {
  const EuroDate first{date.year, date.month, 1, date.calendar, 0};
  const EuroDate next = date.month == 12 ? EuroDate{date.year + 1, 1, 1, date.calendar, 0}
                                         : EuroDate{date.year, date.month + 1, 1, date.calendar, 0};
  return days_elapsed(next, first, status);
}

std::int32_t DaysInYear(std::int32_t year, std::int32_t& status) noexcept {
  const EuroDate first{year, 1, 1, 0, 0};
  const EuroDate next{year + 1, 1, 1, 0, 0};
  return days_elapsed(next, first, status);
}

void YearsMonthsDaysBetween(const EuroDate& first, const EuroDate& second, std::int32_t& years,
                            std::int16_t& months, std::int16_t& days,
                            std::int32_t& status) noexcept {
  status = 0;
  years = 0;
  months = 0;
  days = 0;
  EuroDate a{first.year, first.month, first.day, LetterOf(first), 0};
  EuroDate b{second.year, second.month, second.day, LetterOf(second), 0};
  const Jdn end = EuroDateToJdn(b);
  if (EuroDateToJdn(a) > end) {
    status = -1;
    return;
  }
  // Whole years and months by the fields: the last month day not after the second date.
  const bool dayBefore = b.day < a.day;
  const bool monthDayBefore = b.month < a.month || (b.month == a.month && dayBefore);
  const std::int32_t y = b.year - a.year - (monthDayBefore ? 1 : 0);
  std::int32_t m = b.month - a.month - (dayBefore ? 1 : 0);
  if (m < 0) m += 12;  // [0, 11]

  EuroDate anchor{a.year + y, a.month + m, 1, a.calendar, 0};
  if (anchor.month > 12) {
    anchor.month -= 12;
    anchor.year += 1;
  }
  anchor.day = std::min(a.day, DaysInMonth(anchor, status));
  if (status != 0) return;
  const std::int64_t rest = static_cast<std::int64_t>(end) - EuroDateToJdn(anchor);  // [0, 30]
  if (rest < 0 || rest > 31) {
    status = -1;
    return;
  }
  years = y;
  months = static_cast<std::int16_t>(m);
  days = static_cast<std::int16_t>(rest);
}

void IsoYearsWeeksDaysBetween(const IsoWeekDate& first, const IsoWeekDate& second,
                              std::int32_t& years, std::int16_t& weeks, std::int16_t& days,
                              std::int32_t& status) noexcept {
  status = 0;
  years = 0;
  weeks = 0;
  days = 0;
  IsoWeekDate a{first.isoYear, first.week, first.weekday, 0};
  IsoWeekDate b{second.isoYear, second.week, second.weekday, 0};
  IsoWeekDateToJdn(a);
  IsoWeekDateToJdn(b);
  if (a.jdn > b.jdn) {
    status = -1;
    return;
  }
  const bool before = b.week < a.week || (b.week == a.week && b.weekday < a.weekday);
  const std::int32_t y = b.isoYear - a.isoYear - (before ? 1 : 0);
  IsoWeekDate anchor{a.isoYear + y, a.week, a.weekday, 0};
  if (anchor.week == 53 && !HasIsoWeek53(anchor.isoYear)) anchor.week = 52;
  IsoWeekDateToJdn(anchor);
  const std::int64_t rest = static_cast<std::int64_t>(b.jdn) - anchor.jdn;  // [0, 370]
  if (rest < 0 || rest > 371) {
    status = -1;
    return;
  }
  years = y;
  weeks = static_cast<std::int16_t>(rest / 7);
  days = static_cast<std::int16_t>(rest % 7);
}

void OrdinalYearsDaysBetween(const EuroDate& first, const EuroDate& second, std::int32_t& years,
                             std::int16_t& days, std::int32_t& status) noexcept {
  status = 0;
  years = 0;
  days = 0;
  EuroDate a{first.year, first.month, first.day, GregorianLetter, 0};
  EuroDate b{second.year, second.month, second.day, GregorianLetter, 0};
  const std::int16_t dayA = DayOfYear(a);  // also sets a.jdn
  const std::int16_t dayB = DayOfYear(b);
  if (a.jdn > b.jdn) {
    status = -1;
    return;
  }
  const std::int32_t y = b.year - a.year - (dayB < dayA ? 1 : 0);
  const std::int32_t anchorYear = a.year + y;
  const std::int32_t anchorDay = std::min<std::int32_t>(dayA, DaysInYear(anchorYear, status));
  if (status != 0) return;
  const std::int64_t rest = static_cast<std::int64_t>(b.jdn) -
                            OrdinalToJdn(anchorYear, static_cast<std::int16_t>(anchorDay));
  if (rest < 0 || rest > 366) {
    status = -1;
    return;
  }
  years = y;
  days = static_cast<std::int16_t>(rest);
}

}  // namespace valdora
