// SPDX-License-Identifier: MIT
// Exhaustive verifier: every JDN of a range (default -2,000,000,000..2,000,000,000) is
// converted into every calendar, each form converted back, each day compared with the day
// before it, and the texts of a sample of days read back. All cores share the range in
// chunks. Prints the days checked per second; exits 1 on the first (lowest) mismatch found.
//
//   valdora-verify [--from JDN] [--to JDN] [--threads N]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/verify/DayChecks.h"

namespace {

using valdora::Jdn;
using namespace valdora::verify;

constexpr std::int64_t ChunkDays = std::int64_t{1} << 22;
constexpr std::int64_t TextSampleDays = 65536;  // the texts of one day in so many

struct Failure {
  std::mutex mutex;
  std::atomic<bool> any{false};
  std::int64_t jdn = INT64_MAX;
  std::string what;

  void Report(std::int64_t at, const char* message) {
    std::lock_guard<std::mutex> lock(mutex);
    if (at < jdn) {
      jdn = at;
      what = message;
    }
    any.store(true, std::memory_order_relaxed);
  }
};

// Checks days [first, last]; the day before `first` is compared with it when it lies in
// the range too, so that every consecutive pair of the range is checked exactly once.
void CheckChunk(std::int64_t first, std::int64_t last, std::int64_t from, Failure& failure) {
  std::int64_t at = 0;
  if (const char* what = CheckDays(first, last, first > from, TextSampleDays, at))
    failure.Report(at, what);
}

// Fixed days that pin each calendar absolutely; the walk checks everything relative to them.
const char* CheckAnchors() {
  static DayBlock b;
  b.jdn[0] = 1721426;  // 0001-01-01 CE, a Monday
  b.jdn[1] = 2458848;  // 2019-12-30 CE
  ConvertDays(b, 0, 1);
  if (b.ceYear[0] != 1 || b.ceMonth[0] != 1 || b.ceDay[0] != 1 || b.dayOfWeek[0] != 1)
    return "JDN 1721426 is not Monday 0001-01-01 CE";
  if (b.jcYear[1] != 2019 || b.jcMonth[1] != 12 || b.jcDay[1] != 17)
    return "JDN 2458848 is not 2019-12-17 JC";
  if (b.isoYear[1] != 2020 || b.isoWeek[1] != 1 || b.isoWeekday[1] != 1)
    return "JDN 2458848 is not 2020-W01-1";
  if (b.lpwYear[1] != 2020 || b.lpwWeek[1] != 2 || b.lpwWeekday[1] != 1 || b.lpmMonth[1] != 1 ||
      b.lpmDay[1] != 8)
    return "JDN 2458848 is not 2020-02-1 LPW, 2020-01-08 LPM";
  return nullptr;
}

bool ReadNumber(const char* text, std::int64_t& value) {
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  std::int64_t from = -2000000000, to = 2000000000;
  std::int64_t threads = std::max(1u, std::thread::hardware_concurrency());
  for (int i = 1; i < argc; ++i) {
    std::int64_t* target = nullptr;
    if (std::strcmp(argv[i], "--from") == 0) target = &from;
    if (std::strcmp(argv[i], "--to") == 0) target = &to;
    if (std::strcmp(argv[i], "--threads") == 0) target = &threads;
    if (!target || i + 1 >= argc || !ReadNumber(argv[++i], *target)) {
      std::fprintf(stderr, "usage: valdora-verify [--from JDN] [--to JDN] [--threads N]\n");
      return 2;
    }
  }
  if (from < valdora::MinJdn || to > valdora::MaxJdn || from > to || threads < 1 || threads > 256) {
    std::fprintf(stderr, "valdora-verify: the range must lie within %d..%d, threads 1..256\n",
                 valdora::MinJdn, valdora::MaxJdn);
    return 2;
  }
  if (const char* what = CheckAnchors()) {
    std::fprintf(stderr, "valdora-verify: %s\n", what);
    return 1;
  }

  std::printf("valdora-verify: JDN %" PRId64 " to %" PRId64 " on %" PRId64 " threads\n", from, to,
              threads);
  std::fflush(stdout);
  const auto started = std::chrono::steady_clock::now();
  Failure failure;
  std::atomic<std::int64_t> next{from};
  std::atomic<std::int64_t> checked{0};
  std::atomic<std::int64_t> running{threads};
  std::vector<std::thread> workers;
  for (std::int64_t t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      while (!failure.any.load(std::memory_order_relaxed)) {
        const std::int64_t first = next.fetch_add(ChunkDays);
        if (first > to) break;
        const std::int64_t last = std::min(to, first + ChunkDays - 1);
        CheckChunk(first, last, from, failure);
        checked.fetch_add(last - first + 1, std::memory_order_relaxed);
      }
      running.fetch_sub(1);
    });
  }
  // Progress every ten seconds while the workers run.
  for (int tick = 1; running.load() > 0; ++tick) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (tick % 100 != 0) continue;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double done = static_cast<double>(checked.load());
    std::printf("  %5.1f%% after %.0f s (%.1f million days/second)\n",
                100.0 * done / static_cast<double>(to - from + 1), elapsed, done / elapsed / 1e6);
    std::fflush(stdout);
  }
  for (std::thread& worker : workers) worker.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  if (failure.any) {
    std::fprintf(stderr, "valdora-verify: mismatch at JDN %" PRId64 ": %s\n", failure.jdn,
                 failure.what.c_str());
    return 1;
  }
  const double days = static_cast<double>(to - from + 1);
  std::printf("valdora-verify: %.0f days checked in %.1f s (%.1f million days/second)\n", days,
              seconds, days / seconds / 1e6);
  return 0;
}
