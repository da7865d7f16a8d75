// SPDX-License-Identifier: MIT
// Running the Compute command from valdora-cli: one computation from the command line, or
// one per line of an input stream.
#pragma once

#include <cstdio>

#include "cli/CliOptions.h"

namespace valdora {

// One computation with the fields of the command line. The result line (and, with
// --fields, the fields) go to `out`, a message to `err`. Returns the exit status: 0, or 1
// when a message was shown.
int RunOneComputation(const CliCommand& command, std::FILE* out, std::FILE* err);

// One computation per line "FIRST<TAB>DIFF<TAB>SECOND" of `in`, one output line each: the
// result line or "error: " and the message. Streams with fixed-size buffers; a line longer
// than MaxBatchLine answers an error. Returns 0 when all input was read and written, else 1
// (after a message on `err`).
int RunBatch(const CliCommand& command, std::FILE* in, std::FILE* out, std::FILE* err);

// Longest input line of --batch, in bytes (without its line break).
inline constexpr std::size_t MaxBatchLine = 64 * 1024;

}  // namespace valdora
