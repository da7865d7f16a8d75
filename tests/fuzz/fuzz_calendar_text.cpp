// SPDX-License-Identifier: MIT
// Reading a text in each of the seven calendars of a field, under every combination of date
// format, hyphen option, date separator, thousands separator and the locale's digit grouping.
// Properties: the status is 1, 0 or -1; a text that reads as valid writes back, and the
// written text reads again as the same day; any day the engine writes reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/CalendarText.h"
#include "engine/LeapWeekCalendar.h"

namespace {

using namespace valdora;

// Digit grouping of the locales the windows may meet: comma, dot, none, apostrophe,
// no-break space, blank.
const char* const kGroupings[] = {",", ".", "", "'", "\xC2\xA0", " "};

struct Options {
  CalendarCode cal;
  DateFormat format;
  bool hyphen;
};

std::string Describe(const Options& o, std::string_view text) {
  return fuzz::Ctx("cal=" + std::string(CalendarCodeText[o.cal]) + " format=" +
                       std::to_string(o.format) + " hyphen=" + std::to_string(o.hyphen) +
                       " grouping='" + fuzz::Printable(LocaleGroupingSeparator()) + "'", text);
}

// A day written in `o` reads back as the same day. Returns false when it has no text there.
bool CheckWriteReads(Jdn jdn, const Options& o) {
  std::string written;
  if (!WriteDateInCalendar(jdn, o.cal, CurrentDateTextSettings(o.format, o.hyphen), written)) {
    const bool noOrdinal = o.cal == ORD && (jdn < FirstOrdinalJdn || jdn > LastOrdinalJdn);
    const bool noJdnText = o.cal == JDN && (jdn > LargestJdnText || jdn < -LargestJdnText);
    FUZZ_CHECK(noOrdinal || noJdnText, Describe(o, "") + " jdn=" + std::to_string(jdn) + " has no text");
    return false;
  }
  Jdn again = 0;
  const ParseStatus status = ReadDateInCalendar(written, o.cal, CurrentDateTextSettings(o.format, o.hyphen), again);
  FUZZ_CHECK(status == StatusValid && again == jdn,
             Describe(o, written) + " written for jdn=" + std::to_string(jdn) + " reads as status " +
                 std::to_string(status) + " jdn=" + std::to_string(again));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t a = in.Byte();
  const Options o{fuzz::kCalendars[a % 7], fuzz::kFormats[(a / 7) % 3], ((a / 21) % 2) != 0};
  SetLocaleGroupingSeparator(kGroupings[fuzz::SetSeparators(in.Byte()) % 6]);

  // The text as typed.
  const std::string_view text = in.Rest();
  Jdn jdn = 0;
  const ParseStatus status = ReadDateInCalendar(text, o.cal, CurrentDateTextSettings(o.format, o.hyphen), jdn);
  FUZZ_CHECK(fuzz::IsStatus(status), Describe(o, text) + " status " + std::to_string(status));
  if (status == StatusValid) {
    FUZZ_CHECK(o.cal != JDN || (jdn >= MinJdn && jdn <= MaxJdn), Describe(o, text));
    FUZZ_CHECK(o.cal != ORD || (jdn >= FirstOrdinalJdn && jdn <= LastOrdinalJdn), Describe(o, text));
    FUZZ_CHECK(CheckWriteReads(jdn, o), Describe(o, text) + " valid but not writable");
  }

  // The leading bytes taken as a day: every calendar writes it, and the text reads back.
  const Jdn day = fuzz::Input(data, size).Day();
  for (CalendarCode cal : fuzz::kCalendars) CheckWriteReads(day, Options{cal, o.format, o.hyphen});
  return 0;
}
