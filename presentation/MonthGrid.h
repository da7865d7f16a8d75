// SPDX-License-Identifier: MIT
// The text calendar of one month (day-name header and up to six week rows) and the column of
// ISO 8601 week dates beside it, as the month window shows them and its copy button copies
// them. Widget-free: the month window and valdora-cli --month both build on these.
//
// Lines are separated by "\n" (the line break of a multi-line text box and of the clipboard
// here).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora {

struct MonthGridOptions {
  bool julian = false;          // Julian calendar instead of the Common Era calendar
  bool mondayFirst = false;     // weeks start on Monday instead of Sunday
  bool withIso = false;         // the copy text carries the ISO week dates column
  bool withYearDigit = true;    // ISO cells start with the final digit of the ISO year
  std::int16_t language = 0;    // language of the day and month names (0 English, 1 German)
};

// The grid of one month: its text and what the ISO column needs of it.
struct MonthGrid {
  std::string text;             // header line, then one line per week row
  Jdn firstCellJdn = 0;         // lngFirstCellJDN: the top-left cell
  std::int16_t numWeeks = 0;    // intNumWeeks: week rows written (4..6)
};

// The year typed in the month window: trimmed, filtered to digits and one leading sign, then
// read. False when nothing is left, only a sign, or the number lies beyond +-MaxAbsYear.
bool ReadMonthYear(std::string_view text, std::int32_t& year);

// The month a month view opens on for the first date field: its year and month (1..12).
struct MonthToOpen {
  std::int32_t year = 0;
  std::int32_t month = 1;
};

// The month of `text` read as a date of `cal` (trimmed by the caller): a readable CE, JC or
// JDN date gives its month (a JC date counted in the Julian calendar, a JDN in the Common
// Era); anything else, today's month in the Common Era calendar. Always succeeds.
MonthToOpen MonthOfFirstDate(std::string_view text, CalendarCode cal, DateFormat format);

// The 35-character header: " Sun  Mon ... Sat " without its leading blank (Sunday first) or
// from Monday to Sunday; three-letter day names in `language`.
std::string MonthGridHeader(bool mondayFirst, std::int16_t language);

// The grid of `month` (1..12) of `year` (|year| <= MaxAbsYear) in the CE or Julian calendar:
// rows of seven five-character cells from the Sunday or Monday on or before the 1st, ending
// after the row whose last cell lies past the month or is a 31st; at most six rows.
MonthGrid BuildMonthGrid(std::int32_t year, std::int32_t month, bool julian, bool mondayFirst,
                         std::int16_t language);

// Header of the ISO column, Monday first: eight-character day names (trailing blanks trimmed)
// with the year digit, " Mon   " style seven-character columns without it.
std::string IsoColumnHeader(bool withYearDigit, std::int16_t language);

// The ISO column for `numWeeks` rows starting on Monday `firstCellJdn`: header, then per row
// seven cells "5-W44-1" (with the year digit) or "W44-1", each followed by two blanks, the
// row's trailing blanks trimmed.
std::string IsoColumnText(Jdn firstCellJdn, std::int16_t numWeeks, bool withYearDigit,
                          std::int16_t language);

// The heading of the copied month: "November 2005 (Common Era Calendar)"; `yearText` is the
// year as it stands in the window.
std::string MonthCopyHeading(std::int32_t month, std::string_view yearText, bool julian,
                             std::int16_t language);

// heading, blank line, `grid`; then, when `isoColumn` is given, a blank line, program text 13
// in `language`, a blank line and the ISO column.
std::string JoinMonthCopyText(std::string_view heading, std::string_view grid,
                              const std::string* isoColumn, std::int16_t language);

// The copy text: heading, blank line, the grid; with `withIso` (Common Era, Monday first
// only; ignored otherwise) a blank line, program text 13, a blank line and the ISO column.
// Month 1..12. An unreadable month or a year beyond +-MaxAbsYear gives "".
std::string MonthCopyText(std::int32_t year, std::int32_t month, const MonthGridOptions& options);

}  // namespace valdora
