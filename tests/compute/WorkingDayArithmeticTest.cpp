// SPDX-License-Identifier: MIT
// The day arithmetic with weekend days not counted in a working calendar of the host: the
// three operations against the rules carried out literally (single days stepped, whole weeks
// jumped, each holiday a jump passes over paid with one more step), over random working
// weeks, holiday sets, dates and counts of both signs with and without the first date; the
// verbose notes; a host that gives holidays only for the span asked; a host that cannot.
// Random cases are seeded (VALDORA_TEST_SEED overrides the seed); a failure names its seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "RecordingHost.h"
#include "engine/DateFormatting.h"

namespace valdora::test {
namespace {

constexpr Jdn kMonday = 2460325;  // 2024-01-15 CE

// A recording host with a working calendar of its own. With `spanOnly` it gives only the
// holidays within the span asked for, as an expanding holiday source does; `refuseBeyond`
// makes it fail for a span that reaches past that day.
class WorkingHost : public RecordingHost {
 public:
  WeekdaySet week = kMondayToFriday;
  std::vector<Jdn> holidays;
  bool spanOnly = false;
  std::int64_t refuseBeyond = INT64_MAX;
  int calls = 0;

  const WorkingCalendar* WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                               std::string& problem) override {
    ++calls;
    if (last > refuseBeyond) {
      problem = "Holidays beyond the last year are not known.";
      return nullptr;
    }
    std::vector<Jdn> given;
    for (const Jdn h : holidays)
      if (!spanOnly || (h >= first && h <= last)) given.push_back(h);
    calendar_.SetWorkingWeek(week);
    calendar_.SetHolidays(given);
    calendar_.SetHolidayListInForce(!holidays.empty());
    return &calendar_;
  }

 private:
  WorkingCalendar calendar_;
};

// The rules of the three operations, literally: single days stepped, whole weeks jumped.
struct Literal {
  WeekdaySet week;
  std::set<std::int64_t> holidays;
  bool includeFirst;

  int PerWeek() const { return __builtin_popcount(week); }
  bool WorkingWeekday(std::int64_t day) const {
    return (week >> static_cast<int>(((day + 1) % 7 + 7) % 7) & 1) != 0;
  }
  bool Working(std::int64_t day) const { return WorkingWeekday(day) && holidays.count(day) == 0; }
  // Holidays on working weekdays that a jump from `s` to `to` passes over: the days beyond
  // `s` up to and including `to`.
  std::int64_t Passed(std::int64_t s, std::int64_t to) const {
    std::int64_t h = 0;
    for (std::int64_t i = std::min(s, to); i <= std::max(s, to); ++i)
      if (i != s && WorkingWeekday(i) && holidays.count(i)) ++h;
    return h;
  }
  // Steps r working days from s in direction dir, then jumps w weeks, then pays each holiday
  // passed over with one more step.
  std::int64_t StepAndJump(std::int64_t s, std::int64_t r, std::int64_t w, int dir) const {
    for (; r > 0; --r) do
        s += dir;
      while (!Working(s));
    const std::int64_t landed = s + dir * 7 * w;
    for (std::int64_t h = Passed(s, landed), x = landed;; --h) {
      if (h == 0) return x;
      do x += dir;
      while (!Working(x));
    }
  }

  std::int64_t Count(std::int64_t jdn1, std::int64_t jdn2) const {
    std::int64_t d = jdn2 - jdn1;
    const std::int64_t w = std::llabs(d) / 7, rest = 7 - PerWeek();
    const std::int64_t early = d > 0 ? jdn1 : jdn2, late = d > 0 ? jdn2 : jdn1;
    std::int64_t left = 0;  // the working days of the leftover days and the whole weeks
    for (std::int64_t i = early + 1; i <= late - 7 * w; ++i) left += Working(i) ? 1 : 0;
    left += 7 * w - rest * w - Passed(late - 7 * w, late);
    d = d > 0 ? left : -left;
    if (includeFirst && Working(jdn1)) d += d < 0 ? -1 : 1;
    return d;
  }
  std::int64_t Subtract(std::int64_t jdn2, std::int64_t d) const {
    std::int64_t s = jdn2;
    while (!Working(s)) --s;
    const std::int64_t n = std::llabs(d), w = n / PerWeek();
    const int dir = d > 0 ? -1 : 1;
    std::int64_t x = StepAndJump(s, n - w * PerWeek(), w, dir);
    if (includeFirst) do
        x -= dir;
      while (!Working(x));
    return x;
  }
  std::int64_t Add(std::int64_t jdn1, std::int64_t d) const {
    std::int64_t n = std::llabs(d);
    if (includeFirst && Working(jdn1)) --n;
    const std::int64_t w = n / PerWeek();
    return StepAndJump(jdn1, n - w * PerWeek(), w, d > 0 ? 1 : -1);
  }
};

std::uint32_t Seed() {
  const char* text = std::getenv("VALDORA_TEST_SEED");
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 20260108u;
}

class WorkingDayArithmetic : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareProgram();
    host.firstCal = host.secondCal = JDN;
    host.includeWeekends = 0;
  }
  WorkingHost host;
};

TEST_F(WorkingDayArithmetic, AgreesWithTheRulesStepByStep) {
  const std::uint32_t seed = Seed();
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> anyWeek(1, kAllWeekdays), spread(-150, 150), count(-60, 60);
  for (int round = 0; round < 300; ++round) {
    const Jdn centre = std::uniform_int_distribution<Jdn>(-2000000000, 2000000000)(rng);
    host.week = static_cast<WeekdaySet>(anyWeek(rng));
    host.spanOnly = round % 2 == 1;
    host.holidays.clear();
    for (int i = static_cast<int>(rng() % 60); i > 0; --i)
      host.holidays.push_back(centre + spread(rng));
    // Every tenth round the default, Monday to Friday without holidays: the rules as they
    // were before any working calendar, quirks included.
    if (round % 10 == 0) host.week = kMondayToFriday, host.holidays.clear();
    for (const std::int16_t includeFirst : {0, 1}) {
      host.includeFirstDate = includeFirst;
      const Literal rules{
          host.week, {host.holidays.begin(), host.holidays.end()}, includeFirst == 1};
      for (int i = 0; i < 10; ++i) {
        const Jdn a = centre + spread(rng), b = centre + spread(rng);
        std::int32_t d = count(rng);
        if (d == 0) d = 1;
        SCOPED_TRACE(::testing::Message()
                     << "week " << int{host.week} << " first included " << includeFirst << " a "
                     << a << " b " << b << " d " << d);
        host.Compute(FormatJdn(a), "", FormatJdn(b));
        ASSERT_EQ(host.Diff(), FormatJdn(static_cast<Jdn>(rules.Count(a, b))));
        host.Compute(FormatJdn(a), std::to_string(d), "");
        ASSERT_EQ(host.Second(), FormatJdn(static_cast<Jdn>(rules.Add(a, d))));
        host.Compute("", std::to_string(d), FormatJdn(b));
        ASSERT_EQ(host.First(), FormatJdn(static_cast<Jdn>(rules.Subtract(b, d))));
        ASSERT_TRUE(host.messages.empty());
      }
    }
  }
}

TEST_F(WorkingDayArithmetic, KnownResults) {
  const WeekdaySet sundayToThursday = 0x1F;
  struct Case {
    const char* name;
    WeekdaySet week;
    std::vector<Jdn> holidays;
    std::int16_t includeFirst;
    Jdn first;
    std::string diff;
    Jdn second;  // 0: to be computed
    Jdn expected;
  } cases[] = {
      {"Saturday plus 5 is the next Saturday",
       kMondayToFriday,
       {},
       0,
       kMonday - 2,
       "5",
       0,
       kMonday + 5},
      {"a holiday in that week moves it to Monday",
       kMondayToFriday,
       {kMonday + 2},
       0,
       kMonday - 2,
       "5",
       0,
       kMonday + 7},
      {"a holiday on a rest day changes nothing",
       kMondayToFriday,
       {kMonday + 6},
       0,
       kMonday - 2,
       "5",
       0,
       kMonday + 5},
      {"a holiday first date is not counted",
       kMondayToFriday,
       {kMonday},
       1,
       kMonday,
       "1",
       0,
       kMonday + 1},
      {"Friday and Saturday rest: Thursday plus 1",
       sundayToThursday,
       {},
       0,
       kMonday + 3,
       "1",
       0,
       kMonday + 6},
      {"Friday and Saturday rest: Thursday to Sunday",
       sundayToThursday,
       {},
       0,
       kMonday + 3,
       "",
       kMonday + 6,
       1},
      {"a rest-day second date starts from the last working day",
       sundayToThursday,
       {},
       0,
       0,
       "1",
       kMonday + 5,
       kMonday + 2},
      {"a holiday second date too",
       kMondayToFriday,
       {kMonday + 4},
       0,
       0,
       "1",
       kMonday + 4,
       kMonday + 2},
  };
  for (const Case& c : cases) {
    host.week = c.week;
    host.holidays = c.holidays;
    host.includeFirstDate = c.includeFirst;
    host.Compute(c.first ? FormatJdn(c.first) : "", c.diff, c.second ? FormatJdn(c.second) : "");
    const std::string& got = c.second == 0  ? host.Second()
                             : c.first == 0 ? host.First()
                                            : host.Diff();
    EXPECT_EQ(got, FormatJdn(c.expected)) << c.name;
  }
}

TEST_F(WorkingDayArithmetic, VerboseNoteNamesWhatWasLeftOut) {
  struct Case {
    const char* name;
    std::int16_t language;
    WeekdaySet week;
    std::vector<Jdn> holidays;
    const char* note;
    bool spanOnly = false;
  } cases[] = {
      {"Monday to Friday", intEnglish, kMondayToFriday, {}, ", not counting weekend days"},
      {"Sunday to Thursday", intEnglish, 0x1F, {}, ", not counting rest days"},
      {"Monday to Friday and holidays",
       intEnglish,
       kMondayToFriday,
       {kMonday + 1},
       ", not counting rest days and holidays"},
      {"German, other rest days", intGerman, 0x1F, {}, ", die Ruhetage nicht gezaehlt"},
      {"German, holidays",
       intGerman,
       kMondayToFriday,
       {kMonday + 1},
       ", die Ruhetage und Feiertage nicht gezaehlt"},
      {"holidays in force, none of them in the span",
       intEnglish,
       kMondayToFriday,
       {kMonday + 400},
       ", not counting rest days and holidays",
       true},
  };
  host.verbose = 1;
  for (const Case& c : cases) {
    intLanguage = intTextLanguage = c.language;
    host.week = c.week;
    host.holidays = c.holidays;
    host.spanOnly = c.spanOnly;
    const std::string count = host.Compute(FormatJdn(kMonday), "", FormatJdn(kMonday + 9));
    EXPECT_NE(count.find(std::string(c.note) + "\r\n"), std::string::npos)
        << c.name << ": " << count;
    const std::string add = host.Compute(FormatJdn(kMonday), "3", "");
    EXPECT_NE(add.find(std::string(c.note) + "\r\n"), std::string::npos) << c.name << ": " << add;
  }
  intLanguage = intTextLanguage = intEnglish;
  host.spanOnly = false;
  // With weekend days counted the working calendar is not asked and nothing is noted.
  host.includeWeekends = 1;
  host.calls = 0;
  const std::string line = host.Compute(FormatJdn(kMonday), "", FormatJdn(kMonday + 9));
  EXPECT_EQ(line.find("not counting"), std::string::npos) << line;
  EXPECT_EQ(host.calls, 0);
}

// The holidays a count left out, for the front ends to report: those on working weekdays
// after the earlier date up to the later one, whichever date comes first.
TEST_F(WorkingDayArithmetic, HolidaysInSpanAreThoseTheCountLeftOut) {
  struct Case {
    const char* name;
    std::vector<Jdn> holidays;
    Jdn first, second;
    std::int64_t left;
  } cases[] = {
      {"a Wednesday inside", {kMonday + 2}, kMonday, kMonday + 7, 1},
      {"a Saturday inside changes nothing", {kMonday + 5}, kMonday, kMonday + 7, 0},
      {"on the earlier date", {kMonday}, kMonday, kMonday + 7, 0},
      {"on the later date", {kMonday + 7}, kMonday, kMonday + 7, 1},
      {"second date first", {kMonday + 2, kMonday + 3}, kMonday + 7, kMonday, 2},
      {"outside the span", {kMonday + 20}, kMonday, kMonday + 7, 0},
  };
  for (const Case& c : cases) {
    host.holidays = c.holidays;
    host.Compute(FormatJdn(c.first), "", FormatJdn(c.second));
    EXPECT_EQ(host.state.lngHolidaysInSpan, c.left) << c.name;
  }
  host.includeWeekends = 1;
  host.Compute(FormatJdn(kMonday), "", FormatJdn(kMonday + 7));
  EXPECT_EQ(host.state.lngHolidaysInSpan, 0) << "weekend days counted";
}

// Holidays given only for the span asked: a dense run of them beyond the first span moves
// the result past it, and the span grows until the result is sound.
TEST_F(WorkingDayArithmetic, SpanGrowsUntilTheResultIsKnown) {
  host.spanOnly = true;
  for (Jdn d = 0; d < 400; ++d) host.holidays.push_back(kMonday + 20 + d);
  for (const std::string diff : {"30", "-30"}) {
    const Jdn start = diff[0] == '-' ? kMonday + 430 : kMonday;
    host.spanOnly = false;
    host.Compute(FormatJdn(start), diff, "");
    const std::string full = host.Second();
    host.spanOnly = true;
    host.calls = 0;
    host.Compute(FormatJdn(start), diff, "");
    EXPECT_EQ(host.Second(), full) << diff;
    EXPECT_GT(host.calls, 2) << diff;
    EXPECT_LT(host.calls, 40) << diff;
  }
}

TEST_F(WorkingDayArithmetic, HostThatCannotGiveTheHolidays) {
  host.refuseBeyond = kMonday + 100;
  const std::string before = host.First();
  const std::string line = host.Compute(FormatJdn(kMonday), "", FormatJdn(kMonday + 200));
  EXPECT_EQ(line, "Holidays beyond the last year are not known.\r\n\r\n");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].box, BoxWorkingCalendarFailed);
  EXPECT_EQ(host.messages[0].text, "Holidays beyond the last year are not known.");
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.Diff(), "");
  // Adding far: the field for the result stays empty.
  host.messages.clear();
  host.Compute(FormatJdn(kMonday), "1000", "");
  EXPECT_EQ(host.Second(), "");
  EXPECT_EQ(host.messages.size(), 1u);
}

// Results beyond the limits are "Out of Range", however far a sparse week carries them.
TEST_F(WorkingDayArithmetic, SparseWeekBeyondTheLimits) {
  host.week = 0x01;  // Sundays only
  const std::string line = host.Compute(FormatJdn(MaxJdn - 10), "2,100,000,000", "");
  EXPECT_EQ(line, "Out of Range\r\n\r\n");
  // From the last Sunday on or before the last day a JDN text can name, 300,000,000 Sundays
  // back.
  const Jdn last = MaxJdn - 1;
  host.Compute("", "300,000,000", FormatJdn(last));
  const Jdn lastSunday = last - DayOfWeek(last);
  EXPECT_EQ(host.First(), FormatJdn(static_cast<Jdn>(lastSunday - std::int64_t{7} * 300000000)))
      << host.output;
}

}  // namespace
}  // namespace valdora::test
