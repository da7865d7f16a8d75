// SPDX-License-Identifier: MIT
// Working-day counts and offsets: known cases, a plain day-by-day reference over random
// working weeks, holiday sets and spans of both signs, and sampled checks over the whole
// JDN range and beyond. Random cases are seeded (VALDORA_TEST_SEED overrides the seed); a
// failure names its seed.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "EngineTestSupport.h"
#include "engine/WorkingCalendar.h"

namespace valdora {
namespace {

constexpr Jdn kMonday = 2460325;  // 2024-01-15 CE

// Weekday sets written with the engine's day numbers, Sunday = 0.
constexpr WeekdaySet Days(std::initializer_list<int> days) {
  WeekdaySet set = 0;
  for (const int d : days) set = static_cast<WeekdaySet>(set | (1u << d));
  return set;
}

WorkingCalendar Calendar(WeekdaySet week, std::vector<Jdn> holidays) {
  WorkingCalendar calendar;
  EXPECT_TRUE(calendar.SetWorkingWeek(week));
  calendar.SetHolidays(std::move(holidays));
  return calendar;
}

std::uint32_t Seed() {
  const char* text = std::getenv("VALDORA_TEST_SEED");
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 20260108u;
}

// The rules, one day at a time.
struct Reference {
  WeekdaySet week;
  std::set<std::int64_t> holidays;

  bool Working(std::int64_t day) const {
    const int sunday0 = static_cast<int>(((day + 1) % 7 + 7) % 7);  // JDN 0 is a Monday
    return (week >> sunday0 & 1) != 0 && holidays.count(day) == 0;
  }
  std::int64_t Count(std::int64_t from, std::int64_t to) const {
    std::int64_t n = 0;
    for (std::int64_t i = std::min(from, to) + 1; i <= std::max(from, to); ++i) n += Working(i);
    return to < from ? -n : n;
  }
  std::int64_t Offset(std::int64_t day, std::int64_t n) const {
    for (; n > 0; --n) do
        ++day;
      while (!Working(day));
    for (; n < 0; ++n) do
        --day;
      while (!Working(day));
    return day;
  }
};

// A known answer: for a count, `day` and `arg` are the two days; for an offset, the day and
// the number of working days.
struct Known {
  const char* name;
  WeekdaySet week;
  std::vector<Jdn> holidays;
  std::int64_t day, arg, expected;
};

TEST(WorkingCalendar, KnownCases) {
  const WeekdaySet friSat = static_cast<WeekdaySet>(kAllWeekdays & ~Days({5, 6}));
  const Known cases[] = {
      {"Mon-Fri, Monday to Monday", kMondayToFriday, {}, kMonday - 7, kMonday, 5},
      {"Mon-Fri, Friday to Monday", kMondayToFriday, {}, kMonday - 3, kMonday, 1},
      {"Mon-Fri, Monday back to Friday", kMondayToFriday, {}, kMonday, kMonday - 3, -1},
      {"Mon-Fri, Saturday to Sunday", kMondayToFriday, {}, kMonday - 2, kMonday - 1, 0},
      {"Mon-Fri, 52 weeks", kMondayToFriday, {}, kMonday, kMonday + 364, 260},
      {"Fri and Sat rest, Thursday to Sunday", friSat, {}, kMonday + 3, kMonday + 6, 1},
      {"Sundays only, four weeks", Days({0}), {}, kMonday, kMonday + 28, 4},
      {"every day, one week", kAllWeekdays, {}, kMonday, kMonday + 7, 7},
      {"holiday on a Wednesday", kMondayToFriday, {kMonday + 2}, kMonday, kMonday + 7, 4},
      {"holiday listed twice counts once",
       kMondayToFriday,
       {kMonday + 2, kMonday + 2},
       kMonday,
       kMonday + 7,
       4},
      {"holiday on a rest day changes nothing",
       kMondayToFriday,
       {kMonday + 5},
       kMonday,
       kMonday + 7,
       5},
      {"holiday on the earlier day is outside the span",
       kMondayToFriday,
       {kMonday},
       kMonday,
       kMonday + 7,
       5},
      {"holiday on the later day is inside",
       kMondayToFriday,
       {kMonday + 7},
       kMonday,
       kMonday + 7,
       4},
      {"negative span with a holiday comes nearer zero",
       kMondayToFriday,
       {kMonday + 2},
       kMonday + 7,
       kMonday,
       -4},
  };
  for (const Known& c : cases) {
    const WorkingCalendar calendar = Calendar(c.week, c.holidays);
    EXPECT_EQ(calendar.CountWorkingDays(c.day, c.arg), c.expected) << c.name;
  }
}

TEST(WorkingCalendar, KnownOffsets) {
  const Known cases[] = {
      {"Friday plus 1 is Monday", kMondayToFriday, {}, kMonday - 3, 1, kMonday},
      {"Monday minus 1 is Friday", kMondayToFriday, {}, kMonday, -1, kMonday - 3},
      {"Saturday plus 5 is Friday", kMondayToFriday, {}, kMonday - 2, 5, kMonday + 4},
      {"Saturday minus 1 is Friday", kMondayToFriday, {}, kMonday - 2, -1, kMonday - 3},
      {"zero stays on a rest day", kMondayToFriday, {}, kMonday - 2, 0, kMonday - 2},
      {"over a holiday Monday", kMondayToFriday, {kMonday}, kMonday - 3, 1, kMonday + 1},
      {"back over two holidays",
       kMondayToFriday,
       {kMonday - 3, kMonday - 4},
       kMonday,
       -1,
       kMonday - 5},
      {"Sundays only", Days({0}), {}, kMonday, 3, kMonday + 20},
      {"Sundays only, a holiday Sunday", Days({0}), {kMonday + 13}, kMonday, 3, kMonday + 27},
  };
  for (const Known& c : cases) {
    const WorkingCalendar calendar = Calendar(c.week, c.holidays);
    EXPECT_EQ(calendar.OffsetWorkingDays(c.day, c.arg), c.expected) << c.name;
  }
}

TEST(WorkingCalendar, RefusesAWeekWithoutWorkingDays) {
  struct Case {
    const char* name;
    WeekdaySet week;
    bool accepted;
  } cases[] = {
      {"no day", 0, false},
      {"a bit beyond Saturday", 0x80 | kMondayToFriday, false},
      {"Saturday alone", Days({6}), true},
      {"all seven", kAllWeekdays, true},
  };
  for (const Case& c : cases) {
    WorkingCalendar calendar;
    calendar.SetHolidays({kMonday + 1});
    EXPECT_EQ(calendar.SetWorkingWeek(c.week), c.accepted) << c.name;
    EXPECT_EQ(calendar.WorkingWeek(), c.accepted ? c.week : kMondayToFriday) << c.name;
    // The holiday index follows the week actually set: the Tuesday holiday counts only
    // while Tuesday is a working weekday.
    EXPECT_EQ(calendar.HolidaysOnWorkingWeekdays(kMonday, kMonday + 1),
              calendar.IsWorkingWeekday(kMonday + 1) ? 1 : 0)
        << c.name;
  }
}

TEST(WorkingCalendar, WeekdaysAreTheEnginesWeekdays) {
  // Bit d of a set is the engine's DayOfWeek d, far from JDN 0 too.
  for (const Jdn day : {MinJdn, -1, 0, 1, kMonday, kMonday + 5, MaxJdn}) {
    for (int d = 0; d < 7; ++d) {
      WorkingCalendar calendar;
      ASSERT_TRUE(calendar.SetWorkingWeek(Days({d})));
      EXPECT_EQ(calendar.IsWorkingDay(day), DayOfWeek(day) == d) << "JDN " << day << " day " << d;
    }
  }
}

// Random working weeks and holidays against the day-by-day reference, spans and offsets of
// both signs, start days on working days, rest days and holidays.
TEST(WorkingCalendar, AgreesWithCountingDayByDay) {
  const std::uint32_t seed = Seed();
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> anyWeek(1, kAllWeekdays), spread(-400, 400);
  for (int round = 0; round < 400; ++round) {
    const Jdn centre = AnyDay(MinJdn + 5000, MaxJdn - 5000)(rng);
    Reference ref{static_cast<WeekdaySet>(anyWeek(rng)), {}};
    std::vector<Jdn> holidays;
    const int count = static_cast<int>(rng() % 120);
    for (int i = 0; i < count; ++i) {
      holidays.push_back(centre + spread(rng));
      if (rng() % 8 == 0) holidays.push_back(holidays.back());  // listed twice
    }
    ref.holidays.insert(holidays.begin(), holidays.end());
    const WorkingCalendar calendar = Calendar(ref.week, holidays);
    for (int i = 0; i < 60; ++i) {
      const std::int64_t a = centre + spread(rng), b = centre + spread(rng);
      ASSERT_EQ(calendar.CountWorkingDays(a, b), ref.Count(a, b))
          << "week " << int{ref.week} << " from " << a << " to " << b;
      ASSERT_EQ(calendar.IsWorkingDay(a), ref.Working(a)) << "day " << a;
      const std::int64_t n = spread(rng) / 4;
      ASSERT_EQ(calendar.OffsetWorkingDays(a, n), ref.Offset(a, n))
          << "week " << int{ref.week} << " day " << a << " n " << n;
      ASSERT_EQ(calendar.WorkingDayOnOrBefore(a), ref.Working(a) ? a : ref.Offset(a, -1))
          << "day " << a;
      const Reference noHolidays{ref.week, {}};
      ASSERT_EQ(calendar.HolidaysOnWorkingWeekdays(a, b), noHolidays.Count(a, b) - ref.Count(a, b))
          << "from " << a << " to " << b;
    }
  }
}

// Far apart, ranks must add up: counts over any split agree, an offset by a count lands on the
// last working day of the span, and whole weeks count the working weekdays in closed form
// less the holidays they hold. Days run beyond the JDN limits, up to the exact bound.
TEST(WorkingCalendar, SampledChecksOverTheWholeRange) {
  const std::uint32_t seed = Seed();
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> anyWeek(1, kAllWeekdays);
  std::uniform_int_distribution<std::int64_t> anyDay(-kWorkingDayLimit / 16, kWorkingDayLimit / 16);
  std::vector<Jdn> holidays;
  for (int i = 0; i < 5000; ++i) holidays.push_back(AnyDay(MinJdn, MaxJdn)(rng));
  // Holidays crowd the range ends, where offsets must step over them.
  for (Jdn d = 0; d < 60; ++d) holidays.insert(holidays.end(), {MinJdn + d, MaxJdn - d});
  for (int round = 0; round < 40; ++round) {
    const auto week = static_cast<WeekdaySet>(anyWeek(rng));
    const WorkingCalendar calendar = Calendar(week, holidays);
    const std::int64_t perWeek = calendar.WorkingWeekdaysPerWeek();
    for (int i = 0; i < 500; ++i) {
      std::int64_t a = anyDay(rng), b = anyDay(rng), c = anyDay(rng);
      if (i % 3 == 0) a = AnyDay(MinJdn, MaxJdn)(rng), b = AnyDay(MinJdn, MaxJdn)(rng);
      const std::int64_t ab = calendar.CountWorkingDays(a, b);
      ASSERT_EQ(ab + calendar.CountWorkingDays(b, c), calendar.CountWorkingDays(a, c))
          << a << " " << b << " " << c << " week " << int{week};
      ASSERT_EQ(calendar.CountWorkingDays(b, a), -ab);
      if (ab > 0) {
        ASSERT_EQ(calendar.OffsetWorkingDays(a, ab), calendar.WorkingDayOnOrBefore(b))
            << a << " " << b << " week " << int{week};
      }
      const std::int64_t weeks = (b - a) / 7;
      ASSERT_EQ(calendar.CountWorkingDays(a, a + 7 * weeks),
                perWeek * weeks - calendar.HolidaysOnWorkingWeekdays(a, a + 7 * weeks));
      // An offset and the count back agree, and the landing day is a working day.
      const std::int64_t n = (c % 2000000000) / static_cast<std::int64_t>(1 + rng() % 1000);
      const std::int64_t x = calendar.OffsetWorkingDays(a, n);
      ASSERT_EQ(calendar.CountWorkingDays(n > 0 ? a : x - 1, n > 0 ? x : a - 1), n > 0 ? n : -n)
          << "day " << a << " n " << n << " week " << int{week};
      ASSERT_TRUE(n == 0 || calendar.IsWorkingDay(x)) << "day " << a << " n " << n;
    }
  }
}

// At the ends of the range and of the exact bound, against the reference and the closed form.
TEST(WorkingCalendar, ExactAtTheEnds) {
  const std::set<std::int64_t> none;
  struct Case {
    const char* name;
    WeekdaySet week;
    std::int64_t from, n;
  } cases[] = {
      {"from MaxJdn forward, Sundays only", Days({0}), MaxJdn, 2100000000},
      {"from MinJdn backward, Sundays only", Days({0}), MinJdn, -2100000000},
      {"from MaxJdn backward over the whole range", kMondayToFriday, MaxJdn, -3000000000},
      {"near the exact bound", kAllWeekdays, kWorkingDayLimit - 10, 10},
      {"near the exact lower bound", Days({3}), -kWorkingDayLimit + 100, -10},
  };
  for (const Case& c : cases) {
    const WorkingCalendar calendar = Calendar(c.week, {});
    const Reference ref{c.week, none};
    // The first working day beyond `from` sets the phase; whole weeks follow in closed form.
    const std::int64_t first = ref.Offset(c.from, c.n > 0 ? 1 : -1);
    const std::int64_t perWeek = calendar.WorkingWeekdaysPerWeek();
    const std::int64_t steps = (c.n > 0 ? c.n : -c.n) - 1;
    const std::int64_t weeks = steps / perWeek, rest = steps - weeks * perWeek;
    const std::int64_t expected =
        c.n > 0 ? ref.Offset(first + 7 * weeks, rest) : ref.Offset(first - 7 * weeks, -rest);
    EXPECT_EQ(calendar.OffsetWorkingDays(c.from, c.n), expected) << c.name;
    EXPECT_EQ(c.n > 0 ? calendar.CountWorkingDays(c.from, expected)
                      : calendar.CountWorkingDays(c.from - 1, expected - 1),
              c.n)
        << c.name;
  }
}

}  // namespace
}  // namespace valdora
