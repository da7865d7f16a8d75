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

// Reads `text` as a date in calendar `cal` (CE, JC, JDN, ORD, ISO, LPW or LPM) with the
// given date format (CE, JC) and hyphen option (ORD). Answers 1 (StatusValid) on success,
// then `jdn` holds the day; 0 malformed; -1 out of range; `jdn` is left alone otherwise.
// Uses the current DateSeparator and ThousandsSeparator. A well-formed date whose day lies
// beyond MinJdn..MaxJdn answers -1 (out of range).
ParseStatus ReadDateInCalendar(std::string_view text, CalendarCode cal, DateFormat format,
                               bool hyphen, Jdn& jdn) noexcept;

// Writes `jdn` in calendar `cal` with the given date format (CE, JC) and hyphen option (ORD,
// ISO), using the current separators. Returns false, leaving `text` untouched, when the
// day has no text in that calendar that reads back: an ordinal date outside
// 0001-001..9999-365, or a JDN beyond LargestJdnText in magnitude.
bool WriteDateInCalendar(Jdn jdn, CalendarCode cal, DateFormat format, bool hyphen,
                         std::string& text);

}  // namespace valdora
