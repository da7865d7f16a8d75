// SPDX-License-Identifier: MIT
// Character-level text operations; positions count from 1, characters compare by code.
#include "engine/StringHelpers.h"

#include <cstddef>

namespace valdora {

namespace {

// 0-based index where a scan from 1-based `start` begins (start below 1 counts as 1).
std::size_t StartIndex(std::int32_t start) noexcept {
  return start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
}

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace

std::string RemoveChars(std::string_view text, std::string_view set, std::int32_t start) {
  const std::size_t from = StartIndex(start);
  // Written in place into a string of the input's size, then cut to what was kept.
  std::string out(text.size(), '\0');
  char* const data = out.data();
  std::size_t kept = 0;
  if (set.size() == 1) {  // the common case (RemoveSpaces): one compare per character
    const char c = set[0];
    for (std::size_t i = 0; i < text.size(); ++i)
      if (i < from || text[i] != c) data[kept++] = text[i];
  } else {
    for (std::size_t i = 0; i < text.size(); ++i)
      if (i < from || set.find(text[i]) == std::string_view::npos) data[kept++] = text[i];
  }
  out.resize(kept);
  return out;
}

std::string RemoveSpaces(std::string_view text) { return RemoveChars(text, " ", 1); }

std::int32_t FindCharInSet(std::string_view text, std::int32_t start, std::string_view set,
                           std::int32_t& indexInSet) noexcept {
  indexInSet = 0;
  if (text.empty() || set.empty()) return 0;
  for (std::size_t i = StartIndex(start); i < text.size(); ++i) {
    const std::size_t k = set.find(text[i]);
    if (k != std::string_view::npos) {
      indexInSet = static_cast<std::int32_t>(k + 1);
      return static_cast<std::int32_t>(i + 1);
    }
  }
  return 0;
}

std::int32_t FindCharNotInSet(std::string_view text, std::int32_t start,
                              std::string_view set) noexcept {
  if (text.empty()) return 0;
  const std::size_t from = StartIndex(start);
  if (set.empty()) return 1;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (set.find(text[i]) == std::string_view::npos) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

std::string LeftPart(std::string_view text, std::int32_t n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

bool IsDigits(std::string_view text, bool signAllowed, bool commasAllowed) noexcept {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (signAllowed && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  for (char c : text) {
    if (!IsDigit(c) && !(commasAllowed && c == ',')) return false;
  }
  return true;  // a lone sign counts as digits, as the field readers expect
}

void KeepSignedDigits(std::string& text, bool minusAllowed) {
  bool digitSeen = false, plusKept = false, minusKept = false;
  std::size_t kept = 0;
  for (char c : text) {
    bool keep = false;
    if (IsDigit(c)) {
      keep = digitSeen = true;
    } else if (c == '+' && !digitSeen && !plusKept) {
      keep = plusKept = true;
    } else if (c == '-' && minusAllowed && !digitSeen && !minusKept) {
      keep = minusKept = true;
    }
    if (keep) text[kept++] = c;
  }
  text.resize(kept);
}

std::int32_t CountOccurrences(std::string_view text, std::string_view sub) noexcept {
  if (text.empty() || sub.empty()) return 0;
  std::int32_t count = 0;
  if (sub.size() == 1) {  // one character: its occurrences never overlap
    for (char c : text) count += c == sub[0];
    return count;
  }
  for (std::size_t at = text.find(sub); at != std::string_view::npos;
       at = text.find(sub, at + sub.size())) {
    ++count;
  }
  return count;
}

void TrimTrailingControl(std::string& text) noexcept {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.pop_back();
}

void TrimTrailingBlanks(std::string& text) noexcept {
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.pop_back();
}

}  // namespace valdora
