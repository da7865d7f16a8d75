// The exhaustive verifier's checks (bench/verify) over a stratified sample of the range:
// the days around the year boundaries of a sample of years in every calendar, the range
// ends, years 0 and +-1, and the ends of 400-year cycles; every text of these days too.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "bench/verify/DayChecks.h"

namespace valdora {
namespace {

using verify::CheckDays;

void ExpectDaysPass(std::int64_t first, std::int64_t last, std::int64_t textMask = 0) {
  const bool withPredecessor = first > MinJdn;
  std::int64_t at = 0;
  const char* what = CheckDays(first, last, withPredecessor, textMask, at);
  ASSERT_EQ(what, nullptr) << "JDN " << at << ": " << what;
}

Jdn FirstOfYear(std::int32_t year, std::int16_t letter) {
  EuroDate date{year, 1, 1, letter, 0};
  return EuroDateToJdn(date);
}

TEST(VerifySample, RangeEndsAndTheFirstYears) {
  // Beyond +-2,099,999,999 a JDN text is out of range for the reader: conversions only.
  constexpr std::int64_t noTexts = ~std::int64_t{0};
  ExpectDaysPass(MinJdn, MinJdn + 2000, noTexts);
  ExpectDaysPass(MaxJdn - 2000, MaxJdn, noTexts);
  ExpectDaysPass(-2000000000 - 500, -2000000000 + 500);
  ExpectDaysPass(2000000000 - 500, 2000000000 + 500);
  // CE years -2 to 2 completely, and the days around JDN 0.
  ExpectDaysPass(FirstOfYear(-2, GregorianLetter) - 10, FirstOfYear(3, GregorianLetter) + 10);
  ExpectDaysPass(-400, 400);
}

TEST(VerifySample, YearBoundariesOfSampledYears) {
  std::mt19937 rng(2026);
  std::uniform_int_distribution<std::int32_t> anyYear(-5700000, 5700000);
  std::vector<std::int32_t> years = {-4713, -401, -400, -101, -100, -5,   -4,   -1,   0,    1,
                                     4,     100,  1582, 1900, 2000, 2019, 2020, 2021, 9999, 10000};
  for (int i = 0; i < 1500; ++i) years.push_back(anyYear(rng));
  for (const std::int32_t y : years) {
    for (const Jdn start : {FirstOfYear(y, GregorianLetter), FirstOfYear(y, JulianLetter),
                            IsoWeekOneMonday(y), static_cast<Jdn>(LeapWeekYearStart(y))}) {
      ExpectDaysPass(start - 4, start + 4, 1);
    }
  }
}

TEST(VerifySample, EndsOfFourHundredYearCycles) {
  for (std::int64_t n = -14000; n <= 14000; n += 701) {
    const std::int64_t leapWeekCycle = LeapWeekEpochJdn + n * LeapWeekCycleDays;
    ExpectDaysPass(leapWeekCycle - 8, leapWeekCycle + 8);
    const auto year = static_cast<std::int32_t>(400 * n);
    const Jdn gregorianCycle = FirstOfYear(year, GregorianLetter);
    ExpectDaysPass(gregorianCycle - 8, gregorianCycle + 8);
  }
}

// The checks are not vacuous: a day that does not follow, or does not convert back, is found.
TEST(VerifySample, ChecksFindBrokenDays) {
  const verify::DayForms day = verify::ConvertDay(2459215);  // 2020-12-31 CE, 2020-W53-4
  const verify::DayForms next = verify::ConvertDay(2459216);
  ASSERT_EQ(verify::CheckRoundTrip(day), nullptr);
  ASSERT_EQ(verify::CheckSuccessor(day, next), nullptr);

  auto broken = next;
  broken.ce.day = 32;
  broken.ce.month = 12;
  broken.ce.year = 2020;
  EXPECT_NE(verify::CheckSuccessor(day, broken), nullptr);
  broken = next;
  broken.iso.week = 54;
  broken.iso.weekday = 1;
  EXPECT_NE(verify::CheckSuccessor(day, broken), nullptr);
  broken = next;
  broken.leap.dayOfMonth = static_cast<std::int16_t>(broken.leap.dayOfMonth + 1);
  EXPECT_NE(verify::CheckSuccessor(day, broken), nullptr);
  EXPECT_NE(verify::CheckRoundTrip(broken), nullptr);
  broken = next;
  broken.jc.day += 1;
  EXPECT_NE(verify::CheckRoundTrip(broken), nullptr);
  broken = next;
  broken.dayOfWeek = (broken.dayOfWeek + 1) % 7;
  EXPECT_NE(verify::CheckSuccessor(day, broken), nullptr);
}

}  // namespace
}  // namespace valdora
