// SPDX-License-Identifier: MIT
// The user file vdr.usr: fifteen CR LF lines of settings, inputs and output, as plain text.
// The text functions work on the whole file text; LoadUserFile and SaveUserFile are the
// window's reading and saving of the file on disk.
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
// What the writer keeps of the texts: the newest part of the output, the beginning of each
// input. Chosen so that every file the writer makes stays within MaxUserFileSize.
inline constexpr std::size_t MaxSavedOutputSize = 6u * 1024u * 1024u;
inline constexpr std::size_t MaxSavedInputSize = 64u * 1024u;

// Reads the user file text into `settings`. Unknown codes (a language other than 0 and 1, a
// check box value other than 0 and 1, an unknown calendar) take their default; a value that
// cannot be read as a number, or missing lines, make the file damaged. On Damaged `settings`
// holds the defaults; on LastLineDamaged lines 1..14 and the default unit.
UserFileStatus ParseUserFile(std::string_view text, UserSettings& settings);

// The newest part of `output` that is saved: all of it when it has at most MaxSavedOutputSize
// bytes, otherwise the newest whole lines that fit; when even the last line does not fit, its
// newest bytes that fit, starting at a UTF-8 character.
std::string_view SavedOutput(std::string_view output);

// The user file text for `settings`: fifteen lines ended by CR LF; a double quote inside a
// text is written doubled. The output is cut by SavedOutput, each input to its first
// MaxSavedInputSize bytes (at a UTF-8 character), a week start other than "Mon" is written
// "Sun" and a month calendar other than "JC" "CE": the text never exceeds MaxUserFileSize.
std::string FormatUserFile(const UserSettings& settings);

// Reads the user file at `path` into `settings` as ParseUserFile does. Only a regular file
// (also through a symbolic link) is read, and at most MaxUserFileSize + 1 bytes of it, without
// waiting on pipes or devices; anything else, a missing file or a larger one is Damaged.
UserFileStatus LoadUserFile(const std::string& path, UserSettings& settings);

// Writes the user file for `settings` at `path`: into a new file beside it, checked write by
// write and synced to disk, then renamed over it, so that a failed save (full disk, no
// permission) leaves the previous file byte for byte. A symbolic link to a regular file is
// kept and its target replaced; a link to anything else, or a path that is neither a regular
// file nor missing, is never written over. True when the new file is in place.
bool SaveUserFile(const std::string& path, const UserSettings& settings);

// The whole of the regular file at `path` (also through a symbolic link) into `text`, read
// without waiting on pipes or devices and never more than `limit` + 1 bytes; false for
// anything else (missing, not a regular file, more than `limit` bytes, a read error).
bool ReadRegularFileText(const std::string& path, std::size_t limit, std::string& text);

// Writes `text` at `path` as SaveUserFile writes the user file: a checked, synced new file
// renamed over the old one, which a failure leaves as it was. True when the new file is in
// place.
bool SaveFileText(const std::string& path, std::string_view text);

}  // namespace valdora
