// SPDX-License-Identifier: MIT
// The day arithmetic of the Compute command, driven through the command itself under all four
// combinations of the day-count options: adding and counting undo each other, and the counts
// agree with counting day by day. The deliberate asymmetries of the rules (a weekend first
// date, one day with the first date included, ...) are pinned in tests/cli/examples.cases.
#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"
#include "tests/support/SeededRng.h"
#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateFormatting.h"

namespace valdora::test {
namespace {

struct DayOptions {
  std::int16_t includeFirstDate, includeWeekends;
};

std::string Ce(Jdn jdn) {
  std::string text;
  WriteDateInCalendar(jdn, CE, CurrentDateTextSettings(YMD, true), text);
  return text;
}

// The days-between count by the rules, one day at a time.
Jdn ReferenceCount(Jdn a, Jdn b, const DayOptions& o) {
  Jdn d = 0;
  for (Jdn i = std::min(a, b) + 1; i <= std::max(a, b); ++i)
    if (o.includeWeekends == 1 || IsWorkday(i)) ++d;
  if (b < a) d = -d;
  if (o.includeFirstDate == 1 && (o.includeWeekends == 1 || IsWorkday(a))) d += d < 0 ? -1 : 1;
  return d;
}

class DayArithmetic : public ::testing::TestWithParam<DayOptions> {
 protected:
  void SetUp() override {
    PrepareProgram();
    host.includeFirstDate = GetParam().includeFirstDate;
    host.includeWeekends = GetParam().includeWeekends;
  }

  // A random workday within [lo, hi + 2].
  Jdn Workday(Jdn lo, Jdn hi) {
    Jdn jdn = std::uniform_int_distribution<Jdn>(lo, hi)(rng);
    while (!IsWorkday(jdn)) ++jdn;
    return jdn;
  }

  // `date` plus `d` counts back to `d`; `date` as the second date minus `-d`, with `-d` added
  // to the first date found, gives `date` back. |d| >= 2 keeps clear of the asymmetries.
  void RoundTrips(const std::string& date, std::int32_t d) {
    host.Compute(date, std::to_string(d), "");
    ASSERT_TRUE(host.messages.empty()) << date << " + " << d;
    const std::string second = host.Second();
    host.Compute(date, "", second);
    ASSERT_EQ(host.Diff(), FormatJdn(d)) << date << " + " << d << " = " << second;
    host.Compute("", std::to_string(-d), date);
    ASSERT_TRUE(host.messages.empty()) << date << " - " << -d;
    const std::string first = host.First();
    host.Compute(first, std::to_string(-d), "");
    ASSERT_EQ(host.Second(), date) << date << " - " << -d << " = " << first;
  }

  RecordingHost host;
  SeededRng rng{20240115};
};

TEST_P(DayArithmetic, AddingAndCountingUndoEachOther) {
  // CE dates of years 1..9999, differences small or large.
  std::uniform_int_distribution<std::int32_t> small(2, 40), large(2, 900000);
  for (int i = 0; i < 3000; ++i) {
    const std::int32_t magnitude = rng() % 2 ? small(rng) : large(rng);
    ASSERT_NO_FATAL_FAILURE(RoundTrips(Ce(Workday(FirstOrdinalJdn + 10, LastOrdinalJdn - 10)),
                                       rng() % 2 ? magnitude : -magnitude));
  }
  // Julian day numbers near the limits, differences of up to a billion days towards zero.
  host.firstCal = host.secondCal = JDN;
  std::uniform_int_distribution<std::int32_t> size(2, 1000000000);
  for (int i = 0; i < 3000; ++i) {
    const Jdn a = Workday(-2000000000, 2000000000);
    ASSERT_NO_FATAL_FAILURE(RoundTrips(FormatJdn(a), a > 0 ? -size(rng) : size(rng)));
  }
}

TEST_P(DayArithmetic, CountAgreesWithCountingDayByDay) {
  std::uniform_int_distribution<int> span(-30, 30);
  for (int i = 0; i < 3000; ++i) {
    const Jdn a = Workday(FirstOrdinalJdn + 10, LastOrdinalJdn - 10) + static_cast<Jdn>(rng() % 7);
    const Jdn b = a + span(rng);
    host.Compute(Ce(a), "", Ce(b));
    ASSERT_EQ(host.Diff(), FormatJdn(ReferenceCount(a, b, GetParam()))) << Ce(a) << " to " << Ce(b);
  }
}

// Spans of millions of days are counted by whole weeks, with no day-by-day walk.
TEST_P(DayArithmetic, LongSpansCountWholeWeeks) {
  host.firstCal = host.secondCal = JDN;
  const Jdn monday = 2460325, weeks = 52 * 1000;  // 2024-01-15
  host.Compute(FormatJdn(monday), "", FormatJdn(monday + 7 * weeks));
  EXPECT_EQ(host.Diff(), FormatJdn((GetParam().includeWeekends ? 7 : 5) * weeks +
                                   GetParam().includeFirstDate));
}

INSTANTIATE_TEST_SUITE_P(AllOptionCombinations, DayArithmetic,
                         ::testing::Values(DayOptions{0, 1}, DayOptions{1, 1}, DayOptions{0, 0},
                                           DayOptions{1, 0}),
                         [](const ::testing::TestParamInfo<DayOptions>& info) {
                           return std::string(info.param.includeFirstDate ? "FirstIn" : "FirstEx") +
                                  (info.param.includeWeekends ? "WeekendsIn" : "WeekendsEx");
                         });

}  // namespace
}  // namespace valdora::test
