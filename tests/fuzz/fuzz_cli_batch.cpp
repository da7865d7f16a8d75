// SPDX-License-Identifier: MIT
// Lines of `valdora-cli --batch` under options taken from the input's first bytes.
// Properties: the batch run answers exactly one line per line and succeeds exactly when no
// answer is an error line; no computation ends in an internal error (an exception escaping
// the Compute command); each answer equals that of the same fields given as one computation
// on the command line (an error: the same message); and after a result,
// every date field the command left filled reads as a valid date of its calendar (the fields
// are written back normalised).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "cli/CliHost.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "compute/Compute.h"
#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace {

using namespace valdora;

// A stream into memory; Take() closes it and returns what was written.
struct MemoryStream {
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* const file = open_memstream(&buffer, &length);  // after the two it writes to

  MemoryStream() { FUZZ_CHECK(file, "stream"); }
  std::string Take() {
    std::fclose(file);
    std::string text(buffer, length);
    std::free(buffer);
    return text;
  }
};

// The pieces of `text` between the `sep`s; at most `max`, the last one taking the rest.
std::vector<std::string> Split(std::string_view text, char sep, std::size_t max = SIZE_MAX) {
  std::vector<std::string> parts;
  for (std::size_t end; parts.size() + 1 < max && (end = text.find(sep)) != std::string_view::npos;
       text.remove_prefix(end + 1)) {
    parts.emplace_back(text.substr(0, end));
  }
  parts.emplace_back(text);
  return parts;
}

// The batch answer to `input` (lines ended by line breaks).
std::string RunBatchText(const CliCommand& command, std::string input) {
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  FUZZ_CHECK(in, "input stream");
  MemoryStream out, err;
  const int status = RunBatch(command, in, out.file, err.file);
  std::fclose(in);
  err.Take();
  const std::string answers = out.Take();
  const bool failed = answers.rfind("error: ", 0) == 0 || answers.find("\nerror: ") != std::string::npos;
  FUZZ_CHECK(status == (failed ? 1 : 0), "batch status for '" + fuzz::Printable(input) + "'");
  return answers;
}

// The same line as one computation from the command line, answered in the batch's form:
// "<result>\t<fields>", or "error: <message>" (a failure prints no fields).
std::string OneComputation(CliCommand command, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::vector<std::string> fields = Split(line, '\t', 3);
  command.first = fields[0];
  command.diff = fields.size() > 1 ? fields[1] : "";
  command.second = fields.size() > 2 ? fields[2] : "";
  command.mode = CliMode::Compute;
  MemoryStream out, err;
  const int status = RunOneComputation(command, out.file, err.file);
  const std::string printedText = out.Take();
  std::string message = err.Take();
  if (status != 0) {
    FUZZ_CHECK(printedText.empty(), "one-shot output on failure");
    FUZZ_CHECK(message.rfind("valdora-cli: ", 0) == 0 && message.back() == '\n' &&
                   message.find('\n') == message.size() - 1,
               "one-shot message");
    return "error: " + message.substr(13, message.size() - 14);
  }
  const std::vector<std::string> printed = Split(printedText, '\n', 2);  // result, fields
  FUZZ_CHECK(printed.size() == 2 && !printed[1].empty() && printed[1].back() == '\n', "one-shot output");
  return printed[0] + "\t" + printed[1].substr(0, printed[1].size() - 1);
}

// The properties of the answer to one batch line.
void CheckAnswer(const CliCommand& command, const std::string& line, const std::string& answer) {
  const std::string ctx = "line '" + fuzz::Printable(line) + "' answer '" + fuzz::Printable(answer) + "'";
  FUZZ_CHECK(answer.rfind("error: internal error", 0) != 0, ctx);
  // Blank lines and a fourth column are the batch's own refusals.
  if (answer.rfind("error: a blank line", 0) == 0 || answer.rfind("error: more than three", 0) == 0)
    return;
  const bool failed = answer.rfind("error: ", 0) == 0;
  FUZZ_CHECK(OneComputation(command, line) == (failed ? answer.substr(0, answer.find('\t')) : answer),
             ctx + ": differs from the one-shot run");
  if (failed) return;
  // result, first, diff, second
  const std::vector<std::string> parts = Split(answer, '\t', 4);
  FUZZ_CHECK(parts.size() == 4, ctx);
  if (parts[0].empty() || parts[0].find("Out of Range") != std::string::npos) return;
  const CliSettings& s = command.settings;
  const DateTextSettings textSettings = CurrentDateTextSettings(s.format, s.hyphen != 0);
  Jdn jdn = 0;
  FUZZ_CHECK(parts[1].empty() || ReadDateInCalendar(parts[1], s.firstCal, textSettings, jdn) == StatusValid,
             ctx + ": first field not valid");
  FUZZ_CHECK(parts[3].empty() || ReadDateInCalendar(parts[3], s.secondCal, textSettings, jdn) == StatusValid,
             ctx + ": second field not valid");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetProgramFolder(VALDORA_DATA_DIR);
  GenerateText();
  std::string message;
  if (LoadProgramText("vdr.dat", message) < 1) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::abort();
  }
  SetFixedToday(2024, 2, 29);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t a = in.Byte(), b = in.Byte(), c = in.Byte();
  CliCommand command;
  command.mode = CliMode::Batch;
  command.printFields = true;
  CliSettings& s = command.settings;
  s.firstCal = fuzz::kCalendars[a % 7];
  s.secondCal = fuzz::kCalendars[(a / 7) % 7];
  s.format = fuzz::kFormats[(a / 49) % 3];
  s.months = (b & 1) != 0;
  s.includeFirstDate = (b >> 1) & 1;
  s.includeWeekends = (b >> 2) & 1;
  s.verbose = (b >> 3) & 1;
  s.hyphen = (b >> 4) & 1;
  s.clear = static_cast<ClearChoice>((b >> 5) % 4);
  intLanguage = intTextLanguage = static_cast<std::int16_t>(fuzz::SetSeparators(c) % 2);

  // The lines of the rest of the input, run as one batch (a batch of one line costs a stream
  // set-up each; several lines share it and also exercise the line splitting).
  std::vector<std::string> lines = Split(in.Rest().substr(0, 4096), '\n');
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // the last line break
  if (lines.size() > 16) lines.resize(16);
  std::string batch;
  for (const std::string& line : lines) batch += line + "\n";

  const std::vector<std::string> answers = Split(RunBatchText(command, batch), '\n');
  FUZZ_CHECK(answers.size() == lines.size() + 1 && answers.back().empty(),
             std::to_string(answers.size() - 1) + " answers to '" + fuzz::Printable(batch) + "'");
  for (std::size_t i = 0; i < lines.size(); ++i) CheckAnswer(command, lines[i], answers[i]);
  return 0;
}
