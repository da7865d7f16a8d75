// SPDX-License-Identifier: MIT
// One place that reads and writes "a date in the calendar of a field": every window, the
// Compute command and the command-line tool go through these two functions.
#pragma once

#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// Largest magnitude ParseJdnInput reads in a JDN field (MaxJdn itself is refused there).
inline constexpr Jdn LargestJdnText = 2099999999;

// How a field's date is written and read, besides its calendar. The defaults are the
// program's own at start-up. The separators are views (the batch path builds this record
// several times a line): the texts they name must outlive every use of the record.
struct DateTextSettings {
  DateFormat format = YMD;                    // order of the parts of CE and JC dates
  bool hyphen = true;                         // hyphenated ORD and ISO forms
  std::string_view dateSeparator = "-";       // between the parts of CE and JC dates
  std::string_view thousandsSeparator = ",";  // digit groups of JDNs and of CE and JC years
  // Digit groups of leap-week years of 5+ digits (empty: none); holds no digit and no "-".
  std::string_view groupingSeparator = ",";
};

// The settings in force now: `format` and `hyphen` with views of the program-wide
// DateSeparator, ThousandsSeparator and LocaleGroupingSeparator. Built once per action and
// passed down; not kept past a change of those separators.
DateTextSettings CurrentDateTextSettings(DateFormat format, bool hyphen) noexcept;

// Reads `text` as a date in calendar `cal` (CE, JC, JDN, ORD, ISO, LPW or LPM) with the
// separators, date format (CE, JC) and hyphen option (ORD) of `settings`. Answers 1
// (StatusValid) on success, then `jdn` holds the day; 0 malformed; -1 out of range; `jdn` is
// left alone otherwise. A well-formed date whose day lies beyond MinJdn..MaxJdn answers -1.
ParseStatus ReadDateInCalendar(std::string_view text, CalendarCode cal,
                               const DateTextSettings& settings, Jdn& jdn) noexcept;

// Writes `jdn` in calendar `cal` with the separators, date format (CE, JC) and hyphen option
// (ORD, ISO) of `settings`. Returns false, leaving `text` untouched, when the day has no text
// in that calendar that reads back: an ordinal date outside 0001-001..9999-365, or a JDN
// beyond LargestJdnText in magnitude.
bool WriteDateInCalendar(Jdn jdn, CalendarCode cal, const DateTextSettings& settings,
                         std::string& text);

}  // namespace valdora
