// SPDX-License-Identifier: MIT
// The field texts valdora-cli accepts. The window's key filter keeps everything but the
// characters of a date or a number out of its fields; a command line has no such filter, so
// each text is held to what could have been typed there before the Compute command reads it
// (the readers themselves skip characters they do not use, which a shell user would never
// notice). The difference may also carry a unit: a step beyond the window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// Unit letter at the end of a difference: none, d days, w weeks, m months, y years.
enum class DiffUnit : std::int16_t { None, Days, Weeks, Months, Years };

// The unit suffix of a difference text (blanks around ignored); None when it ends otherwise.
DiffUnit DiffUnitOf(std::string_view text) noexcept;
// True for the units that count months (m, y); None and the day units count days.
constexpr bool UnitCountsMonths(DiffUnit unit) noexcept {
  return unit == DiffUnit::Months || unit == DiffUnit::Years;
}

// Checks a date field's text for calendar `cal`: every character one the window's key filter
// lets the user type into that field (separators and brackets included), and nothing after
// the date but blanks and a bracket that closes the year. On success `typed` views the text
// the window would hold: `text` itself, or `storage` when a key inserts another character (a
// "w" typed into an ISO week date becomes "W"). On failure `error` names the field
// (`fieldName`, such as "first date") and the accepted shape. Uses the current DateSeparator.
// An empty text passes.
bool CheckDateField(std::string_view text, CalendarCode cal, DateFormat format, bool hyphen,
                    std::string_view fieldName, std::string& storage, std::string_view& typed,
                    std::string& error);

// Checks the difference: blanks around, an optional "-", digits (with the current
// ThousandsSeparator only between groups of three) and an optional unit letter right after
// the digits. On success `days` is the text the Compute command reads for it: the number
// as typed, or, for weeks and years, the number times 7 or 12 in plain digits; `unit` is the
// letter's unit. An empty text passes with unit None.
bool CheckDiffField(std::string_view text, std::string& number, DiffUnit& unit, std::string& error);

// The refusal of a difference `text` whose day unit (d, w) contradicts --months.
std::string UnitConflictMessage(std::string_view text);

// `text` for a message: control and non-ASCII bytes as \xNN, cut after 40 characters.
std::string PrintableField(std::string_view text);

}  // namespace valdora
