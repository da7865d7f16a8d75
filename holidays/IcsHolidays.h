// SPDX-License-Identifier: MIT
// Holidays from an iCalendar text, read with libical. Every all-day VEVENT is a holiday (each
// day of a multi-day one); its recurrence rules, RDATEs, EXDATEs and moved instances
// (RECURRENCE-ID) are honoured. Recurrences are expanded only over the span a computation
// asks for, and kept: a span within the one expanded before costs nothing, and a rule that
// recurs forever costs no more than the span. libical's recurrence engine stops at a last
// year (RecurrenceLastYear); a span beyond it for a rule that goes on is refused with a
// reason, never answered with holidays missing. Timed events, other components and unknown
// properties are ignored and counted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateTypes.h"

namespace valdora {

// The last year whose recurrences libical expands (found by asking it once).
std::int32_t RecurrenceLastYear();

// More holidays than this from one file within one span are refused (a daily rule over
// centuries stays well below).
inline constexpr std::size_t kMaxHolidaysPerFile = 2000000;

class IcsHolidays {
 public:
  struct Ignored {
    int timedEvents = 0, otherComponents = 0, unknownProperties = 0;
  };

  IcsHolidays();
  ~IcsHolidays();
  IcsHolidays(IcsHolidays&&) noexcept;
  IcsHolidays& operator=(IcsHolidays&&) noexcept;

  // Reads an iCalendar text; false with the reason (one line) in `problem`, nothing kept.
  bool Read(std::string_view content, std::string& problem);

  // All-day events read (each recurring event once).
  std::size_t EventCount() const noexcept;
  const Ignored& IgnoredItems() const noexcept;
  // Some event recurs by rule (its holidays depend on the span asked for).
  bool Recurs() const noexcept;

  // Appends every holiday within the days [first, last]. False, with the reason in `problem`,
  // when a recurrence would have to be followed beyond RecurrenceLastYear or the span holds
  // more than kMaxHolidaysPerFile holidays.
  bool HolidaysWithin(std::int64_t first, std::int64_t last, std::vector<Jdn>& out,
                      std::string& problem);

 private:
  struct Events;
  std::unique_ptr<Events> events_;
};

}  // namespace valdora
