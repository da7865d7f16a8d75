// SPDX-License-Identifier: MIT
// One computation of valdora-cli from three field texts: the checks a command line needs
// before the Compute command reads them, the unit of the difference, the command itself and
// what it gave. Shared by the one-shot run and the batch, for text and JSON answers alike.
#pragma once

#include <string>
#include <string_view>

#include "cli/CliHost.h"

namespace valdora {

// What the computation was, by the fields it used.
enum class CliOperation { None, Conversion, DaysBetween, Add, Subtract };

// How it ended.
enum class CliOutcome {
  Result,   // a result line
  Message,  // the Compute command showed a message
  Refused,  // a field text or the unit was refused before the command ran
  Nothing,  // nothing to compute: a difference alone, a blank batch line, --clear cancel
};

struct CliComputation {
  CliOutcome outcome = CliOutcome::Nothing;
  CliOperation operation = CliOperation::None;
  bool months = false;          // the difference counted months
  bool resultIsSecond = false;  // the computed date is the second date (else the first)
  std::string error;            // Refused, Nothing: the message (one line)
  const char* errorKind = "";   // Refused, Nothing: its kind name
};

// Runs one computation on `host` (which holds the settings and the command's state): the strict field checks in the
// Compute command's order (second date, difference, first date), the unit letter of the
// difference (weeks and years become days and months; a day unit against --months is
// refused), then the Compute command.
void RunComputation(CliHost& host, const CliSettings& settings, std::string_view first,
                    std::string_view diff, std::string_view second, CliComputation& result);

// The one-line message of a failed computation (the Compute command's message with its line
// breaks as blanks, or the refusal), appended to `out`.
void AppendFailureMessage(const CliHost& host, const CliComputation& run, std::string& out);

// The kind name of a failed computation for machine-readable answers ("first-date-not-valid",
// "result-out-of-range", "field-refused", ...).
const char* FailureKind(const CliHost& host, const CliComputation& run) noexcept;

// The operation's name in machine-readable answers ("conversion", "days between", "add",
// "subtract"); "" for None.
const char* OperationName(CliOperation op) noexcept;

}  // namespace valdora
