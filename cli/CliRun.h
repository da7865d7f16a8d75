// SPDX-License-Identifier: MIT
// Running the Compute command from valdora-cli: one computation from the command line, or
// one per line of an input stream.
#pragma once

#include <cstdio>
#include <string>

#include "cli/CliOptions.h"
#include "holidays/WorkingCalendarSource.h"

namespace valdora {

// Gives `source` the working week of --weekend and reads every --holidays file, in order.
// False with the reason (one line naming the file, and in a plain list the line) at the
// first file that cannot be read.
bool LoadWorkingCalendar(const CliCommand& command, WorkingCalendarSource& source,
                         std::string& problem);

// What the iCalendar files of `source` had that is no holiday, one line per such file
// ("FILE: 1 timed event ignored"), each after "valdora-cli: note: "; "" when nothing was.
std::string IgnoredItemsNotes(const WorkingCalendarSource& source);

// One computation with the fields of the command line. On success the result line (and,
// with --fields, the fields) goes to `out`, status 0. On failure nothing goes to `out` but
// the JSON object under --json; the message goes to `err` as "valdora-cli: <message>",
// status 1.
int RunOneComputation(const CliCommand& command, std::FILE* out, std::FILE* err);

// One computation per line "FIRST<TAB>DIFF<TAB>SECOND" of `in` (CRLF and a last line without
// a line break are read), exactly one output line each: the result line or "error: " and the
// message (a blank line, a fourth column and a line longer than MaxBatchLine are errors), or
// one JSON object under --json. Streams with fixed-size buffers. Returns 0 when every line
// computed, 1 when a line failed or the input or output failed (after a message on `err`).
int RunBatch(const CliCommand& command, std::FILE* in, std::FILE* out, std::FILE* err);

// Longest input line of --batch, in bytes (without its line break).
inline constexpr std::size_t MaxBatchLine = 64 * 1024;

}  // namespace valdora
