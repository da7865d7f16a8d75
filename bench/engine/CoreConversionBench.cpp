// CE and JC conversions between (year, month, day) and JDN, side by side with the standard
// library's year_month_day <-> sys_days on the same seeded inputs, and a bare loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/ConversionLibrary.h"
#include "engine/DateCore.h"

namespace {

using namespace valdora;
namespace cm = valdora::calendar_math;

constexpr std::int32_t UnixEpochJdn = 2440588;  // 1970-01-01 CE
constexpr std::size_t Count = 2048;              // inputs stay in the first-level cache

struct Ymd {
  std::int32_t year, month, day;
};

// Valid CE dates over years both sides accept (the standard library's year is 16-bit).
const std::vector<Ymd>& Dates() {
  static const std::vector<Ymd> dates = [] {
    std::mt19937 rng(20240229);
    std::uniform_int_distribution<std::int32_t> jdn(cm::GregorianToJdn(-32000, 1, 1),
                                                    cm::GregorianToJdn(32000, 12, 31));
    std::vector<Ymd> v;
    for (std::size_t i = 0; i < Count; ++i) {
      const cm::CivilDate c = cm::JdnToGregorian(jdn(rng));
      v.push_back({static_cast<std::int32_t>(c.year), c.month, c.day});
    }
    return v;
  }();
  return dates;
}

const std::vector<std::int32_t>& Jdns() {
  static const std::vector<std::int32_t> jdns = [] {
    std::vector<std::int32_t> v;
    for (const Ymd& d : Dates()) v.push_back(static_cast<std::int32_t>(cm::GregorianToJdn(d.year, d.month, d.day)));
    return v;
  }();
  return jdns;
}

void Finish(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * Count);
}

void BM_BareLoopYmd(benchmark::State& state) {
  const auto& in = Dates();
  for (auto _ : state) {
    for (const Ymd& d : in) {
      std::int32_t r = d.year + d.month + d.day;
      benchmark::DoNotOptimize(r);
    }
  }
  Finish(state);
}

void BM_OursCeToJdn(benchmark::State& state) {
  const auto& in = Dates();
  for (auto _ : state) {
    for (const Ymd& d : in) {
      auto r = static_cast<std::int32_t>(cm::GregorianToJdn(d.year, d.month, d.day));
      benchmark::DoNotOptimize(r);
    }
  }
  Finish(state);
}

void BM_StdCeToJdn(benchmark::State& state) {
  using namespace std::chrono;
  const auto& in = Dates();
  for (auto _ : state) {
    for (const Ymd& d : in) {
      const sys_days s{year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                                      day{static_cast<unsigned>(d.day)}}};
      auto r = static_cast<std::int32_t>(s.time_since_epoch().count()) + UnixEpochJdn;
      benchmark::DoNotOptimize(r);
    }
  }
  Finish(state);
}

void BM_OursJcToJdn(benchmark::State& state) {
  const auto& in = Dates();
  for (auto _ : state) {
    for (const Ymd& d : in) {
      auto r = static_cast<std::int32_t>(cm::JulianToJdn(d.year, d.month, d.day));
      benchmark::DoNotOptimize(r);
    }
  }
  Finish(state);
}

void BM_OursEuroDateToJdn(benchmark::State& state) {  // the engine operation, out of line
  const auto& in = Dates();
  for (auto _ : state) {
    for (const Ymd& d : in) {
      EuroDate e{d.year, d.month, d.day, GregorianLetter, 0};
      auto r = EuroDateToJdn(e);
      benchmark::DoNotOptimize(r);
    }
  }
  Finish(state);
}

void BM_BareLoopJdn(benchmark::State& state) {
  const auto& in = Jdns();
  for (auto _ : state) {
    for (std::int32_t j : in) {
      benchmark::DoNotOptimize(j);
    }
  }
  Finish(state);
}

void BM_OursJdnToCe(benchmark::State& state) {
  const auto& in = Jdns();
  for (auto _ : state) {
    for (std::int32_t j : in) {
      const cm::CivilDate c = cm::JdnToGregorian(j);
      auto y = static_cast<std::int32_t>(c.year);
      std::int32_t m = c.month, d = c.day;
      benchmark::DoNotOptimize(y);
      benchmark::DoNotOptimize(m);
      benchmark::DoNotOptimize(d);
    }
  }
  Finish(state);
}

void BM_StdJdnToCe(benchmark::State& state) {
  using namespace std::chrono;
  const auto& in = Jdns();
  for (auto _ : state) {
    for (std::int32_t j : in) {
      const year_month_day c{sys_days{days{j - UnixEpochJdn}}};
      auto y = static_cast<std::int32_t>(int{c.year()});
      auto m = static_cast<std::int32_t>(unsigned{c.month()});
      auto d = static_cast<std::int32_t>(unsigned{c.day()});
      benchmark::DoNotOptimize(y);
      benchmark::DoNotOptimize(m);
      benchmark::DoNotOptimize(d);
    }
  }
  Finish(state);
}

void BM_OursJdnToJc(benchmark::State& state) {
  const auto& in = Jdns();
  for (auto _ : state) {
    for (std::int32_t j : in) {
      const cm::CivilDate c = cm::JdnToJulian(j);
      auto y = static_cast<std::int32_t>(c.year);
      std::int32_t m = c.month, d = c.day;
      benchmark::DoNotOptimize(y);
      benchmark::DoNotOptimize(m);
      benchmark::DoNotOptimize(d);
    }
  }
  Finish(state);
}

void BM_OursJdnToEuroDate(benchmark::State& state) {  // the engine operation, out of line
  const auto& in = Jdns();
  for (auto _ : state) {
    for (std::int32_t j : in) {
      EuroDate e{0, 0, 0, GregorianLetter, j};
      JdnToEuroDate(e);
      benchmark::DoNotOptimize(e.year);
      benchmark::DoNotOptimize(e.month);
      benchmark::DoNotOptimize(e.day);
    }
  }
  Finish(state);
}

BENCHMARK(BM_BareLoopYmd);
BENCHMARK(BM_OursCeToJdn);
BENCHMARK(BM_StdCeToJdn);
BENCHMARK(BM_OursJcToJdn);
BENCHMARK(BM_OursEuroDateToJdn);
BENCHMARK(BM_BareLoopJdn);
BENCHMARK(BM_OursJdnToCe);
BENCHMARK(BM_StdJdnToCe);
BENCHMARK(BM_OursJdnToJc);
BENCHMARK(BM_OursJdnToEuroDate);

}  // namespace
