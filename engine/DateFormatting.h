// SPDX-License-Identifier: MIT
// Writing CE and JC dates in the user's format and separators, JDNs and large numbers with
// thousands separators, and the text of today (or of a day near today). Every date text
// written here reads back through ParseEuroDate as the same date.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

// date.year/month/day as text: two-digit day and month, the year without leading zeros,
// ordered by `format` and joined by `dateSeparator`; a negative year is put in brackets in
// DMY and MDY. Years beyond +-9999 get `thousandsSeparator` between digit groups unless it
// equals the date separator (the text would not read back). No calendar label.
std::string FormatEuroDate(const EuroDate& date, DateFormat format,
                           std::string_view dateSeparator, std::string_view thousandsSeparator);
// The same, written into `text` in place of what it held (no temporary string).
void FormatEuroDate(const EuroDate& date, DateFormat format, std::string_view dateSeparator,
                    std::string_view thousandsSeparator, std::string& text);

// Puts `separator` (its first character) between groups of three digits of `number`; an
// empty separator leaves it unchanged. A leading "-" stays in front of the first group.
void SeparateThousands(std::string& number, std::string_view separator);

// Text of the day `offset` days after today in calendar `cal` (CE or JC; any other code is
// written as CE), with the current ThousandsSeparator.
std::string TodayPlusText(std::int16_t offset, DateFormat format, std::string_view dateSeparator,
                          CalendarCode cal);

// JDN as decimal text with `thousandsSeparator` (its first character; empty: none) between
// digit groups (2,451,545).
std::string FormatJdn(Jdn jdn, std::string_view thousandsSeparator);
// The same with the program-wide ThousandsSeparator, for the Compute command's difference
// texts and the tests that expect them.
std::string FormatJdn(Jdn jdn);

}  // namespace valdora
