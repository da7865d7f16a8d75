// SPDX-License-Identifier: MIT
// Date record operations over the conversion library, and the replaceable today.
#include "engine/DateCore.h"

#include <chrono>
#include <ctime>

#include "engine/ConversionLibrary.h"

namespace valdora {

namespace {

// The fixed today, when set. The engine runs on one thread; tests set it before use.
struct FixedToday {
  bool active = false;
  std::int32_t year = 0, month = 0, day = 0;
};
FixedToday fixedToday;

// Today's local CE date from the system clock.
void SystemToday(std::int32_t& year, std::int32_t& month, std::int32_t& day) noexcept {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) {
    // No local time to be had: fall back to the UTC date of the same instant.
    const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day ymd{days};
    year = static_cast<int>(ymd.year());
    month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    return;
  }
  year = local.tm_year + 1900;
  month = local.tm_mon + 1;
  day = local.tm_mday;
}

}  // namespace

bool CalendarLetter(CalendarCode code, EuroDate& date) noexcept {
  switch (code) {
    case CE:
    case ORD:
      date.calendar = GregorianLetter;
      return true;
    case JC:
      date.calendar = JulianLetter;
      return true;
    default:
      return false;
  }
}

Jdn EuroDateToJdn(EuroDate& date) noexcept { return euro_date_to_jdn(date); }

void JdnToEuroDate(EuroDate& date) noexcept { jdn_to_euro_date(date); }

std::int16_t DayOfWeek(Jdn jdn) noexcept {
  return static_cast<std::int16_t>(euro_day_of_week(jdn));
}

bool IsWorkday(Jdn jdn) noexcept {
  const std::int16_t d = DayOfWeek(jdn);
  return d >= 1 && d <= 5;
}

std::int16_t DayOfYear(EuroDate& date) noexcept {
  const std::int64_t jdn = EuroDateToJdn(date);
  EuroDate first{date.year, 1, 1, date.calendar, 0};
  const std::int64_t day = jdn - EuroDateToJdn(first) + 1;  // [1, 366] for a valid date
  return static_cast<std::int16_t>(day);
}

Jdn OrdinalToJdn(std::int32_t year, std::int16_t dayOfYear) noexcept {
  EuroDate first{year, 1, 1, GregorianLetter, 0};
  const std::int64_t jdn = static_cast<std::int64_t>(EuroDateToJdn(first)) + dayOfYear - 1;
  return static_cast<Jdn>(jdn);  // within 32 bits for |year| <= MaxAbsYear
}

bool IsLeapYear(std::int32_t year, std::string_view calendar) noexcept {
  const bool julian = !calendar.empty() && (calendar[0] == 'J' || calendar[0] == 'j');
  if (year % 4 != 0) return false;  // C++ remainder is exact for negative years
  return julian || year % 100 != 0 || year % 400 == 0;
}

Jdn TodayJdn() noexcept {
  EuroDate today;
  TodayEuroDate(today);
  return today.jdn;
}

void TodayEuroDate(EuroDate& date) noexcept {
  if (fixedToday.active) {
    date.year = fixedToday.year;
    date.month = fixedToday.month;
    date.day = fixedToday.day;
  } else {
    SystemToday(date.year, date.month, date.day);
  }
  date.calendar = GregorianLetter;
  EuroDateToJdn(date);
}

std::int16_t TodayDayOfWeek() noexcept { return DayOfWeek(TodayJdn()); }

void SetFixedToday(std::int32_t year, std::int32_t month, std::int32_t day) noexcept {
  fixedToday = {true, year, month, day};
}

void UseSystemToday() noexcept { fixedToday.active = false; }

}  // namespace valdora
