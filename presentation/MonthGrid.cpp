// SPDX-License-Identifier: MIT
// The month grid and its ISO week dates column as plain text.
#include "presentation/MonthGrid.h"

#include <charconv>
#include <string>

#include "engine/DateCore.h"
#include "engine/DateParse.h"
#include "engine/IsoOrdinal.h"
#include "engine/StringHelpers.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kMaxRows = 6;
constexpr std::size_t kAbbreviation = 3;    // letters of a grid header day name
constexpr std::size_t kIsoDayName = 8;      // letters of an ISO header day name (with digit)

// Only English and German carry day and month names; anything else reads as English.
std::int16_t NamedLanguage(std::int16_t language) noexcept {
  return language == intGerman ? intGerman : intEnglish;
}

// Day of column `column` (0..6): 0 = Sunday .. 6 = Saturday.
int DayOfColumn(int column, bool mondayFirst) noexcept {
  return mondayFirst ? (column + 1) % kDaysPerWeek : column;
}

std::string Abbreviation(int day, std::int16_t language) {
  return DayName(day, NamedLanguage(language)).substr(0, kAbbreviation);
}

// Restores intTextLanguage when the program text lookup of one call is done.
class TextLanguageScope {
 public:
  explicit TextLanguageScope(std::int16_t language) : saved_(intTextLanguage) {
    intTextLanguage = language;
  }
  ~TextLanguageScope() { intTextLanguage = saved_; }
  TextLanguageScope(const TextLanguageScope&) = delete;
  TextLanguageScope& operator=(const TextLanguageScope&) = delete;

 private:
  std::int16_t saved_;
};

}  // namespace

bool ReadMonthYear(std::string_view text, std::int32_t& year) {
  std::string filtered(text);
  KeepSignedDigits(filtered, true);  // trimming is implied: blanks are dropped here
  std::string_view digits = filtered;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  // Empty, a bare sign, or a second sign ("+-12"): no year to show.
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return false;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return false;
  if (value > MaxAbsYear) return false;
  year = static_cast<std::int32_t>(negative ? -value : value);
  return true;
}

std::string MonthGridHeader(bool mondayFirst, std::int16_t language) {
  std::string header;
  for (int column = 0; column < kDaysPerWeek; ++column) {
    header += ' ';
    header += Abbreviation(DayOfColumn(column, mondayFirst), language);
    header += ' ';
  }
  return header;
}

MonthGrid BuildMonthGrid(std::int32_t year, std::int32_t month, bool julian, bool mondayFirst,
                         std::int16_t language) {
  MonthGrid grid;
  grid.text = MonthGridHeader(mondayFirst, language);
  const std::int16_t letter = julian ? JulianLetter : GregorianLetter;
  EuroDate first{year, month, 1, letter, 0};
  Jdn n = EuroDateToJdn(first);
  // Back to the Sunday or Monday on or before the 1st.
  const int firstDay = mondayFirst ? 1 : 0;
  n -= (DayOfWeek(n) - firstDay + kDaysPerWeek) % kDaysPerWeek;  // [0, 6] days back
  grid.firstCellJdn = n;
  for (int row = 0; row < kMaxRows; ++row) {
    ++grid.numWeeks;
    std::string cells;
    EuroDate cell{0, 0, 0, letter, 0};
    for (int column = 0; column < kDaysPerWeek; ++column, ++n) {
      cell.jdn = n;
      JdnToEuroDate(cell);
      if (cell.day < 10) cells += ' ';
      cells += ' ';
      cells += std::to_string(cell.day);
      cells += "  ";
    }
    grid.text += "\n ";
    grid.text += cells;
    // `cell` is the row's last day: past the month, or the month's 31st, ends the grid.
    if (cell.month > month || cell.year > year || cell.day == 31) break;
  }
  return grid;
}

std::string IsoColumnHeader(bool withYearDigit, std::int16_t language) {
  std::string header;
  for (int column = 0; column < kDaysPerWeek; ++column) {
    const std::string& name = DayName(DayOfColumn(column, true), NamedLanguage(language));
    if (withYearDigit) {
      header += (name + "       ").substr(0, kIsoDayName);
      if (column < kDaysPerWeek - 1) header += ' ';
    } else {
      header += ' ';
      header += name.substr(0, kAbbreviation);
      header += "   ";
    }
  }
  if (withYearDigit) TrimTrailingBlanks(header);
  return header;
}

std::string IsoColumnText(Jdn firstCellJdn, std::int16_t numWeeks, bool withYearDigit,
                          std::int16_t language) {
  std::string text = IsoColumnHeader(withYearDigit, language);
  const std::size_t kept = withYearDigit ? 7 : 5;  // "5-W44-1" or "W44-1"
  for (std::int16_t i = 0; i < numWeeks; ++i) {
    IsoWeekDate date;
    date.jdn = firstCellJdn + kDaysPerWeek * i;
    JdnToIsoWeekDate(date);
    const std::string full = FormatIsoWeekDate(date, HyphenatedForm);
    std::string prefix = full.size() >= kept ? full.substr(full.size() - kept) : full;
    prefix.pop_back();  // the weekday digit; each cell writes its own
    std::string row = "\n";
    for (int k = 1; k <= kDaysPerWeek; ++k) {
      row += prefix;
      row += static_cast<char>('0' + k);
      row += "  ";
    }
    TrimTrailingBlanks(row);
    text += row;
  }
  return text;
}

std::string MonthCopyHeading(std::int32_t month, std::string_view yearText, bool julian,
                             std::int16_t language) {
  const std::int16_t named = NamedLanguage(language);
  std::string heading = MonthName(0, month - 1, named);
  heading += ' ';
  heading += yearText;
  heading += " (";
  heading += FixedText(julian ? "Julian Calendar" : "Common Era Calendar", named);
  heading += ')';
  return heading;
}

std::string JoinMonthCopyText(std::string_view heading, std::string_view grid,
                              const std::string* isoColumn, std::int16_t language) {
  std::string text(heading);
  text += "\n\n";
  text += grid;
  if (isoColumn != nullptr) {
    TextLanguageScope scope(NamedLanguage(language));
    text += "\n\n";
    text += ProgramText(13);
    text += "\n\n";
    text += *isoColumn;
  }
  return text;
}

std::string MonthCopyText(std::int32_t year, std::int32_t month, const MonthGridOptions& options) {
  if (month < 1 || month > 12 || year > MaxAbsYear || year < -MaxAbsYear) return {};
  const MonthGrid grid =
      BuildMonthGrid(year, month, options.julian, options.mondayFirst, options.language);
  const std::string heading =
      MonthCopyHeading(month, std::to_string(year), options.julian, options.language);
  if (!options.withIso || options.julian || !options.mondayFirst) {
    return JoinMonthCopyText(heading, grid.text, nullptr, options.language);
  }
  const std::string iso =
      IsoColumnText(grid.firstCellJdn, grid.numWeeks, options.withYearDigit, options.language);
  return JoinMonthCopyText(heading, grid.text, &iso, options.language);
}

MonthToOpen MonthOfFirstDate(std::string_view text, CalendarCode cal, DateFormat format) {
  EuroDate date;
  bool today = text.empty() || (cal != CE && cal != JC && cal != JDN);
  if (!today) today = ParseEuroDate(text, DateSeparator, cal, format, date) != StatusValid;
  if (today) {
    date = EuroDate{};
    date.jdn = TodayJdn();
  }
  date.calendar = !today && cal == JC ? JulianLetter : GregorianLetter;
  JdnToEuroDate(date);
  return {date.year, date.month};
}

}  // namespace valdora
