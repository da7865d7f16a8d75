// SPDX-License-Identifier: MIT
#include "presentation/WorkingWeekFile.h"

#include <algorithm>

#include "holidays/WorkingCalendarSource.h"
#include "presentation/UserFile.h"

namespace valdora {

bool IsKeepablePath(std::string_view path) noexcept {
  return !path.empty() && path.find_first_of(std::string_view("\r\n\0", 3)) == path.npos;
}

bool ParseWorkingWeekFile(std::string_view text, WorkingWeekSettings& settings) {
  settings = WorkingWeekSettings{};
  if (text.size() > kMaxWorkingWeekFileBytes) return false;
  WorkingWeekSettings read;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == text.npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      WeekdaySet rest = 0;
      if (!ReadRestDays(line, rest)) return false;  // never all seven days
      read.week = static_cast<WeekdaySet>(kAllWeekdays & ~rest);
      first = false;
      continue;
    }
    if (line.empty()) continue;
    if (!IsKeepablePath(line)) return false;
    if (std::find(read.holidayFiles.begin(), read.holidayFiles.end(), line) ==
        read.holidayFiles.end())
      read.holidayFiles.emplace_back(line);
  }
  if (first) return false;  // an empty file
  settings = std::move(read);
  return true;
}

std::string FormatWorkingWeekFile(const WorkingWeekSettings& settings) {
  const WeekdaySet week = (settings.week & kAllWeekdays) != 0
                              ? static_cast<WeekdaySet>(settings.week & kAllWeekdays)
                              : kMondayToFriday;
  std::string text = RestDaysText(static_cast<WeekdaySet>(kAllWeekdays & ~week)) + "\r\n";
  for (const std::string& path : settings.holidayFiles)
    if (IsKeepablePath(path)) text += path + "\r\n";
  return text;
}

bool LoadWorkingWeekFile(const std::string& path, WorkingWeekSettings& settings) {
  std::string text;
  if (!ReadRegularFileText(path, kMaxWorkingWeekFileBytes, text)) {
    settings = WorkingWeekSettings{};
    return false;
  }
  return ParseWorkingWeekFile(text, settings);
}

bool SaveWorkingWeekFile(const std::string& path, const WorkingWeekSettings& settings) {
  return SaveFileText(path, FormatWorkingWeekFile(settings));
}

}  // namespace valdora
