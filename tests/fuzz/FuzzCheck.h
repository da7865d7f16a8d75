// SPDX-License-Identifier: MIT
// Property checks of the fuzz targets: a failed check prints what was expected and the
// input that broke it, then aborts, so that libFuzzer keeps the input as a crash. Also the
// option tables the targets pick from with their leading bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/DateTypes.h"

namespace valdora::fuzz {

inline constexpr CalendarCode kCalendars[] = {CE, JC, JDN, ORD, ISO, LPW, LPM};
inline constexpr DateFormat kFormats[] = {MDY, DMY, YMD};
inline const char* const kDateSeparators[] = {"-", "/", "."};
inline const char* const kThousandsSeparators[] = {",", ".", ""};

// The input as printable text: bytes outside 0x20..0x7E as \xNN.
inline std::string Printable(std::string_view text) {
  std::string out;
  char hex[5];
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') out.push_back(static_cast<char>(c));
    else out.append(hex, static_cast<std::size_t>(std::snprintf(hex, sizeof hex, "\\x%02X", c)));
  }
  return out;
}

// `what`, the separators in force and the text, for a failure report.
inline std::string Ctx(std::string_view what, std::string_view text) {
  return std::string(what) + " sep='" + DateSeparator + "' thousands='" + ThousandsSeparator +
         "' text='" + Printable(text) + "'";
}

[[noreturn]] inline void Fail(const char* condition, const char* file, int line,
                              const std::string& context) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition,
               context.c_str());
  std::abort();
}

// The status of every date reader is one of 1, 0, -1.
inline bool IsStatus(long long status) { return status == 1 || status == 0 || status == -1; }

// Sets the date separator (b % 3) and the thousands separator (b / 3 % 3); returns b / 9.
inline unsigned SetSeparators(std::uint8_t b) {
  DateSeparator = kDateSeparators[b % 3];
  ThousandsSeparator = kThousandsSeparators[(b / 3) % 3];
  return b / 9u;
}

// Splits a fuzz input into a few leading option bytes and the text behind them.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : data_(reinterpret_cast<const char*>(data), size) {}
  // The next byte (0 once the input is used up).
  std::uint8_t Byte() { return pos_ < data_.size() ? static_cast<std::uint8_t>(data_[pos_++]) : 0; }
  // Four bytes, little-endian.
  std::uint32_t Word() {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return w;
  }
  // Four bytes as a day within the engine's limits.
  Jdn Day() { return static_cast<Jdn>(static_cast<std::int64_t>(Word() % (2ull * MaxJdn + 1)) - MaxJdn); }
  // Everything not read yet.
  std::string_view Rest() const { return data_.substr(pos_ < data_.size() ? pos_ : data_.size()); }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace valdora::fuzz

#define FUZZ_CHECK(cond, context)                                          \
  do {                                                                     \
    if (!(cond)) ::valdora::fuzz::Fail(#cond, __FILE__, __LINE__, (context)); \
  } while (false)
