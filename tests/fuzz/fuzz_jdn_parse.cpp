// fuzz-libs: valdora_engine
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
#include "engine/DateTypes.h"

namespace {

using namespace valdora;

const char* const kDateSeparators[] = {"-", "/", "."};
const char* const kThousandsSeparators[] = {",", ".", ""};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of `text` after its first digit-free prefix rules: every digit in order, with
// leading zeros dropped ("" when there are none or all are zero).
std::string SignificantDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c) && !(digits.empty() && c == '0')) digits.push_back(c);
  }
  return digits;
}

std::string Ctx(std::string_view what, std::string_view text) {
  return std::string(what) + " thousands='" + ThousandsSeparator + "' text='" +
         fuzz::Printable(text) + "'";
}

void CheckJdnText(std::string_view text) {
  ParseStatus status = 99;
  const std::int32_t value = ParseJdnText(text, status);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseJdnText status", text));
  if (status == StatusValid) {
    FUZZ_CHECK(value >= MinJdn && value <= MaxJdn, Ctx("ParseJdnText value", text));
    // Every digit of the text is kept, so the value is the number of all its digits.
    const std::string digits = SignificantDigits(text);
    const std::string magnitude = value < 0 ? std::to_string(-static_cast<std::int64_t>(value))
                                            : std::to_string(value);
    FUZZ_CHECK((digits.empty() ? std::string("0") : digits) == magnitude,
               Ctx("ParseJdnText value " + std::to_string(value), text));
  } else if (status == StatusMalformed) {
    FUZZ_CHECK(value == 0, Ctx("ParseJdnText malformed value", text));
  }
}

void CheckJdnInput(std::string_view text) {
  std::int32_t value = 12345;
  const ParseStatus status = ParseJdnInput(text, value);
  FUZZ_CHECK(fuzz::IsStatus(status), Ctx("ParseJdnInput status", text));
  if (status != StatusValid) return;
  FUZZ_CHECK(value >= -2099999999 && value <= 2099999999, Ctx("ParseJdnInput value", text));
  const std::string digits = SignificantDigits(text);
  const std::string magnitude =
      value < 0 ? std::to_string(-static_cast<std::int64_t>(value)) : std::to_string(value);
  FUZZ_CHECK((digits.empty() ? std::string("0") : digits) == magnitude,
             Ctx("ParseJdnInput value " + std::to_string(value), text));
  FUZZ_CHECK(value >= 0 || text.find('-') != std::string_view::npos, Ctx("ParseJdnInput sign", text));
}

// A number the engine writes reads back through both readers.
void CheckNumberReadsBack(std::int32_t n) {
  const std::string plain = std::to_string(n);
  ParseStatus status = 0;
  FUZZ_CHECK(ParseJdnText(plain, status) == n && status == StatusValid, Ctx("ParseJdnText", plain));
  std::int32_t value = 0;
  FUZZ_CHECK(ParseJdnInput(plain, value) == StatusValid && value == n, Ctx("ParseJdnInput", plain));
  const std::string grouped = FormatJdn(n);
  FUZZ_CHECK(ParseJdnText(grouped, status) == n && status == StatusValid, Ctx("ParseJdnText", grouped));
  value = 0;
  FUZZ_CHECK(ParseJdnInput(grouped, value) == StatusValid && value == n,
             Ctx("ParseJdnInput", grouped));
  for (const char* sep : kDateSeparators) {
    EuroDate date;
    // JDN texts read as dates: "." separates thousands, "-" is only a sign, "/" is refused.
    std::string text = plain;
    if (std::string_view(sep) == ".") {
      text = plain;
      SeparateThousands(text, ".");
    }
    const ParseStatus s = ParseEuroDate(text, sep, JDN, YMD, date);
    FUZZ_CHECK(fuzz::IsStatus(s), Ctx("ParseEuroDate JDN", text));
    FUZZ_CHECK(s != StatusValid || date.jdn == n, Ctx("ParseEuroDate JDN value", text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t a = in.Byte();
  DateSeparator = kDateSeparators[a % 3];
  ThousandsSeparator = kThousandsSeparators[(a / 3) % 3];
  const std::string_view text = in.Rest();

  CheckJdnText(text);
  CheckJdnInput(text);
  for (const char* sep : kDateSeparators) {
    EuroDate date;
    date.jdn = 777;
    const ParseStatus s = ParseEuroDate(text, sep, JDN, YMD, date);
    FUZZ_CHECK(fuzz::IsStatus(s), Ctx("ParseEuroDate JDN status", text));
    // A text refused for its separators leaves the record alone; one without a number sets 0.
    if (s == StatusMalformed) {
      FUZZ_CHECK(date.jdn == 777 || date.jdn == 0, Ctx("ParseEuroDate JDN touched", text));
    }
  }

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

  fuzz::Input number(data, size);
  const std::uint32_t word = number.Word();
  CheckNumberReadsBack(static_cast<std::int32_t>(static_cast<std::int64_t>(word % 4199999999ull) -
                                                 2099999999));
  return 0;
}
