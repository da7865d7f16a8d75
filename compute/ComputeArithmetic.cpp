// SPDX-License-Identifier: MIT
// Day and month arithmetic of the Compute command on Julian day numbers. Every intermediate
// is 64-bit, so that no input can overflow; a result beyond the limits is reported as
// "Out of Range". No loop runs longer as the numbers grow: with weekend days not counted,
// working days are counted and stepped by the working calendar in closed form.
#include <algorithm>
#include <cstdlib>

#include "compute/Compute.h"
#include "compute/ComputeWords.h"
#include "engine/DateCore.h"
#include "engine/DateDifference.h"
#include "engine/LeapWeekCalendar.h"
#include "engine/WorkingCalendar.h"
#include "text/GenText.h"

namespace valdora {
namespace {

bool WithinLimits(std::int64_t jdn) noexcept { return jdn >= MinJdn && jdn <= MaxJdn; }

// The result of a day operation: stored when within the limits, else reported.
bool StoreResult(ComputeHost& host, std::int64_t jdn, EuroDate& rec) {
  host.SetTheFocus();
  if (!WithinLimits(jdn)) {
    ReportResultOutOfRange(host);
    return false;
  }
  rec.jdn = static_cast<Jdn>(jdn);
  return true;
}

// A day found in a working calendar, with the span of days whose being working days or not
// decided it.
struct Found {
  std::int64_t day, low, high;
};

// `day`, decided by the days between the extremes of it and `passed`.
Found Spanning(std::int64_t day, std::initializer_list<std::int64_t> passed) noexcept {
  return {day, std::min(day, std::min(passed)), std::max(day, std::max(passed))};
}

// The second date of AddDaysToFirst, d != 0. n working days (one less when a working first
// date is included) are taken as whole weeks and a remainder of single days. A first date
// that is no working weekday is not moved first: with no remainder and no holiday passed by
// the whole weeks, the result is the same weekday those weeks later. Every other case lands
// on the n-th working day from the first date (each holiday passed costs one more step).
Found AddWorkingDays(const WorkingCalendar& cal, std::int64_t jdn1, std::int64_t d,
                     bool includeFirst) noexcept {
  std::int64_t n = std::llabs(d);  // [1, 2100000000]
  if (includeFirst && cal.IsWorkingDay(jdn1)) --n;
  if (n == 0) return {jdn1, jdn1, jdn1};
  const std::int64_t dir = d > 0 ? 1 : -1;
  const std::int64_t perWeek = cal.WorkingWeekdaysPerWeek();
  if (n % perWeek == 0 && !cal.IsWorkingWeekday(jdn1)) {
    const std::int64_t jump = jdn1 + dir * 7 * (n / perWeek);
    if (cal.HolidaysOnWorkingWeekdays(jdn1, jump) == 0) return Spanning(jump, {jdn1});
  }
  return Spanning(cal.OffsetWorkingDays(jdn1, dir * n), {jdn1});
}

// The first date of SubtractDaysFromSecond, d != 0: from the last working day on or before
// the second date, n working days back (d > 0) or forward (d < 0); with the first date
// included, then the next working day towards the second date.
Found SubtractWorkingDays(const WorkingCalendar& cal, std::int64_t jdn2, std::int64_t d,
                          bool includeFirst) noexcept {
  const std::int64_t dir = d > 0 ? -1 : 1;
  const std::int64_t s = cal.WorkingDayOnOrBefore(jdn2);
  const std::int64_t x = cal.OffsetWorkingDays(s, dir * std::llabs(d));
  if (!includeFirst) return Spanning(x, {s, jdn2});
  return Spanning(cal.OffsetWorkingDays(x, -dir), {x, s, jdn2});
}

// Ends a day operation that has no result: `line` as its result line, then the message box.
void ReportFailedOperation(ComputeHost& host, const std::string& line, const std::string& message,
                           ComputeBox box) {
  host.AppendOutput(line);
  host.AppendOutput("\r\n");
  host.MoveOutputCaretToEnd(false);
  host.ShowComputeMessage(message, FixedText("Error") + "!", box);
  host.SetTheFocus();
}

// The host's working calendar for the days [low, high], noting what it leaves out; nullptr
// after its reason was reported.
const WorkingCalendar* CalendarWithin(ComputeHost& host, ComputeState& state, std::int64_t low,
                                      std::int64_t high) {
  std::string problem;
  const WorkingCalendar* cal = host.WorkingCalendarWithin(low, high, problem);
  if (cal == nullptr) {
    // The host's reason is the result line and the message alike.
    if (problem.empty()) problem = CurrentComputeWords().outOfRange;
    ReportFailedOperation(host, problem, problem, BoxWorkingCalendarFailed);
    return nullptr;
  }
  state.blnOtherWorkingWeek = cal->WorkingWeek() != kMondayToFriday;
  state.blnHolidays = cal->HasHolidayList();
  return cal;
}

// Runs `find` in the host's working calendar over a span around `from`, widened until the
// days that decided the result all lie in the span whose holidays the calendar holds. The
// first span holds one week each way; the next is sized by the working days per week.
template <typename Find>
bool FindWithinSpan(ComputeHost& host, ComputeState& state, std::int64_t from,
                    std::int64_t workingDays, Find find, std::int64_t& result) {
  std::int64_t low = from - 7, high = from + 7;
  bool sized = false;
  for (;;) {
    const WorkingCalendar* cal = CalendarWithin(host, state, low, high);
    if (cal == nullptr) return false;
    if (!sized) {
      // Whole weeks for the working days, and a week more for a remainder and a start on a
      // rest day; holidays may widen it further.
      const std::int64_t reach = 7 * (workingDays / cal->WorkingWeekdaysPerWeek() + 2);
      low = from - reach, high = from + reach;  // within +-2^35
      sized = true;
      continue;
    }
    const Found found = find(*cal);
    result = found.day;
    if (found.low >= low && found.high <= high) return true;
    // Holidays beyond the span moved the result further: widen past the day found, by an
    // eighth of the shortfall more, so that the rounds stay few.
    if (found.low < low) low = found.low - 7 - (low - found.low) / 8;
    if (found.high > high) high = found.high + 7 + (found.high - high) / 8;
  }
}

}  // namespace

const WorkingCalendar* ComputeHost::WorkingCalendarWithin(std::int64_t, std::int64_t,
                                                          std::string&) {
  static const WorkingCalendar kMondayToFridayWithoutHolidays;
  return &kMondayToFridayWithoutHolidays;
}

void ReportResultOutOfRange(ComputeHost& host) {
  ReportFailedOperation(host, CurrentComputeWords().outOfRange,
                        std::string(ComputeMessageText(ComputeMessageKind::ResultOutOfRange)),
                        BoxResultOutOfRange);
}

bool CountDaysBetween(ComputeHost& host, ComputeState& state) {
  const std::int64_t jdn1 = state.FirstDateRec.jdn, jdn2 = state.SecondDateRec.jdn;
  std::int64_t d = jdn2 - jdn1;  // [-4200000000, 4200000000]
  state.blnOtherWorkingWeek = state.blnHolidays = false;
  state.lngHolidaysInSpan = 0;
  if (state.intIncludeWeekends == 0) {
    // The working days after the earlier date up to the later one, negative when the second
    // date comes first; a working first date included counts one more.
    const WorkingCalendar* cal =
        CalendarWithin(host, state, std::min(jdn1, jdn2), std::max(jdn1, jdn2));
    if (cal == nullptr) return false;
    d = cal->CountWorkingDays(jdn1, jdn2);
    state.lngHolidaysInSpan = std::llabs(cal->HolidaysOnWorkingWeekdays(jdn1, jdn2));
    if (state.intIncludeFirstDate == 1 && cal->IsWorkingDay(jdn1)) d += d < 0 ? -1 : 1;
  } else if (state.intIncludeFirstDate == 1) {
    d += d >= 0 ? 1 : -1;
  }
  host.SetTheFocus();
  // The count is written into the difference field, which must read it back.
  if (d > MaxJdn || d < MinJdn) {
    ReportResultOutOfRange(host);
    return false;
  }
  state.lngDateDiffDays = static_cast<std::int32_t>(d);
  return true;
}

bool SubtractDaysFromSecond(ComputeHost& host, ComputeState& state) {
  const std::int64_t d = state.lngDateDiffDays;
  const std::int64_t jdn2 = state.SecondDateRec.jdn;
  std::int64_t jdn1 = jdn2;
  state.blnOtherWorkingWeek = state.blnHolidays = false;
  if (d == 0) {
    // The plain conversion of a second date.
  } else if (state.intIncludeWeekends == 1) {
    jdn1 = jdn2 - d;
    if (state.intIncludeFirstDate == 1) jdn1 += d > 0 ? 1 : -1;
  } else {
    const bool includeFirst = state.intIncludeFirstDate == 1;
    const auto find = [&](const WorkingCalendar& cal) {
      return SubtractWorkingDays(cal, jdn2, d, includeFirst);
    };
    if (!FindWithinSpan(host, state, jdn2, std::llabs(d), find, jdn1)) return false;
  }
  return StoreResult(host, jdn1, state.FirstDateRec);
}

bool AddDaysToFirst(ComputeHost& host, ComputeState& state) {
  const std::int64_t d = state.lngDateDiffDays;
  const std::int64_t jdn1 = state.FirstDateRec.jdn;
  std::int64_t jdn2 = jdn1;
  state.blnOtherWorkingWeek = state.blnHolidays = false;
  if (d == 0) {
    // The plain conversion of a first date.
  } else if (state.intIncludeWeekends == 1) {
    jdn2 = jdn1 + d;
    if (state.intIncludeFirstDate == 1) jdn2 += d > 0 ? -1 : 1;
  } else {
    const bool includeFirst = state.intIncludeFirstDate == 1;
    const auto find = [&](const WorkingCalendar& cal) {
      return AddWorkingDays(cal, jdn1, d, includeFirst);
    };
    if (!FindWithinSpan(host, state, jdn1, std::llabs(d), find, jdn2)) return false;
  }
  return StoreResult(host, jdn2, state.SecondDateRec);
}

bool AddMonthsToDate(const EuroDate& source, std::int64_t months, EuroDate& target,
                     bool lpm) noexcept {
  target = source;
  if (months == 0) return true;
  // Months counted from month 1 of year 0; floor division keeps years below 0 gapless.
  const std::int64_t index = static_cast<std::int64_t>(source.year) * 12 + (source.month - 1) +
                             months;  // |index| < 2^37
  std::int64_t year = index / 12;
  std::int64_t month0 = index % 12;  // (-12, 12)
  if (month0 < 0) {
    month0 += 12;
    year -= 1;
  }
  if (year > MaxAbsYear || year < -MaxAbsYear) return false;
  target.year = static_cast<std::int32_t>(year);
  target.month = static_cast<std::int32_t>(month0 + 1);
  if (lpm) {
    const bool leap = IsLeapWeekYear(target.year);
    const std::int32_t last =
        7 * WeeksInLeapWeekMonth(static_cast<std::int16_t>(target.month), leap);  // 28 or 35
    if (target.day > last) target.day = last;
    LeapWeekDate lw;
    lw.year = target.year;
    lw.month = static_cast<std::int16_t>(target.month);
    lw.dayOfMonth = static_cast<std::int16_t>(target.day);
    if (!MonthFormToLeapWeek(lw) || !LeapWeekToJdn(lw)) return false;
    if (!WithinLimits(lw.jdn)) return false;
    target.jdn = lw.jdn;
    return true;
  }
  std::int32_t status = 0;
  const std::int32_t last = DaysInMonth(target, status);
  if (status != 0) return false;
  if (target.day > last) target.day = last;
  return WithinLimits(EuroDateToJdn(target));
}

}  // namespace valdora
