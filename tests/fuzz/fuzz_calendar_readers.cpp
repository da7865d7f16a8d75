// SPDX-License-Identifier: MIT
// The engine's readers of each calendar taken one by one: CE and JC dates, ISO week dates,
// ordinal dates, the two leap-week forms, and the form tests. Properties: statuses and forms
// are 1, 0 or -1; a valid date has its fields in range and agrees with the conversion from its
// JDN; its text, written in every form, reads back as the same day; and the conversions of a
// day to each calendar and back return the same day.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/DateCore.h"
#include "engine/DateFormatting.h"
#include "engine/DateParse.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"

namespace {

using namespace valdora;
using fuzz::Ctx;

const char* const kGroupings[] = {",", ".", "", "'", "\xC2\xA0"};

void CheckEuroDate(std::string_view text, CalendarCode cal, DateFormat format) {
  EuroDate date;
  const ParseStatus status = ParseEuroDate(text, DateSeparator, cal, format, date);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseEuroDate status", text));
  if (status != StatusValid || cal == JDN) return;
  const std::string ctx = Ctx("ParseEuroDate " + std::string(CalendarCodeText[cal]) + " format " +
                                  std::to_string(format), text);
  FUZZ_CHECK(date.calendar == (cal == JC ? JulianLetter : GregorianLetter), ctx);
  FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31, ctx);
  FUZZ_CHECK(date.year >= -MaxAbsYear && date.year <= MaxAbsYear, ctx);
  EuroDate fromJdn{.calendar = date.calendar, .jdn = date.jdn};
  JdnToEuroDate(fromJdn);
  FUZZ_CHECK(fromJdn.year == date.year && fromJdn.month == date.month && fromJdn.day == date.day,
             ctx + " disagrees with its JDN " + std::to_string(date.jdn));
  for (DateFormat f : fuzz::kFormats) {
    const std::string written = FormatEuroDate(date, f, DateSeparator, ThousandsSeparator);
    EuroDate back;
    FUZZ_CHECK(ParseEuroDate(written, DateSeparator, cal, f, back) == StatusValid && back.jdn == date.jdn,
               ctx + " written as '" + written + "' in format " + std::to_string(f));
  }
}

void CheckIso(std::string_view text) {
  FUZZ_CHECK(fuzz::IsStatus(IsoForm(text)), Ctx("IsoForm", text));
  IsoWeekDate date;
  const ParseStatus status = ParseIsoWeekDate(text, date);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseIsoWeekDate status", text));
  if (status != StatusValid) return;
  const std::string ctx = Ctx("ParseIsoWeekDate", text);
  FUZZ_CHECK(date.week >= 1 && date.week <= 53 && date.weekday >= 1 && date.weekday <= 7, ctx);
  FUZZ_CHECK(date.week < 53 || HasIsoWeek53(date.isoYear), ctx);
  IsoWeekDate fromJdn{.jdn = date.jdn};
  JdnToIsoWeekDate(fromJdn);
  FUZZ_CHECK(fromJdn.isoYear == date.isoYear && fromJdn.week == date.week &&
                 fromJdn.weekday == date.weekday, ctx + " disagrees with its JDN");
  for (std::int16_t hyphen : {std::int16_t{0}, HyphenatedForm}) {
    const std::string written = FormatIsoWeekDate(date, hyphen);
    FUZZ_CHECK(IsoForm(written) == (hyphen == HyphenatedForm ? -1 : 1), ctx + " form of " + written);
    IsoWeekDate back;
    FUZZ_CHECK(ParseIsoWeekDate(written, back) == StatusValid && back.jdn == date.jdn,
               ctx + " written as " + written);
  }
}

void CheckOrdinal(std::string_view text, std::int16_t hyphen) {
  FUZZ_CHECK(fuzz::IsStatus(OrdinalForm(text)), Ctx("OrdinalForm", text));
  EuroDate date;
  const ParseStatus status = ParseOrdinalDate(text, hyphen, date);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseOrdinalDate status", text));
  if (status != StatusValid) return;
  const std::string ctx = Ctx("ParseOrdinalDate hyphen " + std::to_string(hyphen), text);
  FUZZ_CHECK(date.jdn >= FirstOrdinalJdn && date.jdn <= LastOrdinalJdn, ctx);
  FUZZ_CHECK(date.calendar == GregorianLetter, ctx);
  std::int32_t year = 0;
  std::int16_t day = 0;
  JdnToOrdinal(date.jdn, year, day);
  EuroDate copy = date;
  FUZZ_CHECK(year == date.year && DayOfYear(copy) == day, ctx);
  const std::string written = FormatOrdinalDate(date, day, hyphen);
  FUZZ_CHECK(OrdinalForm(written) == (hyphen == HyphenatedForm ? -1 : 1), ctx + " form of " + written);
  EuroDate back;
  FUZZ_CHECK(ParseOrdinalDate(written, hyphen, back) == StatusValid && back.jdn == date.jdn,
             ctx + " written as " + written);
}

void CheckLeapWeek(std::string_view text) {
  LeapWeekDate date, back;
  ParseStatus status = ParseLeapWeekDate(text, date);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseLeapWeekDate status", text));
  if (status == StatusValid) {
    const std::string ctx = Ctx("ParseLeapWeekDate", text);
    FUZZ_CHECK(date.weekday >= 1 && date.weekday <= 7, ctx);
    FUZZ_CHECK(date.week >= 1 && date.week <= WeeksInLeapWeekYear(date.year), ctx);
    LeapWeekDate fromJdn{.jdn = date.jdn};
    JdnToLeapWeek(fromJdn);
    FUZZ_CHECK(fromJdn.year == date.year && fromJdn.week == date.week &&
                   fromJdn.weekday == date.weekday, ctx + " disagrees with its JDN");
    const std::string written = FormatLeapWeekDate(date, false, LocaleGroupingSeparator());
    FUZZ_CHECK(ParseLeapWeekDate(written, back) == StatusValid && back.jdn == date.jdn,
               ctx + " written as " + written);
  }
  date = {};
  status = ParseLeapMonthDate(text, date);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseLeapMonthDate status", text));
  if (status != StatusValid) return;
  const std::string ctx = Ctx("ParseLeapMonthDate", text);
  FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.dayOfMonth >= 1 &&
                 date.dayOfMonth <= 7 * WeeksInLeapWeekMonth(date.month, IsLeapWeekYear(date.year)),
             ctx);
  for (bool label : {false, true}) {
    const std::string written = FormatLeapMonthDate(date, label, LocaleGroupingSeparator());
    FUZZ_CHECK(ParseLeapMonthDate(written, back) == StatusValid && back.jdn == date.jdn,
               ctx + " written as " + written);
  }
}

// The conversions from a day to each calendar and back.
void CheckDay(Jdn jdn) {
  const std::string ctx = "jdn=" + std::to_string(jdn);
  for (std::int16_t letter : {GregorianLetter, JulianLetter}) {
    EuroDate date{.calendar = letter, .jdn = jdn};
    JdnToEuroDate(date);
    FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31, ctx);
    EuroDate back{date.year, date.month, date.day, letter, 0};
    FUZZ_CHECK(EuroDateToJdn(back) == jdn, ctx + " via " + std::to_string(date.year) + "-" +
                                              std::to_string(date.month) + "-" + std::to_string(date.day));
  }
  IsoWeekDate iso{.jdn = jdn};
  JdnToIsoWeekDate(iso);
  FUZZ_CHECK(iso.week >= 1 && iso.week <= 53 && iso.weekday >= 1 && iso.weekday <= 7, ctx);
  FUZZ_CHECK(iso.weekday % 7 == DayOfWeek(jdn), ctx);
  IsoWeekDate isoBack{iso.isoYear, iso.week, iso.weekday, 0};
  IsoWeekDateToJdn(isoBack);
  FUZZ_CHECK(isoBack.jdn == jdn, ctx + " ISO");
  LeapWeekDate lw{.jdn = jdn};
  JdnToLeapWeek(lw);
  FUZZ_CHECK(lw.status == 0 && lw.week >= 1 && lw.week <= WeeksInLeapWeekYear(lw.year), ctx);
  LeapWeekDate lwBack = lw;
  lwBack.jdn = 0;
  FUZZ_CHECK(LeapWeekToJdn(lwBack) && lwBack.jdn == jdn, ctx + " LPW");
  FUZZ_CHECK(LeapWeekToMonthForm(lw), ctx + " LPM");
  LeapWeekDate monthForm{.year = lw.year, .month = lw.month, .dayOfMonth = lw.dayOfMonth};
  FUZZ_CHECK(MonthFormToLeapWeek(monthForm) && LeapWeekToJdn(monthForm) && monthForm.jdn == jdn,
             ctx + " LPM back");
  // Leap-week years begin on a Monday.
  FUZZ_CHECK(DayOfWeek(static_cast<Jdn>(LeapWeekYearStart(lw.year))) == 1, ctx);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  SetLocaleGroupingSeparator(kGroupings[fuzz::SetSeparators(in.Byte()) % 5]);
  const std::string_view text = in.Rest();
  for (DateFormat format : fuzz::kFormats) {
    CheckEuroDate(text, CE, format);
    CheckEuroDate(text, JC, format);
  }
  CheckEuroDate(text, JDN, YMD);
  CheckIso(text);
  CheckOrdinal(text, HyphenatedForm);
  CheckOrdinal(text, 0);
  CheckLeapWeek(text);
  CheckDay(fuzz::Input(data, size).Day());
  return 0;
}
