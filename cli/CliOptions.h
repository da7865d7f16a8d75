// SPDX-License-Identifier: MIT
// The command line of valdora-cli: what to do and with which options.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliHost.h"
#include "engine/WorkingCalendar.h"

namespace valdora {

enum class CliMode { Compute, Batch, Month, Help, Version };

struct CliCommand {
  CliMode mode = CliMode::Compute;
  CliSettings settings;
  std::string first, diff, second;
  bool fieldGiven = false;  // --first, --diff or --second appeared (even with an empty text)
  bool printFields = false;
  bool json = false;  // one JSON object per computation instead of the result line
  std::string dateSeparator = "-";
  std::string thousandsSeparator = ",";
  std::int16_t language = 0;  // intEnglish or intGerman
  bool fixedToday = false;
  std::int32_t todayYear = 0, todayMonth = 0, todayDay = 0;
  // --month YEAR MONTH and its flags.
  std::int32_t monthYear = 0, monthMonth = 0;
  bool julian = false, mondayFirst = false, withIso = false, withYearDigit = true;
  // --weekend and --holidays: the working calendar of --exclude-weekends.
  WeekdaySet restDays = kAllWeekdays & ~kMondayToFriday;
  std::vector<std::string> holidayFiles;  // in the order given
  bool workingCalendarGiven = false;      // --weekend or --holidays appeared
};

// Reads the arguments (argv[1..argc-1]) with getopt_long: "--opt value" and "--opt=value",
// unambiguous abbreviations, "--" ends the options; no other arguments are taken. False with
// `error` (one line) on a usage error.
bool ParseCommandLine(int argc, const char* const* argv, CliCommand& command, std::string& error);

// The short usage text (usage errors) and the full --help text; both end with a line break.
std::string UsageText();
std::string HelpText();
// The --version line, with its line break.
std::string VersionText();

}  // namespace valdora
