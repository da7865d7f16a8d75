// SPDX-License-Identifier: MIT
// The exhaustive verifier's checks (bench/verify) over a stratified sample of the range:
// the days around the year boundaries of a sample of years in every calendar, the range
// ends, years 0 and +-1, and the ends of 400-year cycles; every text of these days too.
#include "bench/verify/DayChecks.h"
#include "EngineTestSupport.h"

namespace valdora {

// Days around the range ends (beyond +-2,099,999,999 a JDN text is out of range for the
// reader: conversions only), CE years -2 to 2 and the days around JDN 0, the year starts of
// sampled years in every calendar, and the ends of 400-year cycles.
TEST(VerifySample, StratifiedSamplePasses) {
  struct Span { std::int64_t first, last, textEvery; };
  std::vector<Span> spans = {{MinJdn, MinJdn + 2000, 0}, {MaxJdn - 2000, MaxJdn, 0},
                             {-2000000500, -1999999500, 1}, {1999999500, 2000000500, 1},
                             {Date(-2, 1, 1).jdn - 10, Date(3, 1, 1).jdn + 10, 1}, {-400, 400, 1}};
  SeededRng rng(2026);
  std::uniform_int_distribution<std::int32_t> anyYear(-5700000, 5700000);
  std::vector<std::int32_t> years = {-4713, -401, -400, -101, -100, -5, -4, -1, 0, 1, 4, 100,
                                     1582, 1900, 2000, 2019, 2020, 2021, 9999, 10000};
  for (int i = 0; i < 1500; ++i) years.push_back(anyYear(rng));
  for (const std::int32_t y : years) {
    for (const Jdn start : {Date(y, 1, 1).jdn, Date(y, 1, 1, JulianLetter).jdn,
                            IsoWeekOneMonday(y), static_cast<Jdn>(LeapWeekYearStart(y))}) {
      spans.push_back({start - 4, start + 4, 2});
    }
  }
  for (std::int32_t n = -14000; n <= 14000; n += 701) {
    for (const std::int64_t start : {LeapWeekEpochJdn + std::int64_t{n} * LeapWeekCycleDays,
                                     std::int64_t{Date(400 * n, 1, 1).jdn}}) {
      spans.push_back({start - 8, start + 8, 1});
    }
  }
  for (const Span& s : spans) {
    std::int64_t at = 0;
    const char* what = verify::CheckDays(s.first, s.last, s.first > MinJdn, s.textEvery, at);
    ASSERT_EQ(what, nullptr) << "JDN " << at << ": " << what << " (span " << s.first << " to "
                             << s.last << ")";
  }
}

// The checks are not vacuous: a day that does not follow, or does not convert back, is found,
// and named by the first check it fails.
TEST(VerifySample, ChecksFindBrokenDays) {
  using Block = verify::DayBlock;
  // breakDay changes day 1 of the pair; expected are the failures it must cause.
  struct Case { const char* what; void (*breakDay)(Block&); std::uint32_t expected; };
  using namespace verify::failure;
  const Case cases[] = {
      // The conversion carries day 32 into the next month: the same day, but no successor.
      {"CE day 32", [](Block& b) { b.ceYear[1] = 2020, b.ceMonth[1] = 12, b.ceDay[1] = 32; },
       CeStep},
      {"CE 29 February of a common year",
       [](Block& b) { b.ceYear[1] = 2021, b.ceMonth[1] = 2, b.ceDay[1] = 29; }, CeBack | CeStep},
      {"ISO week 54", [](Block& b) { b.isoWeek[1] = 54, b.isoWeekday[1] = 1; },
       IsoBack | IsoStep | IsoWeekday},
      {"ISO year begun early", [](Block& b) { b.isoYear[1] = 2021; }, IsoBack | IsoStep},
      {"LPM day one ahead", [](Block& b) { ++b.lpmDay[1]; }, LpmBack | LpmStep},
      {"LPW week 53 of a common year", [](Block& b) { b.lpwYear[1] = 2021, b.lpwWeek[1] = 53; },
       LpwBack | LpmBack | LpwStep},
      {"JC day one ahead", [](Block& b) { ++b.jcDay[1]; }, JcBack | JcStep},
      {"day of week", [](Block& b) { b.dayOfWeek[1] = (b.dayOfWeek[1] + 1) % 7; },
       DowStep | IsoWeekday | LpwWeekday},
      {"JDN skipped", [](Block& b) { ++b.jdn[1]; },
       NotConsecutive | CeBack | JcBack | IsoBack | LpwBack},
  };
  static Block b;
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

}  // namespace valdora
