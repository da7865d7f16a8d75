// SPDX-License-Identifier: MIT
// What a front end keeps for working-day arithmetic: the working week and the holiday files,
// giving the engine's WorkingCalendar for the span a computation needs (the answer to
// ComputeHost::WorkingCalendarWithin). The calendar is built once for the files that are
// fixed lists, and again only when a span reaches beyond the one recurring events were
// expanded over.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/WorkingCalendar.h"
#include "holidays/HolidayFile.h"

namespace valdora {

// Reads rest days written as comma-separated English three-letter weekday names, in any
// case ("Fri,Sat"), or "none". False for an unknown name, an empty item, or all seven days
// (a week needs a working day).
bool ReadRestDays(std::string_view text, WeekdaySet& rest);
// The rest days of a set as ReadRestDays reads them, Monday first ("Sat,Sun", "none").
std::string RestDaysText(WeekdaySet rest);

class WorkingCalendarSource {
 public:
  // Sets the working weekdays; false, and nothing changed, for an empty set.
  bool SetWorkingWeek(WeekdaySet week);
  WeekdaySet WorkingWeek() const noexcept { return week_; }

  // Reads a holiday file (HolidayFile::Load) and adds it; false with the reason, nothing added.
  bool AddHolidayFile(const std::string& path, std::string& problem);
  // Adds a file already read.
  void AddHolidayFile(HolidayFile file);
  void ClearHolidayFiles();
  const std::vector<HolidayFile>& Files() const noexcept { return files_; }
  // Monday to Friday without holiday files.
  bool IsDefault() const noexcept { return week_ == kMondayToFriday && files_.empty(); }

  // The working week with every holiday of the files within the days [first, last] (more
  // may be held); valid until the next call or change. nullptr, with the reason in
  // `problem`, when the holidays of the span cannot all be known.
  const WorkingCalendar* CalendarWithin(std::int64_t first, std::int64_t last,
                                        std::string& problem);

 private:
  WeekdaySet week_ = kMondayToFriday;
  std::vector<HolidayFile> files_;
  WorkingCalendar calendar_;
  // The span whose holidays calendar_ holds; empty when it must be built again.
  std::int64_t heldFirst_ = 1, heldLast_ = 0;
};

}  // namespace valdora
