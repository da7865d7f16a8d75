// SPDX-License-Identifier: MIT
// The leap-week calendar. Every conversion is closed-form: the leap years before a year are
// counted by formula and whole 400-year cycles are split off by floor division, so the cost
// does not grow with the distance from year 1.
#include "engine/LeapWeekCalendar.h"

#include <cstddef>
#include <utility>

#include "engine/DateParse.h"

namespace valdora {

namespace {

std::string GroupingSeparator = ",";  // NOLINT: set once by the windows at start-up

// Leap years among the first k years of a cycle (k in [0, 400]): the remainder
// (71y + 203) mod 400 falls below 71 exactly when 71y + 203 passes a multiple of 400, so
// the count telescopes to floor((71k + 203) / 400).
constexpr std::int32_t LeapYearsBefore(std::int32_t k) noexcept { return (71 * k + 203) / 400; }

static_assert(LeapYearsBefore(400) == LeapWeekCycleLeapYears);
static_assert(LeapYearsBefore(0) == 0);

// Week of the cycle on which year k + 1 of the cycle begins (k in [0, 399]).
constexpr std::int32_t CycleYearStartWeek(std::int32_t k) noexcept {
  return 52 * k + LeapYearsBefore(k);  // [0, 20819]
}

// Years of the cycle completed before cycle week w (w in [0, 20870]): the largest k with
// CycleYearStartWeek(k) <= w, i.e. floor((20871k + 203) / 400) <= w.
constexpr std::int32_t CycleYearOfWeek(std::int32_t w) noexcept {
  return (400 * w + 196) / 20871;  // [0, 399]
}

// JdnToLeapWeek reads the week of the year off the remainder rho of that division:
// w - CycleYearStartWeek(k) = floor(rho / 400), taken as (rho * 5243) >> 21.
constexpr bool WeekOfYearFromRemainderIsExact() noexcept {
  for (std::int32_t w = 0; w < LeapWeekCycleDays / 7; ++w) {
    const std::int32_t k = CycleYearOfWeek(w), rho = 400 * w + 196 - 20871 * k;
    if (w - CycleYearStartWeek(k) != static_cast<std::int32_t>((std::uint32_t(rho) * 5243u) >> 21))
      return false;
  }
  return true;
}
static_assert(WeekOfYearFromRemainderIsExact());

static_assert(CycleYearStartWeek(399) + 52 + (IsLeapWeekYear(400) ? 1 : 0) ==
              LeapWeekCycleDays / 7);

// Weeks of the year before month m (1..12); the year's leap week closes month 12.
constexpr std::int16_t WeeksBeforeMonthByRule(std::int32_t m) noexcept {
  const std::int32_t q = (m - 1) / 3, p = (m - 1) % 3;  // quarter [0, 3], month in it [0, 2]
  return static_cast<std::int16_t>(13 * q + (p > 0 ? 5 : 0) + (p > 1 ? 4 : 0));
}

// Month of each week 1..53, days of the month before each week, and the days and weeks
// before each month 1..12, derived at compile time from the month lengths (week 53 closes
// month 12), so that the conversions need no branches.
struct MonthWeekTables {
  std::int8_t monthOfWeek[54] = {};
  std::int8_t daysBeforeWeek[54] = {};  // in its month: 0, 7, .. 28
  std::int16_t monthInfo[13] = {};      // days in a common year (28, 35) + 256 * weeks before
  std::int8_t weekOfDay[35] = {};       // day - 1 of a month: its week in the month, 0..4
  std::int8_t weekdayOfDay[35] = {};    // and its weekday, 1..7
  constexpr MonthWeekTables() {
    for (std::int8_t day = 0; day < 35; ++day) {
      weekOfDay[day] = static_cast<std::int8_t>(day / 7);
      weekdayOfDay[day] = static_cast<std::int8_t>(day % 7 + 1);
    }
    std::int16_t week = 1;
    for (std::int16_t m = 1; m <= 12; ++m) {
      monthInfo[m] =
          static_cast<std::int16_t>(7 * WeeksInLeapWeekMonth(m, false) + 256 * (week - 1));
      for (std::int16_t k = 0; k < WeeksInLeapWeekMonth(m, true); ++k) {
        monthOfWeek[week] = static_cast<std::int8_t>(m);
        daysBeforeWeek[week++] = static_cast<std::int8_t>(7 * k);
      }
    }
  }
};
constexpr MonthWeekTables MonthWeeks;

constexpr bool MonthWeekTablesAgree() noexcept {
  std::int16_t sum = 0;
  for (std::int16_t m = 1; m <= 12; ++m) {
    if ((MonthWeeks.monthInfo[m] >> 8) != sum || WeeksBeforeMonthByRule(m) != sum) return false;
    sum = static_cast<std::int16_t>(sum + WeeksInLeapWeekMonth(m, false));
  }
  return sum == 52 && MonthWeeks.monthOfWeek[1] == 1 && MonthWeeks.monthOfWeek[52] == 12 &&
         MonthWeeks.monthOfWeek[53] == 12;
}
static_assert(MonthWeekTablesAgree());

// Year text: decimal with a leading "-"; from |year| >= 10000 on, digit groups of three
// separated by `groupingSeparator`.
std::string YearText(std::int32_t year, std::string_view groupingSeparator) {
  const bool negative = year < 0;
  std::int64_t magnitude = negative ? -static_cast<std::int64_t>(year) : year;
  char digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  const bool grouped = n >= 5 && !groupingSeparator.empty();
  std::string text;
  text.reserve(n + 8);
  if (negative) text.push_back('-');
  for (std::size_t i = n; i-- > 0;) {
    text.push_back(digits[i]);
    if (grouped && i > 0 && i % 3 == 0) text += groupingSeparator;
  }
  return text;
}

void AppendTwoDigits(std::string& text, std::int32_t value) {
  text.push_back(static_cast<char>('0' + value / 10 % 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

// Reads the digits of `text` from `pos` up to the next "-" or the end into `value`,
// saturating at `limit` + 1; false when there are none. `pos` ends on the "-" or the end.
bool ReadNumber(const std::string& text, std::size_t& pos, std::int64_t limit,
                std::int64_t& value) noexcept {
  const std::size_t begin = pos;
  value = 0;
  while (pos < text.size() && text[pos] != '-') {
    if (value <= limit) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > begin;
}

// The year and the two numbers after it of a leap-week text ("-2021-10-5"). Returns the
// ParseStatus of this step: 0 malformed, -1 year beyond MaxAbsYear, 1 read.
ParseStatus SplitLeapWeekText(std::string_view input, std::int32_t& year, std::int16_t& second,
                              std::int16_t& third) noexcept {
  std::string text(input);
  KeepDateCharacters(text, "-");
  // Only a leading minus sign of the year may stand besides the two field separators.
  std::size_t hyphens = 0;
  for (std::size_t i = 1; i < text.size(); ++i) hyphens += text[i] == '-' ? 1 : 0;
  if (text.empty() || hyphens != 2) return StatusMalformed;

  std::size_t pos = 0;
  const bool negative = text[0] == '-';
  if (negative) pos = 1;
  std::int64_t value = 0;
  if (!ReadNumber(text, pos, MaxAbsYear, value)) return StatusMalformed;
  if (value > MaxAbsYear) return StatusOutOfRange;
  year = static_cast<std::int32_t>(negative ? -value : value);

  // A field number too large for its 16-bit field is no date of this calendar.
  constexpr std::int64_t fieldLimit = 32767;
  ++pos;  // past the "-"
  if (!ReadNumber(text, pos, fieldLimit, value) || value > fieldLimit) return StatusMalformed;
  second = static_cast<std::int16_t>(value);
  ++pos;
  if (!ReadNumber(text, pos, fieldLimit, value) || value > fieldLimit) return StatusMalformed;
  third = static_cast<std::int16_t>(value);
  return StatusValid;
}

}  // namespace

std::int64_t LeapWeekYearStart(std::int32_t year) noexcept {
  // Leap years among the years 1 .. year - 1 (negative before year 1): the cycle count
  // floor((71 * year + 132) / 400), by floor division on a value shifted by whole cycles.
  constexpr std::int64_t shift = 71 * 400 * LeapWeekShiftCycles;
  const auto shifted =
      static_cast<std::uint64_t>(71 * static_cast<std::int64_t>(year) + 132 + shift);
  const std::int64_t leapYears =
      static_cast<std::int64_t>(shifted / 400) - 71 * LeapWeekShiftCycles;
  return LeapWeekEpochJdn + 364 * (static_cast<std::int64_t>(year) - 1) + 7 * leapYears;
}

std::int16_t CheckLeapWeekDate(const LeapWeekDate& date) noexcept {
  // Unsigned: one comparison each for weekday 1..7 and week 1..52.
  if (static_cast<std::uint16_t>(date.weekday - 1) > 6u) return -3;
  // Only week 53 depends on the year (rare: the leap rule is not evaluated otherwise).
  if (static_cast<std::uint16_t>(date.week - 1) > 51u &&
      (date.week != 53 || !IsLeapWeekYear(date.year)))
    return -3;
  return 0;
}

void JdnToLeapWeek(LeapWeekDate& date) noexcept {
  // Days and weeks since the epoch Monday, shifted by whole cycles to be non-negative.
  constexpr std::int64_t shiftCycles = std::int64_t{1} << 15;
  const auto d = static_cast<std::uint64_t>(static_cast<std::int64_t>(date.jdn) - LeapWeekEpochJdn +
                                            shiftCycles * LeapWeekCycleDays);
  const std::uint64_t weeks = d / 7;
  // x = 400 weeks + 196 = 20871 years + rho: so many years are complete (CycleYearOfWeek,
  // over all cycles at once), and the day lies floor(rho / 400) weeks after the start of the
  // next year (WeekOfYearFromRemainderIsExact).
  const std::uint64_t x = 400 * weeks + 196;
  const std::uint64_t years = x / 20871;
  const auto rho = static_cast<std::uint32_t>(x - 20871 * years);  // [0, 20870]
  date.year = static_cast<std::int32_t>(static_cast<std::int64_t>(years) - 400 * shiftCycles + 1);
  date.week = static_cast<std::int16_t>(((rho * 5243u) >> 21) + 1);     // [1, 53]
  date.weekday = static_cast<std::int16_t>(d - 7 * weeks + 1);          // [1, 7]
  date.status = 0;
}

bool LeapWeekToMonthForm(LeapWeekDate& date) noexcept {
  date.status = CheckLeapWeekDate(date);
  if (date.status < 0) return false;
  date.month = static_cast<std::int16_t>(MonthWeeks.monthOfWeek[date.week]);  // week: [1, 53]
  date.dayOfMonth = static_cast<std::int16_t>(MonthWeeks.daysBeforeWeek[date.week] + date.weekday);
  return true;
}

bool MonthFormToLeapWeek(LeapWeekDate& date) noexcept {
  if (static_cast<std::uint16_t>(date.month - 1) > 11u) {
    date.status = -2;
    return false;
  }
  // Days beyond the 28 or 35 of a common year are valid only in the leap week (month 12).
  const std::int32_t info = MonthWeeks.monthInfo[date.month];
  const auto day = static_cast<std::uint16_t>(date.dayOfMonth - 1);  // [0, 34] when valid
  if (day >= (info & 255) && (date.month != 12 || day >= 35 || !IsLeapWeekYear(date.year))) {
    date.status = -3;
    return false;
  }
  date.status = 0;
  date.week = static_cast<std::int16_t>(MonthWeeks.weekOfDay[day] + (info >> 8) + 1);  // day < 35
  date.weekday = MonthWeeks.weekdayOfDay[day];
  return true;
}

bool LeapWeekToJdn(LeapWeekDate& date) noexcept {
  // |year| > MaxAbsYear, as one unsigned comparison.
  if (static_cast<std::uint32_t>(date.year) + MaxAbsYear > 2u * MaxAbsYear) {
    date.status = -1;
    return false;
  }
  date.status = CheckLeapWeekDate(date);
  if (date.status < 0) return false;
  // |year| <= MaxAbsYear keeps the day within about +-2.12e9.
  date.jdn =
      static_cast<Jdn>(LeapWeekYearStart(date.year) + (date.week - 1) * 7 + date.weekday - 1);
  return true;
}

std::string FormatLeapWeekDate(const LeapWeekDate& date, bool label,
                               std::string_view groupingSeparator) {
  std::string text = YearText(date.year, groupingSeparator);
  text.push_back('-');
  AppendTwoDigits(text, date.week);
  text.push_back('-');
  text.push_back(static_cast<char>('0' + date.weekday % 10));
  if (label) text += " LPW";
  return text;
}

std::string FormatLeapMonthDate(const LeapWeekDate& date, bool label,
                                std::string_view groupingSeparator) {
  std::string text = YearText(date.year, groupingSeparator);
  text.push_back('-');
  AppendTwoDigits(text, date.month);
  text.push_back('-');
  AppendTwoDigits(text, date.dayOfMonth);
  if (label) text += " LPM";
  return text;
}

ParseStatus ParseLeapWeekDate(std::string_view text, LeapWeekDate& date) noexcept {
  LeapWeekDate read;
  const ParseStatus split = SplitLeapWeekText(text, read.year, read.week, read.weekday);
  if (split != StatusValid) return split;
  if (!LeapWeekToJdn(read)) return StatusMalformed;
  date = read;
  return StatusValid;
}

ParseStatus ParseLeapMonthDate(std::string_view text, LeapWeekDate& date) noexcept {
  LeapWeekDate read;
  const ParseStatus split = SplitLeapWeekText(text, read.year, read.month, read.dayOfMonth);
  if (split != StatusValid) return split;
  if (!MonthFormToLeapWeek(read) || !LeapWeekToJdn(read)) return StatusMalformed;
  date = read;
  return StatusValid;
}

void SetLocaleGroupingSeparator(std::string sep) {
  bool readsBack = true;
  for (const char c : sep) readsBack = readsBack && !((c >= '0' && c <= '9') || c == '-');
  if (readsBack) {
    GroupingSeparator = std::move(sep);
  } else {
    GroupingSeparator.assign(1, ',');
  }
}

const std::string& LocaleGroupingSeparator() noexcept { return GroupingSeparator; }

}  // namespace valdora
