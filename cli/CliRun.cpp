// SPDX-License-Identifier: MIT
#include "cli/CliRun.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliComputation.h"
#include "cli/JsonAnswer.h"

namespace valdora {
namespace {

// The three fields, separated by tabs.
void AppendFields(const CliHost& host, std::string& out) {
  out += host.Field(ComputeField::FirstDate);
  out += '\t';
  out += host.Field(ComputeField::DateDiff);
  out += '\t';
  out += host.Field(ComputeField::SecondDate);
}

bool WriteAll(std::FILE* out, std::string_view text) {
  return text.empty() || std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

// The batch loop: lines in, one answer line each, written in large blocks.
class BatchRunner {
 public:
  BatchRunner(const CliCommand& command, std::FILE* out)
      : buffer_(kFlushAt + 4096), host_(command.settings, &buffer_), command_(command),
        out_(out) {}

  void Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // One pass over the short line: where its first two tabs are, how many there are, and
    // whether it holds anything but blanks and tabs.
    std::size_t tab[2] = {line.size(), line.size()};
    std::size_t tabs = 0;
    bool blank = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '\t') {
        if (tabs < 2) tab[tabs] = i;
        ++tabs;
      } else {
        blank = blank && line[i] == ' ';
      }
    }
    const std::string_view first = line.substr(0, tab[0]);
    const std::string_view diff =
        tabs == 0 ? std::string_view() : line.substr(tab[0] + 1, tab[1] - tab[0] - 1);
    const std::string_view second = tabs < 2 ? std::string_view() : line.substr(tab[1] + 1);
    if (blank) {
      Refuse(first, diff, second, "blank-line", "a blank line: nothing to compute");
    } else if (tabs > 2) {
      Refuse(first, diff, second, "too-many-fields",
             "more than three tab-separated fields (FIRST, DIFF, SECOND)");
    } else {
      // The output window's text goes into buffer_, after the answers before it.
      RunComputation(host_, command_.settings, first, diff, second, run_);
      Answer();
    }
    if (buffer_.Size() >= kFlushAt) Flush();
  }

  void TooLong() {
    run_ = CliComputation{};
    run_.errorKind = "line-too-long";
    run_.error = "input line longer than " + std::to_string(MaxBatchLine) + " bytes";
    host_.Begin("", "", "", command_.settings.months);
    Answer();
    if (buffer_.Size() >= kFlushAt) Flush();
  }

  // False when the output could not be written.
  bool Flush() {
    ok_ = ok_ && WriteAll(out_, buffer_.View());
    buffer_.Clear();
    return ok_;
  }

  bool EveryLineComputed() const noexcept { return failures_ == 0; }

 private:
  static constexpr std::size_t kFlushAt = 256 * 1024;

  void Refuse(std::string_view first, std::string_view diff, std::string_view second,
              const char* kind, std::string error) {
    run_ = CliComputation{};
    run_.errorKind = kind;
    run_.error = std::move(error);
    host_.Begin(first, diff, second, command_.settings.months);
    Answer();
  }

  // Replaces this computation's output window text by its answer line.
  void Answer() {
    const bool ok = run_.outcome == CliOutcome::Result;
    if (!ok) ++failures_;
    if (ok && !command_.json && !command_.printFields) {  // the common case: no copy
      host_.KeepResultLine();
      buffer_.Append('\n');
      return;
    }
    line_.clear();
    if (command_.json) {
      AppendJsonAnswer(host_, run_, line_, workingCalendarJson_);
      host_.DiscardOutput();
    } else if (ok) {
      host_.KeepResultLine();
    } else {
      host_.DiscardOutput();
      line_ = "error: ";
      AppendFailureMessage(host_, run_, line_);
    }
    if (command_.printFields && !command_.json) {
      line_ += '\t';
      AppendFields(host_, line_);
    }
    line_ += '\n';
    buffer_.Append(line_);
  }

  AnswerBuffer buffer_;  // answers not yet written; also the host's output window
  CliHost host_;
  const CliCommand& command_;
  const std::string workingCalendarJson_ = WorkingCalendarJson(command_.settings);
  CliComputation run_;
  std::string line_;  // the answer being built
  std::FILE* out_;
  bool ok_ = true;
  std::size_t failures_ = 0;
};

}  // namespace

bool LoadWorkingCalendar(const CliCommand& command, WorkingCalendarSource& source,
                         std::string& problem) {
  // Rest days come from ReadRestDays, which never gives all seven.
  source.SetWorkingWeek(static_cast<WeekdaySet>(kAllWeekdays & ~command.restDays));
  for (const std::string& path : command.holidayFiles)
    if (!source.AddHolidayFile(path, problem)) return false;
  return true;
}

std::string IgnoredItemsNotes(const WorkingCalendarSource& source) {
  std::string notes;
  for (const HolidayFile& file : source.Files()) {
    const std::string note = file.IgnoredNote();
    if (!note.empty()) notes += "valdora-cli: note: " + file.Name() + ": " + note + "\n";
  }
  return notes;
}

int RunOneComputation(const CliCommand& command, std::FILE* out, std::FILE* err) {
  CliHost host(command.settings);
  CliComputation run;
  RunComputation(host, command.settings, command.first, command.diff, command.second, run);
  const bool ok = run.outcome == CliOutcome::Result;
  std::string text;
  if (command.json) {
    AppendJsonAnswer(host, run, text);
    text.push_back('\n');
  } else if (ok) {
    text.assign(host.ResultLine());
    text.push_back('\n');
    if (command.printFields) {
      AppendFields(host, text);
      text.push_back('\n');
    }
  }
  const bool written = WriteAll(out, text) && std::fflush(out) == 0;
  if (ok) return written ? 0 : 1;
  std::string message = "valdora-cli: ";
  AppendFailureMessage(host, run, message);
  message.push_back('\n');
  WriteAll(err, message);
  return 1;
}

int RunBatch(const CliCommand& command, std::FILE* in, std::FILE* out, std::FILE* err) {
  BatchRunner runner(command, out);
  std::vector<char> chunk(1 << 20);
  std::string partial;  // a line cut by the end of a chunk
  bool overlong = false;
  partial.reserve(256);
  for (;;) {
    const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), in);
    if (n == 0) break;
    const char* p = chunk.data();
    const char* end = p + n;
    while (p < end) {
      const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      const char* stop = nl ? nl : end;
      const std::size_t len = static_cast<std::size_t>(stop - p);
      if (!overlong && partial.size() + len > MaxBatchLine) {
        overlong = true;
        partial.clear();
      }
      if (nl == nullptr) {
        if (!overlong) partial.append(p, len);
        break;
      }
      if (overlong) {
        runner.TooLong();
      } else if (partial.empty()) {
        runner.Line(std::string_view(p, len));
      } else {
        partial.append(p, len);
        runner.Line(partial);
        partial.clear();
      }
      overlong = false;
      p = nl + 1;
    }
  }
  // The last line may lack its line break.
  if (overlong) {
    runner.TooLong();
  } else if (!partial.empty()) {
    runner.Line(partial);
  }
  const bool readError = std::ferror(in) != 0;
  const bool written = runner.Flush() && std::fflush(out) == 0;
  if (readError) std::fputs("valdora-cli: error reading standard input\n", err);
  if (!written) std::fputs("valdora-cli: error writing standard output\n", err);
  return readError || !written || !runner.EveryLineComputed() ? 1 : 0;
}

}  // namespace valdora
