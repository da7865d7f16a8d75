// SPDX-License-Identifier: MIT
// Reading Julian day numbers and signed whole numbers: ParseJdnText, ParseJdnInput, the JDN
// branch of ParseEuroDate, and the key filters. Properties: statuses are 1, 0 or -1; a valid
// value lies within its limits and is the number its digits denote; every number the engine
// writes (plain or with either thousands separator) reads back as the same number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/DateFormatting.h"
#include "engine/DateParse.h"

namespace {

using namespace valdora;
using fuzz::Ctx;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Every digit of the text is kept, so the value is the number of all its digits in order
// (leading zeros dropped).
bool DigitsDenote(std::string_view text, std::int32_t value) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c) && !(digits.empty() && c == '0')) digits.push_back(c);
  }
  const std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
  return (digits.empty() ? std::string("0") : digits) == std::to_string(magnitude);
}

void CheckReaders(std::string_view text) {
  ParseStatus status = 99;
  std::int32_t value = ParseJdnText(text, status);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseJdnText status", text));
  FUZZ_CHECK(status != StatusValid || (value >= MinJdn && value <= MaxJdn && DigitsDenote(text, value)),
             Ctx("ParseJdnText value " + std::to_string(value), text));
  FUZZ_CHECK(status != StatusMalformed || value == 0, Ctx("ParseJdnText malformed value", text));

  value = 12345;
  status = ParseJdnInput(text, ThousandsSeparator, value);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseJdnInput status", text));
  FUZZ_CHECK(status != StatusValid || (value >= -2099999999 && value <= 2099999999 &&
                                       DigitsDenote(text, value) &&
                                       (value >= 0 || text.find('-') != std::string_view::npos)),
             Ctx("ParseJdnInput value " + std::to_string(value), text));

  for (const char* sep : fuzz::kDateSeparators) {
    EuroDate date;
    date.jdn = 777;
    status = ParseEuroDate(text, sep, JDN, YMD, date);
    FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseEuroDate JDN status", text));
    // A text refused for its separators leaves the record alone; one without a number sets 0.
    FUZZ_CHECK(status != StatusMalformed || date.jdn == 777 || date.jdn == 0,
               Ctx("ParseEuroDate JDN touched", text));
  }
}

// A number the engine writes reads back through both readers.
void CheckNumberReadsBack(std::int32_t n) {
  for (const std::string& text : {std::to_string(n), FormatJdn(n)}) {
    ParseStatus status = 0;
    FUZZ_CHECK(ParseJdnText(text, status) == n && status == StatusValid, Ctx("ParseJdnText", text));
    std::int32_t value = 0;
    FUZZ_CHECK(ParseJdnInput(text, ThousandsSeparator, value) == StatusValid && value == n, Ctx("ParseJdnInput", text));
  }
  // JDN texts read as dates: "." separates thousands, "-" is only a sign, "/" is refused.
  for (const char* sep : fuzz::kDateSeparators) {
    std::string text = std::to_string(n);
    if (std::string_view(sep) == ".") SeparateThousands(text, ".");
    EuroDate date;
    const ParseStatus s = ParseEuroDate(text, sep, JDN, YMD, date);
    FUZZ_CHECK(fuzz::IsStatus(s) && (s != StatusValid || date.jdn == n), Ctx("ParseEuroDate JDN", text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t a = in.Byte();
  fuzz::SetSeparators(a);
  const std::string_view text = in.Rest();
  CheckReaders(text);

  std::string kept(text);
  KeepDateCharacters(kept, DateSeparator);
  for (char c : kept) {
    FUZZ_CHECK(IsDigit(c) || c == '-' || DateSeparator.find(c) != std::string::npos,
               Ctx("KeepDateCharacters", text));
  }
  const std::int32_t key = static_cast<std::int32_t>(in.Byte()) | (in.Byte() << 8);
  std::int32_t insert = -1;
  const std::int32_t length = static_cast<std::int32_t>(text.size() % 40);
  if (FilterDateKey(key, length, 20, DateSeparator, (a & 0x80) != 0, insert)) {
    FUZZ_CHECK(insert >= 0, Ctx("FilterDateKey insert", text));
  }
  FilterNumberKey(key, length, 20, ThousandsSeparator);

  const std::uint32_t word = fuzz::Input(data, size).Word();
  CheckNumberReadsBack(static_cast<std::int32_t>(static_cast<std::int64_t>(word % 4199999999ull) - 2099999999));
  return 0;
}
