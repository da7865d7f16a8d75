// SPDX-License-Identifier: MIT
#include "presentation/FieldDates.h"

#include <cstdlib>
#include <utility>

#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "engine/IsoOrdinal.h"

namespace valdora {

namespace {

// A read failure as the field's outcome.
FieldDateOutcome ReadFailure(ParseStatus status) noexcept {
  return status < 0 ? FieldDateOutcome::InputOutOfRange : FieldDateOutcome::NotValid;
}

// `jdn` written in `cal` into `result`, only when that text reads back as the same day (a
// JDN beyond the reader's range, for one, has a text that could not be typed back).
bool WriteReadable(Jdn jdn, CalendarCode cal, const DateTextSettings& settings,
                   std::string& result) {
  std::string text;
  if (!WriteDateInCalendar(jdn, cal, settings, text)) return false;
  Jdn back = 0;
  if (ReadDateInCalendar(text, cal, settings, back) != StatusValid || back != jdn) {
    return false;
  }
  result = std::move(text);
  return true;
}

}  // namespace

FieldDateOutcome StepDateText(std::string_view text, CalendarCode cal,
                              const DateTextSettings& settings, std::int32_t delta,
                              std::string& result) {
  Jdn jdn = 0;
  const ParseStatus status = ReadDateInCalendar(text, cal, settings, jdn);
  if (status <= 0) return ReadFailure(status);
  const std::int64_t moved = static_cast<std::int64_t>(jdn) + delta;  // wider: no overflow
  if (std::llabs(moved) > MaxJdn) return FieldDateOutcome::ResultOutOfRange;
  if (!WriteReadable(static_cast<Jdn>(moved), cal, settings, result)) {
    return FieldDateOutcome::ResultOutOfRange;
  }
  return FieldDateOutcome::Written;
}

FieldDateOutcome ConvertDateText(std::string_view text, CalendarCode from, CalendarCode to,
                                 const DateTextSettings& settings, std::string& result) {
  Jdn jdn = 0;
  const ParseStatus status = ReadDateInCalendar(text, from, settings, jdn);
  if (status <= 0) return ReadFailure(status);
  if (!WriteReadable(jdn, to, settings, result)) return FieldDateOutcome::ResultOutOfRange;
  return FieldDateOutcome::Written;
}

std::string TodayInCalendar(CalendarCode cal, const DateTextSettings& settings) {
  std::string text;
  WriteDateInCalendar(TodayJdn(), cal, settings, text);
  return text;
}

std::string RewriteHyphenForm(std::string_view text, bool hyphen) {
  std::string out(text);
  const std::int16_t ordinal = OrdinalForm(out);
  if (hyphen && ordinal == 1) {
    out.insert(4, 1, '-');
  } else if (!hyphen && ordinal == -1) {
    out.erase(4, 1);
  }
  const std::int16_t iso = IsoForm(out);
  if (hyphen && iso == 1) {
    std::string spread;
    for (char c : out) {
      if (c == 'W') spread += '-';
      spread += c;
    }
    spread.insert(spread.size() - 1, 1, '-');
    out = std::move(spread);
  } else if (!hyphen && iso == -1) {
    // Every hyphen goes, except a leading minus sign of the year.
    std::string plain;
    for (std::size_t i = 0; i < out.size(); ++i) {
      if (out[i] != '-' || i == 0) plain += out[i];
    }
    out = std::move(plain);
  }
  return out;
}

}  // namespace valdora
