// SPDX-License-Identifier: MIT
// Writes the inputs of the valdora-cli batch benchmark: N seeded random CE dates of the years
// 1700 to 2400 (the range the comparison tool reads), once as plain dates, once as lone-date
// lines and once as days-between lines of the batch format.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/CalendarText.h"

int main(int argc, char** argv) {
  using namespace valdora;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s COUNT FOLDER\n", argv[0]);
    return 2;
  }
  const long count = std::strtol(argv[1], nullptr, 10);
  const std::string folder = argv[2];
  std::FILE* dates = std::fopen((folder + "/dates.txt").c_str(), "w");
  std::FILE* convert = std::fopen((folder + "/convert.txt").c_str(), "w");
  std::FILE* between = std::fopen((folder + "/between.txt").c_str(), "w");
  if (!dates || !convert || !between) {
    std::perror("cannot write the benchmark inputs");
    return 1;
  }
  std::mt19937 rng(20240115);
  std::uniform_int_distribution<Jdn> pick(2341973, 2598004);  // 1700-01-01 .. 2400-12-31
  std::uniform_int_distribution<Jdn> span(-20000, 20000);
  const DateTextSettings settings;  // YMD with "-", as valdora-cli reads by default
  std::string a, b;
  for (long i = 0; i < count; ++i) {
    const Jdn jdn = pick(rng);
    WriteDateInCalendar(jdn, CE, settings, a);
    WriteDateInCalendar(jdn + span(rng), CE, settings, b);
    std::fprintf(dates, "%s\n", a.c_str());
    std::fprintf(convert, "%s\t\t\n", a.c_str());
    std::fprintf(between, "%s\t\t%s\n", a.c_str(), b.c_str());
  }
  return std::fclose(dates) == 0 && std::fclose(convert) == 0 && std::fclose(between) == 0 ? 0 : 1;
}
