// SPDX-License-Identifier: MIT
// Random inputs for the tests that can be drawn again: a generator from a fixed seed that,
// while it lives, makes every failure message name its seed and where it was made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace valdora::test {

// (The place is taken with the builtins GCC and Clang share: Clang 14 lacks the one that
// std::source_location needs from libstdc++.)
class SeededRng : public std::mt19937 {
 public:
  explicit SeededRng(std::uint32_t seed, const char* file = __builtin_FILE(),
                     int line = __builtin_LINE())
      : std::mt19937(seed), trace_(file, line, "random inputs from seed " + std::to_string(seed)) {}
  SeededRng(const SeededRng&) = delete;
  SeededRng& operator=(const SeededRng&) = delete;

 private:
  ::testing::ScopedTrace trace_;
};

}  // namespace valdora::test
