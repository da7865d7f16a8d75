// SPDX-License-Identifier: MIT
#include "cli/CliComputation.h"

#include <exception>

#include "cli/StrictFields.h"
#include "compute/Compute.h"

namespace valdora {
namespace {

bool Filled(std::string_view text) noexcept {
  return text.find_first_not_of(' ') != std::string_view::npos;
}

// The operation the Compute command chose for the fields as given (after the clear-field
// answer): the same decision table, read from the outside.
CliOperation OperationOf(std::string_view first, std::string_view diff, std::string_view second,
                         ClearChoice cleared) noexcept {
  bool f = Filled(first), d = Filled(diff), s = Filled(second);
  if (f && d && s) {
    if (cleared == ClearChoice::Cancel) return CliOperation::None;
    f = f && cleared != ClearChoice::FirstDate;
    d = d && cleared != ClearChoice::DateDiff;
    s = s && cleared != ClearChoice::SecondDate;
  }
  if (!f && !d && !s) return CliOperation::Conversion;  // today's date
  if (f && s) return CliOperation::DaysBetween;
  if (d) return f ? CliOperation::Add : s ? CliOperation::Subtract : CliOperation::None;
  return CliOperation::Conversion;
}

// Runs the command; an unexpected failure becomes a message, never a crash.
void Compute(CliHost& host, ComputeState& state) {
  try {
    cmdCompute_Click(host, state);
  } catch (const std::exception& e) {
    host.ShowComputeMessage(std::string("internal error: ") + e.what(), "", BoxResultOutOfRange);
  }
}

}  // namespace

void RunComputation(CliHost& host, const CliSettings& settings, std::string_view first,
                    std::string_view diff, std::string_view second, CliComputation& run) {
  CliHost::CheckedTexts& checked = host.CheckedTextBuffers();
  std::string& firstStorage = checked.first;
  std::string& typedDiff = checked.diff;
  std::string& secondStorage = checked.second;
  run = CliComputation{};
  const bool hyphen = settings.hyphen == 1;
  DiffUnit unit = DiffUnit::None;
  std::string_view typedFirst, typedSecond;
  if (!CheckDateField(second, settings.secondCal, settings.format, hyphen, "second date",
                      secondStorage, typedSecond, run.error) ||
      !CheckDiffField(diff, typedDiff, unit, run.error) ||
      !CheckDateField(first, settings.firstCal, settings.format, hyphen, "first date", firstStorage,
                      typedFirst, run.error)) {
    run.outcome = CliOutcome::Refused;
    run.errorKind = "field-refused";
    host.Begin(first, diff, second, settings.months);
    return;
  }
  if (settings.months && unit != DiffUnit::None && !UnitCountsMonths(unit)) {
    run.outcome = CliOutcome::Refused;
    run.errorKind = "unit-conflict";
    run.error = UnitConflictMessage(diff);
    host.Begin(first, diff, second, settings.months);
    return;
  }
  run.months = settings.months || UnitCountsMonths(unit);
  host.Begin(typedFirst, typedDiff, typedSecond, run.months);
  Compute(host, host.State());
  run.operation = OperationOf(typedFirst, typedDiff, typedSecond, host.Cleared());
  // A lone first date (or today's, put there) and an addition compute the second date.
  run.resultIsSecond =
      run.operation == CliOperation::Add ||
      (run.operation == CliOperation::Conversion && (Filled(typedFirst) || !Filled(typedSecond)));
  if (host.MessageShown()) {
    run.outcome = CliOutcome::Message;
  } else if (run.operation == CliOperation::None) {
    run.outcome = CliOutcome::Nothing;
    const bool cancelled = Filled(typedFirst) && Filled(typedSecond);
    run.errorKind = cancelled ? "nothing-cleared" : "no-date";
    run.error = cancelled ? "all three fields are filled and --clear cancel empties none: "
                            "nothing computed"
                          : "a date difference alone: give a first or a second date";
  } else {
    run.outcome = CliOutcome::Result;
  }
}

void AppendFailureMessage(const CliHost& host, const CliComputation& run, std::string& out) {
  if (run.outcome != CliOutcome::Message) {
    out += run.error;
    return;
  }
  const std::string& text = host.Message();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
}

const char* FailureKind(const CliHost& host, const CliComputation& run) noexcept {
  if (run.outcome != CliOutcome::Message) return run.errorKind;
  if (host.Message().rfind("internal error: ", 0) == 0) return "internal-error";
  switch (host.MessageBox()) {
    case BoxFirstDateNotValid:
      return "first-date-not-valid";
    case BoxFirstDateOutOfRange:
      return "first-date-out-of-range";
    case BoxDateDiffNotValid:
      return "date-difference-not-valid";
    case BoxDateDiffOutOfRange:
      return "date-difference-out-of-range";
    case BoxSecondDateNotValid:
      return "second-date-not-valid";
    case BoxSecondDateOutOfRange:
      return "second-date-out-of-range";
    case BoxWorkingCalendarFailed:
      return "holidays-unknown";
    case BoxMonthsTwoDates:
      return "months-two-dates";
    case BoxMonthsCalendarsDiffer:
      return "months-calendars-differ";
    case BoxMonthsCalendarNotAllowed:
      return "months-calendar-not-allowed";
    default:
      return "result-out-of-range";
  }
}

const char* OperationName(CliOperation op) noexcept {
  switch (op) {
    case CliOperation::Conversion:
      return "conversion";
    case CliOperation::DaysBetween:
      return "days between";
    case CliOperation::Add:
      return "add";
    case CliOperation::Subtract:
      return "subtract";
    default:
      return "";
  }
}

}  // namespace valdora
