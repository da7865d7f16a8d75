// SPDX-License-Identifier: MIT
// The reader of the user file vdr.usr, over any text. Properties: a damaged file leaves the
// defaults; what was read is always a file of known codes, which the writer turns into a
// complete file that reads back as the same settings; and settings built from the input
// (texts with quotes, commas and line breaks) survive writing and reading.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "presentation/UserFile.h"

namespace {

using namespace valdora;

bool IsCalendar(std::int16_t c) { return c == 0 || c == 1 || c == 2 || c == 4 || c == 6 || c == 7 || c == 8; }
bool IsCheck(std::int16_t v) { return v == 0 || v == 1; }

// Every field holds a value the window knows.
bool Known(const UserSettings& s) {
  return (s.language == 0 || s.language == 1) && s.dateFormat >= 0 && s.dateFormat <= 2 &&
         (s.dateSeparator == '-' || s.dateSeparator == '/' || s.dateSeparator == '.') &&
         (s.thousandsSeparator == 0 || s.thousandsSeparator == ',' || s.thousandsSeparator == '.') &&
         IsCalendar(s.todayCal) && IsCalendar(s.firstCal) && IsCalendar(s.secondCal) &&
         IsCheck(s.includeFirstDate) && IsCheck(s.includeWeekends) && IsCheck(s.verbose) &&
         IsCheck(s.hyphen) && IsCheck(s.saveOutput) &&
         (s.firstDayOfWeek == "Sun" || s.firstDayOfWeek == "Mon") &&
         (s.monthCalendar == "CE" || s.monthCalendar == "JC") && (s.unit == 0 || s.unit == 1);
}

void CheckWrittenReadsBack(const UserSettings& s, std::string_view origin) {
  const std::string file = FormatUserFile(s);
  UserSettings back;
  const UserFileStatus status = ParseUserFile(file, back);
  FUZZ_CHECK(status == UserFileStatus::Complete && s == back,
             "written file does not read back: '" + fuzz::Printable(file) + "' from '" +
                 fuzz::Printable(origin) + "'");
  FUZZ_CHECK(FormatUserFile(back) == file, "second writing differs: " + fuzz::Printable(origin));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  UserSettings read;
  read.language = 77;  // the reader must overwrite whatever the caller had
  read.output = "stale";
  const UserFileStatus status = ParseUserFile(text, read);
  FUZZ_CHECK(status == UserFileStatus::Complete || status == UserFileStatus::LastLineDamaged ||
                 status == UserFileStatus::Damaged,
             "status");
  FUZZ_CHECK(Known(read), "unknown code kept from '" + fuzz::Printable(text) + "'");
  if (status == UserFileStatus::Damaged) {
    FUZZ_CHECK((read == UserSettings{}), "damaged file did not leave the defaults");
  }
  if (status == UserFileStatus::LastLineDamaged) FUZZ_CHECK(read.unit == 0, "unit");
  CheckWrittenReadsBack(read, text);

  // Settings built from the input: codes from the first bytes, texts from the rest cut in four.
  fuzz::Input in(data, size);
  UserSettings s;
  const std::uint8_t a = in.Byte(), b = in.Byte(), c = in.Byte();
  static constexpr std::int16_t kCalendars[] = {0, 1, 2, 4, 6, 7, 8};
  static constexpr std::int16_t kSeparators[] = {'-', '/', '.'};
  static constexpr std::int16_t kThousands[] = {0, ',', '.'};
  s.language = a & 1;
  s.dateFormat = (a >> 1) % 3;
  s.dateSeparator = kSeparators[(a >> 3) % 3];
  s.thousandsSeparator = kThousands[(a >> 5) % 3];
  s.todayCal = kCalendars[b % 7];
  s.firstCal = kCalendars[(b / 7) % 7];
  s.secondCal = kCalendars[(b / 49) % 7];
  s.includeFirstDate = c & 1;
  s.includeWeekends = (c >> 1) & 1;
  s.verbose = (c >> 2) & 1;
  s.hyphen = (c >> 3) & 1;
  s.saveOutput = (c >> 4) & 1;
  s.firstDayOfWeek = (c >> 5) & 1 ? "Mon" : "Sun";
  s.monthCalendar = (c >> 6) & 1 ? "JC" : "CE";
  s.unit = (c >> 7) & 1;
  const std::string_view rest = in.Rest();
  const std::size_t q = rest.size() / 4;
  s.firstDate = std::string(rest.substr(0, q));
  s.dateDiff = std::string(rest.substr(q, q));
  s.secondDate = std::string(rest.substr(2 * q, q));
  s.output = std::string(rest.substr(3 * q));
  CheckWrittenReadsBack(s, text);
  return 0;
}
