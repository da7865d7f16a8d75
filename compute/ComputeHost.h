// SPDX-License-Identifier: MIT
// The one seam between the Compute command and the window that owns its inputs: the three
// field texts, the options, the output text, message boxes, the clear-field question and the
// Today action. The main window implements it with widgets, valdora-cli over plain strings,
// the tests with a recorder. The Compute command reads and writes nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"
#include "engine/WorkingCalendar.h"

namespace valdora {

// The three input fields.
enum class ComputeField : std::int16_t { FirstDate = 1, DateDiff = 2, SecondDate = 3 };

// Answer of the clear-field question: the field to empty, or Cancel (nothing is computed).
enum class ClearChoice : std::int16_t { Cancel = 0, FirstDate = 1, DateDiff = 2, SecondDate = 3 };

// The messages of the Compute command, one per kind: the index of its text in each language
// of ComputeMessage (compute/Compute.h).
enum class ComputeMessageKind : std::int16_t {
  NeedToClear = 0,  // the clear-field dialog's explanation, never a box
  FirstDateNotValid = 1,
  FirstDateNotValidIso = 2,  // in the table, not shown: an ISO date gets FirstDateNotValid
  FirstDateOutOfRange = 3,
  DateDiffNotValid = 4,
  DateDiffOutOfRange = 5,
  SecondDateNotValid = 6,
  SecondDateNotValidIso = 7,  // in the table, not shown: an ISO date gets SecondDateNotValid
  SecondDateOutOfRange = 8,
  ResultOutOfRange = 9,
};
inline constexpr int ComputeMessageKinds = 10;

// Which message a box carries. The boxes of message kinds carry the kind's number, 10 the
// host's own reason why it cannot give the holidays of a span; the three refusals of the
// month arithmetic carry the number of their first program text.
// Every box of the Compute command has only an OK button and no icon.
enum ComputeBox : std::int16_t {
  BoxFirstDateNotValid = static_cast<std::int16_t>(ComputeMessageKind::FirstDateNotValid),
  BoxFirstDateOutOfRange = static_cast<std::int16_t>(ComputeMessageKind::FirstDateOutOfRange),
  BoxDateDiffNotValid = static_cast<std::int16_t>(ComputeMessageKind::DateDiffNotValid),
  BoxDateDiffOutOfRange = static_cast<std::int16_t>(ComputeMessageKind::DateDiffOutOfRange),
  BoxSecondDateNotValid = static_cast<std::int16_t>(ComputeMessageKind::SecondDateNotValid),
  BoxSecondDateOutOfRange = static_cast<std::int16_t>(ComputeMessageKind::SecondDateOutOfRange),
  BoxResultOutOfRange = static_cast<std::int16_t>(ComputeMessageKind::ResultOutOfRange),
  BoxWorkingCalendarFailed = 10,     // the host's reason why the holidays are not known
  BoxMonthsTwoDates = 21,            // program texts 21, 22: both dates with the unit months
  BoxMonthsCalendarsDiffer = 23,     // program texts 23, 24
  BoxMonthsCalendarNotAllowed = 25,  // program texts 25..27: ISO, JDN, LPW or ORD
};

class ComputeHost {
 public:
  virtual ~ComputeHost() = default;

  // ---- The input fields ----
  // The text of a field as it stands (untrimmed).
  virtual std::string FieldText(ComputeField field) const = 0;
  // Replaces the text of a field.
  virtual void SetFieldText(ComputeField field, std::string_view text) = 0;

  // ---- The options, read afresh by every Compute ----
  // Calendar of the first date (which == 1) or the second (any other value).
  virtual CalendarCode GetCal(int which) const = 0;
  // The user date format (orders CE and JC dates).
  virtual DateFormat UsersDateFormat() const = 0;
  // Check boxes, 0 unchecked or 1 checked.
  virtual std::int16_t IncludeFirstDateValue() const = 0;  // chkIncludeFirstDate
  virtual std::int16_t IncludeWeekendsValue() const = 0;   // chkIncludeWeekends
  virtual std::int16_t VerboseValue() const = 0;           // chkVerbose
  virtual std::int16_t HyphenValue() const = 0;            // chkHyphen
  // True when the unit of the difference is days (optDays), false for months (optMonths).
  virtual bool DaysSelected() const = 0;
  // Selects the unit days (optDays), running its click behaviour.
  virtual void SelectDays() = 0;
  // The working week and at least every holiday within the days [first, last] (first <=
  // last; the span may reach beyond the JDN limits), used while weekend days are not counted.
  // The calendar stays valid until the next call. nullptr, with the reason in `problem` (one
  // line), when the holidays of that span cannot be known. The default: Monday to Friday
  // without holidays.
  virtual const WorkingCalendar* WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                                       std::string& problem);

  // ---- Focus, output, messages ----
  // Returns the keyboard focus to where the user most likely continues.
  virtual void SetTheFocus() = 0;
  // Appends text to the output window (line breaks are "\r\n").
  virtual void AppendOutput(std::string_view text) = 0;
  // Moves the output's caret to its end (so that it shows its last line); `beforeLastChar`
  // puts it one character before the end. Nothing when the output is empty.
  virtual void MoveOutputCaretToEnd(bool beforeLastChar) = 0;
  // Shows a modal message box with an OK button and no icon; returns when it is closed.
  virtual void ShowComputeMessage(const std::string& text, const std::string& title,
                                  ComputeBox box) = 0;

  // ---- The two helpers of the command ----
  // All three fields filled: asks which one to empty (the clear-field dialog). The host only
  // asks; the Compute command empties the chosen field.
  virtual ClearChoice AskFieldToClear() = 0;
  // The Today button of the first date (cmdToday_Click with index 0): writes today's date
  // into the first field in the first date's calendar.
  virtual void PutTodayIntoFirstDate() = 0;
};

}  // namespace valdora
