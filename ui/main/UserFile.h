// SPDX-License-Identifier: MIT
// The user file vdr.usr: fifteen CR LF lines of settings, inputs and output, as plain text.
// Reading and writing here work on the whole file text; the window does the file I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace valdora {

// Everything the user file keeps, with the defaults of a first run.
struct UserSettings {
  std::int16_t language = 0;            // line 1: 0 English, 1 German
  std::int16_t dateFormat = 2;          // line 2: DateFormat code
  std::int16_t dateSeparator = 45;      //         character code of "-", "/" or "."
  std::int16_t thousandsSeparator = 44; //         character code of "," or ".", 0 for none
  std::int16_t todayCal = 0;            // line 3: calendar of the today labels
  std::int16_t firstCal = 0;            //         calendar of the first date
  std::int16_t secondCal = 0;           //         calendar of the second date
  std::int16_t includeFirstDate = 0;    // lines 4..8: check box values 0 / 1
  std::int16_t includeWeekends = 1;
  std::int16_t verbose = 1;
  std::int16_t hyphen = 1;
  std::int16_t saveOutput = 1;
  std::string firstDayOfWeek = "Sun";   // line 9: "Sun" or "Mon"
  std::string monthCalendar = "CE";     // line 10: "CE" or "JC"
  std::string firstDate;                // lines 11..14: texts (empty unless saved)
  std::string dateDiff;
  std::string secondDate;
  std::string output;
  std::int16_t unit = 0;                // line 15: 0 days, 1 months

  bool operator==(const UserSettings&) const = default;
};

// How much of a user file could be read.
enum class UserFileStatus {
  Complete,          // all fifteen lines
  LastLineDamaged,   // lines 1..14 read, line 15 missing or unreadable
  Damaged,           // something before line 15 missing or unreadable
};

// Files larger than this are treated as damaged without being parsed.
inline constexpr std::size_t MaxUserFileSize = 16u * 1024u * 1024u;

// Reads the user file text into `settings`. Unknown codes (a language other than 0 and 1, a
// check box value other than 0 and 1, an unknown calendar) take their default; a value that
// cannot be read as a number, or missing lines, make the file damaged. On Damaged `settings`
// holds the defaults; on LastLineDamaged lines 1..14 and the default unit.
UserFileStatus ParseUserFile(std::string_view text, UserSettings& settings);

// The user file text for `settings`: fifteen lines ended by CR LF; a double quote inside a
// text is written doubled.
std::string FormatUserFile(const UserSettings& settings);

}  // namespace valdora
