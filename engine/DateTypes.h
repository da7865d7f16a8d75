// SPDX-License-Identifier: MIT
// The vocabulary of the calendar engine: calendar codes, date formats, statuses, limits,
// the date records and the two program-wide separator settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace valdora {

// Chronological Julian day number of a civil day (JDN 1721426 = 0001-01-01 CE, a Monday).
using Jdn = std::int32_t;

// Calendar of a date; the value indexes CalendarCodeText. 3, 5 and 9 are reserved.
enum CalendarCode : std::int16_t {
  CE = 0,   // proleptic Gregorian, astronomical years
  JC = 1,   // Julian calendar
  JDN = 2,  // Julian day number
  AN = 3,
  ORD = 4,  // ordinal date: CE year and day of the year
  OLW = 5,
  ISO = 6,  // ISO 8601 week date
  LPW = 7,  // leap-week calendar, week form
  LPM = 8,  // leap-week calendar, month form
  ARC = 9,
};

inline constexpr std::array<std::string_view, 10> CalendarCodeText = {
    "CE", "JC", "JDN", "AN", "ORD", "OLW", "ISO", "LPW", "LPM", "ARC"};

// Order of the parts of CE and JC dates.
enum DateFormat : std::int16_t { MDY = 0, DMY = 1, YMD = 2 };

// Result of every date reader: 1 valid, 0 malformed, -1 out of range.
using ParseStatus = std::int16_t;
inline constexpr ParseStatus StatusValid = 1;
inline constexpr ParseStatus StatusMalformed = 0;
inline constexpr ParseStatus StatusOutOfRange = -1;

inline constexpr std::int32_t MaxJdn = 2100000000;
inline constexpr std::int32_t MinJdn = -2100000000;
inline constexpr std::int32_t MaxAbsYear = 5800000;
inline constexpr std::int32_t FirstOrdinalJdn = 1721426;  // 0001-01-01 CE
inline constexpr std::int32_t LastOrdinalJdn = 5373484;   // 9999-12-31 CE
inline constexpr std::string_view JdnDigitLimit = "2147483647";

inline constexpr std::int16_t GregorianLetter = 'G';
inline constexpr std::int16_t JulianLetter = 'J';

// A CE ('G') or JC ('J') date with its JDN. Consistent when jdn and (year, month, day)
// denote the same day in `calendar`. A fresh record is all zero.
struct EuroDate {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int16_t calendar = 0;
  std::int32_t jdn = 0;
};

// ISO 8601 week date: week 1..53, weekday 1 = Monday .. 7 = Sunday.
struct IsoWeekDate {
  std::int32_t isoYear = 0;
  std::int32_t week = 0;
  std::int32_t weekday = 0;
  std::int32_t jdn = 0;
};

// Program-wide settings, owned and changed by the main window (and the command-line front
// end); read by CurrentDateTextSettings (engine/CalendarText.h), TodayPlusText and the
// one-argument FormatJdn. DateSeparator is "-", "/" or "."; ThousandsSeparator is ",", "."
// or empty.
extern std::string DateSeparator;
extern std::string ThousandsSeparator;

}  // namespace valdora
