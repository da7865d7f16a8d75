// SPDX-License-Identifier: MIT
// Module Compute: the Compute command. From the filled fields it decides what to compute
// (convert a lone date, count the days between two dates, add or subtract days or months),
// validates and normalises the inputs, runs the arithmetic on Julian day numbers and writes
// one result line. It reaches the window only through ComputeHost.
//
// Field texts are passed as std::string& so that each can be replaced by its normalised form
// as soon as it is validated. Everything runs on one thread; the state below is the state of
// the last computation.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "compute/ComputeHost.h"
#include "engine/DateTypes.h"

namespace valdora {

// ---- Module state ----

// The day difference: typed by the user, or written by CountDaysBetween.
extern std::int32_t lngDateDiffDays;
// The two dates; `jdn` holds the day after a successful parse or computation. year, month,
// day are those of CE and JC dates in their calendar, of ORD dates in CE, of LPM dates in
// the month form of the leap-week calendar.
extern EuroDate FirstDateRec;
extern EuroDate SecondDateRec;

// Computation messages by language slot (0 English, 1 German, 2 Spanish, 3..5 empty) and
// kind (the number of a ComputeMessageKind). Filled by FillComputeMessages.
inline constexpr int ComputeMessageLanguages = 6;
extern std::array<std::array<std::string, ComputeMessageKinds>, ComputeMessageLanguages>
    ComputeMessage;

// Inputs of one computation, copied from the host by ReadComputeOptions.
extern std::int16_t intFirstCal;
extern std::int16_t intSecondCal;
extern std::int16_t intIncludeFirstDate;  // 0 or 1
extern std::int16_t intIncludeWeekends;   // 0 or 1
extern std::int16_t intVerbose;           // 0 or 1
extern std::int16_t intHyphen;            // 0 or 1
// Exactly one date field is filled (no difference) and both dates have the same calendar.
extern bool blnNoDateDiffandSameCal;
// What the last day operation with weekend days not counted left out besides the days
// off of a Monday-to-Friday week: other rest days, and holidays (a holiday list in force,
// though perhaps none of it fell in the span). Both false otherwise.
extern bool blnOtherWorkingWeek;
extern bool blnHolidays;
// The holidays on working weekdays between the two dates of the last days-between count with
// weekend days not counted (the days they removed from the count); 0 otherwise.
extern std::int64_t lngHolidaysInSpan;
// A date's normalised text, a blank and its calendar code ("2024-01-15 CE"); ORD: the text alone.
extern std::string strFirstDateWithCal;
extern std::string strSecondDateWithCal;

// ---- Messages ----

// Fills ComputeMessage (English, German, Spanish). Call once before any computation;
// cmdCompute_Click also fills it on first use.
void FillComputeMessages();
// Message `kind` in intLanguage; "" for an empty slot. Throws std::out_of_range for a
// language above 5.
const std::string& ComputeMessageText(ComputeMessageKind kind);
// Shows message `kind` (any but NeedToClear) titled "Error!" ("Fehler!") with OK only, in
// the box of the same number.
void ShowComputeError(ComputeHost& host, ComputeMessageKind kind);

// ---- The command ----

// The Compute button (or Enter in a field): trims the fields, handles the empty and the
// three-filled cases, reads the options, computes, and gives the focus back.
void cmdCompute_Click(ComputeHost& host);
// Copies the calendars and the check boxes of the host into the computation inputs.
void ReadComputeOptions(const ComputeHost& host);
// Sets blnNoDateDiffandSameCal from the host's field texts and calendars.
void SetNoDateDiffandSameCal(const ComputeHost& host);

// Unit days, or a lone date: dispatch on the filled fields; true on success. Ends the output
// line unless an input failed validation.
bool ComputeWithDays(ComputeHost& host, std::string& first, std::string& diff, std::string& second);
// Unit months with one date and a difference; refuses two dates, differing calendars and
// calendars without months. True on success.
bool ComputeWithMonths(ComputeHost& host, std::string& first, std::string& diff,
                       std::string& second);

// Validates the difference into lngDateDiffDays and writes its normalised text ("1,000") into
// `diff` and the field; an empty text is 0. False after message DateDiffNotValid or
// DateDiffOutOfRange.
bool ParseDateDiff(ComputeHost& host, std::string& diff);
// Validates a date in its side's calendar into FirstDateRec / SecondDateRec, writes its
// normalised text into `text` and the field and sets strFirstDateWithCal / strSecondDateWithCal.
// False after message FirstDateNotValid or FirstDateOutOfRange (first), SecondDateNotValid or
// SecondDateOutOfRange (second); the field keeps its text.
bool ParseFirstDate(ComputeHost& host, std::string& text);
bool ParseSecondDate(ComputeHost& host, std::string& text);

// ---- Day arithmetic (JDN1 = FirstDateRec.jdn, JDN2 = SecondDateRec.jdn) ----
// With weekend days not counted the three work in the host's working calendar (Monday to
// Friday without holidays unless the host says otherwise), in time independent of the
// distance. When the host cannot give the holidays of the span, its reason is written as the
// result line and shown (box BoxWorkingCalendarFailed), and the operation fails.

// lngDateDiffDays = the days from JDN1 to JDN2 under the two day-count options. False (after
// the "Out of Range" line and message ResultOutOfRange) when |count| > MaxJdn: the difference field
// could not read the count back.
bool CountDaysBetween(ComputeHost& host);
// JDN1 = JDN2 minus lngDateDiffDays days; false after "Out of Range" when |JDN1| > MaxJdn.
bool SubtractDaysFromSecond(ComputeHost& host);
// JDN2 = JDN1 plus lngDateDiffDays days; false after "Out of Range" when |JDN2| > MaxJdn.
bool AddDaysToFirst(ComputeHost& host);

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
bool DisplayFirstDate(ComputeHost& host);
bool DisplaySecondDate(ComputeHost& host);
// Appends ", " and the day name of record.jdn in intLanguage.
void AppendDayOfWeek(ComputeHost& host, const EuroDate& record);
// Appends the notes about the two day-count options (", excluding 1st date", ...).
void AppendVerboseNotes(ComputeHost& host);
// Appends the days-between line ("... to ... = 60 days (2 months)") and writes the count
// into the difference field.
void DisplayDateDiff(ComputeHost& host);
// The breakdown of a days-between count into years, months, weeks and days; months and
// weeks are never both above 0.
struct DateDiffBreakdown {
  std::int32_t years = 0;
  std::int32_t months = 0;
  std::int32_t weeks = 0;
  std::int32_t days = 0;
};
// The breakdown DisplayDateDiff writes in parentheses for the count `d` between FirstDateRec
// and SecondDateRec under the current computation inputs; false when the line has none.
bool BreakDownDateDiff(std::int32_t d, DateDiffBreakdown& breakdown);
// "day" when |n| is 1, otherwise "days"; lower case unless intLanguage is German.
std::string DayOrDays(std::int64_t n);
// "month" when |n| is 1, otherwise "months"; lower case unless intLanguage is German.
std::string MonthOrMonths(std::int64_t n);

// Writes "Out of Range" and a line break, moves the caret to the end, shows message
// ResultOutOfRange and gives the focus back: the end of every operation whose result leaves
// the limits.
void ReportResultOutOfRange(ComputeHost& host);

}  // namespace valdora
