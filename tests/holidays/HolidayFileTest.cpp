// SPDX-License-Identifier: MIT
// Holiday files: plain lists good and bad (a bad line is named, never skipped), iCalendar
// files through libical (all-day events and their recurrences, what is ignored, what libical
// cannot read, the last year of its recurrences), and the working calendar they give.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include <unistd.h>

#include "holidays/HolidayFile.h"
#include "holidays/PlainHolidays.h"
#include "holidays/WorkingCalendarSource.h"

namespace valdora {
namespace {

const std::string kDataDir = VALDORA_DATA_DIR;

Jdn Ce(std::int32_t y, std::int32_t m, std::int32_t d) {
  Jdn jdn = 0;
  EXPECT_TRUE(CeDateToJdn(y, m, d, jdn)) << y << "-" << m << "-" << d;
  return jdn;
}

// An iCalendar text of the given lines inside one VCALENDAR, CR LF ended.
std::string Ics(std::initializer_list<const char*> lines) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n";
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text + "END:VCALENDAR\r\n";
}

std::vector<Jdn> Within(HolidayFile& file, Jdn first, Jdn last) {
  std::vector<Jdn> out;
  std::string problem;
  EXPECT_TRUE(file.HolidaysWithin(first, last, out, problem)) << problem;
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

TEST(PlainHolidays, GoodLists) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<Jdn> dates;
  } cases[] = {
      {"LF lines", "2024-01-01\n2024-12-25\n", {Ce(2024, 1, 1), Ce(2024, 12, 25)}},
      {"CR LF lines, no final line end",
       "2024-01-01\r\n2024-12-25",
       {Ce(2024, 1, 1), Ce(2024, 12, 25)}},
      {"comments and blank lines", "# firm\n\n  # indented\n\t\n2024-05-01\n", {Ce(2024, 5, 1)}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "2024-05-01\n",
       {Ce(2024, 5, 1)}},
      {"blanks around a date", "  2024-05-01 \t\r\n", {Ce(2024, 5, 1)}},
      {"negative and large years",
       "-0044-03-15\n12024-02-29\n0000-01-01\n",
       {Ce(-44, 3, 15), Ce(0, 1, 1), Ce(12024, 2, 29)}},
      {"a date listed twice counts once", "2024-05-01\n2024-05-01\n", {Ce(2024, 5, 1)}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    HolidayFile file;
    std::string problem;
    ASSERT_TRUE(file.Read(c.content, "days.txt", problem)) << c.name << ": " << problem;
    EXPECT_FALSE(file.IsICalendar()) << c.name;
    EXPECT_EQ(file.HolidayCount(), c.dates.size()) << c.name;
    EXPECT_EQ(Within(file, MinJdn, MaxJdn), c.dates) << c.name;
  }
}

TEST(PlainHolidays, BadLineIsNamed) {
  struct Case {
    const char* name;
    std::string content;
    const char* problem;
  } cases[] = {
      {"month of one digit", "2024-01-01\n2024-2-01\n",
       "days.txt, line 2: \"2024-2-01\" is not a date in the form yyyy-mm-dd"},
      {"two-digit year", "# c\n\n24-01-01\n", "days.txt, line 3: \"24-01-01\""},
      {"no such day", "2023-02-29\n", "days.txt, line 1: \"2023-02-29\""},
      {"slashes", "2024/01/01\n", "line 1: \"2024/01/01\""},
      {"text after the date", "2024-01-01 holiday\n", "line 1: \"2024-01-01 holiday\""},
      {"year 0 with a sign", "-0000-01-01\n", "line 1: \"-0000-01-01\""},
      {"zero in front of five digits", "02024-01-01\n", "line 1: \"02024-01-01\""},
      {"year beyond the limits", "5800001-01-01\n", "line 1: \"5800001-01-01\""},
      {"day beyond the last JDN", "5744893-01-01\n", "line 1: \"5744893-01-01\""},
      {"control characters shown as ?", std::string("2024-01-0\0011\n", 12), "\"2024-01-0?1\""},
      {"a lone CR is no line end", "2024-01-01\r2024-01-02\n", "line 1: \"2024-01-01?2024-01-02\""},
  };
  for (const Case& c : cases) {
    HolidayFile file;
    std::string problem;
    EXPECT_FALSE(file.Read(c.content, "days.txt", problem)) << c.name;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.name << ": " << problem;
    EXPECT_EQ(file.HolidayCount(), 0u) << c.name;
  }
}

TEST(HolidayFiles, SampleFilesOfBothKinds) {
  HolidayFile plain, ics;
  std::string problem;
  ASSERT_TRUE(plain.Load(kDataDir + "/holidays-sample.txt", problem)) << problem;
  ASSERT_TRUE(ics.Load(kDataDir + "/holidays-sample.ics", problem)) << problem;
  EXPECT_EQ(plain.HolidayCount(), 12u);
  EXPECT_TRUE(ics.IsICalendar());
  EXPECT_EQ(ics.HolidayCount(), 4u);
  EXPECT_EQ(ics.IgnoredNote(), "1 timed event, 1 other component and 1 unknown property ignored");
  const std::vector<Jdn> expected = {
      Ce(2024, 3, 14), Ce(2024, 6, 7),   Ce(2024, 10, 14), Ce(2024, 12, 27), Ce(2024, 12, 28),
      Ce(2025, 3, 14), Ce(2025, 12, 27), Ce(2025, 12, 28),  // 2025-10-13 excluded
      Ce(2026, 3, 14), Ce(2026, 10, 12), Ce(2026, 12, 27), Ce(2026, 12, 28)};
  EXPECT_EQ(Within(ics, Ce(2024, 1, 1), Ce(2026, 12, 31)), expected);
  // Asked again over a part, from what was kept; and over a span before the events began.
  EXPECT_EQ(Within(ics, Ce(2025, 1, 1), Ce(2025, 12, 31)),
            (std::vector<Jdn>{Ce(2025, 3, 14), Ce(2025, 12, 27), Ce(2025, 12, 28)}));
  EXPECT_TRUE(Within(ics, Ce(1900, 1, 1), Ce(2019, 12, 31)).empty());
  // The winter break ends after five years: none in 2030.
  EXPECT_EQ(Within(ics, Ce(2030, 1, 1), Ce(2030, 12, 31)),
            (std::vector<Jdn>{Ce(2030, 3, 14), Ce(2030, 10, 14)}));
}

TEST(HolidayFiles, ICalendarEventKinds) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<Jdn> holidays;
    const char* note;
  } cases[] = {
      {"multi-day event by DURATION",
       Ics({"BEGIN:VEVENT", "DTSTART;VALUE=DATE:20240101", "DURATION:P3D", "END:VEVENT"}),
       {Ce(2024, 1, 1), Ce(2024, 1, 2), Ce(2024, 1, 3)},
       ""},
      {"RDATE adds an occurrence, EXDATE removes one",
       Ics({"BEGIN:VEVENT", "DTSTART;VALUE=DATE:20240105", "RRULE:FREQ=MONTHLY;COUNT=3",
            "RDATE;VALUE=DATE:20240620", "EXDATE;VALUE=DATE:20240205", "END:VEVENT"}),
       {Ce(2024, 1, 5), Ce(2024, 3, 5), Ce(2024, 6, 20)},
       ""},
      {"moved instance of a recurring event",
       Ics({"BEGIN:VEVENT", "UID:a", "DTSTART;VALUE=DATE:20240110", "RRULE:FREQ=MONTHLY;COUNT=3",
            "END:VEVENT", "BEGIN:VEVENT", "UID:a", "RECURRENCE-ID;VALUE=DATE:20240210",
            "DTSTART;VALUE=DATE:20240212", "END:VEVENT"}),
       {Ce(2024, 1, 10), Ce(2024, 2, 12), Ce(2024, 3, 10)},
       ""},
      {"timed events, alarms, journals and X- properties are ignored",
       Ics({"X-ONE:1", "BEGIN:VEVENT", "DTSTART:20240301T090000", "END:VEVENT", "BEGIN:VEVENT",
            "DTSTART;VALUE=DATE:20240302", "X-TWO:2", "BEGIN:VALARM", "ACTION:DISPLAY",
            "TRIGGER:-PT15M", "END:VALARM", "END:VEVENT", "BEGIN:VJOURNAL", "END:VJOURNAL"}),
       {Ce(2024, 3, 2)},
       "1 timed event, 2 other components and 2 unknown properties ignored"},
      {"byte-order mark and lower-case BEGIN",
       "\xEF\xBB\xBF"
       "begin:vcalendar\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240302\r\n"
       "END:VEVENT\r\nEND:VCALENDAR\r\n",
       {Ce(2024, 3, 2)},
       ""},
  };
  for (const Case& c : cases) {
    HolidayFile file;
    std::string problem;
    ASSERT_TRUE(file.Read(c.content, "cal.ics", problem)) << c.name << ": " << problem;
    EXPECT_TRUE(file.IsICalendar()) << c.name;
    EXPECT_EQ(Within(file, Ce(2023, 1, 1), Ce(2025, 12, 31)), c.holidays) << c.name;
    EXPECT_EQ(file.IgnoredNote(), c.note) << c.name;
  }
}

TEST(HolidayFiles, ICalendarFilesLibicalCannotRead) {
  struct Case {
    const char* name;
    std::string content;
    const char* problem;
  } cases[] = {
      {"no end", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240101\r\n",
       "cal.ics: libical cannot read it"},
      {"unreadable start date",
       Ics({"BEGIN:VEVENT", "SUMMARY:Feast", "DTSTART;VALUE=DATE:2024x", "END:VEVENT"}),
       "cal.ics: event \"Feast\": "},
      {"event without start", Ics({"BEGIN:VEVENT", "SUMMARY:Feast", "END:VEVENT"}),
       "cal.ics: event \"Feast\" has no start date"},
      {"month 13", Ics({"BEGIN:VEVENT", "DTSTART;VALUE=DATE:20241301", "END:VEVENT"}),
       "cal.ics: an event without summary starts on a date that does not exist"},
      {"rule libical cannot follow",
       Ics({"BEGIN:VEVENT", "DTSTART;VALUE=DATE:20240101", "RRULE:FREQ=YEARLY;BYMONTH=13",
            "END:VEVENT"}),
       "has a recurrence rule libical cannot follow"},
  };
  for (const Case& c : cases) {
    HolidayFile file;
    std::string problem;
    EXPECT_FALSE(file.Read(c.content, "cal.ics", problem)) << c.name;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.name << ": " << problem;
  }
}

// libical follows recurrences up to a last year; beyond it a rule that goes on is refused
// with a reason, while fixed dates and rules that end before it are answered.
TEST(HolidayFiles, RecurrencesEndAtLibicalsLastYear) {
  const std::int32_t lastYear = RecurrenceLastYear();
  ASSERT_GE(lastYear, 2100);
  const Jdn lastDay = Ce(lastYear, 12, 31), beyond = Ce(lastYear + 10, 1, 1);
  struct Case {
    const char* name;
    const char* rule;
    bool answered;
  } cases[] = {
      {"for ever", "RRULE:FREQ=YEARLY", false},
      {"until beyond the last year", "RRULE:FREQ=YEARLY;UNTIL=29991231", false},
      {"count beyond the last year", "RRULE:FREQ=YEARLY;COUNT=5000", false},
      {"until before it", "RRULE:FREQ=YEARLY;UNTIL=21001231", true},
      {"count within it", "RRULE:FREQ=YEARLY;COUNT=50", true},
      {"no rule", "SUMMARY:once", true},
  };
  for (const Case& c : cases) {
    HolidayFile file;
    std::string problem;
    ASSERT_TRUE(file.Read(
        Ics({"BEGIN:VEVENT", "SUMMARY:Feast", "DTSTART;VALUE=DATE:20240704", c.rule, "END:VEVENT"}),
        "cal.ics", problem))
        << c.name << ": " << problem;
    std::vector<Jdn> days;
    EXPECT_TRUE(file.HolidaysWithin(Ce(2024, 1, 1), lastDay, days, problem)) << c.name << problem;
    days.clear();
    EXPECT_EQ(file.HolidaysWithin(Ce(2024, 1, 1), beyond, days, problem), c.answered) << c.name;
    if (!c.answered) {
      EXPECT_EQ(problem, "cal.ics: the recurring event \"Feast\" is known only up to the year " +
                             std::to_string(lastYear) + ", and the computation reaches the year " +
                             std::to_string(lastYear + 10))
          << c.name;
      // Refusing kept nothing: what was expanded before still serves.
      days.clear();
      EXPECT_TRUE(file.HolidaysWithin(Ce(2024, 1, 1), Ce(2030, 1, 1), days, problem)) << c.name;
      EXPECT_EQ(std::set<Jdn>(days.begin(), days.end()).size(), 6u) << c.name;
    }
  }
}

TEST(HolidayFiles, FilesThatCannotBeRead) {
  // A folder of this run's own, so that runs side by side do not meet.
  const auto folder = std::filesystem::temp_directory_path() /
                      ("valdora-holiday-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string missing = (folder / "missing.txt").string();
  const std::string tooLarge = (folder / "large.txt").string();
  std::filesystem::remove(missing);
  {
    std::ofstream out(tooLarge, std::ios::binary);
    out.seekp(static_cast<std::streamoff>(kMaxHolidayFileBytes));
    out.put('\n');
  }
  struct Case {
    const char* name;
    std::string path;
    const char* problem;
  } cases[] = {
      {"missing", missing, ": cannot be read ("},
      {"a folder", folder.string(), ": cannot be read ("},
      {"too large", tooLarge, ": too large for a holiday file"},
  };
  for (const Case& c : cases) {
    WorkingCalendarSource source;
    std::string problem;
    EXPECT_FALSE(source.AddHolidayFile(c.path, problem)) << c.name;
    EXPECT_EQ(problem.rfind(c.path, 0), 0u) << c.name << ": " << problem;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.name << ": " << problem;
    EXPECT_TRUE(source.Files().empty()) << c.name;
  }
  std::filesystem::remove_all(folder);
}

// A file given as a pipe (a shell's process substitution, /dev/stdin) has no size to check
// first: it is read, and refused once it grows past the limit.
TEST(HolidayFiles, PipesAreReadUpToTheLimit) {
  const std::string plain = "# list\n2024-12-25\n2024-12-26\n";
  const std::string ics =
      Ics({"BEGIN:VEVENT", "UID:a", "DTSTART;VALUE=DATE:20240101", "END:VEVENT"});
  struct Case {
    const char* name;
    std::string content;
    std::size_t holidays;  // 0: refused
    const char* problem;
  } cases[] = {
      {"plain list", plain, 2, ""},
      {"iCalendar", ics, 1, ""},
      {"bad line", "2024-12-25\nsoon\n", 0, ", line 2: "},
      {"too large", std::string(kMaxHolidayFileBytes + 1, '\n'), 0,
       ": too large for a holiday file"},
  };
  std::signal(SIGPIPE, SIG_IGN);  // the writer of a refused pipe gets EPIPE instead
  for (const Case& c : cases) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0) << c.name;
    std::thread writer([&] {
      for (std::size_t at = 0; at < c.content.size();) {
        const ssize_t n = ::write(fds[1], c.content.data() + at, c.content.size() - at);
        if (n <= 0) break;  // the reader stopped at the limit
        at += static_cast<std::size_t>(n);
      }
      ::close(fds[1]);
    });
    const std::string path = "/dev/fd/" + std::to_string(fds[0]);
    HolidayFile file;
    std::string problem;
    const bool loaded = file.Load(path, problem);
    ::close(fds[0]);  // a writer still writing gets EPIPE
    writer.join();
    EXPECT_EQ(loaded, c.holidays > 0) << c.name << ": " << problem;
    if (loaded) {
      EXPECT_EQ(file.HolidayCount(), c.holidays) << c.name;
    } else {
      EXPECT_EQ(problem.rfind(path + c.problem, 0), 0u) << c.name << ": " << problem;
    }
  }
}

TEST(WorkingCalendarSource, GivesTheWeekAndTheHolidaysOfTheSpan) {
  WorkingCalendarSource source;
  std::string problem;
  ASSERT_TRUE(source.AddHolidayFile(kDataDir + "/holidays-sample.txt", problem)) << problem;
  ASSERT_TRUE(source.AddHolidayFile(kDataDir + "/holidays-sample.ics", problem)) << problem;
  EXPECT_FALSE(source.SetWorkingWeek(0));
  ASSERT_TRUE(source.SetWorkingWeek(0x1F));  // Sunday to Thursday
  const WorkingCalendar* cal = source.CalendarWithin(Ce(2025, 1, 1), Ce(2025, 12, 31), problem);
  ASSERT_NE(cal, nullptr) << problem;
  EXPECT_EQ(cal->WorkingWeek(), 0x1F);
  for (const Jdn day : {Ce(2025, 1, 1), Ce(2025, 3, 14), Ce(2025, 12, 28)})
    EXPECT_TRUE(std::binary_search(cal->Holidays().begin(), cal->Holidays().end(), day)) << day;
  // A span within the one held is served from it; beyond the last year it is refused.
  EXPECT_EQ(source.CalendarWithin(Ce(2025, 2, 1), Ce(2025, 3, 1), problem), cal);
  EXPECT_EQ(source.CalendarWithin(Ce(2025, 1, 1), Ce(RecurrenceLastYear() + 1, 1, 1), problem),
            nullptr);
  EXPECT_NE(problem.find("holidays-sample.ics: the recurring event"), std::string::npos) << problem;
  source.ClearHolidayFiles();
  cal = source.CalendarWithin(-kWorkingDayLimit, kWorkingDayLimit, problem);
  ASSERT_NE(cal, nullptr);
  EXPECT_TRUE(cal->Holidays().empty());
  EXPECT_FALSE(cal->HasHolidayList());
}

// The calendar of a span that no recurrence reaches holds no holiday, yet it tells that a
// holiday list is in force (the note of a count names holidays whichever span it asks).
TEST(WorkingCalendarSource, HolidayListInForceWithoutHolidaysInTheSpan) {
  HolidayFile file;
  std::string problem;
  ASSERT_TRUE(file.Read(Ics({"BEGIN:VEVENT", "UID:y", "DTSTART;VALUE=DATE:20200314",
                             "RRULE:FREQ=YEARLY", "END:VEVENT"}),
                        "yearly.ics", problem))
      << problem;
  WorkingCalendarSource source;
  source.AddHolidayFile(std::move(file));
  struct Case {
    const char* name;
    Jdn first, last;
    bool held;
  } cases[] = {
      {"before the first recurrence", Ce(2019, 1, 1), Ce(2019, 12, 31), false},
      {"between two recurrences", Ce(2021, 4, 1), Ce(2021, 5, 1), false},
      {"over a recurrence", Ce(2022, 3, 1), Ce(2022, 3, 31), true},
  };
  for (const Case& c : cases) {
    const WorkingCalendar* cal = source.CalendarWithin(c.first, c.last, problem);
    ASSERT_NE(cal, nullptr) << c.name << ": " << problem;
    EXPECT_TRUE(cal->HasHolidayList()) << c.name;
    const auto begin = std::lower_bound(cal->Holidays().begin(), cal->Holidays().end(), c.first);
    EXPECT_EQ(begin != cal->Holidays().end() && *begin <= c.last, c.held) << c.name;
  }
  source.ClearHolidayFiles();
  const WorkingCalendar* cal = source.CalendarWithin(Ce(2022, 3, 1), Ce(2022, 3, 31), problem);
  ASSERT_NE(cal, nullptr) << problem;
  EXPECT_FALSE(cal->HasHolidayList()) << "no file";
}

TEST(RestDays, ReadAndWritten) {
  struct Case {
    const char* name;
    const char* text;
    bool valid;
    WeekdaySet rest;
    const char* written;
  } cases[] = {
      {"the default weekend", "Sat,Sun", true, 0x41, "Sat,Sun"},
      {"any case and order", "sun,FRI", true, 0x21, "Fri,Sun"},
      {"none", "NONE", true, 0, "none"},
      {"named twice", "Sat,Sat", true, 0x40, "Sat"},
      {"six days leave one working", "Mon,Tue,Wed,Thu,Fri,Sat", true, 0x7E,
       "Mon,Tue,Wed,Thu,Fri,Sat"},
      {"all seven", "Mon,Tue,Wed,Thu,Fri,Sat,Sun", false, 0, nullptr},
      {"unknown name", "Sat,Sonntag", false, 0, nullptr},
      {"empty item", "Sat,", false, 0, nullptr},
      {"blank", " Sat", false, 0, nullptr},
      {"empty", "", false, 0, nullptr},
  };
  for (const Case& c : cases) {
    WeekdaySet rest = 0x7F;
    EXPECT_EQ(ReadRestDays(c.text, rest), c.valid) << c.name;
    if (!c.valid) continue;
    EXPECT_EQ(rest, c.rest) << c.name;
    EXPECT_EQ(RestDaysText(rest), c.written) << c.name;
  }
}

}  // namespace
}  // namespace valdora
