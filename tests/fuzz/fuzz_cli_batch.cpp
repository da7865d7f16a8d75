// fuzz-libs: valdora_cli_core
// Lines of `valdora-cli --batch` under options taken from the input's first bytes.
// Properties: the batch run succeeds and answers exactly one line per line; no computation
// ends in an internal error (an exception escaping the Compute command); each answer equals
// that of the same fields given as one computation on the command line; and after a result,
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

// The batch answer to `input` (lines ended by line breaks).
std::string RunBatchText(const CliCommand& command, std::string input) {
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  FUZZ_CHECK(in, "input stream");
  MemoryStream out, err;
  const int status = RunBatch(command, in, out.file, err.file);
  std::fclose(in);
  err.Take();
  FUZZ_CHECK(status == 0, "batch status for '" + fuzz::Printable(input) + "'");
  return out.Take();
}

// The same line as one computation from the command line, answered in the batch's form:
// "<result>\t<fields>" or "error: <message on one line>\t<fields>".
std::string OneComputation(CliCommand command, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t tab1 = line.find('\t');
  command.first = std::string(line.substr(0, tab1));
  command.diff.clear();
  command.second.clear();
  if (tab1 != std::string_view::npos) {
    const std::string_view rest = line.substr(tab1 + 1);
    const std::size_t tab2 = rest.find('\t');
    command.diff = std::string(rest.substr(0, tab2));
    if (tab2 != std::string_view::npos) command.second = std::string(rest.substr(tab2 + 1));
  }
  command.mode = CliMode::Compute;
  MemoryStream out, err;
  const int status = RunOneComputation(command, out.file, err.file);
  const std::string printed = out.Take();
  std::string message = err.Take();
  // printed: "<result>\n<fields>\n"
  const std::size_t nl = printed.find('\n');
  FUZZ_CHECK(nl != std::string::npos && printed.back() == '\n', "one-shot output");
  const std::string fields = printed.substr(nl + 1, printed.size() - nl - 2);
  if (status == 0) return printed.substr(0, nl) + "\t" + fields + "\n";
  FUZZ_CHECK(!message.empty() && message.back() == '\n', "one-shot message");
  message.pop_back();
  for (char& c : message) {
    if (c == '\n') c = ' ';
  }
  return "error: " + message + "\t" + fields + "\n";
}

// The properties of the answer to one batch line.
void CheckAnswer(const CliCommand& command, const std::string& line, const std::string& answer) {
  const std::string ctx = "line '" + fuzz::Printable(line) + "' answer '" + fuzz::Printable(answer) + "'";
  FUZZ_CHECK(answer.rfind("error: internal error", 0) != 0, ctx);
  FUZZ_CHECK(OneComputation(command, line) == answer, ctx + ": differs from the one-shot run");

  // "<result>\t<first>\t<diff>\t<second>\n"
  if (answer.rfind("error: ", 0) == 0) return;
  const std::size_t t1 = answer.find('\t');
  const std::size_t t2 = answer.find('\t', t1 + 1);
  const std::size_t t3 = answer.find('\t', t2 + 1);
  FUZZ_CHECK(t1 != std::string::npos && t2 != std::string::npos && t3 != std::string::npos, ctx);
  const std::string result = answer.substr(0, t1);
  if (result.empty() || result.find("Out of Range") != std::string::npos) return;
  const std::string first = answer.substr(t1 + 1, t2 - t1 - 1);
  const std::string second = answer.substr(t3 + 1, answer.size() - t3 - 2);
  const CliSettings& s = command.settings;
  Jdn jdn = 0;
  FUZZ_CHECK(first.empty() || ReadDateInCalendar(first, s.firstCal, s.format, s.hyphen != 0, jdn) == StatusValid,
             ctx + ": first field not valid");
  FUZZ_CHECK(second.empty() || ReadDateInCalendar(second, s.secondCal, s.format, s.hyphen != 0, jdn) == StatusValid,
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
  FillComputeMessages();

  // The lines of the rest of the input, run as one batch (a batch of one line costs a stream
  // set-up each; several lines share it and also exercise the line splitting).
  std::string_view rest = in.Rest();
  if (rest.size() > 4096) rest = rest.substr(0, 4096);
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < rest.size() && lines.size() < 16;) {
    const std::size_t nl = rest.find('\n', pos);
    lines.emplace_back(rest.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos));
    pos = nl == std::string_view::npos ? rest.size() : nl + 1;
  }
  if (lines.empty()) lines.emplace_back();
  std::string batch;
  for (const std::string& line : lines) batch += line + "\n";

  const std::string answers = RunBatchText(command, batch);
  std::size_t pos = 0;
  for (const std::string& line : lines) {
    const std::size_t nl = answers.find('\n', pos);
    FUZZ_CHECK(nl != std::string::npos, "too few answers to '" + fuzz::Printable(batch) + "'");
    const std::string answer = answers.substr(pos, nl + 1 - pos);
    pos = nl + 1;
    CheckAnswer(command, line, answer);
  }
  FUZZ_CHECK(pos == answers.size(), "more answers than lines to '" + fuzz::Printable(batch) + "'");
  return 0;
}
