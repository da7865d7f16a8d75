// SPDX-License-Identifier: MIT
// Working-day counts and offsets over 1,000,000 seeded pairs of days up to 100 years apart,
// with 10,000 holidays in a Monday-to-Friday week; and the same counts over 1-year and
// 1,000,000-year spans, which must cost the same. Writes the inputs and results as
// little-endian int64 files (days since 1970-01-01) for run_working_bench.py, which times
// numpy on them and checks that both agree.
// Usage: bench_working_days OUTDIR [PAIRS]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/WorkingCalendar.h"

namespace {

using valdora::Jdn;
using valdora::WorkingCalendar;

constexpr std::int64_t kUnixEpochJdn = 2440588;  // 1970-01-01
constexpr Jdn kFirst = 2415021;                  // 1900-01-01
constexpr Jdn kLast = 2488069;                   // 2099-12-31
constexpr std::int64_t kCentury = 36525;

void Write(const std::string& path, const std::vector<std::int64_t>& values) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(values.data(), sizeof(std::int64_t), values.size(), f) != values.size()) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}

std::vector<std::int64_t> SinceEpoch(const std::vector<std::int64_t>& days) {
  std::vector<std::int64_t> out(days);
  for (auto& d : out) d -= kUnixEpochJdn;
  return out;
}

// Nanoseconds per item of the best of three passes of `run` over n items.
template <typename Run>
double BestNanos(std::size_t n, Run run) {
  double best = 1e300;
  for (int pass = 0; pass < 3; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count() / static_cast<double>(n));
  }
  return best;
}

// Counts over pairs whose second day lies up to `span` days from the first, both signs.
double CountNanos(const WorkingCalendar& cal, std::size_t n, std::int64_t span,
                  std::mt19937_64& rng) {
  std::uniform_int_distribution<std::int64_t> first(-1000000000, 1000000000), apart(-span, span);
  std::vector<std::int64_t> a(n), b(n);
  for (std::size_t i = 0; i < n; ++i) a[i] = first(rng), b[i] = a[i] + apart(rng);
  std::int64_t sum = 0;
  const double ns = BestNanos(n, [&] {
    for (std::size_t i = 0; i < n; ++i) sum += cal.CountWorkingDays(a[i], b[i]);
  });
  if (sum == 42) std::puts("");  // keeps the results alive
  return ns;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR [PAIRS]\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  const std::size_t n = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1000000;
  std::mt19937_64 rng(20260108);

  std::vector<std::int64_t> holidays;
  std::uniform_int_distribution<std::int64_t> anyDay(kFirst, kLast);
  while (holidays.size() < 10000) {
    holidays.push_back(anyDay(rng));
    std::sort(holidays.begin(), holidays.end());
    holidays.erase(std::unique(holidays.begin(), holidays.end()), holidays.end());
  }
  WorkingCalendar cal;
  cal.SetHolidays(std::vector<Jdn>(holidays.begin(), holidays.end()));

  // Pairs within 1900..2099 and at most a century apart; offsets of up to a century's
  // working days, never 0 (numpy rolls a start that is no working day; these ones do not).
  std::uniform_int_distribution<std::int64_t> apart(-kCentury, kCentury), steps(1, 26100);
  std::vector<std::int64_t> begin(n), end(n), offset(n), counts(n), landed(n);
  for (std::size_t i = 0; i < n; ++i) {
    begin[i] = anyDay(rng);
    end[i] = std::clamp<std::int64_t>(begin[i] + apart(rng), kFirst, kLast);
    offset[i] = (rng() & 1 ? 1 : -1) * steps(rng);
  }
  const double countNs = BestNanos(n, [&] {
    for (std::size_t i = 0; i < n; ++i) counts[i] = cal.CountWorkingDays(begin[i], end[i]);
  });
  const double offsetNs = BestNanos(n, [&] {
    for (std::size_t i = 0; i < n; ++i) landed[i] = cal.OffsetWorkingDays(begin[i], offset[i]);
  });
  const double yearNs = CountNanos(cal, n, 366, rng);
  const double millionYearsNs = CountNanos(cal, n, 365242500, rng);

  Write(dir + "/holidays.i64", SinceEpoch(holidays));
  Write(dir + "/begin.i64", SinceEpoch(begin));
  Write(dir + "/end.i64", SinceEpoch(end));
  Write(dir + "/offset.i64", offset);
  Write(dir + "/counts.i64", counts);
  Write(dir + "/landed.i64", SinceEpoch(landed));
  std::printf("pairs %zu\nholidays %zu\ncount_ns %.2f\noffset_ns %.2f\n", n, holidays.size(),
              countNs, offsetNs);
  std::printf("count_1_year_ns %.2f\ncount_1e6_years_ns %.2f\n", yearNs, millionYearsNs);
  return 0;
}
