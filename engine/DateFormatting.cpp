// SPDX-License-Identifier: MIT
// Writing CE and JC dates, JDNs and digit groups.
#include "engine/DateFormatting.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/StringHelpers.h"

namespace valdora {

namespace {

// Writes `value` at `out` in decimal and answers the end. `group`, when not 0, goes between
// groups of three digits, as separate_thousands puts it: a leading "-" stays in front of the
// first group. At most 14 characters (10 digits, "-" and 3 groups).
char* PutNumber(char* out, std::int32_t value, char group) noexcept {
  // |value| without overflow for the most negative value.
  std::uint32_t v =
      value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  const std::size_t digits = DecimalDigitCount(v);
  if (value < 0) *out++ = '-';
  if (group == 0) {
    char* const end = out + digits;
    WriteDecimalDigits(end, v);
    return end;
  }
  char* const end = out + digits + (digits - 1) / 3;
  char* p = end;
  for (int inGroup = 0;; ++inGroup) {
    if (inGroup == 3) {
      *--p = group;
      inGroup = 0;
    }
    *--p = static_cast<char>('0' + v % 10);
    v /= 10;
    if (v == 0) break;
  }
  return end;
}

// Writes a month or day: two digits (a leading zero below 10); values outside 0..99 in full.
char* PutTwoDigits(char* out, std::int32_t value) noexcept {
  if (value < 0 || value > 99) return PutNumber(out, value, 0);
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out + 2;
}

// Copies `piece` to `out` and answers the end; one store for a one-character separator.
char* PutText(char* out, std::string_view piece) noexcept {
  if (piece.size() == 1) {
    *out = piece[0];
    return out + 1;
  }
  if (!piece.empty()) std::memcpy(out, piece.data(), piece.size());
  return out + piece.size();
}

// True when `groups` survives the date reader as a group separator: it must not be a
// character the reader keeps (a digit, "-" or a character of the date separator).
bool GroupsReadBack(std::string_view groups, std::string_view dateSeparator) noexcept {
  return std::none_of(groups.begin(), groups.end(), [&](char c) {
    return (c >= '0' && c <= '9') || c == '-' || dateSeparator.find(c) != std::string_view::npos;
  });
}

// The group character SeparateThousands uses for `separator`: its first character, or 0
// (no groups) when it is empty.
char GroupCharacter(std::string_view separator) noexcept {
  return separator.empty() ? '\0' : separator[0];
}

}  // namespace

std::string FormatEuroDate(const EuroDate& date, DateFormat format,
                           std::string_view dateSeparator, std::string_view thousandsSeparator) {
  std::string text;
  FormatEuroDate(date, format, dateSeparator, thousandsSeparator, text);
  return text;
}

void FormatEuroDate(const EuroDate& date, DateFormat format, std::string_view dateSeparator,
                    std::string_view thousandsSeparator, std::string& text) {
  const bool grouped = (date.year > 9999 || date.year < -9999) &&
                       GroupsReadBack(thousandsSeparator, dateSeparator);
  const char group = grouped ? GroupCharacter(thousandsSeparator) : '\0';
  const bool bracketed = (format == DMY || format == MDY) && date.year < 0;
  const auto putYear = [&](char* out) {
    if (bracketed) *out++ = '(';
    out = PutNumber(out, date.year, group);
    if (bracketed) *out++ = ')';
    return out;
  };
  // The parts in their order, written left to right.
  const auto write = [&](char* out) {
    if (format == DMY) {
      out = PutText(PutTwoDigits(out, date.day), dateSeparator);
      out = PutText(PutTwoDigits(out, date.month), dateSeparator);
      return putYear(out);
    }
    if (format == MDY) {
      out = PutText(PutTwoDigits(out, date.month), dateSeparator);
      out = PutText(PutTwoDigits(out, date.day), dateSeparator);
      return putYear(out);
    }
    out = PutText(putYear(out), dateSeparator);
    out = PutText(PutTwoDigits(out, date.month), dateSeparator);
    return PutTwoDigits(out, date.day);
  };
  // A year of 16 characters with its brackets, two parts of at most 11 and two separators.
  const std::size_t maxSize = 38 + 2 * dateSeparator.size();
  char local[64];
  if (maxSize <= sizeof local) {  // the usual case: one copy into the text
    const char* end = write(local);
    text.clear();
    text.append(local, static_cast<std::size_t>(end - local));
    return;
  }
  text.assign(maxSize, '\0');
  const char* end = write(text.data());
  text.resize(static_cast<std::size_t>(end - text.data()));
}

void SeparateThousands(std::string& number, std::string_view separator) {
  if (separator.empty()) return;
  number = separate_thousands(number, static_cast<unsigned char>(separator[0]));
}

std::string TodayPlusText(std::int16_t offset, DateFormat format, std::string_view dateSeparator,
                          CalendarCode cal) {
  EuroDate date;
  date.jdn = static_cast<Jdn>(std::clamp<std::int64_t>(
      static_cast<std::int64_t>(TodayJdn()) + offset, INT32_MIN, INT32_MAX));
  if (!CalendarLetter(cal, date)) date.calendar = GregorianLetter;
  JdnToEuroDate(date);
  return FormatEuroDate(date, format, dateSeparator, ThousandsSeparator);
}

std::string FormatJdn(Jdn jdn, std::string_view thousandsSeparator) {
  char text[16];
  const char* end = PutNumber(text, jdn, GroupCharacter(thousandsSeparator));
  return std::string(text, static_cast<std::size_t>(end - text));
}

std::string FormatJdn(Jdn jdn) { return FormatJdn(jdn, ThousandsSeparator); }

}  // namespace valdora
