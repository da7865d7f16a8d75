// SPDX-License-Identifier: MIT
// Date texts of the main window's input fields, free of any widget: a date stepped by days,
// a date carried into another field's calendar, today in a field's calendar, and the rewrite
// of ordinal and ISO week date texts between their hyphenated and plain forms. Every read
// and write goes through ReadDateInCalendar / WriteDateInCalendar.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/CalendarText.h"
#include "engine/DateTypes.h"

namespace valdora {

// What became of a field date handed to StepDateText or ConvertDateText.
enum class FieldDateOutcome : std::int8_t {
  Written,           // `result` holds the new text
  NotValid,          // the text is not a date of its calendar (status 0)
  InputOutOfRange,   // the text is a date beyond the limits (status -1)
  ResultOutOfRange,  // the new day lies beyond MaxJdn, or has no text in the target calendar
                     // that reads back (ordinal dates outside 0001..9999, a JDN of 2.1e9)
};

// `text` read in `cal` with `settings`, moved by `delta` days and written in `cal` again.
// `result` is set only on Written.
FieldDateOutcome StepDateText(std::string_view text, CalendarCode cal,
                              const DateTextSettings& settings, std::int32_t delta,
                              std::string& result);

// `text` read in calendar `from` and written in calendar `to`, both with `settings`.
// `result` is set only on Written; an ordinal target outside 0001-001..9999-365 gives
// ResultOutOfRange.
FieldDateOutcome ConvertDateText(std::string_view text, CalendarCode from, CalendarCode to,
                                 const DateTextSettings& settings, std::string& result);

// Today (TodayJdn) written in `cal` with `settings`, without a label; empty only if today has
// no text there.
std::string TodayInCalendar(CalendarCode cal, const DateTextSettings& settings);

// An ordinal date (yyyyddd / yyyy-ddd) or ISO week date (yyyyWwwd / yyyy-Www-d) in the form
// `hyphen` selects; any other text comes back unchanged. Looks only at the form of the text.
std::string RewriteHyphenForm(std::string_view text, bool hyphen);

}  // namespace valdora
