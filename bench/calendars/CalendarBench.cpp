// SPDX-License-Identifier: MIT
// Conversion costs per day over fixed-seed JDNs spread across the whole range. Every
// calendar is measured beside the CE conversion of the same inputs (BM_JdnToCe forward,
// BM_CeToJdn back) and the bare loop; results are kept alive with DoNotOptimize.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "bench/BenchLoop.h"
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

using bench::Keep;
using bench::RunOver;

void BM_BareLoop(benchmark::State& state) {
  RunOver(state, Days(), [](Jdn jdn) { Keep(jdn); });
}

void BM_JdnToCe(benchmark::State& state) {
  RunOver(state, Days(), [](Jdn jdn) {
    EuroDate date{0, 0, 0, GregorianLetter, jdn};
    JdnToEuroDate(date);
    Keep(date);
  });
}

void BM_CeToJdn(benchmark::State& state) {
  RunOver(state, CeDates(), [](const EuroDate& ce) {
    EuroDate date{ce.year, ce.month, ce.day, GregorianLetter, 0};
    Keep(EuroDateToJdn(date));
  });
}

void BM_JdnToIso(benchmark::State& state) {
  RunOver(state, Days(), [](Jdn jdn) {
    IsoWeekDate date;
    date.jdn = jdn;
    JdnToIsoWeekDate(date);
    Keep(date);
  });
}

void BM_JdnToOrdinal(benchmark::State& state) {
  RunOver(state, Days(), [](Jdn jdn) {
    std::int32_t year = 0;
    std::int16_t day = 0;
    JdnToOrdinal(jdn, year, day);
    Keep(year, day);
  });
}

// The week form of a day, and with `monthForm` its month form too.
template <bool monthForm>
void BM_JdnToLeapWeek(benchmark::State& state) {
  RunOver(state, Days(), [](Jdn jdn) {
    LeapWeekDate date;
    date.jdn = jdn;
    JdnToLeapWeek(date);
    if (monthForm) LeapWeekToMonthForm(date);
    Keep(date);
  });
}
void BM_JdnToLpw(benchmark::State& state) { BM_JdnToLeapWeek<false>(state); }
void BM_JdnToLpm(benchmark::State& state) { BM_JdnToLeapWeek<true>(state); }

// The JDN of the week form of a day, or with `monthForm` of its month form.
template <bool monthForm>
void BM_LeapWeekToJdn(benchmark::State& state) {
  RunOver(state, LeapDates(), [](const LeapWeekDate& leap) {
    LeapWeekDate date;
    date.year = leap.year;
    if (monthForm) {
      date.month = leap.month;
      date.dayOfMonth = leap.dayOfMonth;
      MonthFormToLeapWeek(date);
    } else {
      date.week = leap.week;
      date.weekday = leap.weekday;
    }
    LeapWeekToJdn(date);
    Keep(date);
  });
}
void BM_LpwToJdn(benchmark::State& state) { BM_LeapWeekToJdn<false>(state); }
void BM_LpmToJdn(benchmark::State& state) { BM_LeapWeekToJdn<true>(state); }

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
