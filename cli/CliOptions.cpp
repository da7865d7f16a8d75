// SPDX-License-Identifier: MIT
#include "cli/CliOptions.h"

#include <getopt.h>

#include <charconv>
#include <string_view>

#include "cli/StrictFields.h"
#include "engine/DateParse.h"
#include "holidays/WorkingCalendarSource.h"
#include "valdora/Version.h"

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

// Codes of the long options (getopt_long returns them).
enum OptionCode : int {
  kFirst = 256,
  kDiff,
  kSecond,
  kFirstCal,
  kSecondCal,
  kMonths,
  kIncludeFirst,
  kExcludeWeekends,
  kNoVerbose,
  kNoHyphen,
  kFormat,
  kSeparator,
  kThousands,
  kLanguage,
  kToday,
  kClear,
  kFields,
  kBatch,
  kJson,
  kMonth,
  kJulian,
  kMonday,
  kIso,
  kNoYearDigit,
  kVersionOption,
  kWeekend,
  kHolidays,
  kHelp = 'h'
};

constexpr option kOptions[] = {
    {"first", required_argument, nullptr, kFirst},
    {"diff", required_argument, nullptr, kDiff},
    {"second", required_argument, nullptr, kSecond},
    {"first-cal", required_argument, nullptr, kFirstCal},
    {"second-cal", required_argument, nullptr, kSecondCal},
    {"months", no_argument, nullptr, kMonths},
    {"include-first-date", no_argument, nullptr, kIncludeFirst},
    {"exclude-weekends", no_argument, nullptr, kExcludeWeekends},
    {"weekend", required_argument, nullptr, kWeekend},
    {"holidays", required_argument, nullptr, kHolidays},
    {"no-verbose", no_argument, nullptr, kNoVerbose},
    {"no-hyphen", no_argument, nullptr, kNoHyphen},
    {"format", required_argument, nullptr, kFormat},
    {"separator", required_argument, nullptr, kSeparator},
    {"thousands", required_argument, nullptr, kThousands},
    {"language", required_argument, nullptr, kLanguage},
    {"today", required_argument, nullptr, kToday},
    {"clear", required_argument, nullptr, kClear},
    {"fields", no_argument, nullptr, kFields},
    {"batch", no_argument, nullptr, kBatch},
    {"json", no_argument, nullptr, kJson},
    {"month", required_argument, nullptr, kMonth},
    {"julian", no_argument, nullptr, kJulian},
    {"monday", no_argument, nullptr, kMonday},
    {"iso", no_argument, nullptr, kIso},
    {"no-year-digit", no_argument, nullptr, kNoYearDigit},
    {"version", no_argument, nullptr, kVersionOption},
    {"help", no_argument, nullptr, kHelp},
    {nullptr, 0, nullptr, 0},
};

// The long name of option `code`, with its dashes.
std::string OptionName(int code) {
  for (const option& o : kOptions)
    if (o.name != nullptr && o.val == code) return std::string("--") + o.name;
  return "--?";
}

// Why `text` is no list of rest days for ReadRestDays (which said it is not).
std::string RestDaysProblem(std::string_view text) {
  bool none = false;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma - start);
    WeekdaySet day = 0;
    if (item.empty()) return "an empty day name";
    if (!ReadRestDays(item, day)) return "unknown day \"" + std::string(item) + "\"";
    none = none || day == 0;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (none) return "\"none\" stands alone";
  return "all seven days cannot be rest days: a week needs a working day";
}

// Reads the value of option `code`; false with `error` when it is not one it takes.
bool ApplyOption(int code, std::string_view v, CliCommand& cmd, std::string& error) {
  const std::string name = OptionName(code);
  switch (code) {
    case kFirst:
    case kDiff:
    case kSecond:
      (code == kFirst ? cmd.first : code == kDiff ? cmd.diff : cmd.second) = std::string(v);
      cmd.fieldGiven = true;
      return true;
    case kFirstCal:
    case kSecondCal:
      if (ReadCalendar(v, code == kFirstCal ? cmd.settings.firstCal : cmd.settings.secondCal))
        return true;
      error = name + ": unknown calendar \"" + std::string(v) +
              "\" (CE, JC, JDN, ORD, ISO, LPW or LPM)";
      return false;
    case kFormat:
      if (v == "YMD" || v == "DMY" || v == "MDY") {
        cmd.settings.format = v == "YMD" ? YMD : v == "DMY" ? DMY : MDY;
        return true;
      }
      error = name + ": YMD, DMY or MDY";
      return false;
    case kSeparator:
      if (v == "-" || v == "/" || v == ".") {
        cmd.dateSeparator = std::string(v);
        return true;
      }
      error = name + ": -, / or .";
      return false;
    case kThousands:
      if (v == "," || v == "." || v == "none") {
        cmd.thousandsSeparator = v == "none" ? std::string() : std::string(v);
        return true;
      }
      error = name + ": , . or none";
      return false;
    case kLanguage:
      if (v == "en" || v == "de") {
        cmd.language = v == "de" ? 1 : 0;
        return true;
      }
      error = name + ": en or de";
      return false;
    case kToday: {
      EuroDate date;
      if (v.size() > 16 || ParseEuroDate(v, "-", CE, YMD, date) != StatusValid ||
          date.jdn > MaxJdn - 7 || date.jdn < MinJdn) {
        error = name + ": a CE date YYYY-MM-DD";
        return false;
      }
      cmd.fixedToday = true;
      cmd.todayYear = date.year;
      cmd.todayMonth = date.month;
      cmd.todayDay = date.day;
      return true;
    }
    case kWeekend:
      cmd.workingCalendarGiven = true;
      if (ReadRestDays(v, cmd.restDays)) return true;
      error = name + ": " + RestDaysProblem(v) +
              " (comma-separated Mon, Tue, Wed, Thu, Fri, Sat, Sun, or none)";
      return false;
    case kHolidays:
      if (v.empty()) {
        error = name + " needs a file name";
        return false;
      }
      cmd.holidayFiles.emplace_back(v);
      cmd.workingCalendarGiven = true;
      return true;
    case kClear:
      if (v == "first") cmd.settings.clear = ClearChoice::FirstDate;
      else if (v == "diff") cmd.settings.clear = ClearChoice::DateDiff;
      else if (v == "second") cmd.settings.clear = ClearChoice::SecondDate;
      else if (v == "cancel") cmd.settings.clear = ClearChoice::Cancel;
      else {
        error = name + ": first, diff, second or cancel";
        return false;
      }
      return true;
    default:
      return true;
  }
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CliCommand& cmd, std::string& error) {
  bool monthFlag = false;
  // getopt_long keeps its place in globals: start afresh, stop at the first non-option (so
  // that nothing is reordered and --month can take its second value) and report nothing
  // itself.
  optind = 0;
  opterr = 0;
  char* const* args = const_cast<char* const*>(argv);
  for (;;) {
    const int code = getopt_long(argc, args, "+:h", kOptions, nullptr);
    if (code == -1) break;
    // The argument getopt_long has just read.
    const std::string_view arg = optind > 0 && optind <= argc ? argv[optind - 1] : "";
    switch (code) {
      case '?':
        error = optopt >= kFirst ? OptionName(optopt) + " takes no value"
                : optopt != 0 && optopt < 256
                    ? "unknown option \"-" + std::string(1, static_cast<char>(optopt)) + "\""
                    : "unknown option \"" + std::string(arg.substr(0, arg.find('='))) + "\"";
        return false;
      case ':':
        error = std::string(arg.substr(0, arg.find('='))) + " needs a value";
        return false;
      case kHelp:
        cmd.mode = CliMode::Help;
        return true;
      case kVersionOption:
        cmd.mode = CliMode::Version;
        return true;
      case kMonths:
        cmd.settings.months = true;
        break;
      case kIncludeFirst:
        cmd.settings.includeFirstDate = 1;
        break;
      case kExcludeWeekends:
        cmd.settings.includeWeekends = 0;
        break;
      case kNoVerbose:
        cmd.settings.verbose = 0;
        break;
      case kNoHyphen:
        cmd.settings.hyphen = 0;
        break;
      case kFields:
        cmd.printFields = true;
        break;
      case kBatch:
        cmd.mode = CliMode::Batch;
        break;
      case kJson:
        cmd.json = true;
        break;
      case kMonth: {
        // YEAR is the option's value, MONTH the argument after it.
        std::int64_t year = 0, month = 0;
        if (optind >= argc || !ReadInteger(optarg, year) || !ReadInteger(argv[optind], month) ||
            year > MaxAbsYear || year < -MaxAbsYear || month < 1 || month > 12) {
          error = "--month needs a YEAR (within +-5800000) and a MONTH (1 to 12)";
          return false;
        }
        ++optind;
        cmd.mode = CliMode::Month;
        cmd.monthYear = static_cast<std::int32_t>(year);
        cmd.monthMonth = static_cast<std::int32_t>(month);
        break;
      }
      case kJulian:
        cmd.julian = monthFlag = true;
        break;
      case kMonday:
        cmd.mondayFirst = monthFlag = true;
        break;
      case kIso:
        cmd.withIso = monthFlag = true;
        break;
      case kNoYearDigit:
        cmd.withYearDigit = false;
        monthFlag = true;
        break;
      default:
        if (!ApplyOption(code, optarg != nullptr ? optarg : "", cmd, error)) return false;
        break;
    }
  }
  if (optind < argc) {
    error = "unexpected argument \"" + std::string(argv[optind]) + "\"";
    return false;
  }
  if (monthFlag && cmd.mode != CliMode::Month) {
    error = "--julian, --monday, --iso and --no-year-digit go with --month";
    return false;
  }
  if (cmd.fieldGiven && cmd.mode != CliMode::Compute) {
    error = "--first, --diff and --second do not go with --batch or --month";
    return false;
  }
  if (cmd.workingCalendarGiven && cmd.mode == CliMode::Month) {
    error = "--weekend and --holidays do not go with --month";
    return false;
  }
  if (cmd.json && cmd.mode == CliMode::Month) {
    error = "--json does not go with --month";
    return false;
  }
  const DiffUnit unit = DiffUnitOf(cmd.diff);
  if (cmd.settings.months && unit != DiffUnit::None && !UnitCountsMonths(unit)) {
    error = UnitConflictMessage(cmd.diff);
    return false;
  }
  return true;
}

std::string VersionText() { return std::string("valdora-cli ") + kVersion + "\n"; }

std::string UsageText() {
  return "usage: valdora-cli [--first TEXT] [--diff TEXT] [--second TEXT] [options]\n"
         "       valdora-cli [--batch] [options] < lines of FIRST<TAB>DIFF<TAB>SECOND\n"
         "       valdora-cli --month YEAR MONTH [--julian] [--monday] [--iso] "
         "[--no-year-digit] [--language en|de]\n"
         "       valdora-cli --help | --version\n";
}

std::string HelpText() {
  return "valdora-cli: the Compute command of Valdora from a shell.\n"
         "The filled fields decide what is computed: one date is converted into the other\n"
         "calendar, two dates give the days between them, a date and a difference give the\n"
         "other date. The result line goes to standard output (exit status 0); a message\n"
         "goes to standard error (exit status 1); a usage error gives status 2. Without\n"
         "--first, --diff and --second, lines are read from standard input as with --batch\n"
         "unless it is a terminal (then today's date is converted).\n"
         "\n" +
         UsageText() +
         "\n"
         "  --first TEXT, --diff TEXT, --second TEXT   the three input fields (default empty)\n"
         "                         --diff takes a unit: d days, w weeks, m months, y years\n"
         "  --first-cal CAL, --second-cal CAL  calendar of each date: CE JC JDN ORD ISO LPW LPM\n"
         "                                     (default CE)\n"
         "  --months               the difference is in months (default days)\n"
         "  --include-first-date   count the first date in days between dates\n"
         "  --exclude-weekends     count working days only: not the rest days (Saturday and\n"
         "                         Sunday unless --weekend says otherwise) nor holidays\n"
         "  --weekend DAYS         the rest days of --exclude-weekends: comma-separated\n"
         "                         Mon Tue Wed Thu Fri Sat Sun (any case), or none\n"
         "                         (default Sat,Sun)\n"
         "  --holidays FILE        holidays of --exclude-weekends: a list of yyyy-mm-dd\n"
         "                         dates or an iCalendar (.ics) file; may be repeated\n"
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
         "  --json                 one JSON object per computation (JSON Lines with --batch)\n"
         "  --batch                one computation per line of standard input; each gives\n"
         "                         one line: the result, or \"error: \" and the message\n"
         "  --month YEAR MONTH     print the month's calendar as the month window copies it;\n"
         "                         --julian Julian calendar, --monday weeks from Monday,\n"
         "                         --iso with ISO week dates (CE, Monday first),\n"
         "                         --no-year-digit ISO cells without the year digit\n"
         "  -h, --help             this text\n"
         "  --version              the version\n";
}

}  // namespace valdora
