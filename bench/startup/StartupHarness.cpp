// SPDX-License-Identifier: MIT
// Start-up cost of window programs: starts each program N times (fork/exec) under the
// offscreen platform with a private, empty HOME and XDG_CONFIG_HOME, and measures the wall
// time from fork until the program has shown its window and exited, and its peak resident
// memory (ru_maxrss of the child, from wait4), with its CPU time (user + system), which a
// machine busy with other work disturbs less than the wall time. The first program is the
// yardstick; every program is reported as a ratio to it (medians).
//
//   valdora-startup-bench [-n RUNS] PROGRAM [PROGRAM ...]
//
// A run that fails (exit status other than 0) ends the harness with status 1.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds = 0;
  double cpuMilliseconds = 0;  // user + system
  long maxRssKb = 0;
};

struct Summary {
  std::string program;
  double minMs = 0, medianMs = 0, meanMs = 0, medianCpuMs = 0;
  long medianRssKb = 0, maxRssKb = 0;
};

// Starts `program` once with the environment of the measurement; false on failure.
bool StartOnce(const std::string& program, const std::string& home, Run& run) {
  const auto begin = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("fork");
    return false;
  }
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    // Quiet: the offscreen platform may warn about missing fonts or the runtime folder.
    std::freopen("/dev/null", "w", stderr);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      std::perror("wait4");
      return false;
    }
  }
  const auto end = std::chrono::steady_clock::now();
  run.milliseconds = std::chrono::duration<double, std::milli>(end - begin).count();
  run.maxRssKb = usage.ru_maxrss;
  run.cpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s: exit status %d\n", program.c_str(),
                 WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return false;
  }
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 20;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      programs.emplace_back(argv[i]);
    }
  }
  if (programs.empty()) {
    std::fprintf(stderr, "usage: %s [-n RUNS] PROGRAM [PROGRAM ...]\n", argv[0]);
    return 2;
  }
  char pattern[] = "/tmp/valdora-startup-XXXXXX";
  const char* home = mkdtemp(pattern);
  if (home == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  mkdir((std::string(home) + "/.config").c_str(), 0700);

  std::vector<Summary> summaries;
  for (const std::string& program : programs) {
    Run run;
    if (!StartOnce(program, home, run)) return 1;  // warm-up: page cache, font cache
    std::vector<double> times, cpu;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
      if (!StartOnce(program, home, run)) return 1;
      times.push_back(run.milliseconds);
      cpu.push_back(run.cpuMilliseconds);
      rss.push_back(run.maxRssKb);
    }
    Summary s;
    s.program = program;
    s.minMs = *std::min_element(times.begin(), times.end());
    s.medianMs = Median(times);
    double total = 0;
    for (double t : times) total += t;
    s.meanMs = total / static_cast<double>(times.size());
    s.medianRssKb = Median(rss);
    s.medianCpuMs = Median(cpu);
    s.maxRssKb = *std::max_element(rss.begin(), rss.end());
    summaries.push_back(s);
  }

  std::printf("%d runs each (after one warm-up run), offscreen platform, empty HOME\n", runs);
  std::printf("%-24s %8s %10s %8s %8s %11s %9s %7s %6s %9s\n", "program", "min ms", "median ms",
              "mean ms", "cpu ms", "median KiB", "max KiB", "time x", "cpu x", "memory x");
  const Summary& base = summaries.front();
  for (const Summary& s : summaries) {
    std::string name = s.program;
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos) name = name.substr(slash + 1);
    std::printf("%-24s %8.1f %10.1f %8.1f %8.1f %11ld %9ld %7.2f %6.2f %9.2f\n", name.c_str(),
                s.minMs, s.medianMs, s.meanMs, s.medianCpuMs, s.medianRssKb, s.maxRssKb,
                s.medianMs / base.medianMs, s.medianCpuMs / base.medianCpuMs,
                static_cast<double>(s.medianRssKb) / static_cast<double>(base.medianRssKb));
  }
  std::string cleanup = std::string("rm -rf '") + home + "'";
  if (std::system(cleanup.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", home);
  return 0;
}
