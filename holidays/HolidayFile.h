// SPDX-License-Identifier: MIT
// One holiday file, read once: a plain list of dates or an iCalendar file, told apart by
// content (an iCalendar file begins with BEGIN:VCALENDAR). Every failure is one line naming
// the file (and, in a plain list, the line).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateTypes.h"
#include "holidays/IcsHolidays.h"

namespace valdora {

// Files larger than this are refused before they are read.
inline constexpr std::uintmax_t kMaxHolidayFileBytes = 64u << 20;

class HolidayFile {
 public:
  // Reads the file at `path`; false with the reason in `problem`.
  bool Load(const std::string& path, std::string& problem);
  // Reads `content` as the file `name`; false with the reason in `problem`.
  bool Read(std::string_view content, const std::string& name, std::string& problem);

  const std::string& Name() const noexcept { return name_; }
  bool IsICalendar() const noexcept { return ics_ != nullptr; }
  // The holidays the file gives: the dates of a plain list (each once), the all-day events
  // of an iCalendar file (a recurring one once).
  std::size_t HolidayCount() const noexcept;
  // What an iCalendar file had that is no holiday, as one line ("2 timed events, 1 other
  // component and 3 unknown properties ignored"); "" when there was nothing.
  std::string IgnoredNote() const;
  // Its holidays depend on the span asked for (recurring events).
  bool Recurs() const noexcept { return ics_ && ics_->Recurs(); }

  // Appends every holiday of the file within the days [first, last]; false with the reason
  // (naming the file) when they cannot all be known.
  bool HolidaysWithin(std::int64_t first, std::int64_t last, std::vector<Jdn>& out,
                      std::string& problem);

 private:
  std::string name_;
  std::vector<Jdn> dates_;  // a plain list, sorted, each once
  std::unique_ptr<IcsHolidays> ics_;
};

}  // namespace valdora
