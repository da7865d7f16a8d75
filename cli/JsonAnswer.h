// SPDX-License-Identifier: MIT
// The machine-readable answer of valdora-cli --json: one JSON object per computation.
#pragma once

#include <string>

#include "cli/CliComputation.h"

namespace valdora {

// Appends the JSON object of the computation just run on `host` (no line break): whether it
// computed, the operation and unit, the three fields after it, the result line, the typed
// values (the dates' calendars, texts and JDNs, the result date with its weekday, the day or
// month count, the breakdown) and, on failure, the message's kind and text. Reads the
// Compute command's state of that computation. Text that is not UTF-8 is written with
// replacement characters.
void AppendJsonAnswer(const CliHost& host, const CliComputation& run, std::string& out);

}  // namespace valdora
