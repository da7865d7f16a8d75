// SPDX-License-Identifier: MIT
// The program-wide separator settings; the main window and the command-line tool change them.
// CurrentDateTextSettings is the one place the calendar-text pair's settings are read from
// them.
#include "engine/CalendarText.h"
#include "engine/DateTypes.h"
#include "engine/LeapWeekCalendar.h"

namespace valdora {

std::string DateSeparator = "-";
std::string ThousandsSeparator = ",";

DateTextSettings CurrentDateTextSettings(DateFormat format, bool hyphen) noexcept {
  return {format, hyphen, DateSeparator, ThousandsSeparator, LocaleGroupingSeparator()};
}

}  // namespace valdora
