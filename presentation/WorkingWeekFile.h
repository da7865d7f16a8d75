// SPDX-License-Identifier: MIT
// The working-week file beside the user file: the window's working week and the holiday
// files it reads, kept between runs. CR LF lines: the rest days as ReadRestDays reads them
// ("Sat,Sun", "none"), then one holiday file path per line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/WorkingCalendar.h"

namespace valdora {

// The file's name, in the folder of the user file.
inline constexpr const char* kWorkingWeekFileName = "vdr.wrk";
// Files larger than this are damaged without being parsed.
inline constexpr std::size_t kMaxWorkingWeekFileBytes = 1u << 20;

struct WorkingWeekSettings {
  WeekdaySet week = kMondayToFriday;      // the working weekdays, never empty
  std::vector<std::string> holidayFiles;  // paths, in the order they were added, each once

  // Monday to Friday without holiday files.
  bool IsDefault() const noexcept { return week == kMondayToFriday && holidayFiles.empty(); }
  bool operator==(const WorkingWeekSettings&) const = default;
};

// A path the file can keep: not empty, no line break, no NUL.
bool IsKeepablePath(std::string_view path) noexcept;

// Reads the file text into `settings`; false, with the defaults there, when the rest days
// are unreadable (or all seven days), a path line is not one IsKeepablePath accepts, or the
// text is larger than kMaxWorkingWeekFileBytes. Blank lines are skipped, a repeated path
// kept once.
bool ParseWorkingWeekFile(std::string_view text, WorkingWeekSettings& settings);

// The file text for `settings`; paths IsKeepablePath refuses are left out, and so is a week
// without a working day (written as the default).
std::string FormatWorkingWeekFile(const WorkingWeekSettings& settings);

// Reads the file at `path` as the user file is read (regular files only, bounded, never
// waiting); false, with the defaults, for a missing, unreadable or damaged file.
bool LoadWorkingWeekFile(const std::string& path, WorkingWeekSettings& settings);

// Writes the file at `path` as the user file is written (new file, checked, renamed over).
bool SaveWorkingWeekFile(const std::string& path, const WorkingWeekSettings& settings);

}  // namespace valdora
