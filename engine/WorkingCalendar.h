// SPDX-License-Identifier: MIT
// Working days: a working week (any non-empty set of weekdays; the others are rest days) and
// a list of holidays, which are never working days whatever their weekday. Counting working
// days between two days and finding the n-th working day from a day take O(log H) for H
// holidays, whatever the distance: whole weeks are counted in closed form and holidays found
// by binary search.
//
// Days here are 64-bit day numbers on the JDN scale (an operation may land beyond the JDN
// limits; the caller decides what that means). Every operation is exact for days and counts
// of absolute value up to kWorkingDayLimit.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/DateTypes.h"

namespace valdora {

// A set of weekdays: bit d stands for DayOfWeek d (0 Sunday, 1 Monday .. 6 Saturday).
using WeekdaySet = std::uint8_t;
inline constexpr WeekdaySet kAllWeekdays = 0x7F;
inline constexpr WeekdaySet kMondayToFriday = 0x3E;

// Days and counts of absolute value up to this bound are handled exactly.
inline constexpr std::int64_t kWorkingDayLimit = std::int64_t{1} << 40;

class WorkingCalendar {
 public:
  // Monday to Friday without holidays: the week of "weekend days not counted".
  WorkingCalendar() noexcept;

  // Sets the working weekdays; false, and nothing changed, for an empty set or a bit beyond
  // Saturday.
  bool SetWorkingWeek(WeekdaySet week);
  // Replaces the holidays; they may come in any order and repeat.
  void SetHolidays(std::vector<Jdn> holidays);
  // Marks a holiday list in force even when none of its holidays is held (a front end holds
  // only those of the span asked for). It names what is left out, and changes no result.
  void SetHolidayListInForce(bool inForce) noexcept { listInForce_ = inForce; }
  // Holidays are held, or a holiday list is in force.
  bool HasHolidayList() const noexcept { return listInForce_ || !holidays_.empty(); }

  WeekdaySet WorkingWeek() const noexcept { return week_; }
  // The holidays, sorted, each once.
  const std::vector<Jdn>& Holidays() const noexcept { return holidays_; }
  // Working weekdays per week, 1..7.
  int WorkingWeekdaysPerWeek() const noexcept { return perWeek_; }
  // Monday to Friday without holidays.
  bool IsDefault() const noexcept { return week_ == kMondayToFriday && holidays_.empty(); }

  // The weekday of `day` belongs to the working week (holidays aside).
  bool IsWorkingWeekday(std::int64_t day) const noexcept;
  // A working weekday that is not a holiday.
  bool IsWorkingDay(std::int64_t day) const noexcept;

  // Working days in (from, to] when from <= to; minus the working days in (to, from] when
  // to < from.
  std::int64_t CountWorkingDays(std::int64_t from, std::int64_t to) const noexcept;
  // Holidays on working weekdays in (from, to] when from <= to; minus those in (to, from]
  // when to < from. Holidays on rest days are never counted: they change nothing.
  std::int64_t HolidaysOnWorkingWeekdays(std::int64_t from, std::int64_t to) const noexcept;

  // n > 0: the n-th working day after `day`; n < 0: the |n|-th working day before it (the
  // working day x with |n| working days in [x, day)); n = 0: `day` itself.
  std::int64_t OffsetWorkingDays(std::int64_t day, std::int64_t n) const noexcept;
  // The last working day on or before `day`.
  std::int64_t WorkingDayOnOrBefore(std::int64_t day) const noexcept;

 private:
  // Working weekdays in [0, day] for day >= 0, minus those in (day, -1] below (JDN 0 is a
  // Monday). Holidays not considered.
  std::int64_t WeekdayRank(std::int64_t day) const noexcept;
  // The first day whose WeekdayRank reaches `rank` (a working weekday).
  std::int64_t DayOfWeekdayRank(std::int64_t rank) const noexcept;
  // WeekdayRank(day) less the holidays on working weekdays up to `day`: working days counted
  // from a fixed origin, so that a difference of two is a count.
  std::int64_t Rank(std::int64_t day) const noexcept;
  // The first day whose Rank reaches `rank` (a working day).
  std::int64_t DayOfRank(std::int64_t rank) const noexcept;
  // Rebuilds the holidays on working weekdays and their search keys.
  void IndexHolidays();

  WeekdaySet week_ = kMondayToFriday;
  int perWeek_ = 5;
  // before_[i]: working weekdays among the first i days (Monday first) of a week, i in 0..7.
  std::array<std::int8_t, 8> before_{};
  // at_[i]: the day (0 Monday .. 6 Sunday) of the i-th working weekday of a week, i in 1..7.
  std::array<std::int8_t, 8> at_{};
  std::vector<Jdn> holidays_;
  bool listInForce_ = false;
  // The holidays on working weekdays, and for the j-th of them WeekdayRank(day) - j: a
  // non-decreasing key whose upper bound for a rank r is the number of these holidays that
  // come before the working day of rank r.
  std::vector<Jdn> working_;
  std::vector<std::int64_t> key_;
};

}  // namespace valdora
