// SPDX-License-Identifier: MIT
// Day and month arithmetic of the Compute command on Julian day numbers. Every intermediate
// is 64-bit, so that no input can overflow; a result beyond the limits is reported as
// "Out of Range". No loop runs longer as the numbers grow: whole weeks (or whole groups of
// five workdays) are counted at once and at most six single days are stepped.
#include <cstdlib>

#include "compute/Compute.h"
#include "compute/ComputeWords.h"
#include "engine/DateCore.h"
#include "engine/DateDifference.h"
#include "engine/LeapWeekCalendar.h"

namespace valdora {
namespace {

// A day within MinJdn - 7 .. MaxJdn + 7, so that it and its neighbours fit in a Jdn.
constexpr std::int64_t kSteppable = static_cast<std::int64_t>(MaxJdn) + 7;
static_assert(kSteppable + 7 < INT32_MAX);

bool Workday(std::int64_t jdn) noexcept { return IsWorkday(static_cast<Jdn>(jdn)); }

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

}  // namespace

void ReportResultOutOfRange(ComputeHost& host) {
  host.AppendOutput(CurrentComputeWords().outOfRange);
  host.AppendOutput("\r\n");
  host.MoveOutputCaretToEnd(false);
  ShowComputeError(host, 9);
  host.SetTheFocus();
}

bool CountDaysBetween(ComputeHost& host) {
  const std::int64_t jdn1 = FirstDateRec.jdn, jdn2 = SecondDateRec.jdn;
  std::int64_t d = jdn2 - jdn1;  // [-4200000000, 4200000000]
  if (intIncludeWeekends == 0) {
    // Each run of seven days holds two weekend days; only the leftover days after the
    // earlier date (at most six) are tested one by one.
    const std::int64_t w = std::llabs(d) / 7;
    if (d > 0) {
      d -= 2 * w;
      for (std::int64_t i = jdn1 + 1; i <= jdn2 - 7 * w; ++i)
        if (!Workday(i)) --d;
    } else {
      d += 2 * w;
      for (std::int64_t i = jdn2 + 1; i <= jdn1 - 7 * w; ++i)
        if (!Workday(i)) ++d;
    }
  }
  if (intIncludeFirstDate == 1) {
    if (intIncludeWeekends == 1) {
      d += d >= 0 ? 1 : -1;
    } else if (Workday(jdn1)) {
      d += d < 0 ? -1 : 1;
    }
  }
  host.SetTheFocus();
  // The count is written into the difference field, which must read it back.
  if (d > MaxJdn || d < MinJdn) {
    ReportResultOutOfRange(host);
    return false;
  }
  lngDateDiffDays = static_cast<std::int32_t>(d);
  return true;
}

bool SubtractDaysFromSecond(ComputeHost& host) {
  const std::int64_t d = lngDateDiffDays;
  const std::int64_t jdn2 = SecondDateRec.jdn;
  std::int64_t jdn1 = jdn2;
  if (d == 0) {
    // The plain conversion of a second date.
  } else if (intIncludeWeekends == 1) {
    jdn1 = jdn2 - d;
    if (intIncludeFirstDate == 1) jdn1 += d > 0 ? 1 : -1;
  } else {
    std::int64_t s = jdn2;
    while (!Workday(s)) --s;  // a weekend second date starts from the Friday before
    const std::int64_t n = std::llabs(d);
    const std::int64_t w = n / 5;
    int r = static_cast<int>(n - 5 * w);  // [0, 4]
    const int step = d > 0 ? -1 : 1;
    while (r > 0) {
      s += step;
      if (Workday(s)) --r;
    }
    jdn1 = s + step * 7 * w;
    if (intIncludeFirstDate == 1 && jdn1 >= -kSteppable && jdn1 <= kSteppable) {
      // d > 0: the first workday after; d < 0: the last workday before.
      const int dir = d > 0 ? 1 : -1;
      do jdn1 += dir;
      while (!Workday(jdn1));
    }
  }
  return StoreResult(host, jdn1, FirstDateRec);
}

bool AddDaysToFirst(ComputeHost& host) {
  const std::int64_t d = lngDateDiffDays;
  const std::int64_t jdn1 = FirstDateRec.jdn;
  std::int64_t jdn2 = jdn1;
  if (d == 0) {
    // The plain conversion of a first date.
  } else if (intIncludeWeekends == 1) {
    jdn2 = jdn1 + d;
    if (intIncludeFirstDate == 1) jdn2 += d > 0 ? -1 : 1;
  } else {
    std::int64_t n = std::llabs(d);
    if (intIncludeFirstDate == 1 && Workday(jdn1)) --n;
    const std::int64_t w = n / 5;
    int r = static_cast<int>(n - 5 * w);  // [0, 4]
    const int step = d > 0 ? 1 : -1;
    std::int64_t s = jdn1;
    // A weekend first date is not moved first: with r = 0 it lands on the same weekday.
    while (r > 0) {
      s += step;
      if (Workday(s)) --r;
    }
    jdn2 = s + step * 7 * w;
  }
  return StoreResult(host, jdn2, SecondDateRec);
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
