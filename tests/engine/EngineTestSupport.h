// Shared by the engine tests: restoring the program-wide separators, and random text for
// feeding the readers hostile input.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include "engine/DateTypes.h"
#include "engine/LeapWeekCalendar.h"

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

// Strings of 0 to `maxLength` characters drawn from `alphabet`, the same sequence for a seed.
class RandomText {
 public:
  RandomText(std::uint32_t seed, std::string alphabet, std::size_t maxLength)
      : rng_(seed), alphabet_(std::move(alphabet)), pick_(0, alphabet_.size() - 1),
        length_(0, maxLength) {}

  std::string operator()() {
    std::string text;
    for (std::size_t n = length_(rng_); n > 0; --n) text.push_back(alphabet_[pick_(rng_)]);
    return text;
  }

 private:
  std::mt19937 rng_;
  std::string alphabet_;
  std::uniform_int_distribution<std::size_t> pick_, length_;
};

}  // namespace valdora
