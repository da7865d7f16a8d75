// SPDX-License-Identifier: MIT
// The Compute command: the order of its steps, the dispatch on the filled fields, and the
// validation and normalisation of each field.
#include "compute/Compute.h"

#include <string_view>

#include "compute/ComputeWords.h"
#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateFormatting.h"
#include "engine/DateParse.h"
#include "engine/LeapWeekCalendar.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {
namespace {

// Removes blanks from both ends.
std::string_view TrimBlanks(std::string_view s) noexcept {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

// Trims a field's text in place, writing it back to the field when blanks were removed.
void TrimField(ComputeHost& host, ComputeField field, std::string& text) {
  if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return;
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() == text.size()) return;
  text = std::string(trimmed);
  host.SetFieldText(field, text);
}

// blnNoDateDiffandSameCal from the three texts and the two calendars.
bool NoDateDiffAndSameCal(const ComputeHost& host, const std::string& first,
                          const std::string& diff, const std::string& second) {
  const bool oneDate = diff.empty() && (first.empty() != second.empty());
  return oneDate && host.GetCal(1) == host.GetCal(2);
}

// Ends the output line and shows the output's end.
void EndOutputLine(ComputeHost& host) {
  host.AppendOutput("\r\n");
  host.MoveOutputCaretToEnd(true);
}

// Fills the record's calendar fields from its jdn as the parser of calendar `cal` leaves
// them: CE and JC in their calendar, ORD in CE, LPM in the leap-week month form.
void CompleteRecord(EuroDate& rec, CalendarCode cal, Jdn jdn) noexcept {
  rec = EuroDate{};
  rec.jdn = jdn;
  switch (cal) {
    case CE:
    case JC:
    case ORD:
      CalendarLetter(cal, rec);
      JdnToEuroDate(rec);
      break;
    case LPM: {
      LeapWeekDate lw;
      lw.jdn = jdn;
      JdnToLeapWeek(lw);
      LeapWeekToMonthForm(lw);
      rec.year = lw.year;
      rec.month = lw.month;
      rec.day = lw.dayOfMonth;
      break;
    }
    default:
      break;
  }
}

// The parse of one date side; kinds are the messages for malformed and out-of-range text.
bool ParseDateSide(ComputeHost& host, const ComputeState& state, std::string& text, int which,
                   ComputeField field, EuroDate& rec, std::string& withCal,
                   ComputeMessageKind malformedKind, ComputeMessageKind rangeKind) {
  const CalendarCode cal = host.GetCal(which);
  const DateTextSettings settings =
      CurrentDateTextSettings(host.UsersDateFormat(), state.intHyphen == 1);
  Jdn jdn = 0;
  ParseStatus status = ReadDateInCalendar(text, cal, settings, jdn);
  // The normalised text replaces the typed one; a failed write leaves `text` as it was.
  if (status > 0 && !WriteDateInCalendar(jdn, cal, settings, text)) status = StatusOutOfRange;
  if (status <= 0) {
    ShowComputeError(host, status < 0 ? rangeKind : malformedKind);
    return false;
  }
  CompleteRecord(rec, cal, jdn);
  host.SetFieldText(field, text);
  withCal = text;
  if (cal != ORD) {
    withCal += ' ';
    withCal += CalendarCodeText[static_cast<std::size_t>(cal)];
  }
  return true;
}

// Reads a signed whole number of days or months from the difference text and writes its
// normalised form into `diff` and the field. False after message DateDiffNotValid or
// DateDiffOutOfRange.
bool ParseDifference(ComputeHost& host, std::string& diff, std::int32_t& value) {
  ParseStatus status = StatusMalformed;
  const Jdn n = ParseJdnText(diff, status);
  if (status != StatusValid) {
    ShowComputeError(host, status < 0 ? ComputeMessageKind::DateDiffOutOfRange
                                      : ComputeMessageKind::DateDiffNotValid);
    return false;
  }
  value = n;
  diff = FormatJdn(n);
  host.SetFieldText(ComputeField::DateDiff, diff);
  return true;
}

// Appends "<date> plus|minus <difference text> " for a difference typed by the user:
// `forward` is the direction that a positive difference means.
void AppendDifferencePart(ComputeHost& host, const std::string& dateWithCal,
                          const std::string& diff, bool forward) {
  const ComputeWords& w = CurrentComputeWords();
  const bool negative = !diff.empty() && diff[0] == '-';
  host.AppendOutput(dateWithCal);
  host.AppendOutput(" ");
  host.AppendOutput(negative == forward ? w.minus : w.plus);
  host.AppendOutput(" ");
  host.AppendOutput(negative ? std::string_view(diff).substr(1) : std::string_view(diff));
  host.AppendOutput(" ");
}

}  // namespace

void ReadComputeOptions(const ComputeHost& host, ComputeState& state) {
  state.intFirstCal = host.GetCal(1);
  state.intSecondCal = host.GetCal(2);
  state.intIncludeFirstDate = host.IncludeFirstDateValue() == 1 ? 1 : 0;
  state.intIncludeWeekends = host.IncludeWeekendsValue() == 1 ? 1 : 0;
  state.intVerbose = host.VerboseValue() == 1 ? 1 : 0;
  state.intHyphen = host.HyphenValue() == 1 ? 1 : 0;
}

void SetNoDateDiffandSameCal(const ComputeHost& host, ComputeState& state) {
  state.blnNoDateDiffandSameCal =
      NoDateDiffAndSameCal(host, host.FieldText(ComputeField::FirstDate),
                           host.FieldText(ComputeField::DateDiff),
                           host.FieldText(ComputeField::SecondDate));
}

void cmdCompute_Click(ComputeHost& host, ComputeState& state) {
  std::string first = host.FieldText(ComputeField::FirstDate);
  std::string diff = host.FieldText(ComputeField::DateDiff);
  std::string second = host.FieldText(ComputeField::SecondDate);
  TrimField(host, ComputeField::FirstDate, first);
  TrimField(host, ComputeField::DateDiff, diff);
  TrimField(host, ComputeField::SecondDate, second);
  const bool f = !first.empty(), d = !diff.empty(), s = !second.empty();

  bool changed = false;  // the host has rewritten a field
  if (!f && !d && !s) {
    host.PutTodayIntoFirstDate();
    changed = true;
  } else if (!f && d && !s) {
    host.SetTheFocus();
    return;
  } else if (f && d && s) {
    const ClearChoice choice = host.AskFieldToClear();
    if (choice == ClearChoice::Cancel) {
      host.SetTheFocus();
      return;
    }
    host.SetFieldText(static_cast<ComputeField>(choice), "");
    changed = true;
  }
  if (changed) {
    first = host.FieldText(ComputeField::FirstDate);
    diff = host.FieldText(ComputeField::DateDiff);
    second = host.FieldText(ComputeField::SecondDate);
  }

  ReadComputeOptions(host, state);
  state.blnNoDateDiffandSameCal = NoDateDiffAndSameCal(host, first, diff, second);

  const bool onlyFirst = !first.empty() && diff.empty() && second.empty();
  const bool onlySecond = first.empty() && diff.empty() && !second.empty();
  if (host.DaysSelected() || onlyFirst || onlySecond) {
    ComputeWithDays(host, state, first, diff, second);
  } else {
    ComputeWithMonths(host, state, first, diff, second);
  }
  host.SetTheFocus();
}

bool ParseDateDiff(ComputeHost& host, ComputeState& state, std::string& diff) {
  if (diff.empty()) {
    state.lngDateDiffDays = 0;
    return true;
  }
  return ParseDifference(host, diff, state.lngDateDiffDays);
}

bool ParseFirstDate(ComputeHost& host, ComputeState& state, std::string& text) {
  return ParseDateSide(host, state, text, 1, ComputeField::FirstDate, state.FirstDateRec,
                       state.strFirstDateWithCal, ComputeMessageKind::FirstDateNotValid,
                       ComputeMessageKind::FirstDateOutOfRange);
}

bool ParseSecondDate(ComputeHost& host, ComputeState& state, std::string& text) {
  return ParseDateSide(host, state, text, 2, ComputeField::SecondDate, state.SecondDateRec,
                       state.strSecondDateWithCal, ComputeMessageKind::SecondDateNotValid,
                       ComputeMessageKind::SecondDateOutOfRange);
}

bool ComputeWithDays(ComputeHost& host, ComputeState& state, std::string& first,
                     std::string& diff, std::string& second) {
  const bool f = !first.empty(), d = !diff.empty(), s = !second.empty();
  bool ok = true;
  if (s && d && !f) {
    if (!ParseSecondDate(host, state, second) || !ParseDateDiff(host, state, diff)) return false;
    ok = SubtractDaysFromSecond(host, state);
    if (ok) {
      AppendDifferencePart(host, state.strSecondDateWithCal, diff, false);
      host.AppendOutput(DayOrDays(state.lngDateDiffDays));
      ok = DisplayFirstDate(host, state);
    }
  } else if (s && !d && f) {
    if (!ParseSecondDate(host, state, second)) return false;
    state.lngDateDiffDays = 0;
    if (!ParseFirstDate(host, state, first)) return false;
    ok = CountDaysBetween(host, state);
    if (ok) DisplayDateDiff(host, state);
  } else if (s && !d && !f) {
    if (!ParseSecondDate(host, state, second)) return false;
    state.lngDateDiffDays = 0;
    ok = SubtractDaysFromSecond(host, state);
    if (ok) {
      host.AppendOutput(state.strSecondDateWithCal);
      ok = DisplayFirstDate(host, state);
    }
  } else if (!s && d && f) {
    if (!ParseDateDiff(host, state, diff) || !ParseFirstDate(host, state, first)) return false;
    ok = AddDaysToFirst(host, state);
    if (ok) {
      AppendDifferencePart(host, state.strFirstDateWithCal, diff, true);
      host.AppendOutput(DayOrDays(state.lngDateDiffDays));
      ok = DisplaySecondDate(host, state);
    }
  } else if (!s && !d && f) {
    state.lngDateDiffDays = 0;
    if (!ParseFirstDate(host, state, first)) return false;
    ok = AddDaysToFirst(host, state);
    if (ok) {
      host.AppendOutput(state.strFirstDateWithCal);
      ok = DisplaySecondDate(host, state);
    }
  }
  EndOutputLine(host);
  return ok;
}

bool ComputeWithMonths(ComputeHost& host, ComputeState& state, std::string& first,
                       std::string& diff, std::string& second) {
  const std::string title = FixedText("Compute");
  if (!first.empty() && !second.empty()) {
    host.ShowComputeMessage(ProgramText(21) + "\r\n" + ProgramText(22), title, BoxMonthsTwoDates);
    host.SelectDays();
    return false;
  }
  if (state.intFirstCal != state.intSecondCal) {
    host.ShowComputeMessage(ProgramText(23) + "\r\n" + ProgramText(24), title,
                            BoxMonthsCalendarsDiffer);
    return false;
  }
  const std::int16_t cal = state.intFirstCal;
  if (cal == ISO || cal == JDN || cal == LPW || cal == ORD) {
    host.ShowComputeMessage(
        ProgramText(25) + "\r\n" + ProgramText(26) + "\r\n" + ProgramText(27), title,
        BoxMonthsCalendarNotAllowed);
    return false;
  }
  std::int32_t months = 0;
  if (!ParseDifference(host, diff, months)) return false;
  const bool lpm = state.intFirstCal == LPM;
  bool ok = true;
  if (first.empty()) {
    if (!ParseSecondDate(host, state, second)) return false;
    ok = AddMonthsToDate(state.SecondDateRec, -static_cast<std::int64_t>(months),
                         state.FirstDateRec, lpm);
    if (ok) {
      AppendDifferencePart(host, state.strSecondDateWithCal, diff, false);
      host.AppendOutput(MonthOrMonths(months));
      DisplayFirstDate(host, state);
    }
  } else {
    if (!ParseFirstDate(host, state, first)) return false;
    ok = AddMonthsToDate(state.FirstDateRec, months, state.SecondDateRec, lpm);
    if (ok) {
      AppendDifferencePart(host, state.strFirstDateWithCal, diff, true);
      host.AppendOutput(MonthOrMonths(months));
      DisplaySecondDate(host, state);
    }
  }
  if (!ok) ReportResultOutOfRange(host);
  EndOutputLine(host);
  return ok;
}

}  // namespace valdora
