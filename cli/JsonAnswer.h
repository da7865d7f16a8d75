// SPDX-License-Identifier: MIT
// The machine-readable answer of valdora-cli --json: one JSON object per computation.
#pragma once

#include <string>
#include <string_view>

#include "cli/CliComputation.h"

namespace valdora {

// Appends the JSON object of the computation just run on `host` (no line break): whether it
// computed, the operation and unit, the three fields after it, the result line, the typed
// values (the dates' calendars, texts and JDNs, the result date with its weekday, the day or
// month count, the breakdown) and, on failure, the message's kind and text. Reads the
// Compute command's state of that computation. Text that is not UTF-8 is written with
// replacement characters.
void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out);
// The same with the value of its "workingCalendar" member given: WorkingCalendarJson of the
// host's settings, which a batch writes once for all its lines.
void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out,
                      std::string_view workingCalendar);

// The working calendar of a run that does not count weekend days, as JSON: {"restDays" (as
// --weekend takes them), "holidays" (the files' holidays, each file counted on its own),
// "files": [{"name", "holidays", "ignored"}]}; null while weekend days are counted.
std::string WorkingCalendarJson(const CliSettings& settings);

}  // namespace valdora
