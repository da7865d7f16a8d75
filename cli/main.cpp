// SPDX-License-Identifier: MIT
// valdora-cli: the Compute command of Valdora (and the month calendar) from a shell.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "compute/Compute.h"
#include "engine/DateCore.h"
#include "presentation/MonthGrid.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace {

// The folder of the running executable ("" when it cannot be found).
std::string ExecutableFolder() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  const std::string full(path, static_cast<std::size_t>(n));
  const std::size_t slash = full.rfind('/');
  return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

int Run(int argc, char** argv) {
  using namespace valdora;
  CliCommand command;
  std::string error;
  if (!ParseCommandLine(argc, argv, command, error)) {
    std::fprintf(stderr, "valdora-cli: %s\n%sTry 'valdora-cli --help' for more information.\n",
                 error.c_str(), UsageText().c_str());
    return 2;
  }
  if (command.mode == CliMode::Help || command.mode == CliMode::Version) {
    std::fputs(command.mode == CliMode::Help ? HelpText().c_str() : VersionText().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  // No field given: lines piped in are computed as with --batch; at a terminal, today's
  // date is converted.
  if (command.mode == CliMode::Compute && !command.fieldGiven && ::isatty(STDIN_FILENO) == 0)
    command.mode = CliMode::Batch;

  SetProgramFolder(ExecutableFolder());
  GenerateText();
  std::string message;
  if (LoadProgramText("vdr.dat", message) < 1) {
    std::fprintf(stderr, "valdora-cli: %s\n", message.c_str());
    return 1;
  }
  DateSeparator = command.dateSeparator;
  ThousandsSeparator = command.thousandsSeparator;
  intLanguage = command.language;
  intTextLanguage = command.language;
  if (command.fixedToday) SetFixedToday(command.todayYear, command.todayMonth, command.todayDay);

  WorkingCalendarSource workingCalendar;
  if (!LoadWorkingCalendar(command, workingCalendar, message)) {
    std::fprintf(stderr, "valdora-cli: %s\n", message.c_str());
    return 1;
  }
  command.settings.workingCalendar = &workingCalendar;
  // What an iCalendar file held besides holidays is told to a person at a terminal, with the
  // notes on, when the files count; a script's standard error stays quiet (--json reports it).
  if (command.settings.includeWeekends == 0 && command.settings.verbose == 1 && !command.json &&
      ::isatty(STDERR_FILENO) == 1)
    std::fputs(IgnoredItemsNotes(workingCalendar).c_str(), stderr);

  switch (command.mode) {
    case CliMode::Month: {
      MonthGridOptions options;
      options.julian = command.julian;
      options.mondayFirst = command.mondayFirst;
      options.withIso = command.withIso;
      options.withYearDigit = command.withYearDigit;
      options.language = command.language;
      const std::string text = MonthCopyText(command.monthYear, command.monthMonth, options);
      if (text.empty()) {
        std::fputs("valdora-cli: no calendar for that month\n", stderr);
        return 1;
      }
      std::fputs(text.c_str(), stdout);
      std::fputc('\n', stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    case CliMode::Batch:
      return RunBatch(command, stdin, stdout, stderr);
    default:
      return RunOneComputation(command, stdout, stderr);
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "valdora-cli: internal error: %s\n", e.what());
    return 1;
  }
}
