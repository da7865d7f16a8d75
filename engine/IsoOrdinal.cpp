// SPDX-License-Identifier: MIT
// ISO 8601 week dates and ordinal dates over the CE calendar.
#include "engine/IsoOrdinal.h"

#include <cstddef>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/StringHelpers.h"

namespace valdora {

namespace {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) noexcept {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Weekday of 31 December of CE year x, shifted: x + leap days up to x, reduced mod 7.
constexpr std::int64_t YearEndWeekday(std::int64_t x) noexcept {
  const std::int64_t p = x + FloorDiv(x, 4) - FloorDiv(x, 100) + FloorDiv(x, 400);
  const std::int64_t r = p % 7;
  return r < 0 ? r + 7 : r;  // [0, 6]
}

// The hot path of every ordinal conversion uses the conversion library's inline day counts
// directly: the same values as JdnToEuroDate and EuroDateToJdn (calendar 'G'), without two
// calls and a record in memory per step.

// JDN of 1 January of CE year `year` (|year| <= MaxAbsYear + 1).
constexpr std::int64_t FirstOfJanuary(std::int64_t year) noexcept {
  return calendar_math::GregorianToJdn(year, 1, 1);
}

// CE year of `jdn`.
std::int64_t CeYearOf(std::int64_t jdn) noexcept { return calendar_math::JdnToGregorian(jdn).year; }

// A multiple of 7 above any 32-bit JDN.
constexpr std::int64_t WeekShift = std::int64_t{7} << 31;

// ISO years repeat every 400 CE years, which are 20871 whole weeks. Within that cycle the
// week on which each ISO year begins follows from the 53-week years; the JDN <-> ISO
// conversions split off whole cycles by division and look the year up in this table,
// derived at compile time from the 53-week rule and the CE calendar.
constexpr std::int64_t IsoCycleWeeks = calendar_math::GregorianCycleDays / 7;  // 20871
static_assert(IsoCycleWeeks * 7 == calendar_math::GregorianCycleDays);

constexpr bool HasWeek53(std::int64_t y) noexcept {
  return YearEndWeekday(y) == 4 || YearEndWeekday(y - 1) == 3;
}

// Monday of week 1 of ISO year 0, the start of the reference cycle (years 0..399).
constexpr std::int64_t IsoEpochMonday = [] {
  const std::int64_t j = FirstOfJanuary(0);
  const std::int64_t sinceMonday = (j + WeekShift) % 7;  // JDN 0 was a Monday
  return j - sinceMonday + (sinceMonday >= 4 ? 7 : 0);
}();
static_assert(IsoEpochMonday == 1721062);  // 0000-01-03 CE

struct IsoCycleTable {
  std::int32_t startWeek[401] = {};  // week of the cycle on which year k begins
  constexpr IsoCycleTable() {
    for (std::int32_t k = 0; k < 400; ++k)
      startWeek[k + 1] = startWeek[k] + (HasWeek53(k) ? 53 : 52);
  }
};
constexpr IsoCycleTable IsoCycle;
static_assert(IsoCycle.startWeek[400] == IsoCycleWeeks);

// Year of the cycle [0, 399] in which cycle week `w` (w in [0, 20870]) lies: an estimate
// from the mean year length (314 / 2^14 is just below 400 / 20871) that is the year or the
// one before it, corrected by one lookup.
constexpr std::int32_t IsoCycleYearOfWeek(std::int32_t w) noexcept {
  const std::int32_t k = (314 * w) >> 14;  // [0, 399]
  return k + (IsoCycle.startWeek[k + 1] <= w ? 1 : 0);
}

constexpr bool IsoCycleYearOfWeekIsExact() noexcept {
  for (std::int32_t k = 0; k < 400; ++k)
    for (std::int32_t w = IsoCycle.startWeek[k]; w < IsoCycle.startWeek[k + 1]; ++w)
      if (IsoCycleYearOfWeek(w) != k) return false;
  return true;
}
static_assert(IsoCycleYearOfWeekIsExact());


bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) noexcept {
  if (text.empty()) return false;
  for (const char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// Value of an all-digit text, saturating at `limit` + 1.
std::int64_t DigitValue(std::string_view digits, std::int64_t limit) noexcept {
  std::int64_t value = 0;
  for (const char c : digits) {
    if (IsDigit(c) && value <= limit) value = value * 10 + (c - '0');
  }
  return value;
}

// Writes `value` at `out` with at least `width` digits (leading zeros; a "-" before them
// when negative) and answers the end. `out` has room for 1 + max(10, width) characters.
char* WritePadded(char* out, std::int32_t value, std::size_t width) noexcept {
  // |value| without overflow for the most negative value.
  const std::uint32_t v =
      value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  const std::size_t n = DecimalDigitCount(v);
  if (value < 0) *out++ = '-';
  for (; width > n; --width) *out++ = '0';
  char* const end = out + n;
  WriteDecimalDigits(end, v);
  return end;
}

// The parts of an ISO text in either form: the length of its year part, week and weekday;
// false when it is not an ISO week date. In the hyphenated form the hyphen must stand
// right before the "W": elsewhere it would cut the year ("2020W-011" is no date of year 202).
struct IsoTextParts {
  std::size_t yearLength = 0;
  std::int32_t week = 0;
  std::int32_t weekday = 0;
  bool hyphenated = false;
};

bool SplitIsoText(std::string_view text, IsoTextParts& parts) noexcept {
  const std::size_t w = text.find('W');
  if (w == std::string_view::npos) return false;
  // A hyphen from the second character on; a minus sign of the year does not count.
  const std::size_t hyphen = text.size() > 1 ? text.find('-', 1) : std::string_view::npos;
  parts.hyphenated = hyphen != std::string_view::npos;
  if (parts.hyphenated && hyphen + 1 != w) return false;
  parts.yearLength = parts.hyphenated ? w - 1 : w;
  const std::string_view year = text.substr(0, parts.yearLength);
  if (!IsDigits(year, true, false)) return false;
  if (year.find_first_of("0123456789") == std::string_view::npos) return false;  // a lone sign

  char rest[3];
  std::size_t n = 0;
  for (std::size_t i = w + 1; i < text.size(); ++i) {
    if (text[i] == '-') continue;
    if (n == 3 || !IsDigit(text[i])) return false;
    rest[n++] = text[i];
  }
  if (n != 3) return false;
  parts.week = (rest[0] - '0') * 10 + (rest[1] - '0');
  parts.weekday = rest[2] - '0';
  return parts.week >= 1 && parts.week <= 53 && parts.weekday >= 1 && parts.weekday <= 7;
}

}  // namespace

bool HasIsoWeek53(std::int32_t isoYear) noexcept { return HasWeek53(isoYear); }

Jdn IsoWeekOneMonday(std::int32_t isoYear) noexcept {
  // 32-bit arithmetic (so that loops over many dates vectorise): floor division of the year
  // by 400, then the week count modulo 2^32, which the JDN keeps when it has 32 bits.
  const std::int32_t q = isoYear / 400 - (isoYear % 400 < 0 ? 1 : 0);  // floor(isoYear / 400)
  const std::uint32_t k =
      static_cast<std::uint32_t>(isoYear) - 400u * static_cast<std::uint32_t>(q);  // [0, 399]
  const std::uint32_t week =
      static_cast<std::uint32_t>(q) * static_cast<std::uint32_t>(IsoCycleWeeks) +
      static_cast<std::uint32_t>(IsoCycle.startWeek[k]);
  return static_cast<Jdn>(static_cast<std::uint32_t>(IsoEpochMonday) + 7 * week);
}

void JdnToIsoWeekDate(IsoWeekDate& date) noexcept {
  const calendar_math::CycleDay c = calendar_math::SplitCycles<IsoEpochMonday>(date.jdn);
  const std::uint32_t w = calendar_math::WeeksOfDays(c.day);                // [0, 20870]
  const std::int32_t k = IsoCycleYearOfWeek(static_cast<std::int32_t>(w));  // [0, 399]
  date.isoYear = c.cycles * 400 + k;
  date.week = static_cast<std::int32_t>(w) - IsoCycle.startWeek[k] + 1;  // [1, 53]
  date.weekday = static_cast<std::int32_t>(c.day - 7 * w) + 1;          // [1, 7]
}

void IsoWeekDateToJdn(IsoWeekDate& date) noexcept {
  // Modulo 2^32, as IsoWeekOneMonday.
  date.jdn = static_cast<Jdn>(static_cast<std::uint32_t>(IsoWeekOneMonday(date.isoYear)) +
                              7 * (static_cast<std::uint32_t>(date.week) - 1) +
                              static_cast<std::uint32_t>(date.weekday) - 1);
}

std::string FormatIsoWeekDate(const IsoWeekDate& date, std::int16_t hyphen) {
  std::string text;
  FormatIsoWeekDate(date, hyphen, text);
  return text;
}

void FormatIsoWeekDate(const IsoWeekDate& date, std::int16_t hyphen, std::string& out) {
  const bool hyphenated = hyphen == HyphenatedForm;
  char text[48];  // three numbers of at most 11 characters, "-W" and "-"
  char* end = WritePadded(text, date.isoYear, 1);
  if (hyphenated) *end++ = '-';
  *end++ = 'W';
  end = WritePadded(end, date.week, 2);
  if (hyphenated) *end++ = '-';
  end = WritePadded(end, date.weekday, 1);
  out.clear();
  out.append(text, static_cast<std::size_t>(end - text));
}

std::int16_t IsoForm(std::string_view text) noexcept {
  IsoTextParts parts;
  if (!SplitIsoText(text, parts)) return 0;
  return parts.hyphenated ? -1 : 1;
}

ParseStatus ParseIsoWeekDate(std::string_view input, IsoWeekDate& date) noexcept {
  date = IsoWeekDate{};
  const std::string text = RemoveSpaces(input);
  IsoTextParts parts;
  if (!SplitIsoText(text, parts)) return StatusMalformed;

  std::string_view year(text.data(), parts.yearLength);
  const bool negative = year.front() == '-';
  if (negative || year.front() == '+') year.remove_prefix(1);
  const std::int64_t magnitude = DigitValue(year, MaxAbsYear);
  if (magnitude >= MaxAbsYear) return StatusOutOfRange;

  IsoWeekDate read;
  read.isoYear = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  read.week = parts.week;
  read.weekday = parts.weekday;
  if (read.week == 53 && !HasIsoWeek53(read.isoYear)) return StatusMalformed;
  IsoWeekDateToJdn(read);
  date = read;
  return StatusValid;
}

std::string FormatOrdinalDate(const EuroDate& date, std::int16_t dayOfYear, std::int16_t hyphen) {
  char text[32];  // two numbers of at most 11 characters and "-"
  char* end = WritePadded(text, date.year, 4);
  if (hyphen == HyphenatedForm) *end++ = '-';
  end = WritePadded(end, dayOfYear, 3);
  return std::string(text, end);
}

namespace {

// Year and day of a plain ordinal text "yyyyddd"; false when it is not one.
bool SplitOrdinalText(std::string_view text, std::int32_t& year, std::int32_t& day) noexcept {
  if (text.size() != 7) return false;
  const std::string_view y = text.substr(0, 4), d = text.substr(4);
  if (!AllDigits(y) || !AllDigits(d)) return false;
  year = static_cast<std::int32_t>(DigitValue(y, 9999));
  day = static_cast<std::int32_t>(DigitValue(d, 999));
  return true;
}

}  // namespace

std::int16_t OrdinalForm(std::string_view text) noexcept {
  std::string plain(text);
  if (plain.size() == 8) {
    if (plain[4] != '-') return 0;
    plain.erase(4, 1);
  } else if (plain.size() != 7) {
    return 0;
  }
  std::int32_t year = 0, day = 0;
  if (!SplitOrdinalText(plain, year, day)) return 0;
  if (day < 1 || day > 366 || (day == 366 && !IsLeapYear(year, "G"))) return 0;
  return text.size() == 7 ? 1 : -1;
}

ParseStatus ParseOrdinalDate(std::string_view input, std::int16_t hyphen, EuroDate& date) noexcept {
  std::string text = RemoveSpaces(input);
  if (hyphen == HyphenatedForm) {
    if (text.size() < 5 || text[4] != '-') return StatusMalformed;
    text.erase(4, 1);
  }
  std::int32_t year = 0, day = 0;
  if (!SplitOrdinalText(text, year, day)) return StatusMalformed;
  if (day < 1 || day > 366) return StatusMalformed;
  if (year < 1) return StatusOutOfRange;
  if (day == 366 && !IsLeapYear(year, "G")) return StatusMalformed;
  date = EuroDate{};
  date.calendar = GregorianLetter;
  date.jdn = OrdinalToJdn(year, static_cast<std::int16_t>(day));
  JdnToEuroDate(date);
  return StatusValid;
}

void JdnToOrdinal(Jdn jdn, std::int32_t& year, std::int16_t& dayOfYear) noexcept {
  const std::int64_t ceYear = CeYearOf(jdn);
  year = static_cast<std::int32_t>(ceYear);
  dayOfYear = static_cast<std::int16_t>(jdn - FirstOfJanuary(ceYear) + 1);  // [1, 366]
}

}  // namespace valdora
