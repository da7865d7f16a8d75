// SPDX-License-Identifier: MIT
// Character-level text operations the date readers rest on. Characters are compared by
// their byte codes (exact, case-sensitive); positions count from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace valdora {

// ---- decimal digits for the date writers --------------------------------------------------

// Number of decimal digits of v (1 for 0).
constexpr std::size_t DecimalDigitCount(std::uint32_t v) noexcept {
  std::size_t n = 1;
  for (std::uint32_t limit = 10; n < 10 && v >= limit; limit *= 10) ++n;
  return n;
}
static_assert(DecimalDigitCount(0) == 1 && DecimalDigitCount(9) == 1 &&
              DecimalDigitCount(10) == 2 && DecimalDigitCount(999999999) == 9 &&
              DecimalDigitCount(1000000000) == 10 && DecimalDigitCount(4294967295u) == 10);

// Writes the decimal digits of v so that they end just before `end`, and answers where
// they begin. Two digits per step from a table of the pairs "00" .. "99": the date writers
// put a dozen numbers on every output line.
inline char* WriteDecimalDigits(char* end, std::uint32_t v) noexcept {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  static_assert(sizeof kPairs == 201);
  char* p = end;
  while (v >= 100) {
    const std::uint32_t pair = 2 * (v % 100);
    v /= 100;
    *--p = kPairs[pair + 1];
    *--p = kPairs[pair];
  }
  if (v >= 10) {
    *--p = kPairs[2 * v + 1];
    *--p = kPairs[2 * v];
  } else {
    *--p = static_cast<char>('0' + v);
  }
  return p;
}

// ---- text operations ------------------------------------------------------------------------

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

// ---- letter case ----------------------------------------------------------------------------

// `c` with A..Z lowered; every other byte (those of UTF-8 sequences included) kept, whatever
// the C locale says.
constexpr char AsciiLower(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
static_assert(AsciiLower('A') == 'a' && AsciiLower('Z') == 'z' && AsciiLower('a') == 'a' &&
              AsciiLower('@') == '@' && AsciiLower('[') == '[' && AsciiLower('\xC4') == '\xC4');

// `text` with A..Z lowered, byte by byte as AsciiLower.
inline std::string AsciiLower(std::string text) noexcept {
  for (char& c : text) c = AsciiLower(c);
  return text;
}

}  // namespace valdora
