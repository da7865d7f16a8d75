// SPDX-License-Identifier: MIT
// The month grid and its ISO column against a slow day-by-day month printer written here
// from the calendar rules alone, and the exact texts of the cases users see most.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/DateCore.h"
#include "presentation/MonthGrid.h"
#include "text/GenText.h"
#include "text/Language.h"

using namespace valdora;

namespace {

// ---- The reference printer: leap rules, month lengths and weekdays counted day by day ----
struct RefDate { int y, m, d; };
int Mod(int a, int b) { return (a % b + b) % b; }
bool Leap(int y, bool jc) { return Mod(y, 4) == 0 && (jc || Mod(y, 100) != 0 || Mod(y, 400) == 0); }
int DaysIn(int y, int m, bool jc) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[m - 1] + (m == 2 && Leap(y, jc));
}

// Weekday (0 = Sunday) of the 1st of month m of y, stepped year by year from 1 January 2000
// (a Saturday in the Common Era calendar, a Friday in the Julian one).
int WeekdayOfFirst(int y, int m, bool jc) {
  int w = jc ? 5 : 6;
  for (int k = 2000; k < y; ++k) w = (w + 365 + Leap(k, jc)) % 7;
  for (int k = 2000; k > y; --k) w = Mod(w - 365 - Leap(k - 1, jc), 7);
  for (int k = 1; k < m; ++k) w = (w + DaysIn(y, k, jc)) % 7;
  return w;
}

RefDate Next(RefDate t, bool jc, int days = 1) {
  for (; days > 0; --days) {
    if (++t.d > DaysIn(t.y, t.m, jc)) t = {t.y + (t.m == 12), t.m % 12 + 1, 1};
  }
  return t;
}

// `text` cut at each line feed.
std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// The line `index` of `lines`, or an empty text past the end.
std::string Line(const std::vector<std::string>& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

struct RefGrid { std::string text; RefDate first; int rows; };
RefGrid Reference(int y, int m, bool jc, bool monday, bool german) {
  const int back = Mod(WeekdayOfFirst(y, m, jc) - monday, 7), last = DaysIn(y, m, jc);
  const int py = m == 1 ? y - 1 : y, pm = m == 1 ? 12 : m - 1;
  RefDate t = back ? RefDate{py, pm, DaysIn(py, pm, jc) - back + 1} : RefDate{y, m, 1};
  // As many rows as hold the last day, one more when that day closes its row without being a
  // 31st (so a full following week is shown).
  RefGrid g{german ? " Son  Mon  Die  Mit  Don  Fre  Sam " : " Sun  Mon  Tue  Wed  Thu  Fri  Sat ",
            t, (back + last + 6) / 7 + ((back + last) % 7 == 0 && last < 31)};
  if (monday) g.text = g.text.substr(5) + g.text.substr(0, 5);
  for (int r = 0; r < g.rows; ++r) {
    g.text += "\n ";
    for (int c = 0; c < 7; ++c, t = Next(t, jc)) {
      char cell[16];
      std::snprintf(cell, sizeof cell, "%3d  ", t.d);
      g.text += cell;
    }
  }
  return g;
}

// ISO row of the CE week from Monday t: its Thursday decides the ISO year, and the count of
// that year's Thursdays up to it the week.
std::string RefIsoRow(RefDate t, bool withYear) {
  t = Next(t, false, 3);
  int dayOfYear = t.d;
  for (int k = 1; k < t.m; ++k) dayOfYear += DaysIn(t.y, k, false);
  std::string row;
  for (int k = 1; k <= 7; ++k) {
    char cell[32];
    std::snprintf(cell, sizeof cell, "W%02d-%d", (dayOfYear - 1) / 7 + 1, k);
    if (k > 1) row += "  ";
    if (withYear) row += std::to_string(std::abs(t.y) % 10) + '-';
    row += cell;
  }
  return row;
}

// Flags: J Julian, M Monday first, G German. rows: the known row count (0: not pinned).
struct GridCase { int y, m; const char* flags; int rows; };
const GridCase kGrids[] = {
    {2005, 11, "", 5}, {2005, 11, "M", 5}, {2015, 2, "", 5} /* extra March row */, {2015, 2, "M", 5},
    {2005, 12, "", 5} /* into January */, {2012, 12, "M", 6}, {2006, 1, "", 5} /* first column */,
    {2015, 8, "", 6} /* 31st last column */, {2011, 1, "M", 6}, {2006, 9, "", 6} /* 30th last */,
    {1900, 3, "J", 5}, {1900, 2, "", 5} /* not leap */, {1900, 2, "JM", 5} /* Julian leap */,
    {0, 2, "", 5}, {-1, 12, "M", 5}, {-44, 3, "JG", 5}, {-4712, 1, "JM", 5}, {2005, 11, "G", 5},
    {2005, 11, "MG", 5}, {5800000, 12, "", 0}, {-5800000, 1, "JM", 0},
    // ISO weeks at year ends: week 1 of 2009, week 53 of 2009 and of 2020, years 0 and -400.
    {2008, 12, "M", 0}, {2010, 1, "M", 0}, {2020, 12, "M", 0}, {0, 1, "M", 0}, {-400, 1, "M", 0}};

class MonthGridTest : public ::testing::Test {
 protected:
  // The program texts the grid's headings come from, as at start-up.
  static void SetUpTestSuite() {
    SetProgramFolder(VALDORA_DATA_DIR);
    std::string message;
    ASSERT_GE(LoadProgramText("vdr.dat", message), 1) << message;
    GenerateText();
  }
};

TEST_F(MonthGridTest, GridsAndIsoColumnsMatchTheReference) {
  for (const GridCase& c : kGrids) {
    SCOPED_TRACE(::testing::Message() << c.y << '-' << c.m << " flags \"" << c.flags << '"');
    const bool jc = std::strchr(c.flags, 'J'), monday = std::strchr(c.flags, 'M');
    const bool german = std::strchr(c.flags, 'G');
    const RefGrid ref = Reference(c.y, c.m, jc, monday, german);
    const MonthGrid grid = BuildMonthGrid(c.y, c.m, jc, monday, german ? intGerman : intEnglish);
    EXPECT_EQ(grid.text, ref.text);
    EXPECT_EQ(int(grid.numWeeks), ref.rows);
    if (c.rows != 0) {
      EXPECT_EQ(ref.rows, c.rows) << "the reference itself, on a known case";
    }
    EuroDate cell{0, 0, 0, jc ? JulianLetter : GregorianLetter, grid.firstCellJdn};
    JdnToEuroDate(cell);
    EXPECT_EQ((std::vector<int>{cell.year, cell.month, cell.day}),
              (std::vector<int>{ref.first.y, ref.first.m, ref.first.d}));
    if (jc || !monday || german) continue;
    for (bool withYear : {true, false}) {
      SCOPED_TRACE(withYear ? "ISO column with the year" : "ISO column without the year");
      const std::vector<std::string> lines =
          Split(IsoColumnText(grid.firstCellJdn, grid.numWeeks, withYear, intEnglish));
      ASSERT_EQ(int(lines.size()), ref.rows + 1);
      EXPECT_EQ(lines[0], IsoColumnHeader(withYear, intEnglish));
      for (int r = 1; r <= ref.rows; ++r) {
        EXPECT_EQ(lines[r], RefIsoRow(Next(ref.first, false, 7 * (r - 1)), withYear)) << "row " << r;
      }
    }
  }
}

TEST_F(MonthGridTest, ExactTexts) {
  const auto nov = Split(BuildMonthGrid(2005, 11, false, false, intEnglish).text);
  EXPECT_EQ(Line(nov, 0), " Sun  Mon  Tue  Wed  Thu  Fri  Sat ") << "November 2005 heading";
  EXPECT_EQ(Line(nov, 1), "  30   31    1    2    3    4    5  ") << "November 2005 first row";
  EXPECT_EQ(Line(nov, 5), "  27   28   29   30    1    2    3  ") << "November 2005 last row";
  const auto feb = Split(BuildMonthGrid(2015, 2, false, false, intEnglish).text);
  EXPECT_EQ(Line(feb, 1), "   1    2    3    4    5    6    7  ") << "February 2015 first row";
  EXPECT_EQ(Line(feb, 5), Line(feb, 1)) << "February 2015: the first week of March";
  const MonthGrid grid = BuildMonthGrid(2005, 11, false, true, intEnglish);
  EXPECT_EQ(Line(Split(IsoColumnText(grid.firstCellJdn, grid.numWeeks, true, intEnglish)), 1),
            "5-W44-1  5-W44-2  5-W44-3  5-W44-4  5-W44-5  5-W44-6  5-W44-7") << "ISO row";
  EXPECT_EQ(IsoColumnHeader(true, intEnglish),
            "Monday   Tuesday  Wednesda Thursday Friday   Saturday Sunday") << "long English header";
  EXPECT_EQ(IsoColumnHeader(false, intEnglish), " Mon    Tue    Wed    Thu    Fri    Sat    Sun   ")
      << "short English header";
  EXPECT_EQ(IsoColumnHeader(true, intGerman),
            "Montag   Dienstag Mittwoch Donnerst Freitag  Samstag  Sonntag") << "long German header";
}

TEST_F(MonthGridTest, YearReading) {
  const std::pair<const char*, int> good[] = {{"2005", 2005}, {" 2005abc ", 2005}, {"-44", -44},
                                              {"+7", 7}, {"0", 0}, {"5800000", 5800000},
                                              {"-5800000", -5800000}};
  for (const auto& [text, year] : good) {
    SCOPED_TRACE(::testing::Message() << '"' << text << '"');
    std::int32_t read = 12345;
    EXPECT_TRUE(ReadMonthYear(text, read));
    EXPECT_EQ(read, year);
  }
  for (const char* bad : {"", "   ", "abc", "-", "+", "+-12", "5800001", "-5800001", "2147483648",
                          "99999999999999999999999"}) {
    std::int32_t read = 0;
    EXPECT_FALSE(ReadMonthYear(bad, read)) << '"' << bad << '"';
  }
}

TEST_F(MonthGridTest, CopyText) {
  MonthGridOptions options;
  const std::string heading = "November 2005 (Common Era Calendar)\n\n";
  EXPECT_EQ(MonthCopyText(2005, 11, options),
            heading + BuildMonthGrid(2005, 11, false, false, intEnglish).text) << "Sunday first";
  options.mondayFirst = true;
  options.withIso = true;
  const MonthGrid monday = BuildMonthGrid(2005, 11, false, true, intEnglish);
  EXPECT_EQ(MonthCopyText(2005, 11, options),
            heading + monday.text + "\n\nISO 8601 Week dates\n\n" +
                IsoColumnText(monday.firstCellJdn, monday.numWeeks, true, intEnglish))
      << "Monday first with the ISO column";

  // The ISO column exists only for the Common Era with Monday first.
  options.julian = true;
  options.language = intGerman;
  EXPECT_EQ(MonthCopyText(1900, 3, options),
            "Maerz 1900 (Julianischer Kalender)\n\n" + BuildMonthGrid(1900, 3, true, true, intGerman).text)
      << "Julian, German";
  options.julian = false;
  EXPECT_NE(MonthCopyText(-5, 3, options).find("\n\nISO-8601-Wochendaten\n\n"), std::string::npos)
      << "German ISO heading";
  EXPECT_EQ(intTextLanguage, intEnglish) << "the lookup's language is restored";
  for (auto [y, m] : {std::pair{2005, 0}, {2005, 13}, {5800001, 1}}) {
    EXPECT_TRUE(MonthCopyText(y, m, options).empty()) << y << '-' << m;
  }
}

// The month view opens on the first date's month when it is a readable CE, JC or JDN date,
// on today's CE month otherwise.
TEST_F(MonthGridTest, MonthOfFirstDate) {
  DateSeparator = std::string("-");
  ThousandsSeparator = std::string(",");
  SetFixedToday(2008, 7, 12);
  const struct { const char* name; const char* text; CalendarCode cal; int year, month; } rows[] = {
      {"CE date", "2005-11-20", CE, 2005, 11},
      {"JC date counted in the Julian calendar", "1900-02-29", JC, 1900, 2},
      {"JC date at the Julian year end", "2008-12-31", JC, 2008, 12},
      {"JDN in the Common Era", "2,451,545", JDN, 2000, 1},
      {"negative CE year", "-0044-03-15", CE, -44, 3},
      {"empty field: today", "", CE, 2008, 7},
      {"not a date: today", "2005-13-01", CE, 2008, 7},
      {"ordinal date: today", "2005-032", ORD, 2008, 7},
      {"ISO week date: today", "2005-W05-1", ISO, 2008, 7},
      {"leap-week date: today", "2005-05-1", LPW, 2008, 7}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const MonthToOpen opened = MonthOfFirstDate(row.text, row.cal, YMD);
    EXPECT_EQ(opened.year, row.year);
    EXPECT_EQ(opened.month, row.month);
  }
  UseSystemToday();
}

}  // namespace
