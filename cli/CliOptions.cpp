// SPDX-License-Identifier: MIT
#include "cli/CliOptions.h"

#include <charconv>
#include <string_view>

#include "engine/DateParse.h"

namespace valdora {
namespace {

bool ReadCalendar(std::string_view text, CalendarCode& cal) {
  static constexpr CalendarCode kCodes[] = {CE, JC, JDN, ORD, ISO, LPW, LPM};
  for (CalendarCode c : kCodes) {
    if (text == CalendarCodeText[static_cast<std::size_t>(c)]) {
      cal = c;
      return true;
    }
  }
  return false;
}

// A whole number with an optional sign, nothing else.
bool ReadInteger(std::string_view text, std::int64_t& value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty() || text.size() > 12) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CliCommand& cmd, std::string& error) {
  bool fieldGiven = false, monthFlag = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    // The value of an option that takes one.
    auto value = [&](std::string_view& out) {
      if (i + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string_view v;
    if (arg == "--help" || arg == "-h") {
      cmd.mode = CliMode::Help;
      return true;
    } else if (arg == "--first" || arg == "--diff" || arg == "--second") {
      if (!value(v)) return false;
      (arg == "--first" ? cmd.first : arg == "--diff" ? cmd.diff : cmd.second) = std::string(v);
      fieldGiven = true;
    } else if (arg == "--first-cal" || arg == "--second-cal") {
      if (!value(v)) return false;
      CalendarCode& cal = arg == "--first-cal" ? cmd.settings.firstCal : cmd.settings.secondCal;
      if (!ReadCalendar(v, cal)) {
        error = std::string(arg) + ": unknown calendar \"" + std::string(v) +
                "\" (CE, JC, JDN, ORD, ISO, LPW or LPM)";
        return false;
      }
    } else if (arg == "--months") {
      cmd.settings.months = true;
    } else if (arg == "--include-first-date") {
      cmd.settings.includeFirstDate = 1;
    } else if (arg == "--exclude-weekends") {
      cmd.settings.includeWeekends = 0;
    } else if (arg == "--no-verbose") {
      cmd.settings.verbose = 0;
    } else if (arg == "--no-hyphen") {
      cmd.settings.hyphen = 0;
    } else if (arg == "--format") {
      if (!value(v)) return false;
      if (v == "YMD") cmd.settings.format = YMD;
      else if (v == "DMY") cmd.settings.format = DMY;
      else if (v == "MDY") cmd.settings.format = MDY;
      else {
        error = "--format: YMD, DMY or MDY";
        return false;
      }
    } else if (arg == "--separator") {
      if (!value(v)) return false;
      if (v != "-" && v != "/" && v != ".") {
        error = "--separator: -, / or .";
        return false;
      }
      cmd.dateSeparator = std::string(v);
    } else if (arg == "--thousands") {
      if (!value(v)) return false;
      if (v != "," && v != "." && v != "none") {
        error = "--thousands: , . or none";
        return false;
      }
      cmd.thousandsSeparator = v == "none" ? std::string() : std::string(v);
    } else if (arg == "--language") {
      if (!value(v)) return false;
      if (v != "en" && v != "de") {
        error = "--language: en or de";
        return false;
      }
      cmd.language = v == "de" ? 1 : 0;
    } else if (arg == "--today") {
      if (!value(v)) return false;
      EuroDate date;
      if (v.size() > 16 || ParseEuroDate(v, "-", CE, YMD, date) != StatusValid ||
          date.jdn > MaxJdn - 7 || date.jdn < MinJdn) {
        error = "--today: a CE date YYYY-MM-DD";
        return false;
      }
      cmd.fixedToday = true;
      cmd.todayYear = date.year;
      cmd.todayMonth = date.month;
      cmd.todayDay = date.day;
    } else if (arg == "--clear") {
      if (!value(v)) return false;
      if (v == "first") cmd.settings.clear = ClearChoice::FirstDate;
      else if (v == "diff") cmd.settings.clear = ClearChoice::DateDiff;
      else if (v == "second") cmd.settings.clear = ClearChoice::SecondDate;
      else if (v == "cancel") cmd.settings.clear = ClearChoice::Cancel;
      else {
        error = "--clear: first, diff, second or cancel";
        return false;
      }
    } else if (arg == "--fields") {
      cmd.printFields = true;
    } else if (arg == "--batch") {
      cmd.mode = CliMode::Batch;
    } else if (arg == "--month") {
      std::int64_t year = 0, month = 0;
      if (i + 2 >= argc || !ReadInteger(argv[i + 1], year) || !ReadInteger(argv[i + 2], month) ||
          year > MaxAbsYear || year < -MaxAbsYear || month < 1 || month > 12) {
        error = "--month needs a YEAR (within +-5800000) and a MONTH (1 to 12)";
        return false;
      }
      i += 2;
      cmd.mode = CliMode::Month;
      cmd.monthYear = static_cast<std::int32_t>(year);
      cmd.monthMonth = static_cast<std::int32_t>(month);
    } else if (arg == "--julian") {
      cmd.julian = monthFlag = true;
    } else if (arg == "--monday") {
      cmd.mondayFirst = monthFlag = true;
    } else if (arg == "--iso") {
      cmd.withIso = monthFlag = true;
    } else if (arg == "--no-year-digit") {
      cmd.withYearDigit = false;
      monthFlag = true;
    } else {
      error = "unknown option \"" + std::string(arg) + "\"";
      return false;
    }
  }
  if (monthFlag && cmd.mode != CliMode::Month) {
    error = "--julian, --monday, --iso and --no-year-digit go with --month";
    return false;
  }
  if (fieldGiven && cmd.mode != CliMode::Compute) {
    error = "--first, --diff and --second do not go with --batch or --month";
    return false;
  }
  return true;
}

std::string UsageText() {
  return "usage: valdora-cli [--first TEXT] [--diff TEXT] [--second TEXT] [options]\n"
         "       valdora-cli --batch [options] < lines of FIRST<TAB>DIFF<TAB>SECOND\n"
         "       valdora-cli --month YEAR MONTH [--julian] [--monday] [--iso] "
         "[--no-year-digit] [--language en|de]\n"
         "       valdora-cli --help\n";
}

std::string HelpText() {
  return "valdora-cli: the Compute command of Valdora from a shell.\n"
         "The filled fields decide what is computed: one date is converted into the other\n"
         "calendar, two dates give the days between them, a date and a difference give the\n"
         "other date. The result line goes to standard output (exit status 0); a message\n"
         "goes to standard error (exit status 1); a usage error gives status 2.\n"
         "\n" +
         UsageText() +
         "\n"
         "  --first TEXT, --diff TEXT, --second TEXT   the three input fields (default empty)\n"
         "  --first-cal CAL, --second-cal CAL  calendar of each date: CE JC JDN ORD ISO LPW LPM\n"
         "                                     (default CE)\n"
         "  --months               the difference is in months (default days)\n"
         "  --include-first-date   count the first date in days between dates\n"
         "  --exclude-weekends     do not count Saturdays and Sundays\n"
         "  --no-verbose           no notes about the day-count options\n"
         "  --no-hyphen            ordinal and ISO week dates without hyphens\n"
         "  --format YMD|DMY|MDY   order of CE and JC dates (default YMD)\n"
         "  --separator -|/|.      date separator (default -)\n"
         "  --thousands ,|.|none   thousands separator (default ,)\n"
         "  --language en|de       language of the output (default en)\n"
         "  --today YYYY-MM-DD     the CE date taken as today (default: the local date)\n"
         "  --clear first|diff|second|cancel   the field emptied when all three are filled\n"
         "                         (default diff)\n"
         "  --fields               also print the three fields after the computation,\n"
         "                         separated by tabs\n"
         "  --batch                one computation per line of standard input; each gives\n"
         "                         one line: the result, or \"error: \" and the message\n"
         "  --month YEAR MONTH     print the month's calendar as the month window copies it;\n"
         "                         --julian Julian calendar, --monday weeks from Monday,\n"
         "                         --iso with ISO week dates (CE, Monday first),\n"
         "                         --no-year-digit ISO cells without the year digit\n"
         "  --help                 this text\n";
}

}  // namespace valdora
