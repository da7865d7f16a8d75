// SPDX-License-Identifier: MIT
// Holiday lists in plain text: one CE date a line as yyyy-mm-dd (at least four year digits, a
// leading "-" for negative years), LF or CR LF line ends; blank lines and lines whose first
// non-blank character is "#" are comments. A line that is anything else is an error naming
// its number: a holiday is never silently skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateTypes.h"

namespace valdora {

// The JDN of CE date year-month-day; false when there is no such date within the engine's
// limits (a day beyond its month's end, a year beyond MaxAbsYear, a JDN beyond MaxJdn).
bool CeDateToJdn(std::int32_t year, std::int32_t month, std::int32_t day, Jdn& jdn) noexcept;

// Reads one date as yyyy-mm-dd; false when `text` is not exactly such a date within the
// engine's limits.
bool ReadHolidayDate(std::string_view text, Jdn& jdn) noexcept;

// Text from a holiday file as part of a one-line message: at most `limit` bytes (then "..."),
// control characters as "?".
std::string OneLineExcerpt(std::string_view text, std::size_t limit);

// Appends the dates of the list `content` to `holidays`. On a bad line: false, `line` its
// number (from 1) and `problem` what is wrong with it; `holidays` keeps what came before.
bool ReadPlainHolidays(std::string_view content, std::vector<Jdn>& holidays, int& line,
                       std::string& problem);

}  // namespace valdora
