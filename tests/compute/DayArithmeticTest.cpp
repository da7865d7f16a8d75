// The day arithmetic of the Compute command, driven through the command itself: adding and
// counting undo each other in all four combinations of the day-count options, the counts
// agree with a day-by-day reference, and the deliberate asymmetries stay as they are.
#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"
#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/DateFormatting.h"

namespace valdora::test {
namespace {

struct DayOptions {
  std::int16_t includeFirstDate;
  std::int16_t includeWeekends;
};

std::string PrintOptions(const ::testing::TestParamInfo<DayOptions>& info) {
  return std::string(info.param.includeFirstDate ? "FirstIncluded" : "FirstExcluded") +
         (info.param.includeWeekends ? "WeekendsCounted" : "WeekendsSkipped");
}

std::string Ce(Jdn jdn) {
  std::string text;
  WriteDateInCalendar(jdn, CE, YMD, true, text);
  return text;
}

// The days-between count by the rules, one day at a time.
std::int64_t ReferenceCount(Jdn a, Jdn b, const DayOptions& o) {
  std::int64_t d = 0;
  const Jdn lo = std::min(a, b), hi = std::max(a, b);
  for (Jdn i = lo + 1; i <= hi; ++i)
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

  // A random workday of years 1..9999 (CE texts of four digits).
  Jdn RandomWorkday() {
    std::uniform_int_distribution<Jdn> pick(FirstOrdinalJdn + 10, LastOrdinalJdn - 10);
    Jdn jdn = pick(rng);
    while (!IsWorkday(jdn)) ++jdn;
    return jdn;
  }

  // A difference with |d| >= 2, small or large.
  std::int32_t RandomDifference() {
    std::uniform_int_distribution<std::int32_t> small(2, 40), large(2, 900000);
    const std::int32_t magnitude = rng() % 2 ? small(rng) : large(rng);
    return rng() % 2 ? magnitude : -magnitude;
  }

  RecordingHost host;
  std::mt19937 rng{20240115};
};

TEST_P(DayArithmetic, AddingThenCountingGivesTheDifferenceBack) {
  for (int i = 0; i < 3000; ++i) {
    const Jdn first = RandomWorkday();
    const std::int32_t d = RandomDifference();
    host.Compute(Ce(first), std::to_string(d), "");
    ASSERT_TRUE(host.messages.empty()) << Ce(first) << " + " << d;
    const std::string second = host.Second();
    host.Compute(Ce(first), "", second);
    ASSERT_EQ(host.Diff(), FormatJdn(d)) << Ce(first) << " + " << d << " = " << second;
  }
}

TEST_P(DayArithmetic, SubtractingThenAddingGivesTheSecondDateBack) {
  for (int i = 0; i < 3000; ++i) {
    const Jdn second = RandomWorkday();
    const std::int32_t d = RandomDifference();
    host.Compute("", std::to_string(d), Ce(second));
    ASSERT_TRUE(host.messages.empty());
    const std::string first = host.First();
    host.Compute(first, std::to_string(d), "");
    ASSERT_EQ(host.Second(), Ce(second)) << Ce(second) << " - " << d << " = " << first;
  }
}

TEST_P(DayArithmetic, BothPropertiesHoldOverTheWholeRange) {
  // Julian day numbers near the limits and differences of up to a billion days.
  host.firstCal = host.secondCal = JDN;
  std::uniform_int_distribution<Jdn> pick(-2000000000, 2000000000);
  std::uniform_int_distribution<std::int32_t> size(2, 1000000000);
  for (int i = 0; i < 3000; ++i) {
    Jdn a = pick(rng);
    while (!IsWorkday(a)) ++a;
    std::int32_t d = size(rng);
    if (a > 0) d = -d;  // towards zero, so that the result stays within the limits
    host.Compute(FormatJdn(a), std::to_string(d), "");
    ASSERT_TRUE(host.messages.empty()) << a << " + " << d;
    const std::string b = host.Second();
    host.Compute(FormatJdn(a), "", b);
    ASSERT_EQ(host.Diff(), FormatJdn(d)) << a << " + " << d;
    host.Compute("", std::to_string(-d), FormatJdn(a));
    ASSERT_TRUE(host.messages.empty()) << a << " - " << -d;
    host.Compute(host.First(), std::to_string(-d), "");
    ASSERT_EQ(host.Second(), FormatJdn(a)) << a << " - " << -d;
  }
}

TEST_P(DayArithmetic, CountAgreesWithCountingDayByDay) {
  std::uniform_int_distribution<int> span(-30, 30);
  for (int i = 0; i < 3000; ++i) {
    const Jdn a = RandomWorkday() + static_cast<Jdn>(rng() % 7);  // any weekday
    const Jdn b = a + span(rng);
    host.Compute(Ce(a), "", Ce(b));
    ASSERT_EQ(host.Diff(), FormatJdn(static_cast<Jdn>(ReferenceCount(a, b, GetParam()))))
        << Ce(a) << " to " << Ce(b);
  }
}

TEST_P(DayArithmetic, LargeCountsNeedNoDayByDayWalk) {
  // Spans of millions of days, in the JDN calendar; whole weeks are counted at once.
  host.firstCal = host.secondCal = JDN;
  const Jdn a = 2460325;  // Monday 2024-01-15
  const Jdn b = a + 7 * 52 * 1000;
  host.Compute(FormatJdn(a), "", FormatJdn(b));
  const std::int64_t weeks = 52 * 1000;
  const std::int64_t expected =
      (GetParam().includeWeekends ? 7 : 5) * weeks + GetParam().includeFirstDate;
  EXPECT_EQ(host.Diff(), FormatJdn(static_cast<Jdn>(expected)));
}

INSTANTIATE_TEST_SUITE_P(AllOptionCombinations, DayArithmetic,
                         ::testing::Values(DayOptions{0, 1}, DayOptions{1, 1}, DayOptions{0, 0},
                                           DayOptions{1, 0}),
                         PrintOptions);

// Where the rules break the symmetry on purpose.
struct PinnedCase {
  const char* name;
  DayOptions options;
  const char* first;
  const char* diff;
  const char* second;
  const char* line;  // the output line without its line break
};

class PinnedDayCases : public ::testing::TestWithParam<PinnedCase> {};

TEST_P(PinnedDayCases, WritesTheLineOfTheRules) {
  PrepareProgram();
  const PinnedCase& c = GetParam();
  RecordingHost host;
  host.includeFirstDate = c.options.includeFirstDate;
  host.includeWeekends = c.options.includeWeekends;
  const std::string out = host.Compute(c.first, c.diff, c.second);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(out, std::string(c.line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Asymmetries, PinnedDayCases,
    ::testing::Values(
        // A weekend first date is not moved: five workdays after a Saturday is a Saturday.
        PinnedCase{"SaturdayPlusFive", {0, 0}, "2024-01-13", "5", "",
                   "2024-01-13 CE plus 5 days = 2024-01-20 CE, Saturday"},
        // A weekend second date starts from the Friday before.
        PinnedCase{"SundayMinusOne", {0, 0}, "", "1", "2024-01-14",
                   "2024-01-14 CE minus 1 day = 2024-01-11 CE, Thursday"},
        PinnedCase{"SaturdayToSunday", {0, 0}, "2024-01-13", "", "2024-01-14",
                   "2024-01-13 CE to 2024-01-14 CE = 0 days"},
        PinnedCase{"SaturdayToSundayFirstIncluded", {1, 0}, "2024-01-13", "", "2024-01-14",
                   "2024-01-13 CE to 2024-01-14 CE = 0 days"},
        // One day with the first date included stays on the first date...
        PinnedCase{"FridayPlusOneIncluded", {1, 0}, "2024-01-12", "1", "",
                   "2024-01-12 CE plus 1 day = 2024-01-12 CE, Friday"},
        PinnedCase{"MinusOneIncludedCounted", {1, 1}, "2024-01-15", "-1", "",
                   "2024-01-15 CE minus 1 day = 2024-01-15 CE, Monday"},
        // ...while the same date twice counts as one day, whatever the sign was.
        PinnedCase{"SameDateIncluded", {1, 1}, "2024-01-15", "", "2024-01-15",
                   "2024-01-15 CE to 2024-01-15 CE = 1 day"},
        PinnedCase{"SameDate", {0, 1}, "2024-01-15", "", "2024-01-15",
                   "2024-01-15 CE to 2024-01-15 CE = 0 days"},
        PinnedCase{"PlusZero", {1, 0}, "2024-01-13", "0", "",
                   "2024-01-13 CE plus 0 days = 2024-01-13 CE, Saturday"},
        PinnedCase{"FridayToMonday", {0, 0}, "2024-01-12", "", "2024-01-15",
                   "2024-01-12 CE to 2024-01-15 CE = 1 day"},
        PinnedCase{"MondayToFriday", {0, 0}, "2024-01-15", "", "2024-01-12",
                   "2024-01-15 CE to 2024-01-12 CE = -1 day"},
        PinnedCase{"FiftyTwoWeeks", {0, 0}, "2024-01-15", "", "2025-01-13",
                   "2024-01-15 CE to 2025-01-13 CE = 260 days"},
        PinnedCase{"NegativeThousands", {0, 1}, "2026-09-27", "", "2024-01-01",
                   "2026-09-27 CE to 2024-01-01 CE = -1,000 days"}),
    [](const ::testing::TestParamInfo<PinnedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace valdora::test
