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

void ExpectDaysPass(std::int64_t first, std::int64_t last, std::int64_t textEvery = 1) {
  const bool withPredecessor = first > MinJdn;
  std::int64_t at = 0;
  const char* what = CheckDays(first, last, withPredecessor, textEvery, at);
  ASSERT_EQ(what, nullptr) << "JDN " << at << ": " << what;
}

Jdn FirstOfYear(std::int32_t year, std::int16_t letter) {
  EuroDate date{year, 1, 1, letter, 0};
  return EuroDateToJdn(date);
}

TEST(VerifySample, RangeEndsAndTheFirstYears) {
  // Beyond +-2,099,999,999 a JDN text is out of range for the reader: conversions only.
  constexpr std::int64_t noTexts = 0;
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
      ExpectDaysPass(start - 4, start + 4, 2);
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

// The checks are not vacuous: a day that does not follow, or does not convert back, is found,
// and named by the first check it fails.
TEST(VerifySample, ChecksFindBrokenDays) {
  struct Case {
    const char* what;
    void (*breakDay)(verify::DayBlock&);  // changes day 1 of the pair
    std::uint32_t expected;               // the failures it must cause
  };
  using namespace verify::failure;
  const Case cases[] = {
      // The conversion carries day 32 into the next month: the same day, but no successor.
      {"CE day 32",
       [](verify::DayBlock& b) { b.ceYear[1] = 2020, b.ceMonth[1] = 12, b.ceDay[1] = 32; },
       CeStep},
      {"CE 29 February of a common year",
       [](verify::DayBlock& b) { b.ceYear[1] = 2021, b.ceMonth[1] = 2, b.ceDay[1] = 29; },
       CeBack | CeStep},
      {"ISO week 54", [](verify::DayBlock& b) { b.isoWeek[1] = 54, b.isoWeekday[1] = 1; },
       IsoBack | IsoStep | IsoWeekday},
      {"ISO year begun early", [](verify::DayBlock& b) { b.isoYear[1] = 2021; },
       IsoBack | IsoStep},
      {"LPM day one ahead", [](verify::DayBlock& b) { ++b.lpmDay[1]; }, LpmBack | LpmStep},
      {"LPW week 53 of a common year",
       [](verify::DayBlock& b) { b.lpwYear[1] = 2021, b.lpwWeek[1] = 53; },
       LpwBack | LpmBack | LpwStep},
      {"JC day one ahead", [](verify::DayBlock& b) { ++b.jcDay[1]; }, JcBack | JcStep},
      {"day of week", [](verify::DayBlock& b) { b.dayOfWeek[1] = (b.dayOfWeek[1] + 1) % 7; },
       DowStep | IsoWeekday | LpwWeekday},
      {"JDN skipped", [](verify::DayBlock& b) { ++b.jdn[1]; },
       NotConsecutive | CeBack | JcBack | IsoBack | LpwBack},
  };
  static verify::DayBlock b;
  for (const Case& c : cases) {
    b.jdn[0] = 2459215;  // 2020-12-31 CE, 2020-W53-4, a Thursday
    b.jdn[1] = 2459216;
    verify::ConvertDays(b, 0, 1);
    verify::CheckRoundTrips(b, 0, 1);
    verify::CheckSuccessors(b, 1, 1);
    ASSERT_EQ(b.failures[0] | b.failures[1], 0u) << c.what;
    c.breakDay(b);
    verify::CheckRoundTrips(b, 1, 1);
    verify::CheckSuccessors(b, 1, 1);
    EXPECT_EQ(b.failures[1], c.expected) << c.what;
    EXPECT_STREQ(verify::FailureMessage(b.failures[1]),
                 verify::FailureText[__builtin_ctz(c.expected)])
        << c.what;
  }
}

}  // namespace
}  // namespace valdora
