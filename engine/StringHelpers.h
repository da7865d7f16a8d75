// Character-level text operations the date readers rest on. Characters are compared by
// their byte codes (exact, case-sensitive); positions count from 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace valdora {

// Copy of `text` without the characters of `set` from position `start` on (start below 1
// counts as 1); characters before `start` are kept.
std::string RemoveChars(std::string_view text, std::string_view set, std::int32_t start);

// RemoveChars(text, " ", 1).
std::string RemoveSpaces(std::string_view text);

// Position of the first character at or after `start` (below 1 counts as 1) that occurs in
// `set`, with its 1-based position in the set in `indexInSet`; 0 (index 0) if none or if the
// text or the set is empty.
std::int32_t FindCharInSet(std::string_view text, std::int32_t start, std::string_view set,
                           std::int32_t& indexInSet) noexcept;

// Position of the first character at or after `start` (below 1 counts as 1) not in `set`;
// 0 if none or the text is empty; 1 if the set is empty.
std::int32_t FindCharNotInSet(std::string_view text, std::int32_t start,
                              std::string_view set) noexcept;

// The first n characters; the whole text when n >= its length; empty when n <= 0.
std::string LeftPart(std::string_view text, std::int32_t n);

// True when `text`, trimmed of blanks, is non-empty and only digits after dropping one
// leading "+" or "-" (if signAllowed), "," counting as a digit if commasAllowed.
bool IsDigits(std::string_view text, bool signAllowed, bool commasAllowed) noexcept;

// Keeps every digit, the first "+" and (if minusAllowed) the first "-" seen before any
// digit; removes every other character.
void KeepSignedDigits(std::string& text, bool minusAllowed);

// Non-overlapping occurrences of `sub` in `text`, searched from the left; 0 if either is empty.
std::int32_t CountOccurrences(std::string_view text, std::string_view sub) noexcept;

// Removes trailing characters with a code below 32.
void TrimTrailingControl(std::string& text) noexcept;

// Removes trailing characters with a code of 32 or below.
void TrimTrailingBlanks(std::string& text) noexcept;

}  // namespace valdora
