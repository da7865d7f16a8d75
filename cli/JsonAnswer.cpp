// SPDX-License-Identifier: MIT
#include "cli/JsonAnswer.h"

#include <nlohmann/json.hpp>

#include "compute/Compute.h"
#include "engine/DateCore.h"
#include "engine/DateParse.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {
namespace {

using Json = nlohmann::ordered_json;

std::string_view CalendarName(CalendarCode cal) noexcept {
  return CalendarCodeText[static_cast<std::size_t>(cal)];
}

// {"calendar", "text", "jdn"} of one date field after the computation.
Json DateValue(CalendarCode cal, const std::string& text, Jdn jdn) {
  Json date = Json::object();
  date["calendar"] = CalendarName(cal);
  date["text"] = text;
  date["jdn"] = jdn;
  return date;
}

// The result date with its weekday (ISO number, 1 = Monday, and name in the output language).
Json ResultValue(CalendarCode cal, const std::string& text, Jdn jdn) {
  Json result = DateValue(cal, text, jdn);
  const std::int16_t day = DayOfWeek(jdn);  // 0 = Sunday
  Json weekday = Json::object();
  weekday["iso"] = day == 0 ? 7 : day;
  weekday["name"] = DayName(day, intLanguage);
  result["weekday"] = std::move(weekday);
  return result;
}

void SetSuccessValues(const CliHost& host, const CliComputation& run, Json& answer) {
  const std::string& first = host.Field(ComputeField::FirstDate);
  const std::string& second = host.Field(ComputeField::SecondDate);
  const CalendarCode firstCal = host.GetCal(1), secondCal = host.GetCal(2);
  if (!first.empty()) answer["first"] = DateValue(firstCal, first, FirstDateRec.jdn);
  if (!second.empty()) answer["second"] = DateValue(secondCal, second, SecondDateRec.jdn);
  // The computed side: the second date for a conversion of the first date and an addition,
  // the first date otherwise. A conversion within one calendar writes no second field: the
  // result is the given date.
  const bool toSecond = run.resultIsSecond;
  switch (run.operation) {
    case CliOperation::Conversion:
    case CliOperation::Add:
    case CliOperation::Subtract: {
      const std::string& written = toSecond ? second : first;
      const std::string& text = written.empty() ? (toSecond ? first : second) : written;
      answer["result"] = ResultValue(toSecond ? secondCal : firstCal, text,
                                     toSecond ? SecondDateRec.jdn : FirstDateRec.jdn);
      break;
    }
    default:
      break;
  }
  if (run.operation == CliOperation::DaysBetween ||
      ((run.operation == CliOperation::Add || run.operation == CliOperation::Subtract) &&
       !run.months)) {
    answer["days"] = lngDateDiffDays;
  }
  if (run.months && run.operation != CliOperation::DaysBetween &&
      run.operation != CliOperation::Conversion) {
    ParseStatus status = StatusMalformed;
    answer["months"] = ParseJdnText(host.Field(ComputeField::DateDiff), status);
  }
  DateDiffBreakdown b;
  if (run.operation == CliOperation::DaysBetween && BreakDownDateDiff(lngDateDiffDays, b)) {
    Json breakdown = Json::object();
    breakdown["years"] = b.years;
    breakdown["months"] = b.months;
    breakdown["weeks"] = b.weeks;
    breakdown["days"] = b.days;
    answer["breakdown"] = std::move(breakdown);
  }
}

}  // namespace

void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out) {
  const bool ok = run.outcome == CliOutcome::Result;
  Json answer = Json::object();
  answer["ok"] = ok;
  answer["operation"] = nullptr;
  if (run.operation != CliOperation::None) answer["operation"] = OperationName(run.operation);
  answer["unit"] = run.months ? "months" : "days";
  Json fields = Json::object();
  fields["first"] = host.Field(ComputeField::FirstDate);
  fields["diff"] = host.Field(ComputeField::DateDiff);
  fields["second"] = host.Field(ComputeField::SecondDate);
  answer["fields"] = std::move(fields);
  answer["line"] = nullptr;
  if (ok) answer["line"] = host.ResultLine();
  for (const char* key : {"first", "second", "result", "days", "months", "breakdown", "error"})
    answer[key] = nullptr;
  if (ok) {
    SetSuccessValues(host, run, answer);
  } else {
    std::string message;
    AppendFailureMessage(host, run, message);
    Json error = Json::object();
    error["kind"] = FailureKind(host, run);
    error["message"] = std::move(message);
    answer["error"] = std::move(error);
  }
  out += answer.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace valdora
