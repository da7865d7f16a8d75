// SPDX-License-Identifier: MIT
// Day-by-day checks of every calendar, shared by the exhaustive verifier and the sampled
// test: each form of a day converts back to it, consecutive days advance by exactly one day
// in every calendar, and written texts read back. The rollover rules are written here
// independently of the engine, so that the engine is checked against them.
//
// Days go through in blocks held as one array per field: the engine converts the whole
// block one conversion at a time (so that the processor overlaps many independent
// conversions), and the rollover checks of the block then run as straight-line code over
// the arrays, which the compiler turns into vector instructions.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"

// The engine calls of a block inlined into its loops (with link-time optimisation).
#if defined(__GNUC__) && !defined(__clang__)
#define VALDORA_VERIFY_FLATTEN __attribute__((flatten))
#else
#define VALDORA_VERIFY_FLATTEN
#endif
// Loops over the arrays of a block, compiled for AVX2 too where the processor has it.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__)
#define VALDORA_VERIFY_VECTOR __attribute__((target_clones("avx2", "default")))
#else
#define VALDORA_VERIFY_VECTOR
#endif

namespace valdora::verify {

// Reference rules, written independently of the engine, and free of branches.
constexpr bool RefGregorianLeap(std::int32_t y) noexcept {
  return ((y & 3) == 0) & ((y % 100 != 0) | ((y & 15) == 0));  // 400 | y <=> 100 | y, 16 | y
}
constexpr bool RefJulianLeap(std::int32_t y) noexcept { return (y & 3) == 0; }
constexpr bool RefLeapWeekLeap(std::int32_t y) noexcept {
  const std::int32_t r = (71 * y + 203) % 400;  // (-400, 400); |71 y| < 2^31 for |y| < 3e7
  return r + ((r >> 31) & 400) < 71;            // r mod 400 < 71
}

// Days of month 1..12 of a twelve-month year.
constexpr std::int32_t RefMonthDays(std::int32_t month, bool leap) noexcept {
  return 30 + ((month + (month >> 3)) & 1) - (month == 2) * (2 - leap);
}

constexpr bool RefRulesHold() noexcept {
  constexpr std::int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (std::int32_t m = 1; m <= 12; ++m)
    if (RefMonthDays(m, false) != days[m - 1] || RefMonthDays(m, true) != days[m - 1] + (m == 2))
      return false;
  for (std::int32_t y = -2000; y <= 2000; ++y) {
    const std::int32_t r = ((71 * y + 203) % 400 + 400) % 400;
    if (RefGregorianLeap(y) != ((y % 4 == 0) && (y % 100 != 0 || y % 400 == 0)) ||
        RefLeapWeekLeap(y) != (r < 71))
      return false;
  }
  return true;
}
static_assert(RefRulesHold());

// What a check found wrong with a day: one bit per failure, in the order of FailureText.
namespace failure {
inline constexpr std::uint32_t CeBack = 1u << 0;
inline constexpr std::uint32_t JcBack = 1u << 1;
inline constexpr std::uint32_t IsoBack = 1u << 2;
inline constexpr std::uint32_t LpwBack = 1u << 3;
inline constexpr std::uint32_t LpmBack = 1u << 4;
inline constexpr std::uint32_t IsoWeekday = 1u << 5;
inline constexpr std::uint32_t LpwWeekday = 1u << 6;
inline constexpr std::uint32_t NotConsecutive = 1u << 7;
inline constexpr std::uint32_t DowStep = 1u << 8;
inline constexpr std::uint32_t CeStep = 1u << 9;
inline constexpr std::uint32_t JcStep = 1u << 10;
inline constexpr std::uint32_t IsoStep = 1u << 11;
inline constexpr std::uint32_t LpwStep = 1u << 12;
inline constexpr std::uint32_t LpmStep = 1u << 13;
}  // namespace failure
inline constexpr const char* FailureText[] = {
    "CE date does not convert back",
    "JC date does not convert back",
    "ISO week date does not convert back",
    "LPW date does not convert back",
    "LPM date does not convert back to the LPW date of the day",
    "ISO weekday differs from the day of week",
    "LPW weekday differs from the day of week",
    "days are not consecutive",
    "day of week does not advance by one",
    "CE date does not advance by one day",
    "JC date does not advance by one day",
    "ISO week date does not advance by one day",
    "LPW date does not advance by one day",
    "LPM date does not advance by one day",
};

// The text of the lowest failure of `failures`, nullptr for none.
inline const char* FailureMessage(std::uint32_t failures) noexcept {
  if (failures == 0) return nullptr;
  return FailureText[__builtin_ctz(failures)];
}

// Every form of the days of a block, one array per field; day 0 is the day before the block.
struct DayBlock {
  static constexpr std::int32_t Days = 256;
  static constexpr std::int32_t Size = Days + 1;
  Jdn jdn[Size];
  std::int32_t ceYear[Size], ceMonth[Size], ceDay[Size];
  std::int32_t jcYear[Size], jcMonth[Size], jcDay[Size];
  std::int32_t isoYear[Size], isoWeek[Size], isoWeekday[Size];
  std::int32_t lpwYear[Size], lpwWeek[Size], lpwWeekday[Size];
  std::int32_t lpmMonth[Size], lpmDay[Size];
  std::int32_t dayOfWeek[Size];  // 0 = Sunday
  // What each form converts back to (the LPM form: to a week and weekday).
  Jdn ceBack[Size], jcBack[Size], isoBack[Size], lpwBack[Size];
  std::int32_t lpmBackWeek[Size], lpmBackWeekday[Size];
  std::uint32_t failures[Size];  // what the checks found wrong with each day

  // Day `to` takes the forms of day `from`.
  void CopyDay(std::int32_t from, std::int32_t to) noexcept {
    for (std::int32_t* field : {jdn, ceYear, ceMonth, ceDay, jcYear, jcMonth, jcDay, isoYear,
                                isoWeek, isoWeekday, lpwYear, lpwWeek, lpwWeekday, lpmMonth, lpmDay,
                                dayOfWeek})
      field[to] = field[from];
  }
};

// Converts the days first..last of the block (their jdn set) into every form.
VALDORA_VERIFY_FLATTEN VALDORA_VERIFY_VECTOR inline void ConvertDays(
    DayBlock& __restrict b, std::int32_t first, std::int32_t last) noexcept {
  for (std::int32_t i = first; i <= last; ++i) {
    EuroDate ce{0, 0, 0, GregorianLetter, b.jdn[i]};
    JdnToEuroDate(ce);
    b.ceYear[i] = ce.year;
    b.ceMonth[i] = ce.month;
    b.ceDay[i] = ce.day;
  }
  for (std::int32_t i = first; i <= last; ++i) {
    EuroDate jc{0, 0, 0, JulianLetter, b.jdn[i]};
    JdnToEuroDate(jc);
    b.jcYear[i] = jc.year;
    b.jcMonth[i] = jc.month;
    b.jcDay[i] = jc.day;
  }
  for (std::int32_t i = first; i <= last; ++i) {
    IsoWeekDate iso{0, 0, 0, b.jdn[i]};
    JdnToIsoWeekDate(iso);
    b.isoYear[i] = iso.isoYear;
    b.isoWeek[i] = iso.week;
    b.isoWeekday[i] = iso.weekday;
  }
  for (std::int32_t i = first; i <= last; ++i) {
    LeapWeekDate leap;
    leap.jdn = b.jdn[i];
    JdnToLeapWeek(leap);
    b.lpwYear[i] = leap.year;
    b.lpwWeek[i] = leap.week;
    b.lpwWeekday[i] = leap.weekday;
    b.lpmMonth[i] = LeapWeekToMonthForm(leap) ? leap.month : 0;
    b.lpmDay[i] = leap.dayOfMonth;
  }
  for (std::int32_t i = first; i <= last; ++i) b.dayOfWeek[i] = DayOfWeek(b.jdn[i]);
}

VALDORA_VERIFY_VECTOR inline void CompareRoundTrips(DayBlock& b, std::int32_t first,
                                                    std::int32_t last) noexcept;

// Sets the failures of days first..last to those of their round trips: every form converts
// back to the day, and the weekdays agree with the day of week. The engine converts back one
// conversion at a time over the days; the results are then compared in one vector loop.
VALDORA_VERIFY_FLATTEN VALDORA_VERIFY_VECTOR inline void CheckRoundTrips(
    DayBlock& __restrict b, std::int32_t first, std::int32_t last) noexcept {
  for (std::int32_t i = first; i <= last; ++i) {
    EuroDate ce{b.ceYear[i], b.ceMonth[i], b.ceDay[i], GregorianLetter, 0};
    const Jdn back = EuroDateToJdn(ce);
    b.ceBack[i] = back == ce.jdn ? back : ~b.jdn[i];  // both the answer and the record
  }
  for (std::int32_t i = first; i <= last; ++i) {
    EuroDate jc{b.jcYear[i], b.jcMonth[i], b.jcDay[i], JulianLetter, 0};
    const Jdn back = EuroDateToJdn(jc);
    b.jcBack[i] = back == jc.jdn ? back : ~b.jdn[i];
  }
  for (std::int32_t i = first; i <= last; ++i) {
    IsoWeekDate iso{b.isoYear[i], b.isoWeek[i], b.isoWeekday[i], 0};
    IsoWeekDateToJdn(iso);
    b.isoBack[i] = iso.jdn;
  }
  for (std::int32_t i = first; i <= last; ++i) {
    LeapWeekDate week;
    week.year = b.lpwYear[i];
    week.week = static_cast<std::int16_t>(b.lpwWeek[i]);
    week.weekday = static_cast<std::int16_t>(b.lpwWeekday[i]);
    b.lpwBack[i] = LeapWeekToJdn(week) ? week.jdn : ~b.jdn[i];  // a refusal never matches
  }
  // The month form converts back through its week form: the same week form as the day's
  // (whose conversion to the JDN is checked above) converts to the same JDN.
  for (std::int32_t i = first; i <= last; ++i) {
    LeapWeekDate month;
    month.year = b.lpwYear[i];
    month.month = static_cast<std::int16_t>(b.lpmMonth[i]);
    month.dayOfMonth = static_cast<std::int16_t>(b.lpmDay[i]);
    const bool read = MonthFormToLeapWeek(month);
    b.lpmBackWeek[i] = read ? month.week : -1;
    b.lpmBackWeekday[i] = month.weekday;
  }
  CompareRoundTrips(b, first, last);
}

// Sets the failures of days first..last from what their forms converted back to.
VALDORA_VERIFY_VECTOR inline void CompareRoundTrips(DayBlock& b, std::int32_t first,
                                                    std::int32_t last) noexcept {
  for (std::int32_t i = first; i <= last; ++i) {
    const Jdn jdn = b.jdn[i];
    std::uint32_t failures = b.ceBack[i] != jdn ? failure::CeBack : 0;
    failures |= b.jcBack[i] != jdn ? failure::JcBack : 0;
    failures |= b.isoBack[i] != jdn ? failure::IsoBack : 0;
    failures |= b.lpwBack[i] != jdn ? failure::LpwBack : 0;
    failures |= ((b.lpmBackWeek[i] != b.lpwWeek[i]) | (b.lpmBackWeekday[i] != b.lpwWeekday[i]))
                    ? failure::LpmBack
                    : 0;
    const std::int32_t isoWeekday = b.dayOfWeek[i] == 0 ? 7 : b.dayOfWeek[i];
    failures |= b.isoWeekday[i] != isoWeekday ? failure::IsoWeekday : 0;
    failures |= b.lpwWeekday[i] != isoWeekday ? failure::LpwWeekday : 0;
    b.failures[i] = failures;
  }
}

// True unless (ny, nm, nd) is the day after the valid date (y, m, d) of a twelve-month
// calendar whose month m has `days` days.
constexpr bool CivilStepFails(std::int32_t y, std::int32_t m, std::int32_t d, std::int32_t days,
                              std::int32_t ny, std::int32_t nm, std::int32_t nd) noexcept {
  const bool valid = (m >= 1) & (m <= 12) & (d >= 1) & (d <= days);
  const bool last = d == days;
  const std::int32_t ey = y + (last & (m == 12));
  const std::int32_t em = last ? (m == 12 ? 1 : m + 1) : m;
  const std::int32_t ed = last ? 1 : d + 1;
  return (!valid) | (ny != ey) | (nm != em) | (nd != ed);
}

// Adds to the failures of days first..last (first >= 1) those of following the day before:
// the JDN and the day of week advance by one, and so does the date in every calendar.
VALDORA_VERIFY_VECTOR inline void CheckSuccessors(DayBlock& b, std::int32_t first,
                                                  std::int32_t last) noexcept {
  for (std::int32_t i = first; i <= last; ++i) {
    const std::int32_t k = i - 1;
    std::uint32_t failures = b.jdn[i] != b.jdn[k] + 1 ? failure::NotConsecutive : 0;
    const std::int32_t dow = b.dayOfWeek[k];
    const bool dowValid = (dow >= 0) & (dow <= 6);
    const bool dowStep = (!dowValid) | (b.dayOfWeek[i] != (dow == 6 ? 0 : dow + 1));
    failures |= dowStep ? failure::DowStep : 0;
    failures |= CivilStepFails(b.ceYear[k], b.ceMonth[k], b.ceDay[k],
                               RefMonthDays(b.ceMonth[k], RefGregorianLeap(b.ceYear[k])),
                               b.ceYear[i], b.ceMonth[i], b.ceDay[i])
                    ? failure::CeStep
                    : 0;
    failures |= CivilStepFails(b.jcYear[k], b.jcMonth[k], b.jcDay[k],
                               RefMonthDays(b.jcMonth[k], RefJulianLeap(b.jcYear[k])),
                               b.jcYear[i], b.jcMonth[i], b.jcDay[i])
                    ? failure::JcStep
                    : 0;

    // ISO: week 1 begins on the Monday between 29 December and 4 January (CE).
    {
      const std::int32_t m = b.ceMonth[i], d = b.ceDay[i];
      const bool weekOne = ((m == 12) & (d >= 29)) | ((m == 1) & (d <= 4));
      const std::int32_t wd = b.isoWeekday[k], week = b.isoWeek[k];
      const bool sunday = wd == 7;
      const bool newYear = sunday & weekOne;
      const std::int32_t year = b.ceYear[i] + (m == 12);  // the ISO year that week one begins
      const std::int32_t ey = newYear ? year : b.isoYear[k];
      const std::int32_t ew = newYear ? 1 : week + sunday;
      const std::int32_t ed = sunday ? 1 : wd + 1;
      const bool valid = (wd >= 1) & (wd <= 7) & (week >= 1) & (week <= 53);
      failures |= ((!valid) | (newYear & (b.isoYear[k] != year - 1)) | (b.isoYear[i] != ey) |
                   (b.isoWeek[i] != ew) | (b.isoWeekday[i] != ed))
                      ? failure::IsoStep
                      : 0;
    }

    // Leap-week calendar: years of 52 or 53 weeks, months of 4 or 5 weeks.
    const bool leap = RefLeapWeekLeap(b.lpwYear[k]);
    {
      const std::int32_t wd = b.lpwWeekday[k], week = b.lpwWeek[k], weeks = 52 + leap;
      const bool sunday = wd == 7;
      const bool newYear = sunday & (week == weeks);
      const std::int32_t ey = b.lpwYear[k] + newYear;
      const std::int32_t ew = newYear ? 1 : week + sunday;
      const std::int32_t ed = sunday ? 1 : wd + 1;
      const bool valid = (wd >= 1) & (wd <= 7) & (week >= 1) & (week <= weeks);
      failures |= ((!valid) | (b.lpwYear[i] != ey) | (b.lpwWeek[i] != ew) | (b.lpwWeekday[i] != ed))
                      ? failure::LpwStep
                      : 0;
    }
    const std::int32_t m = b.lpmMonth[k];
    const bool five = (m % 3 == 1) | ((m == 12) & leap);
    failures |= CivilStepFails(b.lpwYear[k], m, b.lpmDay[k], five ? 35 : 28, b.lpwYear[i],
                               b.lpmMonth[i], b.lpmDay[i])
                    ? failure::LpmStep
                    : 0;
    b.failures[i] |= failures;
  }
}

// nullptr when the day's text in calendar `cal` with `settings` reads back as the day.
inline const char* CheckText(Jdn jdn, CalendarCode cal, const DateTextSettings& settings) {
  std::string text;
  if (!WriteDateInCalendar(jdn, cal, settings, text)) {
    if (cal == ORD && (jdn < FirstOrdinalJdn || jdn > LastOrdinalJdn)) return nullptr;
    return "a day has no text";
  }
  Jdn back = 0;
  if (ReadDateInCalendar(text, cal, settings, back) != StatusValid || back != jdn)
    return "a written text does not read back";
  return nullptr;
}

// nullptr when the day's text in every calendar, date format and hyphen form reads back,
// with the program-wide separators.
inline const char* CheckTexts(Jdn jdn) {
  const char* failure = nullptr;
  DateTextSettings settings = CurrentDateTextSettings(YMD, false);  // read once for the day
  for (const DateFormat format : {MDY, DMY, YMD}) {
    settings.format = format;
    if (!failure) failure = CheckText(jdn, CE, settings);
    if (!failure) failure = CheckText(jdn, JC, settings);
  }
  for (const bool hyphen : {false, true}) {
    settings.hyphen = hyphen;
    if (!failure) failure = CheckText(jdn, ORD, settings);
    if (!failure) failure = CheckText(jdn, ISO, settings);
  }
  settings.hyphen = false;
  for (const CalendarCode cal : {JDN, LPW, LPM})
    if (!failure) failure = CheckText(jdn, cal, settings);
  return failure;
}

// Whether the text of day `jdn` is checked when one day in `every` is (none for 0).
inline bool TextDay(std::int64_t jdn, std::int64_t every) noexcept {
  return every > 0 && jdn % every == 0;
}

// Checks the days first..last: every form converts back, every day follows the one before
// it (also `first` its predecessor when `withPredecessor`), and the texts of the days whose
// JDN is a multiple of `textEvery` (none for 0) read back. Answers nullptr, or what failed
// with the JDN in `failedJdn`. Only a block with a failure is searched for its first bad day.
inline const char* CheckDays(std::int64_t first, std::int64_t last, bool withPredecessor,
                             std::int64_t textEvery, std::int64_t& failedJdn) {
  static thread_local DayBlock b;
  if (withPredecessor) {
    b.jdn[0] = static_cast<Jdn>(first - 1);
    ConvertDays(b, 0, 0);
  }
  for (std::int64_t start = first; start <= last; start += DayBlock::Days) {
    const auto n =
        static_cast<std::int32_t>(std::min<std::int64_t>(DayBlock::Days, last - start + 1));
    for (std::int32_t i = 1; i <= n; ++i) b.jdn[i] = static_cast<Jdn>(start + i - 1);
    ConvertDays(b, 1, n);
    CheckRoundTrips(b, 1, n);
    const bool paired = withPredecessor || start > first;
    CheckSuccessors(b, paired ? 1 : 2, n);
    std::uint32_t any = 0;
    for (std::int32_t i = 1; i <= n; ++i) any |= b.failures[i];
    if (any == 0 && textEvery >= DayBlock::Days) {
      // At most one day of the block has its texts checked.
      std::int64_t day = start + (textEvery - start % textEvery) % textEvery;
      if (day - start < n) {
        if (const char* what = CheckTexts(static_cast<Jdn>(day))) {
          failedJdn = day;
          return what;
        }
      }
    } else {
      for (std::int32_t i = 1; i <= n; ++i) {
        const char* what = FailureMessage(b.failures[i]);
        if (!what && TextDay(b.jdn[i], textEvery)) what = CheckTexts(b.jdn[i]);
        if (what) {
          failedJdn = b.jdn[i];
          return what;
        }
      }
    }
    b.CopyDay(n, 0);
  }
  return nullptr;
}

}  // namespace valdora::verify
