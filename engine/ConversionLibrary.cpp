// SPDX-License-Identifier: MIT
// The six conversion-library functions, written over the closed-form day counts of
// ConversionLibrary.h.
#include "engine/ConversionLibrary.h"

#include <cstddef>

namespace valdora {

namespace {

using namespace calendar_math;

constexpr std::int32_t Saturate32(std::int64_t v) noexcept {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

constexpr bool IsJulianLetter(std::int32_t letter) noexcept { return letter == JulianLetter; }

constexpr bool IsLeap(std::int64_t year, bool julian) noexcept {
  if (year % 4 != 0) return false;  // exact for negative years too
  return julian || year % 100 != 0 || year % 400 == 0;
}

constexpr std::int32_t DaysInMonth(std::int64_t year, std::int32_t month, bool julian) noexcept {
  constexpr std::int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year, julian) ? 29 : kDays[month - 1];
}

// JDN of (year, month, day) with any month (carried into the year), 64-bit.
constexpr std::int64_t ToJdn64(std::int64_t year, std::int64_t month, std::int64_t day,
                               bool julian) noexcept {
  if (month < 1 || month > 12) {
    const std::int64_t m0 = month - 1;
    std::int64_t q = m0 / 12;
    if (m0 % 12 < 0) --q;  // floor division
    year += q;             // |q| < 2^28
    month = m0 - 12 * q + 1;
  }
  const auto m = static_cast<std::int32_t>(month);
  if (year >= -LibraryMaxAbsYear && year <= LibraryMaxAbsYear) {
    return julian ? JulianToJdn(year, m, day) : GregorianToJdn(year, m, day);
  }
  // Beyond 10^8 years every JDN leaves 32 bits whatever the day; clamping keeps the wide
  // core within its exact range and the saturation on the right side.
  year = year > 100000000 ? 100000000 : (year < -100000000 ? -100000000 : year);
  return julian ? JulianToJdnWide(year, m, day) : GregorianToJdnWide(year, m, day);
}

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// One part of a date text: an optional "-" sign and at least one digit. The magnitude
// saturates at 10^12, far beyond every range that is checked later.
constexpr std::int64_t PartLimit = 1000000000000;
struct Part {
  bool negative = false;
  std::int64_t value = 0;
};

// Reads a part at p (before end), advancing p; false if no digit is there.
bool ReadPart(const char*& p, const char* end, Part& part) noexcept {
  if (p != end && *p == '-') {
    part.negative = true;
    ++p;
  }
  const char* const first = p;
  std::int64_t value = 0;
  for (; p != end && IsDigit(*p); ++p) {
    value = value * 10 + (*p - '0');  // < 10^13 + 10
    if (value > PartLimit) value = PartLimit;
  }
  part.value = value;
  return p != first;
}

}  // namespace

std::int32_t euro_date_to_jdn(EuroDate& date) noexcept {
  const bool julian = IsJulianLetter(date.calendar);
  // The common case, month 1..12, day 1..31 and a year within the library's range, needs
  // neither the month carry nor saturation: its JDN lies within 32 bits.
  const bool common = static_cast<std::uint32_t>(date.month) - 1u < 12u &&
                      static_cast<std::uint32_t>(date.day) - 1u < 31u &&
                      static_cast<std::uint32_t>(date.year) + LibraryMaxAbsYear <=
                          2u * LibraryMaxAbsYear;
  if (common) {
    date.jdn = static_cast<std::int32_t>(julian ? JulianToJdn(date.year, date.month, date.day)
                                                : GregorianToJdn(date.year, date.month, date.day));
  } else {
    date.jdn = Saturate32(ToJdn64(date.year, date.month, date.day, julian));
  }
  return date.jdn;
}

void jdn_to_euro_date(EuroDate& date) noexcept {
  const CivilDate c = IsJulianLetter(date.calendar) ? JdnToJulian(date.jdn)
                                                    : JdnToGregorian(date.jdn);
  date.year = static_cast<std::int32_t>(c.year);  // |year| < 6e6 for any 32-bit JDN
  date.month = c.month;
  date.day = c.day;
}

std::int32_t euro_day_of_week(std::int32_t jdn) noexcept {
  // JDN 0 was a Monday, so the day of week is (jdn + 1) mod 7. Unsigned: u = jdn + 2^31 is
  // exact in 32 bits, and 2^31 = 2 (mod 7), so jdn + 1 = u + 6 (mod 7).
  const std::uint32_t u = static_cast<std::uint32_t>(jdn) ^ 0x80000000u;  // [0, 2^32)
  const std::uint32_t r = u % 7 + 6;                                         // [6, 12]
  return static_cast<std::int32_t>(r >= 7 ? r - 7 : r);
}

std::int32_t str_to_date(std::string_view text, std::int32_t format, EuroDate& date,
                         std::int32_t letter) noexcept {
  if (format < MDY || format > YMD) return LibraryBadArgument;
  if (letter != GregorianLetter && letter != JulianLetter) return LibraryBadArgument;

  // The separator is the first character that is neither a digit nor "-" ("-" if there is
  // none). The first part consists of such characters only, so the character after it is
  // the separator unless it is a "-". Then "-" is taken: should another character follow
  // later, the text is not a date with either separator, since no part can hold it.
  const char* p = text.data();
  const char* const end = p + text.size();
  Part parts[3];
  if (!ReadPart(p, end, parts[0]) || p == end) return LibraryNotADate;
  const char separator = *p;
  for (int k = 1; k < 3; ++k) {
    if (p == end || *p != separator) return LibraryNotADate;
    ++p;
    if (!ReadPart(p, end, parts[k])) return LibraryNotADate;
  }
  if (p != end) return LibraryNotADate;

  const int yearIndex = format == YMD ? 0 : 2;
  const int monthIndex = format == MDY ? 0 : 1;
  const int dayIndex = format == DMY ? 0 : (format == YMD ? 2 : 1);
  if (parts[monthIndex].negative || parts[dayIndex].negative) return LibraryNotADate;

  const Part& y = parts[yearIndex];
  if (y.value > LibraryMaxAbsYear) return LibraryOutOfRange;
  const std::int64_t year = y.negative ? -y.value : y.value;
  const std::int64_t month = parts[monthIndex].value;
  const std::int64_t day = parts[dayIndex].value;
  if (month < 1 || month > 12) return LibraryBadMonth;
  const bool julian = IsJulianLetter(letter);
  if (day < 1 || day > DaysInMonth(year, static_cast<std::int32_t>(month), julian)) {
    return LibraryBadDay;
  }
  date.year = static_cast<std::int32_t>(year);
  date.month = static_cast<std::int32_t>(month);
  date.day = static_cast<std::int32_t>(day);
  date.calendar = static_cast<std::int16_t>(letter);
  return LibraryOk;
}

std::string separate_thousands(std::string_view number, std::int32_t separator) {
  if (separator < 1 || separator > 255) return std::string(number);
  std::size_t first = 0;
  while (first < number.size() && !IsDigit(number[first])) ++first;
  std::size_t last = first;
  while (last < number.size() && IsDigit(number[last])) ++last;
  const std::size_t digits = last - first;

  std::string out;
  out.reserve(number.size() + digits / 3);
  out.append(number.substr(0, first));
  for (std::size_t k = 0; k < digits; ++k) {
    if (k > 0 && (digits - k) % 3 == 0) out.push_back(static_cast<char>(separator));
    out.push_back(number[first + k]);
  }
  out.append(number.substr(last));
  return out;
}

std::int32_t days_elapsed(const EuroDate& later, const EuroDate& earlier,
                          std::int32_t& status) noexcept {
  std::int64_t jdn[2] = {0, 0};
  const EuroDate* records[2] = {&later, &earlier};
  for (int k = 0; k < 2; ++k) {
    const EuroDate& d = *records[k];
    if (d.calendar != 0 && d.calendar != GregorianLetter && d.calendar != JulianLetter) {
      status = LibraryBadArgument;
      return 0;
    }
    const bool julian = IsJulianLetter(d.calendar);
    if (d.year > LibraryMaxAbsYear || d.year < -LibraryMaxAbsYear) {
      status = LibraryOutOfRange;
      return 0;
    }
    if (d.month < 1 || d.month > 12) {
      status = LibraryBadMonth;
      return 0;
    }
    if (d.day < 1 || d.day > DaysInMonth(d.year, d.month, julian)) {
      status = LibraryBadDay;
      return 0;
    }
    jdn[k] = julian ? JulianToJdn(d.year, d.month, d.day) : GregorianToJdn(d.year, d.month, d.day);
  }
  const std::int64_t diff = jdn[0] - jdn[1];  // |diff| < 2^33
  if (diff > INT32_MAX || diff < INT32_MIN) {
    status = LibraryOutOfRange;
    return 0;
  }
  return static_cast<std::int32_t>(diff);
}

}  // namespace valdora
