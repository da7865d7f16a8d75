// SPDX-License-Identifier: MIT
// Holiday files of both kinds from hostile bytes (the first eight bytes choose a span).
// Properties: a refused file gives one line naming it; the holidays given for a span lie
// within it and are the same when asked again; the working calendar built from them lands
// an offset on a working day that counts back to the offset.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "engine/WorkingCalendar.h"
#include "holidays/HolidayFile.h"

namespace {

using namespace valdora;

std::vector<Jdn> Sorted(std::vector<Jdn> days) {
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  return days;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const Jdn first = in.Day();
  const std::int64_t last = std::int64_t{first} + in.Word() % 400000;  // up to ~1,100 years
  const std::string_view text = in.Rest();
  const std::string context = "span " + std::to_string(first) + ".." + std::to_string(last) +
                              " text '" + fuzz::Printable(text.substr(0, 400)) + "'";
  HolidayFile file;
  std::string problem;
  if (!file.Read(text, "f.txt", problem)) {
    FUZZ_CHECK(problem.rfind("f.txt", 0) == 0, context + " problem '" + problem + "'");
    FUZZ_CHECK(problem.find('\n') == std::string::npos, context + " problem '" + problem + "'");
    return 0;
  }
  std::vector<Jdn> days;
  if (!file.HolidaysWithin(first, last, days, problem)) {
    FUZZ_CHECK(problem.rfind("f.txt: ", 0) == 0, context + " problem '" + problem + "'");
    return 0;
  }
  for (const Jdn d : days)
    FUZZ_CHECK(d >= first && d <= last, context + " day " + std::to_string(d));
  std::vector<Jdn> again;
  FUZZ_CHECK(file.HolidaysWithin(first, last, again, problem), context + " asked again");
  FUZZ_CHECK(Sorted(days) == Sorted(again), context + " asked again");

  WorkingCalendar calendar;
  calendar.SetWorkingWeek(static_cast<WeekdaySet>(1 + (size % 127)));
  calendar.SetHolidays(days);
  const std::int64_t n = static_cast<std::int64_t>(days.size() % 500) + 1;
  const std::int64_t x = calendar.OffsetWorkingDays(first, n);
  FUZZ_CHECK(calendar.IsWorkingDay(x) && calendar.CountWorkingDays(first, x) == n,
             context + " offset " + std::to_string(n));
  return 0;
}
