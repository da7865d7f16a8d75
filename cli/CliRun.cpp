// SPDX-License-Identifier: MIT
#include "cli/CliRun.h"

#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "compute/Compute.h"

namespace valdora {
namespace {

// Runs the command on the host; an unexpected failure becomes a message, never a crash.
void Compute(CliHost& host) {
  try {
    cmdCompute_Click(host);
  } catch (const std::exception& e) {
    host.ShowComputeMessage(std::string("internal error: ") + e.what(), "", BoxResultOutOfRange);
  }
}

// Appends `text` with every line break ("\r\n", "\r" or "\n") replaced by `blank`.
template <class Buffer>
void AppendFlattened(Buffer& out, std::string_view text, char blank) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.push_back(blank);
    } else {
      out.push_back(c);
    }
  }
}

// The three fields, separated by tabs.
std::string FieldsText(const CliHost& host) {
  return host.Field(ComputeField::FirstDate) + '\t' + host.Field(ComputeField::DateDiff) + '\t' +
         host.Field(ComputeField::SecondDate);
}

bool WriteAll(std::FILE* out, std::string_view text) {
  return text.empty() || std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

// The batch loop: lines in, one answer line each, written in large blocks.
class BatchRunner {
 public:
  BatchRunner(const CliCommand& command, std::FILE* out)
      : buffer_(kFlushAt + 4096), host_(command.settings, &buffer_),
        printFields_(command.printFields), out_(out) {}

  void Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t tab1 = line.find('\t');
    std::string_view first = line, diff, second;
    if (tab1 != std::string_view::npos) {
      first = line.substr(0, tab1);
      const std::string_view rest = line.substr(tab1 + 1);
      const std::size_t tab2 = rest.find('\t');
      diff = rest.substr(0, tab2);
      if (tab2 != std::string_view::npos) second = rest.substr(tab2 + 1);
    }
    host_.Begin(first, diff, second);  // the output window's text goes into buffer_
    Compute(host_);
    if (host_.MessageShown()) {
      host_.DiscardOutput();
      buffer_.Append("error: ");
      BufferAppender appender{buffer_};
      AppendFlattened(appender, host_.Message(), ' ');
    } else {
      host_.KeepResultLine();
    }
    if (printFields_) {
      buffer_.Append('\t');
      buffer_.Append(FieldsText(host_));
    }
    buffer_.Append('\n');
    if (buffer_.Size() >= kFlushAt) Flush();
  }

  void TooLong() {
    buffer_.Append("error: input line longer than ");
    buffer_.Append(std::to_string(MaxBatchLine));
    buffer_.Append(" bytes\n");
    if (buffer_.Size() >= kFlushAt) Flush();
  }

  // False when the output could not be written.
  bool Flush() {
    ok_ = ok_ && WriteAll(out_, buffer_.View());
    buffer_.Clear();
    return ok_;
  }

 private:
  static constexpr std::size_t kFlushAt = 256 * 1024;
  // AppendFlattened's view of the buffer.
  struct BufferAppender {
    AnswerBuffer& buffer;
    void push_back(char c) { buffer.Append(c); }
  };

  AnswerBuffer buffer_;  // answers not yet written; also the host's output window
  CliHost host_;
  bool printFields_;
  std::FILE* out_;
  bool ok_ = true;
};

}  // namespace

int RunOneComputation(const CliCommand& command, std::FILE* out, std::FILE* err) {
  CliHost host(command.settings);
  host.Begin(command.first, command.diff, command.second);
  Compute(host);
  std::string text(host.ResultLine());
  text.push_back('\n');
  if (command.printFields) {
    text += FieldsText(host);
    text.push_back('\n');
  }
  WriteAll(out, text);
  if (!host.MessageShown()) return std::fflush(out) == 0 ? 0 : 1;
  std::string message;
  AppendFlattened(message, host.Message(), '\n');
  message.push_back('\n');
  WriteAll(err, message);
  std::fflush(out);
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
  return readError || !written ? 1 : 0;
}

}  // namespace valdora
