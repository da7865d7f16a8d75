// fuzz-libs: valdora_engine
// Reading a text in each of the seven calendars of a field, under every combination of date
// format, hyphen option, date separator, thousands separator and the locale's digit grouping.
// Properties: the status is 1, 0 or -1; a text that reads as valid writes back, and the
// written text reads again as the same day; any day the engine writes reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/CalendarText.h"
#include "engine/DateTypes.h"
#include "engine/LeapWeekCalendar.h"

namespace {

using namespace valdora;

constexpr CalendarCode kCalendars[] = {CE, JC, JDN, ORD, ISO, LPW, LPM};
constexpr DateFormat kFormats[] = {MDY, DMY, YMD};
const char* const kDateSeparators[] = {"-", "/", "."};
const char* const kThousandsSeparators[] = {",", ".", ""};
// Digit grouping of the locales the windows may meet: comma, dot, none, apostrophe,
// no-break space, blank.
const char* const kGroupings[] = {",", ".", "", "'", "\xC2\xA0", " "};

struct Options {
  CalendarCode cal;
  DateFormat format;
  bool hyphen;
};

std::string Describe(const Options& o, std::string_view text) {
  return "cal=" + std::string(CalendarCodeText[o.cal]) + " format=" + std::to_string(o.format) +
         " hyphen=" + std::to_string(o.hyphen) + " sep='" + DateSeparator + "' thousands='" +
         ThousandsSeparator + "' grouping='" + fuzz::Printable(LocaleGroupingSeparator()) +
         "' text='" + fuzz::Printable(text) + "'";
}

// A day written in `o` reads back as the same day. Returns false when it has no text there.
bool CheckWriteReads(Jdn jdn, const Options& o, std::string& written) {
  if (!WriteDateInCalendar(jdn, o.cal, o.format, o.hyphen, written)) {
    const bool noOrdinal = o.cal == ORD && (jdn < FirstOrdinalJdn || jdn > LastOrdinalJdn);
    const bool noJdnText = o.cal == JDN && (jdn > LargestJdnText || jdn < -LargestJdnText);
    FUZZ_CHECK(noOrdinal || noJdnText,
               Describe(o, "") + " jdn=" + std::to_string(jdn) + " has no text");
    return false;
  }
  Jdn again = 0;
  const ParseStatus status = ReadDateInCalendar(written, o.cal, o.format, o.hyphen, again);
  FUZZ_CHECK(status == StatusValid && again == jdn,
             Describe(o, written) + " written for jdn=" + std::to_string(jdn) + " reads as status " +
                 std::to_string(status) + " jdn=" + std::to_string(again));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t a = in.Byte();
  const std::uint8_t b = in.Byte();
  const Options o{kCalendars[a % 7], kFormats[(a / 7) % 3], ((a / 21) % 2) != 0};
  DateSeparator = kDateSeparators[b % 3];
  ThousandsSeparator = kThousandsSeparators[(b / 3) % 3];
  SetLocaleGroupingSeparator(kGroupings[(b / 9) % 6]);

  // The text as typed.
  const std::string_view text = in.Rest();
  Jdn jdn = 0;
  const ParseStatus status = ReadDateInCalendar(text, o.cal, o.format, o.hyphen, jdn);
  FUZZ_CHECK(fuzz::IsStatus(status), Describe(o, text) + " status " + std::to_string(status));
  if (status == StatusValid) {
    if (o.cal == JDN) FUZZ_CHECK(jdn >= MinJdn && jdn <= MaxJdn, Describe(o, text));
    if (o.cal == ORD) {
      FUZZ_CHECK(jdn >= FirstOrdinalJdn && jdn <= LastOrdinalJdn, Describe(o, text));
    }
    std::string written;
    FUZZ_CHECK(CheckWriteReads(jdn, o, written), Describe(o, text) + " valid but not writable");
  }

  // The leading bytes taken as a day: every calendar writes it, and the text reads back.
  fuzz::Input again(data, size);
  const std::uint32_t word = again.Word();
  const Jdn day = static_cast<Jdn>(static_cast<std::int64_t>(word % (2ull * MaxJdn + 1)) - MaxJdn);
  for (CalendarCode cal : kCalendars) {
    std::string written;
    CheckWriteReads(day, Options{cal, o.format, o.hyphen}, written);
  }
  return 0;
}
