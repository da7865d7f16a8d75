// SPDX-License-Identifier: MIT
// The result lines of the Compute command: the dates written in their calendars, the day
// names, the verbose notes, the days-between line with its breakdown, and the unit words.
#include <array>
#include <cstdlib>
#include <string_view>

#include "compute/Compute.h"
#include "compute/ComputeWords.h"
#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateDifference.h"
#include "engine/DateFormatting.h"
#include "engine/IsoOrdinal.h"
#include "engine/StringHelpers.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {
namespace {

// Writes the side's date in its calendar into its field and its text-with-calendar, appends
// that text, the day name and (for a day difference, verbose on) the notes.
bool DisplayDateSide(ComputeHost& host, const ComputeState& state, int which, ComputeField field,
                     const EuroDate& rec, std::string& withCal) {
  const CalendarCode cal = host.GetCal(which);
  if (state.blnNoDateDiffandSameCal) {
    AppendDayOfWeek(host, rec);
    host.SetTheFocus();
    return true;
  }
  host.AppendOutput(" = ");
  // Written straight into the text-with-calendar; a failed write leaves it as it was.
  if (!WriteDateInCalendar(rec.jdn, cal,
                           CurrentDateTextSettings(host.UsersDateFormat(), state.intHyphen == 1),
                           withCal)) {
    ReportResultOutOfRange(host);
    return false;
  }
  host.SetFieldText(field, withCal);
  if (cal != ORD) {
    withCal += ' ';
    withCal += CalendarCodeText[static_cast<std::size_t>(cal)];
  }
  host.AppendOutput(withCal);
  AppendDayOfWeek(host, rec);
  if (state.lngDateDiffDays != 0 && state.intVerbose == 1 && host.DaysSelected())
    AppendVerboseNotes(host, state);
  host.SetTheFocus();
  return true;
}

// Appends ", " (when `comma`), the number and its singular or plural unit word.
void AppendUnit(ComputeHost& host, bool comma, std::int64_t n, const std::string& one,
                const std::string& many) {
  if (comma) host.AppendOutput(", ");
  host.AppendOutput(std::to_string(n));
  host.AppendOutput(" ");
  host.AppendOutput(n == 1 ? one : many);
}

// The parenthesised breakdown of a positive days-between count, or nothing.
void AppendBreakdown(ComputeHost& host, const ComputeState& state, std::int32_t d) {
  DateDiffBreakdown b;
  if (!BreakDownDateDiff(state, d, b)) return;
  const ComputeWords& w = CurrentComputeWords();
  host.AppendOutput(" (");
  if (b.years > 0) AppendUnit(host, false, b.years, w.year, w.years);
  if (b.months > 0) {
    AppendUnit(host, b.years > 0, b.months, w.month, w.months);
  } else if (b.weeks > 0) {
    AppendUnit(host, b.years > 0, b.weeks, w.week, w.weeks);
  }
  if (b.days > 0) AppendUnit(host, true, b.days, w.day, w.days);
  host.AppendOutput(")");
}

// The words of one language slot (0..2; slot 2 has no fixed texts and gives empty words).
ComputeWords WordsIn(std::int16_t language) {
  const bool german = language == intGerman;
  auto text = [language](std::string_view english) { return FixedText(english, language); };
  auto unit = [german, &text](std::string_view english) {
    return german ? text(english) : AsciiLower(text(english));
  };
  ComputeWords w;
  w.to = AsciiLower(text("To"));
  w.plus = text("plus");
  w.minus = text("minus");
  w.day = unit("Day");
  w.days = unit("Days");
  w.month = unit("Month");
  w.months = unit("Months");
  w.year = unit("Year");
  w.years = unit("Years");
  w.week = unit("Week");
  w.weeks = unit("Weeks");
  w.outOfRange = text("Out of Range");
  w.includingFirst = text("including 1st date");
  w.excludingFirst = text("excluding 1st date");
  w.notCountingWeekends = text("not counting weekend days");
  return w;
}

}  // namespace

const ComputeWords& CurrentComputeWords() {
  // Built once, on first use; the fixed texts never change.
  static const std::array<ComputeWords, 3> words = {WordsIn(intEnglish), WordsIn(intGerman),
                                                    WordsIn(intSpanish)};
  return words.at(static_cast<std::size_t>(intLanguage));
}

bool DisplayFirstDate(ComputeHost& host, ComputeState& state) {
  return DisplayDateSide(host, state, 1, ComputeField::FirstDate, state.FirstDateRec,
                         state.strFirstDateWithCal);
}

bool DisplaySecondDate(ComputeHost& host, ComputeState& state) {
  return DisplayDateSide(host, state, 2, ComputeField::SecondDate, state.SecondDateRec,
                         state.strSecondDateWithCal);
}

void AppendDayOfWeek(ComputeHost& host, const EuroDate& record) {
  host.AppendOutput(", ");
  host.AppendOutput(DayName(DayOfWeek(record.jdn), intLanguage));
}

void AppendVerboseNotes(ComputeHost& host, const ComputeState& state) {
  const ComputeWords& w = CurrentComputeWords();
  host.AppendOutput(", ");
  host.AppendOutput(state.intIncludeFirstDate == 1 ? w.includingFirst : w.excludingFirst);
  if (state.intIncludeWeekends == 0) {
    host.AppendOutput(", ");
    // The weekend of a Monday-to-Friday week keeps its own note; other rest days and
    // holidays are named by the program texts.
    if (state.blnHolidays) {
      host.AppendOutput(ProgramText(471));
    } else if (state.blnOtherWorkingWeek) {
      host.AppendOutput(ProgramText(470));
    } else {
      host.AppendOutput(w.notCountingWeekends);
    }
  }
}

void DisplayDateDiff(ComputeHost& host, const ComputeState& state) {
  const ComputeWords& w = CurrentComputeWords();
  const std::int32_t d = state.lngDateDiffDays;
  host.AppendOutput(state.strFirstDateWithCal);
  host.AppendOutput(" ");
  host.AppendOutput(w.to);
  host.AppendOutput(" ");
  host.AppendOutput(state.strSecondDateWithCal);
  host.AppendOutput(" = ");
  const std::string t = FormatJdn(d);
  host.SetFieldText(ComputeField::DateDiff, t);
  host.AppendOutput(t);
  host.AppendOutput(" ");
  host.AppendOutput(std::abs(d) == 1 ? w.day : w.days);
  if (state.intVerbose == 1) AppendVerboseNotes(host, state);
  AppendBreakdown(host, state, d);
}

bool BreakDownDateDiff(const ComputeState& state, std::int32_t d, DateDiffBreakdown& b) {
  b = DateDiffBreakdown{};
  if (state.intIncludeWeekends != 1 || d <= 0 || state.intFirstCal != state.intSecondCal)
    return false;
  const std::int16_t cal = state.intFirstCal;
  if (cal != CE && cal != JC && cal != ISO && cal != ORD) return false;
  // With the first date included the count starts a day earlier; only the ISO rule reads
  // the JDN, the other two read the dates as given.
  const Jdn jdn1 =
      state.intIncludeFirstDate == 1 ? state.FirstDateRec.jdn - 1 : state.FirstDateRec.jdn;
  std::int32_t years = 0, status = -1;
  std::int16_t months = 0, weeks = 0, days = 0;
  if (cal == ORD && d >= 365) {
    OrdinalYearsDaysBetween(state.FirstDateRec, state.SecondDateRec, years, days, status);
  } else if (cal == ISO && d >= 7) {
    IsoWeekDate first, second;
    first.jdn = jdn1;
    second.jdn = state.SecondDateRec.jdn;
    JdnToIsoWeekDate(first);
    JdnToIsoWeekDate(second);
    IsoYearsWeeksDaysBetween(first, second, years, weeks, days, status);
  } else if (d >= 31) {
    YearsMonthsDaysBetween(state.FirstDateRec, state.SecondDateRec, years, months, days, status);
  }
  if (status != 0 || (years <= 0 && months <= 0 && weeks <= 0)) return false;
  b.years = years;
  b.months = months;
  b.weeks = weeks;
  b.days = days;
  return true;
}

std::string DayOrDays(std::int64_t n) {
  const ComputeWords& w = CurrentComputeWords();
  return n == 1 || n == -1 ? w.day : w.days;
}

std::string MonthOrMonths(std::int64_t n) {
  const ComputeWords& w = CurrentComputeWords();
  return n == 1 || n == -1 ? w.month : w.months;
}

}  // namespace valdora
