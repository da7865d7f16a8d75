// SPDX-License-Identifier: MIT
// Reading CE, JC and JDN date texts and signed numbers; the keystroke filters.
#include "engine/DateParse.h"

#include <cstddef>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/StringHelpers.h"

namespace valdora {

namespace {

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Dots of a JDN typed with the date separator ".": they must stand where thousands
// separators stand, counted from the end of the (blank-free) text.
bool DotsAtGroupPositions(std::string_view t, std::int32_t dots) noexcept {
  if (dots == 0) return true;
  if (dots > 3) return false;
  const std::size_t length = t.size();
  if (length < static_cast<std::size_t>(4 * dots + 1)) return false;
  for (std::int32_t k = 0; k < dots; ++k) {
    if (t[length - 4 - 4 * static_cast<std::size_t>(k)] != '.') return false;
  }
  return true;
}

}  // namespace

ParseStatus ParseEuroDate(std::string_view text, std::string_view separator, CalendarCode cal,
                          DateFormat format, EuroDate& date) noexcept {
  if (cal == JDN) {
    const std::string t = RemoveSpaces(text);
    const std::int32_t n = CountOccurrences(t, separator);
    bool malformed;
    if (separator == "-") {
      malformed = n > 1 || (n == 1 && t[0] != '-');
    } else if (separator == ".") {
      malformed = !DotsAtGroupPositions(t, n);
    } else {
      malformed = n > 0;
    }
    if (malformed) return StatusMalformed;
    ParseStatus status = StatusMalformed;
    date.jdn = ParseJdnText(t, status);
    return status;
  }
  if (cal != CE && cal != JC) return StatusMalformed;

  // RemoveSpaces and KeepDateCharacters in one pass (a blank is never kept), counting the
  // "-" on the way; labels, brackets and group separators are dropped. Date texts are short:
  // a local buffer holds them, longer input goes to the heap.
  char local[64];
  std::string heap;
  char* kept = local;
  if (text.size() > sizeof local) {
    heap.resize(text.size());
    kept = heap.data();
  }
  std::size_t length = 0;
  std::int32_t minus = 0;
  for (const char c : text) {
    if (IsDigit(c) || c == '-' || (c != ' ' && separator.find(c) != std::string_view::npos)) {
      kept[length++] = c;
      minus += c == '-';
    }
  }
  const std::string_view t(kept, length);
  // (A character compare: comparing with "-" as text calls memcmp for every date read.)
  const bool dashes = separator.size() == 1 && separator[0] == '-';
  const bool plausible = dashes
                             ? (minus == 2 || minus == 3)
                             : (minus <= 1 && CountOccurrences(t, separator) == 2);
  if (!plausible) return StatusMalformed;

  CalendarLetter(cal, date);
  const std::int32_t answer = str_to_date(t, format, date, date.calendar);
  if (answer == LibraryOutOfRange) return StatusOutOfRange;
  if (answer != LibraryOk) return StatusMalformed;
  if (date.year > MaxAbsYear || date.year < -MaxAbsYear) return StatusOutOfRange;
  EuroDateToJdn(date);
  return StatusValid;
}

bool IsGroupedNumber(std::string_view body, std::string_view separator) noexcept {
  if (separator.empty()) return false;
  std::size_t i = 0, groups = 0;
  while (true) {
    const std::size_t first = i;
    while (i < body.size() && IsDigit(body[i])) ++i;
    const std::size_t run = i - first;
    if (groups == 0 ? (run < 1 || run > 3) : run != 3) return false;
    ++groups;
    if (i == body.size()) return true;
    if (body.substr(i, separator.size()) != separator) return false;
    i += separator.size();
  }
}

std::int32_t ParseJdnText(std::string_view text, ParseStatus& status) noexcept {
  std::string t(text);
  KeepSignedDigits(t, true);
  std::string_view digits = t;
  const bool negative = !digits.empty() && digits[0] == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.find('-') != std::string_view::npos) {
    status = StatusMalformed;
    return 0;
  }
  if (digits.size() > 10 || (digits.size() == 10 && digits > JdnDigitLimit)) {
    status = StatusOutOfRange;
    return 0;
  }
  if (digits[0] == '+') digits.remove_prefix(1);
  if (digits.empty()) {  // a lone "+" is no number
    status = StatusMalformed;
    return 0;
  }
  std::int64_t value = 0;  // at most 2147483647 here
  for (char c : digits) value = value * 10 + (c - '0');
  if (negative) value = -value;
  status = value > MaxJdn || value < MinJdn ? StatusOutOfRange : StatusValid;
  return static_cast<std::int32_t>(value);
}

ParseStatus ParseJdnInput(std::string_view text, std::string_view thousandsSeparator,
                          std::int32_t& value) noexcept {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return StatusMalformed;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  const bool negative = text[0] == '-';
  std::string_view body = text;
  if (body[0] == '+' || body[0] == '-') body.remove_prefix(1);

  // The group separator, when it is not the comma, is taken only between proper groups of
  // three digits, so that a JDN written with it reads back.
  const std::string_view groupSeparator = thousandsSeparator;
  const bool otherGroups = !groupSeparator.empty() && groupSeparator != "," &&
                           body.find(groupSeparator) != std::string_view::npos;
  if (otherGroups && !IsGroupedNumber(body, groupSeparator)) return StatusMalformed;
  if (!otherGroups && !IsDigits(text, true, true)) return StatusMalformed;

  std::int64_t number = 0;
  std::size_t count = 0;
  char firstDigit = 0, secondDigit = 0;
  for (char c : body) {
    if (!IsDigit(c)) continue;  // commas and group separators
    if (count == 0) firstDigit = c;
    if (count == 1) secondDigit = c;
    if (++count <= 10) number = number * 10 + (c - '0');
  }
  if (count == 0) return StatusMalformed;  // a sign or commas alone
  if (count > 10 || (count == 10 && (firstDigit - '0') * 10 + (secondDigit - '0') >= 21)) {
    return StatusOutOfRange;
  }
  value = static_cast<std::int32_t>(negative ? -number : number);  // |number| < 2.1e9
  return StatusValid;
}

void KeepDateCharacters(std::string& text, std::string_view separator) {
  char* const data = text.data();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = data[i];
    if (IsDigit(c) || c == '-' || separator.find(c) != std::string_view::npos) data[kept++] = c;
  }
  text.resize(kept);
}

namespace {

constexpr bool IsEditingKey(std::int32_t key) noexcept {
  return key == 8 || key == 3 || key == 22 || key == 24;  // backspace, copy, paste, cut
}

// True when the key is a plain ASCII character found in `set`; wider codes never match,
// so that no Unicode key aliases an allowed byte.
constexpr bool KeyInSet(std::int32_t key, std::string_view set) noexcept {
  return key >= 1 && key <= 127 && set.find(static_cast<char>(key)) != std::string_view::npos;
}

}  // namespace

bool FilterDateKey(std::int32_t key, std::int32_t length, std::int32_t limit,
                   std::string_view separator, bool isoField, std::int32_t& insert) noexcept {
  insert = key;
  if (IsEditingKey(key)) return true;
  if (isoField && (key == 'w' || key == 'W')) {
    insert = 'W';
    return true;
  }
  if (length >= limit || !(KeyInSet(key, "1234567890- ,.()") ||
                           (separator.size() == 1 && KeyInSet(key, separator)))) {
    insert = 0;
    return false;
  }
  return true;
}

bool FilterNumberKey(std::int32_t key, std::int32_t length, std::int32_t limit,
                     std::string_view extra) noexcept {
  if (IsEditingKey(key)) return true;
  if (length >= limit) return false;
  return KeyInSet(key, "1234567890-") || KeyInSet(key, extra);
}

}  // namespace valdora
