// Conversion costs per day over fixed-seed JDNs spread across the whole range. Every
// calendar is measured beside the CE conversion of the same inputs (BM_JdnToCe forward,
// BM_CeToJdn back) and the bare loop; results are kept alive with DoNotOptimize.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/DateCore.h"
#include "engine/IsoOrdinal.h"
#include "engine/LeapWeekCalendar.h"

namespace {

using namespace valdora;

constexpr std::size_t InputCount = 4096;  // fits the L1 cache with its converted forms

const std::vector<Jdn>& Days() {
  static const std::vector<Jdn> days = [] {
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<Jdn> anyDay(MinJdn, MaxJdn);
    std::vector<Jdn> v(InputCount);
    for (Jdn& jdn : v) jdn = anyDay(rng);
    return v;
  }();
  return days;
}

const std::vector<EuroDate>& CeDates() {
  static const std::vector<EuroDate> dates = [] {
    std::vector<EuroDate> v;
    for (const Jdn jdn : Days()) {
      EuroDate date{0, 0, 0, GregorianLetter, jdn};
      JdnToEuroDate(date);
      v.push_back(date);
    }
    return v;
  }();
  return dates;
}

const std::vector<LeapWeekDate>& LeapDates() {
  static const std::vector<LeapWeekDate> dates = [] {
    std::vector<LeapWeekDate> v;
    for (const Jdn jdn : Days()) {
      LeapWeekDate date;
      date.jdn = jdn;
      JdnToLeapWeek(date);
      LeapWeekToMonthForm(date);
      v.push_back(date);
    }
    return v;
  }();
  return dates;
}

void BM_BareLoop(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      Jdn copy = jdn;
      benchmark::DoNotOptimize(copy);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_JdnToCe(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      EuroDate date{0, 0, 0, GregorianLetter, jdn};
      JdnToEuroDate(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_CeToJdn(benchmark::State& state) {
  const auto& dates = CeDates();
  for (auto _ : state) {
    for (const EuroDate& ce : dates) {
      EuroDate date{ce.year, ce.month, ce.day, GregorianLetter, 0};
      benchmark::DoNotOptimize(EuroDateToJdn(date));
    }
  }
  state.SetItemsProcessed(state.iterations() * dates.size());
}

void BM_JdnToIso(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      IsoWeekDate date;
      date.jdn = jdn;
      JdnToIsoWeekDate(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_JdnToOrdinal(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      std::int32_t year = 0;
      std::int16_t day = 0;
      JdnToOrdinal(jdn, year, day);
      benchmark::DoNotOptimize(year);
      benchmark::DoNotOptimize(day);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_JdnToLpw(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      LeapWeekDate date;
      date.jdn = jdn;
      JdnToLeapWeek(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_JdnToLpm(benchmark::State& state) {
  const auto& days = Days();
  for (auto _ : state) {
    for (const Jdn jdn : days) {
      LeapWeekDate date;
      date.jdn = jdn;
      JdnToLeapWeek(date);
      LeapWeekToMonthForm(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * days.size());
}

void BM_LpwToJdn(benchmark::State& state) {
  const auto& dates = LeapDates();
  for (auto _ : state) {
    for (const LeapWeekDate& leap : dates) {
      LeapWeekDate date;
      date.year = leap.year;
      date.week = leap.week;
      date.weekday = leap.weekday;
      LeapWeekToJdn(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * dates.size());
}

void BM_LpmToJdn(benchmark::State& state) {
  const auto& dates = LeapDates();
  for (auto _ : state) {
    for (const LeapWeekDate& leap : dates) {
      LeapWeekDate date;
      date.year = leap.year;
      date.month = leap.month;
      date.dayOfMonth = leap.dayOfMonth;
      MonthFormToLeapWeek(date);
      LeapWeekToJdn(date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * dates.size());
}

// The fastest repetition estimates the cost best on a machine shared with other work
// (run with --benchmark_repetitions=N).
double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

#define CALENDAR_BENCHMARK(name) BENCHMARK(name)->ComputeStatistics("min", Fastest)

CALENDAR_BENCHMARK(BM_BareLoop);
CALENDAR_BENCHMARK(BM_JdnToCe);
CALENDAR_BENCHMARK(BM_JdnToIso);
CALENDAR_BENCHMARK(BM_JdnToOrdinal);
CALENDAR_BENCHMARK(BM_JdnToLpw);
CALENDAR_BENCHMARK(BM_JdnToLpm);
CALENDAR_BENCHMARK(BM_CeToJdn);
CALENDAR_BENCHMARK(BM_LpwToJdn);
CALENDAR_BENCHMARK(BM_LpmToJdn);

}  // namespace

BENCHMARK_MAIN();
