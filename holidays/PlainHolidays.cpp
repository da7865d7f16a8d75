// SPDX-License-Identifier: MIT
// The plain holiday list: a strict reader of yyyy-mm-dd lines.
#include "holidays/PlainHolidays.h"

#include "engine/DateCore.h"

namespace valdora {
namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }
bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }

// Reads exactly `count` digits at `at`, advancing it.
bool Digits(std::string_view text, std::size_t& at, std::size_t count,
            std::int32_t& value) noexcept {
  if (text.size() - at < count) return false;
  value = 0;
  for (std::size_t i = 0; i < count; ++i, ++at) {
    if (!IsDigit(text[at])) return false;
    value = value * 10 + (text[at] - '0');
  }
  return true;
}

}  // namespace

bool ReadHolidayDate(std::string_view text, Jdn& jdn) noexcept {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++at;
  std::size_t yearDigits = 0;
  while (at + yearDigits < text.size() && IsDigit(text[at + yearDigits])) ++yearDigits;
  // Four digits at least, no zeros in front of more, and no "-0000" (year 0 has no sign).
  if (yearDigits < 4 || yearDigits > 7 || (yearDigits > 4 && text[at] == '0')) return false;
  std::int32_t year = 0, month = 0, day = 0;
  Digits(text, at, yearDigits, year);  // at most 9,999,999
  if (negative && year == 0) return false;
  if (at >= text.size() || text[at++] != '-' || !Digits(text, at, 2, month)) return false;
  if (at >= text.size() || text[at++] != '-' || !Digits(text, at, 2, day)) return false;
  if (at != text.size()) return false;
  return CeDateToJdn(negative ? -year : year, month, day, jdn);
}

bool CeDateToJdn(std::int32_t year, std::int32_t month, std::int32_t day, Jdn& jdn) noexcept {
  if (year > MaxAbsYear || year < -MaxAbsYear || month < 1 || month > 12 || day < 1 || day > 31)
    return false;
  EuroDate date{year, month, day, GregorianLetter, 0};
  const std::int64_t found = EuroDateToJdn(date);
  // A day beyond its month's end comes back as another date.
  EuroDate back{0, 0, 0, GregorianLetter, static_cast<Jdn>(found)};
  JdnToEuroDate(back);
  if (back.year != year || back.month != month || back.day != day) return false;
  if (found < MinJdn || found > MaxJdn) return false;
  jdn = static_cast<Jdn>(found);
  return true;
}

std::string OneLineExcerpt(std::string_view text, std::size_t limit) {
  std::string out(text.substr(0, limit));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text.size() > limit ? out + "..." : out;
}

bool ReadPlainHolidays(std::string_view content, std::vector<Jdn>& holidays, int& line,
                       std::string& problem) {
  // A byte-order mark in front of the first line is no part of it.
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  line = 0;
  while (!content.empty()) {
    ++line;
    const std::size_t end = content.find('\n');
    std::string_view text = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty() || text.front() == '#') continue;
    Jdn jdn = 0;
    if (!ReadHolidayDate(text, jdn)) {
      // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "\"" + string.
      problem.assign(1, '"');
      problem += OneLineExcerpt(text, 40);
      problem += "\" is not a date in the form yyyy-mm-dd";
      return false;
    }
    holidays.push_back(jdn);
  }
  return true;
}

}  // namespace valdora
