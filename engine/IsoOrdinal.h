// SPDX-License-Identifier: MIT
// ISO 8601 week dates and ordinal dates (CE year and day of the year): conversion to and
// from Julian day numbers, and their texts in the hyphenated and the plain form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// Hyphen option of the ISO and ordinal texts: 1 = hyphenated form, any other value = plain.
inline constexpr std::int16_t HyphenatedForm = 1;

// True when ISO year `isoYear` has 53 weeks (any sign of year).
bool HasIsoWeek53(std::int32_t isoYear) noexcept;

// JDN of the Monday of week 1 of ISO year `isoYear` (|isoYear| <= MaxAbsYear).
Jdn IsoWeekOneMonday(std::int32_t isoYear) noexcept;

// date.jdn -> date.isoYear, date.week (1..53), date.weekday (1 = Monday .. 7 = Sunday).
void JdnToIsoWeekDate(IsoWeekDate& date) noexcept;

// date.isoYear, week, weekday -> date.jdn. No range check: the fields come validated.
void IsoWeekDateToJdn(IsoWeekDate& date) noexcept;

// "2020-W01-1" when `hyphen` is 1, "2020W011" when it is 0 (IsoForm answers -1 and 1 for them).
std::string FormatIsoWeekDate(const IsoWeekDate& date, std::int16_t hyphen);
// The same, written into `text` in place of what it held (no temporary string).
void FormatIsoWeekDate(const IsoWeekDate& date, std::int16_t hyphen, std::string& text);

// 1 plain form, -1 hyphenated form, 0 not an ISO week date.
std::int16_t IsoForm(std::string_view text) noexcept;

// Reads an ISO week date in either form; on 1 (valid) `date` holds the fields and the JDN.
ParseStatus ParseIsoWeekDate(std::string_view text, IsoWeekDate& date) noexcept;

// "2020-366" when `hyphen` is 1, "2020366" when it is 0 (OrdinalForm answers -1 and 1 for
// them), from date.year and `dayOfYear`. The year is
// written with four digits; callers keep to 0001-001..9999-365.
std::string FormatOrdinalDate(const EuroDate& date, std::int16_t dayOfYear, std::int16_t hyphen);

// 1 plain form (yyyyddd), -1 hyphenated form (yyyy-ddd), 0 not an ordinal date.
std::int16_t OrdinalForm(std::string_view text) noexcept;

// Reads an ordinal date in the form the hyphen option selects; on 1 `date` holds the CE
// date, calendar 'G' and its JDN.
ParseStatus ParseOrdinalDate(std::string_view text, std::int16_t hyphen, EuroDate& date) noexcept;

// JDN -> CE year and day of the year (1..366) in one pass; the fast path of the ORD text.
void JdnToOrdinal(Jdn jdn, std::int32_t& year, std::int16_t& dayOfYear) noexcept;

}  // namespace valdora
