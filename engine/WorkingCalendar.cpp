// SPDX-License-Identifier: MIT
// Working days by rank: every day gets the number of working days from a fixed origin up to
// it, in closed form for the weekdays less a binary search for the holidays. Counts are
// differences of ranks, offsets the first day of a rank.
#include "engine/WorkingCalendar.h"

#include <algorithm>

namespace valdora {
namespace {

constexpr std::int64_t kWeek = 7;

// Floor division and its remainder by 7, for either sign.
constexpr std::int64_t WeeksOf(std::int64_t day) noexcept {
  return day >= 0 ? day / kWeek : -((-day + kWeek - 1) / kWeek);
}
constexpr int DayInWeek(std::int64_t day) noexcept {  // 0 Monday .. 6 Sunday
  return static_cast<int>(day - kWeek * WeeksOf(day));
}
static_assert(WeeksOf(-1) == -1 && DayInWeek(-1) == 6 && WeeksOf(-7) == -1 && DayInWeek(-7) == 0);
static_assert(WeeksOf(13) == 1 && DayInWeek(13) == 6);

// The WeekdaySet bit of day d of a week counted from Monday (JDN 0 is a Monday).
constexpr WeekdaySet BitOfDayInWeek(int d) noexcept {
  return static_cast<WeekdaySet>(1u << ((d + 1) % 7));
}

// The number of elements of a sorted array that are at most `value`: a binary search without
// branches, since the comparisons of days spread over centuries cannot be predicted.
template <typename T>
std::int64_t CountUpTo(const std::vector<T>& sorted, std::int64_t value) noexcept {
  if (sorted.empty()) return 0;
  const T* base = sorted.data();
  for (std::size_t n = sorted.size(); n > 1;) {
    const std::size_t half = n / 2;
    base = base[half] <= value ? base + half : base;
    n -= half;
  }
  return (base - sorted.data()) + (*base <= value ? 1 : 0);
}

}  // namespace

// With no holidays yet, setting the week allocates nothing and cannot fail.
WorkingCalendar::WorkingCalendar() noexcept { SetWorkingWeek(kMondayToFriday); }

bool WorkingCalendar::SetWorkingWeek(WeekdaySet week) {
  if (week == 0 || (week & ~kAllWeekdays) != 0) return false;
  int n = 0;
  for (int d = 0; d < 7; ++d) {
    before_[d] = static_cast<std::int8_t>(n);
    if (week & BitOfDayInWeek(d)) at_[++n] = static_cast<std::int8_t>(d);
  }
  before_[7] = static_cast<std::int8_t>(n);
  week_ = week;
  perWeek_ = n;
  IndexHolidays();
  return true;
}

void WorkingCalendar::SetHolidays(std::vector<Jdn> holidays) {
  std::sort(holidays.begin(), holidays.end());
  holidays.erase(std::unique(holidays.begin(), holidays.end()), holidays.end());
  holidays_ = std::move(holidays);
  IndexHolidays();
}

void WorkingCalendar::IndexHolidays() {
  working_.clear();
  key_.clear();
  for (const Jdn day : holidays_) {
    if (!IsWorkingWeekday(day)) continue;
    key_.push_back(WeekdayRank(day) - static_cast<std::int64_t>(working_.size()));
    working_.push_back(day);
  }
}

bool WorkingCalendar::IsWorkingWeekday(std::int64_t day) const noexcept {
  return (week_ & BitOfDayInWeek(DayInWeek(day))) != 0;
}

bool WorkingCalendar::IsWorkingDay(std::int64_t day) const noexcept {
  if (!IsWorkingWeekday(day)) return false;
  const std::int64_t upTo = CountUpTo(working_, day);
  return upTo == 0 || working_[static_cast<std::size_t>(upTo - 1)] != day;
}

std::int64_t WorkingCalendar::WeekdayRank(std::int64_t day) const noexcept {
  // |day| <= 2^40: the product stays below 2^43.
  return perWeek_ * WeeksOf(day) + before_[DayInWeek(day) + 1];
}

std::int64_t WorkingCalendar::DayOfWeekdayRank(std::int64_t rank) const noexcept {
  // rank = perWeek * weeks + i with i in [1, perWeek]: the i-th working weekday of that week.
  const std::int64_t r = rank - 1;
  const std::int64_t weeks = r >= 0 ? r / perWeek_ : -((-r + perWeek_ - 1) / perWeek_);
  const int i = static_cast<int>(rank - perWeek_ * weeks);  // [1, perWeek]
  return kWeek * weeks + at_[i];
}

std::int64_t WorkingCalendar::Rank(std::int64_t day) const noexcept {
  return WeekdayRank(day) - CountUpTo(working_, day);
}

std::int64_t WorkingCalendar::DayOfRank(std::int64_t rank) const noexcept {
  // The holidays before the working day of `rank` are those whose key is at most `rank`;
  // that day is the working weekday of rank `rank` plus their number.
  return DayOfWeekdayRank(rank + CountUpTo(key_, rank));
}

std::int64_t WorkingCalendar::CountWorkingDays(std::int64_t from, std::int64_t to) const noexcept {
  return Rank(to) - Rank(from);
}

std::int64_t WorkingCalendar::HolidaysOnWorkingWeekdays(std::int64_t from,
                                                        std::int64_t to) const noexcept {
  return (WeekdayRank(to) - WeekdayRank(from)) - CountWorkingDays(from, to);
}

std::int64_t WorkingCalendar::OffsetWorkingDays(std::int64_t day, std::int64_t n) const noexcept {
  if (n > 0) return DayOfRank(Rank(day) + n);
  if (n < 0) return DayOfRank(Rank(day - 1) + n + 1);
  return day;
}

std::int64_t WorkingCalendar::WorkingDayOnOrBefore(std::int64_t day) const noexcept {
  return DayOfRank(Rank(day));
}

}  // namespace valdora
