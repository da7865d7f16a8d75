// SPDX-License-Identifier: MIT
// CE and JC conversions between (year, month, day) and JDN, side by side with the standard
// library's year_month_day <-> sys_days on the same seeded inputs, and a bare loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "bench/BenchLoop.h"
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
    for (const Ymd& d : Dates())
      v.push_back(static_cast<std::int32_t>(cm::GregorianToJdn(d.year, d.month, d.day)));
    return v;
  }();
  return jdns;
}

using bench::Keep;
using bench::RunOver;

void BM_BareLoopYmd(benchmark::State& state) {
  RunOver(state, Dates(), [](const Ymd& d) { Keep(d.year + d.month + d.day); });
}

void BM_OursCeToJdn(benchmark::State& state) {
  RunOver(state, Dates(), [](const Ymd& d) {
    Keep(static_cast<std::int32_t>(cm::GregorianToJdn(d.year, d.month, d.day)));
  });
}

void BM_StdCeToJdn(benchmark::State& state) {
  using namespace std::chrono;
  RunOver(state, Dates(), [](const Ymd& d) {
    const sys_days s{year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                                    day{static_cast<unsigned>(d.day)}}};
    Keep(static_cast<std::int32_t>(s.time_since_epoch().count()) + UnixEpochJdn);
  });
}

void BM_OursJcToJdn(benchmark::State& state) {
  RunOver(state, Dates(), [](const Ymd& d) {
    Keep(static_cast<std::int32_t>(cm::JulianToJdn(d.year, d.month, d.day)));
  });
}

void BM_OursEuroDateToJdn(benchmark::State& state) {  // the engine operation, out of line
  RunOver(state, Dates(), [](const Ymd& d) {
    EuroDate e{d.year, d.month, d.day, GregorianLetter, 0};
    Keep(EuroDateToJdn(e));
  });
}

void BM_BareLoopJdn(benchmark::State& state) {
  RunOver(state, Jdns(), [](std::int32_t j) { Keep(j); });
}

void BM_OursJdnToCe(benchmark::State& state) {
  RunOver(state, Jdns(), [](std::int32_t j) {
    const cm::CivilDate c = cm::JdnToGregorian(j);
    auto y = static_cast<std::int32_t>(c.year);
    std::int32_t m = c.month, d = c.day;
    Keep(y, m, d);
  });
}

void BM_StdJdnToCe(benchmark::State& state) {
  using namespace std::chrono;
  RunOver(state, Jdns(), [](std::int32_t j) {
    const year_month_day c{sys_days{days{j - UnixEpochJdn}}};
    auto y = static_cast<std::int32_t>(int{c.year()});
    auto m = static_cast<std::int32_t>(unsigned{c.month()});
    auto d = static_cast<std::int32_t>(unsigned{c.day()});
    Keep(y, m, d);
  });
}

void BM_OursJdnToJc(benchmark::State& state) {
  RunOver(state, Jdns(), [](std::int32_t j) {
    const cm::CivilDate c = cm::JdnToJulian(j);
    auto y = static_cast<std::int32_t>(c.year);
    std::int32_t m = c.month, d = c.day;
    Keep(y, m, d);
  });
}

void BM_OursJdnToEuroDate(benchmark::State& state) {  // the engine operation, out of line
  RunOver(state, Jdns(), [](std::int32_t j) {
    EuroDate e{0, 0, 0, GregorianLetter, j};
    JdnToEuroDate(e);
    Keep(e.year, e.month, e.day);
  });
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
