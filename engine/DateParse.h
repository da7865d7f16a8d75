// SPDX-License-Identifier: MIT
// Reading CE, JC and JDN date texts and signed whole numbers, and the keystroke filters of
// the input fields. Every reader answers a ParseStatus: 1 valid, 0 malformed, -1 out of range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// Reads `text` as a date of calendar `cal` (CE, JC or JDN) with date separator `separator`
// and, for CE and JC, the parts in the order of `format`. CE, JC: on 1 the record is filled
// completely (year, month, day, calendar letter, jdn). JDN: only date.jdn is set, and a
// malformed text leaves the record untouched. Any other code answers 0.
ParseStatus ParseEuroDate(std::string_view text, std::string_view separator, CalendarCode cal,
                          DateFormat format, EuroDate& date) noexcept;

// Reads any signed whole number (digits kept, with a leading "+" or "-"; everything else
// dropped). Answers the value (0 unless status is 1 or the value lies beyond MinJdn..MaxJdn)
// and sets `status`: 1 valid, 0 no number, -1 beyond MinJdn..MaxJdn.
std::int32_t ParseJdnText(std::string_view text, ParseStatus& status) noexcept;

// True when `body` is digit groups joined by `separator`: 1..3 digits, then groups of three
// ("12,345,678"). False for an empty separator.
bool IsGroupedNumber(std::string_view body, std::string_view separator) noexcept;

// Reads the text of a JDN input field: blanks around, one leading sign, digits with ","
// anywhere between them, or with `thousandsSeparator` between groups of three.
// On 1 `value` holds the number; -1 beyond 2099999999 in magnitude.
ParseStatus ParseJdnInput(std::string_view text, std::string_view thousandsSeparator,
                          std::int32_t& value) noexcept;

// Removes every character that is not a digit, "-" or a character of `separator`.
void KeepDateCharacters(std::string& text, std::string_view separator);

// Keystroke filter of a date field. Accepts (true) backspace 8 and copy/paste/cut 3, 22, 24
// always; "w"/"W" in an ISO field (inserting "W"); otherwise, below the length limit, the
// characters of "1234567890- ,.()" and the separator. `insert` is the key code to insert.
bool FilterDateKey(std::int32_t key, std::int32_t length, std::int32_t limit,
                   std::string_view separator, bool isoField, std::int32_t& insert) noexcept;

// Keystroke filter of a number field: 8, 3, 22, 24 always; below the length limit the
// characters of "1234567890-" and of `extra` (the caller passes the ThousandsSeparator).
bool FilterNumberKey(std::int32_t key, std::int32_t length, std::int32_t limit,
                     std::string_view extra) noexcept;

}  // namespace valdora
