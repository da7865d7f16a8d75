// SPDX-License-Identifier: MIT
#include "presentation/TodayLabels.h"

#include <array>

#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {

namespace {

// Left clicks walk this ring forwards, right clicks backwards.
constexpr std::array<std::int16_t, 7> TodayRing = {CE, ISO, JC, ORD, LPM, LPW, JDN};

// Position of `cal` in the ring, or -1.
constexpr int RingIndex(std::int16_t cal) noexcept {
  for (int i = 0; i < static_cast<int>(TodayRing.size()); ++i) {
    if (TodayRing[i] == cal) return i;
  }
  return -1;
}

// The label after a date of `cal` on the today display.
const char* DisplaySuffix(CalendarCode cal) noexcept {
  switch (cal) {
    case JC: return " JC";
    case JDN: return " JDN";
    case ORD: return "";
    case ISO: return " ISO";
    case LPW: return " LPW";
    case LPM: return " LPM";
    default: return " CE";
  }
}

}  // namespace

std::int16_t NextTodayCalendar(std::int16_t cal) noexcept {
  const int i = RingIndex(cal);
  if (i < 0) return cal;
  return TodayRing[(i + 1) % TodayRing.size()];
}

std::int16_t PreviousTodayCalendar(std::int16_t cal) noexcept {
  const int i = RingIndex(cal);
  if (i < 0) return cal;
  return TodayRing[(i + TodayRing.size() - 1) % TodayRing.size()];
}

std::string TodayDisplayText(Jdn jdn, std::int16_t cal, std::int16_t language,
                             const DateTextSettings& settings) {
  const CalendarCode code = RingIndex(cal) < 0 ? CE : static_cast<CalendarCode>(cal);
  std::string date;
  if (!WriteDateInCalendar(jdn, code, settings, date)) return {};
  const bool article = language == intGerman && (code == CE || code == JC);
  return (article ? "der " : "") + date + DisplaySuffix(code);
}

TodayLabelTexts BuildTodayLabels(Jdn today, std::int16_t cal, std::int16_t language,
                                 const DateTextSettings& settings) {
  // The display speaks English or German only; anything else reads as English.
  if (language != intGerman) language = intEnglish;
  TodayLabelTexts labels;
  labels.todaysDate0 =
      FixedText("Today is", language) + " " + DayName(DayOfWeek(today), language) + ",";
  labels.todaysDate1 = TodayDisplayText(today, cal, language, settings);
  labels.weekFromToday0 = FixedText("A week from today is", language);
  labels.weekFromToday1 = TodayDisplayText(today + 7, cal, language, settings);
  return labels;
}

}  // namespace valdora
