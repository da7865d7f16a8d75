// SPDX-License-Identifier: MIT
#include "cli/JsonAnswer.h"

#include <array>
#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>

#include "compute/Compute.h"
#include "engine/DateCore.h"
#include "engine/DateParse.h"
#include "holidays/WorkingCalendarSource.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {
namespace {

// Writes one JSON object into a string. The members' names and numbers are this file's own
// ASCII; every string value is escaped by the JSON library, except that a value of printable
// ASCII without a quote or a backslash (almost every date text), which escaping leaves as
// it is, is copied straight in. A batch writes a million of these a second: each name goes
// in with its quotes, colon and comma as one piece.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  // Opens an object; its members follow.
  void Open() {
    out_ += '{';
    first_ = true;
  }
  void Close() {
    out_ += '}';
    first_ = false;
  }
  // The member `Name` (a literal of this file, which needs no escaping).
  template <std::size_t N>
  JsonWriter& Key(const char (&name)[N]) {
    char piece[N + 3];  // ,"name":
    piece[0] = ',';
    piece[1] = '"';
    for (std::size_t i = 0; i + 1 < N; ++i) piece[2 + i] = name[i];
    piece[N + 1] = '"';
    piece[N + 2] = ':';
    out_.append(first_ ? piece + 1 : piece, first_ ? N + 2 : N + 3);
    first_ = false;
    return *this;
  }
  void OpenArray() {
    out_ += '[';
    first_ = true;
  }
  void CloseArray() {
    out_ += ']';
    first_ = false;
  }
  // Starts an element of an array (an object opened next, or a value).
  JsonWriter& Element() {
    if (!first_) out_ += ',';
    first_ = false;
    return *this;
  }
  // A value already written as JSON.
  void Raw(std::string_view json) { out_.append(json); }
  void Null() { out_.append("null", 4); }
  void Bool(bool value) { value ? out_.append("true", 4) : out_.append("false", 5); }
  void Int(std::int64_t value) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, end);
  }
  void String(std::string_view value) {
    if (PlainAscii(value)) {
      const std::size_t at = out_.size();
      out_.resize(at + value.size() + 2, '"');
      if (!value.empty()) std::memcpy(out_.data() + at + 1, value.data(), value.size());
      return;
    }
    out_ += nlohmann::json(std::string(value))
                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }

 private:
  // One table look-up a character and no branch on it: the values of a line hold some 150.
  static bool PlainAscii(std::string_view value) noexcept {
    static constexpr auto kPlain = [] {
      std::array<bool, 256> plain{};
      for (int c = 0x20; c <= 0x7e; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
      return plain;
    }();
    bool plain = true;
    for (const char c : value) plain &= kPlain[static_cast<unsigned char>(c)];
    return plain;
  }

  std::string& out_;
  bool first_ = true;
};

std::string_view CalendarName(CalendarCode cal) noexcept {
  return CalendarCodeText[static_cast<std::size_t>(cal)];
}

// {"calendar", "text", "jdn"} of a date, and with `weekday` its weekday (ISO number,
// 1 = Monday, and name in the output language).
void DateValue(JsonWriter& w, CalendarCode cal, std::string_view text, Jdn jdn, bool weekday) {
  w.Open();
  w.Key("calendar").String(CalendarName(cal));
  w.Key("text").String(text);
  w.Key("jdn").Int(jdn);
  if (weekday) {
    const std::int16_t day = DayOfWeek(jdn);  // 0 = Sunday
    w.Key("weekday").Open();
    w.Key("iso").Int(day == 0 ? 7 : day);
    w.Key("name").String(DayName(day, intLanguage));
    w.Close();
  }
  w.Close();
}

}  // namespace

std::string WorkingCalendarJson(const CliSettings& settings) {
  std::string out;
  JsonWriter w(out);
  if (settings.includeWeekends != 0) {
    w.Null();
    return out;
  }
  const WorkingCalendarSource* source = settings.workingCalendar;
  const WeekdaySet week = source ? source->WorkingWeek() : kMondayToFriday;
  std::int64_t total = 0;
  if (source)
    for (const HolidayFile& file : source->Files())
      total += static_cast<std::int64_t>(file.HolidayCount());
  w.Open();
  w.Key("restDays").String(RestDaysText(static_cast<WeekdaySet>(kAllWeekdays & ~week)));
  w.Key("holidays").Int(total);
  w.Key("files").OpenArray();
  if (source) {
    for (const HolidayFile& file : source->Files()) {
      w.Element().Open();
      w.Key("name").String(file.Name());
      w.Key("holidays").Int(static_cast<std::int64_t>(file.HolidayCount()));
      const std::string ignored = file.IgnoredNote();
      w.Key("ignored");
      ignored.empty() ? w.Null() : w.String(ignored);
      w.Close();
    }
  }
  w.CloseArray();
  w.Close();
  return out;
}

namespace {

void SuccessValues(JsonWriter& w, const CliHost& host, const CliComputation& run,
                   std::string_view workingCalendar) {
  const std::string& first = host.Field(ComputeField::FirstDate);
  const std::string& second = host.Field(ComputeField::SecondDate);
  const CalendarCode firstCal = host.GetCal(1), secondCal = host.GetCal(2);
  w.Key("first");
  first.empty() ? w.Null() : DateValue(w, firstCal, first, host.State().FirstDateRec.jdn, false);
  w.Key("second");
  second.empty() ? w.Null()
                 : DateValue(w, secondCal, second, host.State().SecondDateRec.jdn, false);
  // A conversion within one calendar writes no second field: the result is the given date.
  w.Key("result");
  const bool toSecond = run.resultIsSecond;
  if (run.operation == CliOperation::DaysBetween) {
    w.Null();
  } else {
    const std::string& written = toSecond ? second : first;
    DateValue(w, toSecond ? secondCal : firstCal,
              written.empty() ? (toSecond ? first : second) : written,
              toSecond ? host.State().SecondDateRec.jdn : host.State().FirstDateRec.jdn, true);
  }
  const bool moves = run.operation == CliOperation::Add || run.operation == CliOperation::Subtract;
  w.Key("days");
  if (run.operation == CliOperation::DaysBetween || (moves && !run.months)) {
    w.Int(host.State().lngDateDiffDays);
  } else {
    w.Null();
  }
  w.Key("months");
  if (moves && run.months) {
    ParseStatus status = StatusMalformed;
    w.Int(ParseJdnText(host.Field(ComputeField::DateDiff), status));
  } else {
    w.Null();
  }
  w.Key("breakdown");
  DateDiffBreakdown b;
  if (run.operation == CliOperation::DaysBetween &&
      BreakDownDateDiff(host.State(), host.State().lngDateDiffDays, b)) {
    w.Open();
    w.Key("years").Int(b.years);
    w.Key("months").Int(b.months);
    w.Key("weeks").Int(b.weeks);
    w.Key("days").Int(b.days);
    w.Close();
  } else {
    w.Null();
  }
  w.Key("workingCalendar").Raw(workingCalendar);
  w.Key("holidaysInSpan");
  if (run.operation == CliOperation::DaysBetween && host.Settings().includeWeekends == 0) {
    w.Int(host.State().lngHolidaysInSpan);
  } else {
    w.Null();
  }
  w.Key("error").Null();
}

}  // namespace

void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out) {
  AppendJsonAnswer(host, run, out, WorkingCalendarJson(host.Settings()));
}

void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out,
                      std::string_view workingCalendar) {
  const bool ok = run.outcome == CliOutcome::Result;
  JsonWriter w(out);
  w.Open();
  w.Key("ok").Bool(ok);
  w.Key("operation");
  run.operation == CliOperation::None ? w.Null() : w.String(OperationName(run.operation));
  w.Key("unit").String(run.months ? "months" : "days");
  w.Key("fields").Open();
  w.Key("first").String(host.Field(ComputeField::FirstDate));
  w.Key("diff").String(host.Field(ComputeField::DateDiff));
  w.Key("second").String(host.Field(ComputeField::SecondDate));
  w.Close();
  w.Key("line");
  ok ? w.String(host.ResultLine()) : w.Null();
  if (ok) {
    SuccessValues(w, host, run, workingCalendar);
  } else {
    w.Key("first").Null();
    w.Key("second").Null();
    w.Key("result").Null();
    w.Key("days").Null();
    w.Key("months").Null();
    w.Key("breakdown").Null();
    w.Key("workingCalendar").Raw(workingCalendar);
    w.Key("holidaysInSpan").Null();
    std::string message;
    AppendFailureMessage(host, run, message);
    w.Key("error").Open();
    w.Key("kind").String(FailureKind(host, run));
    w.Key("message").String(message);
    w.Close();
  }
  w.Close();
}

}  // namespace valdora
