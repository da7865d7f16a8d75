// Day-by-day checks of every calendar, shared by the exhaustive verifier and the sampled
// test: each form of a day converts back to it, consecutive days advance by exactly one day
// in every calendar, and written texts read back. The rollover rules are written here
// independently of the engine, so that the engine is checked against them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"

namespace valdora::verify {

// Every form of one day, as the engine converts it.
struct DayForms {
  Jdn jdn = 0;
  EuroDate ce;
  EuroDate jc;
  IsoWeekDate iso;
  LeapWeekDate leap;
  std::int32_t dayOfWeek = 0;  // 0 = Sunday
};

inline bool RefGregorianLeap(std::int64_t y) {
  return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
inline bool RefJulianLeap(std::int64_t y) { return y % 4 == 0; }
inline bool RefLeapWeekLeap(std::int64_t y) {
  std::int64_t r = (71 * y + 203) % 400;
  return (r < 0 ? r + 400 : r) < 71;
}

inline std::int32_t RefMonthDays(std::int32_t month, bool leap) {
  constexpr std::int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return -1;
  return month == 2 && leap ? 29 : days[month - 1];
}

// jdn -> every form.
inline DayForms ConvertDay(Jdn jdn) noexcept {
  DayForms f;
  f.jdn = jdn;
  f.ce.calendar = GregorianLetter;
  f.ce.jdn = jdn;
  JdnToEuroDate(f.ce);
  f.jc.calendar = JulianLetter;
  f.jc.jdn = jdn;
  JdnToEuroDate(f.jc);
  f.iso.jdn = jdn;
  JdnToIsoWeekDate(f.iso);
  f.leap.jdn = jdn;
  JdnToLeapWeek(f.leap);
  LeapWeekToMonthForm(f.leap);
  f.dayOfWeek = DayOfWeek(jdn);
  return f;
}

// nullptr when every form converts back to f.jdn, else what failed.
inline const char* CheckRoundTrip(const DayForms& f) noexcept {
  EuroDate ce{f.ce.year, f.ce.month, f.ce.day, GregorianLetter, 0};
  if (EuroDateToJdn(ce) != f.jdn || ce.jdn != f.jdn) return "CE date does not convert back";
  EuroDate jc{f.jc.year, f.jc.month, f.jc.day, JulianLetter, 0};
  if (EuroDateToJdn(jc) != f.jdn || jc.jdn != f.jdn) return "JC date does not convert back";
  IsoWeekDate iso{f.iso.isoYear, f.iso.week, f.iso.weekday, 0};
  IsoWeekDateToJdn(iso);
  if (iso.jdn != f.jdn) return "ISO week date does not convert back";
  LeapWeekDate week;
  week.year = f.leap.year;
  week.week = f.leap.week;
  week.weekday = f.leap.weekday;
  if (!LeapWeekToJdn(week) || week.jdn != f.jdn) return "LPW date does not convert back";
  // The month form converts back through its week form: the same week form as the day's
  // (whose conversion to the JDN is checked above) converts to the same JDN.
  LeapWeekDate month;
  month.year = f.leap.year;
  month.month = f.leap.month;
  month.dayOfMonth = f.leap.dayOfMonth;
  if (!MonthFormToLeapWeek(month)) return "LPM date is refused";
  // Compared one field at a time (a merged load of both would wait for the two stores).
  if (month.week != f.leap.week) return "LPM date converts to another week";
  if (month.weekday != f.leap.weekday) return "LPM date converts to another weekday";
  const std::int32_t isoWeekday = f.dayOfWeek == 0 ? 7 : f.dayOfWeek;
  if (f.iso.weekday != isoWeekday) return "ISO weekday differs from the day of week";
  if (f.leap.weekday != isoWeekday) return "LPW weekday differs from the day of week";
  return nullptr;
}

// True when (ny, nm, nd) is the day after (y, m, d) in a calendar of twelve months whose
// lengths `days(y, m)` gives. Month lengths are asked for only from day 28 on.
template <typename MonthDays>
bool IsNextDay(std::int64_t y, std::int64_t m, std::int64_t d, std::int64_t ny, std::int64_t nm,
               std::int64_t nd, MonthDays days) {
  if (ny == y && nm == m && nd == d + 1) return nd <= 28 || nd <= days(y, m);
  if (d != days(y, m) || nd != 1) return false;
  return m < 12 ? (ny == y && nm == m + 1) : (ny == y + 1 && nm == 1);
}

// nullptr when `next` is the day after `prev` in every calendar, else what failed.
inline const char* CheckSuccessor(const DayForms& prev, const DayForms& next) noexcept {
  if (next.jdn != prev.jdn + 1) return "days are not consecutive";
  if (next.dayOfWeek != (prev.dayOfWeek + 1) % 7) return "day of week does not advance by one";
  if (!IsNextDay(prev.ce.year, prev.ce.month, prev.ce.day, next.ce.year, next.ce.month, next.ce.day,
                 [](std::int64_t y, std::int64_t m) {
                   return RefMonthDays(static_cast<std::int32_t>(m), RefGregorianLeap(y));
                 }))
    return "CE date does not advance by one day";
  if (!IsNextDay(prev.jc.year, prev.jc.month, prev.jc.day, next.jc.year, next.jc.month, next.jc.day,
                 [](std::int64_t y, std::int64_t m) {
                   return RefMonthDays(static_cast<std::int32_t>(m), RefJulianLeap(y));
                 }))
    return "JC date does not advance by one day";

  // ISO: week 1 begins on the Monday between 29 December and 4 January (CE).
  const IsoWeekDate& a = prev.iso;
  const IsoWeekDate& b = next.iso;
  if (a.weekday < 7) {
    if (b.isoYear != a.isoYear || b.week != a.week || b.weekday != a.weekday + 1)
      return "ISO weekday does not advance by one";
  } else {
    const bool weekOne =
        (next.ce.month == 12 && next.ce.day >= 29) || (next.ce.month == 1 && next.ce.day <= 4);
    if (weekOne) {
      const std::int32_t year = next.ce.month == 1 ? next.ce.year : next.ce.year + 1;
      if (b.isoYear != year || b.week != 1 || b.weekday != 1 || a.isoYear != year - 1)
        return "ISO year does not begin on the Monday of week one";
    } else if (b.isoYear != a.isoYear || b.week != a.week + 1 || b.weekday != 1) {
      return "ISO week does not advance by one";
    }
  }

  // Leap-week calendar: years of 52 or 53 weeks, months of 4 or 5 weeks.
  const LeapWeekDate& p = prev.leap;
  const LeapWeekDate& q = next.leap;
  const std::int32_t weeks = RefLeapWeekLeap(p.year) ? 53 : 52;
  if (p.weekday < 7) {
    if (q.year != p.year || q.week != p.week || q.weekday != p.weekday + 1)
      return "LPW weekday does not advance by one";
  } else if (p.week < weeks) {
    if (q.year != p.year || q.week != p.week + 1 || q.weekday != 1)
      return "LPW week does not advance by one";
  } else if (q.year != p.year + 1 || q.week != 1 || q.weekday != 1) {
    return "LPW year does not advance by one";
  }
  if (!IsNextDay(p.year, p.month, p.dayOfMonth, q.year, q.month, q.dayOfMonth,
                 [](std::int64_t y, std::int64_t m) -> std::int64_t {
                   const bool five = m % 3 == 1 || (m == 12 && RefLeapWeekLeap(y));
                   return five ? 35 : 28;
                 }))
    return "LPM date does not advance by one day";
  return nullptr;
}

// nullptr when the day's text in calendar `cal` reads back as the day.
inline const char* CheckText(Jdn jdn, CalendarCode cal, DateFormat format, bool hyphen) {
  std::string text;
  if (!WriteDateInCalendar(jdn, cal, format, hyphen, text)) {
    if (cal == ORD && (jdn < FirstOrdinalJdn || jdn > LastOrdinalJdn)) return nullptr;
    return "a day has no text";
  }
  Jdn back = 0;
  if (ReadDateInCalendar(text, cal, format, hyphen, back) != StatusValid || back != jdn)
    return "a written text does not read back";
  return nullptr;
}

// nullptr when the day's text in every calendar, date format and hyphen form reads back.
inline const char* CheckTexts(Jdn jdn) {
  const char* failure = nullptr;
  for (const DateFormat format : {MDY, DMY, YMD}) {
    if (!failure) failure = CheckText(jdn, CE, format, false);
    if (!failure) failure = CheckText(jdn, JC, format, false);
  }
  for (const bool hyphen : {false, true}) {
    if (!failure) failure = CheckText(jdn, ORD, YMD, hyphen);
    if (!failure) failure = CheckText(jdn, ISO, YMD, hyphen);
  }
  for (const CalendarCode cal : {JDN, LPW, LPM})
    if (!failure) failure = CheckText(jdn, cal, YMD, false);
  return failure;
}

// Checks the days first..last: every form converts back, every day follows the one before
// it (also `first` its predecessor when `withPredecessor`), and the texts of the days whose
// JDN has no bit of `textMask` set read back. Answers nullptr, or what failed with the JDN
// in `failedJdn`. Days go through in blocks, one conversion at a time over the block, so
// that the processor overlaps many independent conversions.
inline const char* CheckDays(std::int64_t first, std::int64_t last, bool withPredecessor,
                             std::int64_t textMask, std::int64_t& failedJdn) {
  constexpr std::int64_t BlockDays = 256;
  static thread_local DayForms block[BlockDays + 1];  // [0] holds the day before the block
  if (withPredecessor) block[0] = ConvertDay(static_cast<Jdn>(first - 1));
  for (std::int64_t start = first; start <= last; start += BlockDays) {
    const auto n = static_cast<std::int32_t>(std::min(BlockDays, last - start + 1));
    for (std::int32_t i = 1; i <= n; ++i) block[i].jdn = static_cast<Jdn>(start + i - 1);
    for (std::int32_t i = 1; i <= n; ++i) {
      block[i].ce = EuroDate{0, 0, 0, GregorianLetter, block[i].jdn};
      JdnToEuroDate(block[i].ce);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
      block[i].jc = EuroDate{0, 0, 0, JulianLetter, block[i].jdn};
      JdnToEuroDate(block[i].jc);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
      block[i].iso = IsoWeekDate{0, 0, 0, block[i].jdn};
      JdnToIsoWeekDate(block[i].iso);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
      block[i].leap = LeapWeekDate{};
      block[i].leap.jdn = block[i].jdn;
      JdnToLeapWeek(block[i].leap);
      LeapWeekToMonthForm(block[i].leap);
    }
    for (std::int32_t i = 1; i <= n; ++i) block[i].dayOfWeek = DayOfWeek(block[i].jdn);
    for (std::int32_t i = 1; i <= n; ++i) {
      const char* what = CheckRoundTrip(block[i]);
      const bool paired = i > 1 || withPredecessor || start > first;
      if (!what && paired) what = CheckSuccessor(block[i - 1], block[i]);
      if (!what && (block[i].jdn & textMask) == 0) what = CheckTexts(block[i].jdn);
      if (what) {
        failedJdn = block[i].jdn;
        return what;
      }
    }
    block[0] = block[n];
  }
  return nullptr;
}

}  // namespace valdora::verify
