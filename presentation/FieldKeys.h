// SPDX-License-Identifier: MIT
// Keys typed into the main window's input fields: the key codes of the field handlers, and
// the decision of each kind of field through the engine's key filters.
#pragma once

#include <cstddef>
#include <string_view>

namespace valdora {

// Key codes of the field handlers (frmMain maps its key events to these; any other key is
// its typed character).
inline constexpr int KeyCopy = 3;
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyPaste = 22;
inline constexpr int KeyCut = 24;

// The code a date field inserts for key `code` given the field's current length, its length
// limit, the date separator and whether it holds an ISO week date; 0 drops the key. A typed
// "w" or "W" in an ISO field becomes "W". Enter is the caller's (it computes).
int FilterDateFieldKey(int code, std::size_t length, int limit, std::string_view separator,
                       bool iso);

// The code the date-difference field inserts for key `code`; 0 drops it. The thousands
// separator is the one extra character allowed.
int FilterNumberFieldKey(int code, std::size_t length, int limit,
                         std::string_view thousandsSeparator);

}  // namespace valdora
