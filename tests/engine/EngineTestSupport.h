// SPDX-License-Identifier: MIT
// Shared by the engine tests: the engine headers, restoring the program-wide separators,
// random text for hostile input, and short ways to make the date records.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/CalendarText.h"
#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"
#include "engine/DateDifference.h"
#include "engine/DateFormatting.h"
#include "engine/DateParse.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"
#include "engine/StringHelpers.h"
#include "tests/support/SeededRng.h"

namespace valdora {

// Restores the date, thousands and locale grouping separators a test changes, when it goes.
class SeparatorGuard {
 public:
  SeparatorGuard()
      : date_(DateSeparator), thousands_(ThousandsSeparator), grouping_(LocaleGroupingSeparator()) {}
  ~SeparatorGuard() {
    DateSeparator = date_;
    ThousandsSeparator = thousands_;
    SetLocaleGroupingSeparator(grouping_);
  }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;

 private:
  std::string date_, thousands_, grouping_;
};

using test::SeededRng;

// Strings of 0 to `maxLength` characters drawn from `alphabet`, the same sequence for a seed
// (named by every failure while the generator lives).
class RandomText {
 public:
  RandomText(std::uint32_t seed, std::string alphabet, std::size_t maxLength,
             const char* file = __builtin_FILE(), int line = __builtin_LINE())
      : rng_(seed, file, line), alphabet_(std::move(alphabet)), pick_(0, alphabet_.size() - 1),
        length_(0, maxLength) {}

  std::string operator()() {
    std::string text;
    for (std::size_t n = length_(rng_); n > 0; --n) text.push_back(alphabet_[pick_(rng_)]);
    return text;
  }

 private:
  SeededRng rng_;
  std::string alphabet_;
  std::uniform_int_distribution<std::size_t> pick_, length_;
};

// Seeded days: `AnyDay anyDay(MinJdn, MaxJdn)`, drawn with a SeededRng.
using AnyDay = std::uniform_int_distribution<Jdn>;

// A CE (or JC) date with its JDN filled in.
inline EuroDate Date(std::int32_t y, std::int32_t m, std::int32_t d,
                     std::int16_t letter = GregorianLetter) {
  EuroDate date{y, m, d, letter, 0};
  EuroDateToJdn(date);
  return date;
}

// A date's name in failure messages: "2019-13-1 G" (calendar letter, or its number when it
// is not printable).
inline std::string DateName(std::int32_t y, std::int32_t m, std::int32_t d, std::int16_t letter) {
  std::string name = std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d) + " ";
  return name + (letter > 32 && letter < 127 ? std::string(1, static_cast<char>(letter))
                                             : "calendar " + std::to_string(letter));
}

// The CE (or JC) date of a day.
inline EuroDate FromJdn(Jdn jdn, std::int16_t letter = GregorianLetter) {
  EuroDate date{0, 0, 0, letter, jdn};
  JdnToEuroDate(date);
  return date;
}

// The ISO week date of a day.
inline IsoWeekDate IsoOf(Jdn jdn) {
  IsoWeekDate date{0, 0, 0, jdn};
  JdnToIsoWeekDate(date);
  return date;
}

// Days of month m of year y, written out independently of the engine.
inline int RefMonthDays(std::int64_t y, int m, bool julian) {
  constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = julian ? y % 4 == 0 : (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : days[m - 1];
}

}  // namespace valdora
