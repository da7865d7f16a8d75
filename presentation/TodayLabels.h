// SPDX-License-Identifier: MIT
// Texts of the today display of the main window: the two label pairs (today, a week from
// today) in each calendar of the display's ring, and the order of that ring.
#pragma once

#include <cstdint>
#include <string>

#include "engine/CalendarText.h"
#include "engine/DateTypes.h"

namespace valdora {

// The four label texts, top line and bottom line of each pair.
struct TodayLabelTexts {
  std::string todaysDate0;      // "Today is Saturday,"
  std::string todaysDate1;      // "2008-07-12 CE"
  std::string weekFromToday0;   // "A week from today is"
  std::string weekFromToday1;   // "2008-07-19 CE"
};

// The calendar after `cal` in the ring CE ISO JC ORD LPM LPW JDN (then CE again); a code
// outside the ring comes back unchanged.
std::int16_t NextTodayCalendar(std::int16_t cal) noexcept;
// The calendar before `cal` in the same ring; a code outside the ring comes back unchanged.
std::int16_t PreviousTodayCalendar(std::int16_t cal) noexcept;

// Day `jdn` as the today display writes it in `cal` with `settings`: the date with its label
// (" CE", " JC", " JDN", " ISO", " LPW", " LPM"; none for ORD), and for German CE and JC the
// article "der ". A code outside the ring is written as CE. Empty when the day has no text
// in `cal`.
std::string TodayDisplayText(Jdn jdn, std::int16_t cal, std::int16_t language,
                             const DateTextSettings& settings);

// The labels for day `today` (the caller passes TodayJdn) and the day a week later, in `cal`
// and `language` (German, else English), with `settings`.
TodayLabelTexts BuildTodayLabels(Jdn today, std::int16_t cal, std::int16_t language,
                                 const DateTextSettings& settings);

}  // namespace valdora
