// Writing CE and JC dates, JDNs and digit groups.
#include "engine/DateFormatting.h"

#include <algorithm>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"

namespace valdora {

namespace {

// Two digits with a leading zero below 10.
std::string TwoDigits(std::int32_t v) {
  if (v >= 0 && v < 100) return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
  std::string s = std::to_string(v);
  if (v >= 0 && v < 10) s.insert(s.begin(), '0');
  return s;
}

// True when `groups` survives the date reader as a group separator: it must not be a
// character the reader keeps (a digit, "-" or a character of the date separator).
bool GroupsReadBack(std::string_view groups, std::string_view dateSeparator) noexcept {
  return std::none_of(groups.begin(), groups.end(), [&](char c) {
    return (c >= '0' && c <= '9') || c == '-' || dateSeparator.find(c) != std::string_view::npos;
  });
}

}  // namespace

std::string FormatEuroDate(const EuroDate& date, DateFormat format,
                           std::string_view dateSeparator, std::string_view thousandsSeparator) {
  std::string year = std::to_string(date.year);
  if ((date.year > 9999 || date.year < -9999) && GroupsReadBack(thousandsSeparator, dateSeparator)) {
    SeparateThousands(year, thousandsSeparator);
  }
  const std::string month = TwoDigits(date.month);
  const std::string day = TwoDigits(date.day);
  const std::string s(dateSeparator);
  if (format != DMY && format != MDY) return year + s + month + s + day;
  if (date.year < 0) year = "(" + year + ")";
  return format == DMY ? day + s + month + s + year : month + s + day + s + year;
}

void SeparateThousands(std::string& number, std::string_view separator) {
  if (separator.empty()) return;
  number = separate_thousands(number, static_cast<unsigned char>(separator[0]));
}

std::string TodayPlusText(std::int16_t offset, DateFormat format, std::string_view dateSeparator,
                          CalendarCode cal) {
  EuroDate date;
  date.jdn = static_cast<Jdn>(std::clamp<std::int64_t>(
      static_cast<std::int64_t>(TodayJdn()) + offset, INT32_MIN, INT32_MAX));
  if (!CalendarLetter(cal, date)) date.calendar = GregorianLetter;
  JdnToEuroDate(date);
  return FormatEuroDate(date, format, dateSeparator, ThousandsSeparator);
}

std::string FormatJdn(Jdn jdn) {
  std::string text = std::to_string(jdn);
  SeparateThousands(text, ThousandsSeparator);
  return text;
}

}  // namespace valdora
