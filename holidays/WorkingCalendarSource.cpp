// SPDX-License-Identifier: MIT
// The working week and holiday files of a front end, and the calendar they give for a span.
#include "holidays/WorkingCalendarSource.h"

#include <algorithm>
#include <array>

#include "engine/StringHelpers.h"

namespace valdora {
namespace {

// Monday first, as people list a week; the bit is the engine's DayOfWeek.
constexpr std::array<std::pair<std::string_view, int>, 7> kWeekdayNames = {
    {{"Mon", 1}, {"Tue", 2}, {"Wed", 3}, {"Thu", 4}, {"Fri", 5}, {"Sat", 6}, {"Sun", 0}}};

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

// The widest span a computation can ask about: beyond it no holiday can lie.
constexpr std::int64_t kEverything = kWorkingDayLimit;

}  // namespace

bool ReadRestDays(std::string_view text, WeekdaySet& rest) {
  if (SameLetters(text, "none")) {
    rest = 0;
    return true;
  }
  WeekdaySet set = 0;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto found =
        std::find_if(kWeekdayNames.begin(), kWeekdayNames.end(),
                     [item](const auto& day) { return SameLetters(item, day.first); });
    if (found == kWeekdayNames.end()) return false;
    set = static_cast<WeekdaySet>(set | (1u << found->second));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (set == kAllWeekdays) return false;
  rest = set;
  return true;
}

std::string RestDaysText(WeekdaySet rest) {
  std::string text;
  for (const auto& [name, bit] : kWeekdayNames) {
    if (!(rest & (1u << bit))) continue;
    if (!text.empty()) text += ',';
    text += name;
  }
  return text.empty() ? "none" : text;
}

bool WorkingCalendarSource::SetWorkingWeek(WeekdaySet week) {
  if (!calendar_.SetWorkingWeek(week)) return false;
  week_ = week;
  return true;
}

bool WorkingCalendarSource::AddHolidayFile(const std::string& path, std::string& problem) {
  HolidayFile file;
  if (!file.Load(path, problem)) return false;
  AddHolidayFile(std::move(file));
  return true;
}

void WorkingCalendarSource::AddHolidayFile(HolidayFile file) {
  files_.push_back(std::move(file));
  heldFirst_ = 1, heldLast_ = 0;
}

void WorkingCalendarSource::ClearHolidayFiles() {
  files_.clear();
  heldFirst_ = 1, heldLast_ = 0;
}

const WorkingCalendar* WorkingCalendarSource::CalendarWithin(std::int64_t first, std::int64_t last,
                                                             std::string& problem) {
  if (heldFirst_ <= first && last <= heldLast_) return &calendar_;
  // Fixed lists are taken whole; recurring events over the span asked and the one held.
  const bool recurs =
      std::any_of(files_.begin(), files_.end(), [](const HolidayFile& f) { return f.Recurs(); });
  std::int64_t from = -kEverything, to = kEverything;
  if (recurs) {
    const bool held = heldFirst_ <= heldLast_;
    from = held ? std::min(first, heldFirst_) : first;
    to = held ? std::max(last, heldLast_) : last;
  }
  std::vector<Jdn> holidays;
  for (HolidayFile& file : files_)
    if (!file.HolidaysWithin(from, to, holidays, problem)) return nullptr;
  calendar_.SetHolidays(std::move(holidays));
  calendar_.SetHolidayListInForce(!files_.empty());
  heldFirst_ = from, heldLast_ = to;
  return &calendar_;
}

}  // namespace valdora
