// SPDX-License-Identifier: MIT
// The read/write pair for "a date in the calendar of a field": one switch over the calendar
// codes, so that every caller shares the same readers and writers.
#include "engine/CalendarText.h"

#include "engine/DateCore.h"
#include "engine/DateFormatting.h"
#include "engine/DateParse.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"

namespace valdora {

namespace {

std::int16_t HyphenOption(bool hyphen) noexcept { return hyphen ? HyphenatedForm : 0; }

}  // namespace

ParseStatus ReadDateInCalendar(std::string_view text, CalendarCode cal,
                               const DateTextSettings& settings, Jdn& jdn) noexcept {
  ParseStatus status = StatusMalformed;
  Jdn day = 0;
  switch (cal) {
    case CE:
    case JC: {
      EuroDate date;
      status = ParseEuroDate(text, settings.dateSeparator, cal, settings.format, date);
      if (status == StatusValid) day = date.jdn;
      break;
    }
    case JDN: {
      std::int32_t value = 0;
      status = ParseJdnInput(text, settings.thousandsSeparator, value);
      if (status == StatusValid) day = value;
      break;
    }
    case ORD: {
      EuroDate date;
      status = ParseOrdinalDate(text, HyphenOption(settings.hyphen), date);
      if (status == StatusValid) day = date.jdn;
      break;
    }
    case ISO: {
      IsoWeekDate date;
      status = ParseIsoWeekDate(text, date);
      if (status == StatusValid) day = date.jdn;
      break;
    }
    case LPW:
    case LPM: {
      LeapWeekDate date;
      status = cal == LPW ? ParseLeapWeekDate(text, date) : ParseLeapMonthDate(text, date);
      if (status == StatusValid) day = date.jdn;
      break;
    }
    default:
      break;
  }
  // A typed day beyond the range every computation works in is refused as it is read, so
  // that no operation accepts a date it could not write back.
  if (status == StatusValid && (day > MaxJdn || day < MinJdn)) status = StatusOutOfRange;
  if (status == StatusValid) jdn = day;
  return status;
}

bool WriteDateInCalendar(Jdn jdn, CalendarCode cal, const DateTextSettings& settings,
                         std::string& text) {
  switch (cal) {
    case CE:
    case JC: {
      EuroDate date;
      CalendarLetter(cal, date);
      date.jdn = jdn;
      JdnToEuroDate(date);
      FormatEuroDate(date, settings.format, settings.dateSeparator, settings.thousandsSeparator,
                     text);
      return true;
    }
    case JDN:
      // A JDN field reads at most 2,099,999,999 in magnitude; the two outermost days of the
      // range have no JDN text that reads back.
      if (jdn > LargestJdnText || jdn < -LargestJdnText) return false;
      text = FormatJdn(jdn, settings.thousandsSeparator);
      return true;
    case ORD: {
      if (jdn < FirstOrdinalJdn || jdn > LastOrdinalJdn) return false;
      EuroDate date;
      std::int16_t day = 0;
      JdnToOrdinal(jdn, date.year, day);
      text = FormatOrdinalDate(date, day, HyphenOption(settings.hyphen));
      return true;
    }
    case ISO: {
      IsoWeekDate date;
      date.jdn = jdn;
      JdnToIsoWeekDate(date);
      FormatIsoWeekDate(date, HyphenOption(settings.hyphen), text);
      return true;
    }
    case LPW:
    case LPM: {
      LeapWeekDate date;
      date.jdn = jdn;
      JdnToLeapWeek(date);
      if (cal == LPW) {
        text = FormatLeapWeekDate(date, false, settings.groupingSeparator);
      } else {
        LeapWeekToMonthForm(date);
        text = FormatLeapMonthDate(date, false, settings.groupingSeparator);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace valdora
