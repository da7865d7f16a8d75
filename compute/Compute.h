// SPDX-License-Identifier: MIT
// Module Compute: the Compute command. From the filled fields it decides what to compute
// (convert a lone date, count the days between two dates, add or subtract days or months),
// validates and normalises the inputs, runs the arithmetic on Julian day numbers and writes
// one result line. It reaches the window only through ComputeHost.
//
// Field texts are passed as std::string& so that each can be replaced by its normalised form
// as soon as it is validated. The caller owns the ComputeState each step reads and writes;
// nothing else is kept between computations.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "compute/ComputeHost.h"
#include "engine/DateTypes.h"

namespace valdora {

// ---- The state of a computation ----

// What one computation reads and leaves behind, owned by the window or tool that runs the
// command and passed to every step; each Compute overwrites what it uses. Names are the
// window's own: `int` 16-bit, `lng` 32-bit, `bln` flags, `str` texts.
struct ComputeState {
  // The day difference: typed by the user, or written by CountDaysBetween.
  std::int32_t lngDateDiffDays = 0;
  // The two dates; `jdn` holds the day after a successful parse or computation. year, month,
  // day are those of CE and JC dates in their calendar, of ORD dates in CE, of LPM dates in
  // the month form of the leap-week calendar.
  EuroDate FirstDateRec;
  EuroDate SecondDateRec;
  // Inputs of one computation, copied from the host by ReadComputeOptions.
  std::int16_t intFirstCal = CE;
  std::int16_t intSecondCal = CE;
  std::int16_t intIncludeFirstDate = 0;  // 0 or 1
  std::int16_t intIncludeWeekends = 1;   // 0 or 1
  std::int16_t intVerbose = 1;           // 0 or 1
  std::int16_t intHyphen = 1;            // 0 or 1
  // Exactly one date field is filled (no difference) and both dates have the same calendar.
  bool blnNoDateDiffandSameCal = false;
  // What the last day operation with weekend days not counted left out besides the days
  // off of a Monday-to-Friday week: other rest days, and holidays (a holiday list in force,
  // though perhaps none of it fell in the span). Both false otherwise.
  bool blnOtherWorkingWeek = false;
  bool blnHolidays = false;
  // The holidays on working weekdays between the two dates of the last days-between count
  // with weekend days not counted (the days they removed from the count); 0 otherwise.
  std::int64_t lngHolidaysInSpan = 0;
  // A date's normalised text, a blank and its calendar code ("2024-01-15 CE"); ORD: the text
  // alone.
  std::string strFirstDateWithCal;
  std::string strSecondDateWithCal;
};

// ---- Messages ----

// Computation messages by language slot (0 English, 1 German, 2 Spanish, 3..5 empty) and
// kind (the number of a ComputeMessageKind). A constant table.
inline constexpr int ComputeMessageLanguages = 6;
extern const std::array<std::array<std::string_view, ComputeMessageKinds>, ComputeMessageLanguages>
    ComputeMessage;

// Message `kind` in intLanguage; "" for an empty slot. Throws std::out_of_range for a
// language above 5.
std::string_view ComputeMessageText(ComputeMessageKind kind);
// Shows message `kind` (any but NeedToClear) titled "Error!" ("Fehler!") with OK only, in
// the box of the same number.
void ShowComputeError(ComputeHost& host, ComputeMessageKind kind);

// ---- The command ----

// The Compute button (or Enter in a field): trims the fields, handles the empty and the
// three-filled cases, reads the options, computes, and gives the focus back.
void cmdCompute_Click(ComputeHost& host, ComputeState& state);
// Copies the calendars and the check boxes of the host into the computation inputs.
void ReadComputeOptions(const ComputeHost& host, ComputeState& state);
// Sets blnNoDateDiffandSameCal from the host's field texts and calendars.
void SetNoDateDiffandSameCal(const ComputeHost& host, ComputeState& state);

// Unit days, or a lone date: dispatch on the filled fields; true on success. Ends the output
// line unless an input failed validation.
bool ComputeWithDays(ComputeHost& host, ComputeState& state, std::string& first, std::string& diff,
                     std::string& second);
// Unit months with one date and a difference; refuses two dates, differing calendars and
// calendars without months. True on success.
bool ComputeWithMonths(ComputeHost& host, ComputeState& state, std::string& first,
                       std::string& diff, std::string& second);

// Validates the difference into lngDateDiffDays and writes its normalised text ("1,000") into
// `diff` and the field; an empty text is 0. False after message DateDiffNotValid or
// DateDiffOutOfRange.
bool ParseDateDiff(ComputeHost& host, ComputeState& state, std::string& diff);
// Validates a date in its side's calendar into FirstDateRec / SecondDateRec, writes its
// normalised text into `text` and the field and sets strFirstDateWithCal / strSecondDateWithCal.
// False after message FirstDateNotValid or FirstDateOutOfRange (first), SecondDateNotValid or
// SecondDateOutOfRange (second); the field keeps its text.
bool ParseFirstDate(ComputeHost& host, ComputeState& state, std::string& text);
bool ParseSecondDate(ComputeHost& host, ComputeState& state, std::string& text);

// ---- Day arithmetic (JDN1 = FirstDateRec.jdn, JDN2 = SecondDateRec.jdn) ----
// With weekend days not counted the three work in the host's working calendar (Monday to
// Friday without holidays unless the host says otherwise), in time independent of the
// distance. When the host cannot give the holidays of the span, its reason is written as the
// result line and shown (box BoxWorkingCalendarFailed), and the operation fails.

// lngDateDiffDays = the days from JDN1 to JDN2 under the two day-count options. False (after
// the "Out of Range" line and message ResultOutOfRange) when |count| > MaxJdn: the difference field
// could not read the count back.
bool CountDaysBetween(ComputeHost& host, ComputeState& state);
// JDN1 = JDN2 minus lngDateDiffDays days; false after "Out of Range" when |JDN1| > MaxJdn.
bool SubtractDaysFromSecond(ComputeHost& host, ComputeState& state);
// JDN2 = JDN1 plus lngDateDiffDays days; false after "Out of Range" when |JDN2| > MaxJdn.
bool AddDaysToFirst(ComputeHost& host, ComputeState& state);

// ---- Month arithmetic ----

// target = source plus `months` months (day clamped to the month's end, never moved forward),
// in the source's calendar or, with `lpm`, in the month form of the leap-week calendar.
// Closed form for any number of months. False, target's jdn undefined, when the result lies
// beyond the engine's limits (year beyond MaxAbsYear or |jdn| > MaxJdn).
bool AddMonthsToDate(const EuroDate& source, std::int64_t months, EuroDate& target,
                     bool lpm) noexcept;

// ---- Result lines ----

// Appends " = " and the first (second) date in its calendar and writes that text into its
// field, then the day name and, for a day difference with verbose on, the notes. A lone date
// with both calendars equal gets only its day name. False when the date has no text in its
// calendar (ORD outside 0001..9999): "Out of Range" was written and message ResultOutOfRange shown.
bool DisplayFirstDate(ComputeHost& host, ComputeState& state);
bool DisplaySecondDate(ComputeHost& host, ComputeState& state);
// Appends ", " and the day name of record.jdn in intLanguage.
void AppendDayOfWeek(ComputeHost& host, const EuroDate& record);
// Appends the notes about the two day-count options (", excluding 1st date", ...).
void AppendVerboseNotes(ComputeHost& host, const ComputeState& state);
// Appends the days-between line ("... to ... = 60 days (2 months)") and writes the count
// into the difference field.
void DisplayDateDiff(ComputeHost& host, const ComputeState& state);
// The breakdown of a days-between count into years, months, weeks and days; months and
// weeks are never both above 0.
struct DateDiffBreakdown {
  std::int32_t years = 0;
  std::int32_t months = 0;
  std::int32_t weeks = 0;
  std::int32_t days = 0;
};
// The breakdown DisplayDateDiff writes in parentheses for the count `d` between the two dates
// of `state` under its computation inputs; false, `breakdown` all 0, when the line has none.
bool BreakDownDateDiff(const ComputeState& state, std::int32_t d, DateDiffBreakdown& breakdown);
// "day" when |n| is 1, otherwise "days"; lower case unless intLanguage is German.
std::string DayOrDays(std::int64_t n);
// "month" when |n| is 1, otherwise "months"; lower case unless intLanguage is German.
std::string MonthOrMonths(std::int64_t n);

// Writes "Out of Range" and a line break, moves the caret to the end, shows message
// ResultOutOfRange and gives the focus back: the end of every operation whose result leaves
// the limits.
void ReportResultOutOfRange(ComputeHost& host);

}  // namespace valdora
