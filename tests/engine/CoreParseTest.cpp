// Reading CE, JC and JDN texts, signed numbers and keystrokes; the string helpers beneath.
#include <gtest/gtest.h>

#include <string>

#include "engine/ConversionLibrary.h"
#include "engine/DateParse.h"
#include "engine/StringHelpers.h"
#include "EngineTestSupport.h"

namespace valdora {
namespace {

struct EuroCase {
  const char* text;
  const char* separator;
  CalendarCode cal;
  DateFormat format;
  ParseStatus status;
  std::int32_t year = 0, month = 0, day = 0;  // checked on status 1
};

TEST(CoreParse, CommonEraAndJulianDates) {
  const EuroCase cases[] = {
      {"2020-02-29", "-", CE, YMD, 1, 2020, 2, 29},
      {"2020/02/29", "-", CE, YMD, 0},
      {"-44-03-15", "-", CE, YMD, 1, -44, 3, 15},
      {"2020-02-29 CE", "-", CE, YMD, 1, 2020, 2, 29},
      {" 2020 - 2 - 9 ", "-", CE, YMD, 1, 2020, 2, 9},
      {"15/03/(-44)", "/", CE, DMY, 1, -44, 3, 15},
      {"03.15.(-44)", ".", JC, MDY, 1, -44, 3, 15},
      {"15-03-(-44)", "-", CE, DMY, 1, -44, 3, 15},
      {"03-15--44", "-", CE, MDY, 1, -44, 3, 15},
      {"12,345-01-01", "-", CE, YMD, 1, 12345, 1, 1},
      {"01/01/-12.345", "/", CE, DMY, 1, -12345, 1, 1},
      {"0-01-01", "-", CE, YMD, 1, 0, 1, 1},
      // Days and months that do not exist are refused, by each calendar's own rule.
      {"2020-02-30", "-", CE, YMD, 0},
      {"1900-02-29", "-", CE, YMD, 0},
      {"1900-02-29", "-", JC, YMD, 1, 1900, 2, 29},
      {"2019-04-31", "-", CE, YMD, 0},
      {"2019-13-01", "-", CE, YMD, 0},
      {"2019-00-10", "-", CE, YMD, 0},
      {"2019-01-00", "-", CE, YMD, 0},
      // Shape.
      {"2019-01", "-", CE, YMD, 0},
      {"2019-01-01-01", "-", CE, YMD, 0},
      {"2019--01-01", "-", CE, YMD, 0},
      {"2019/-01/01", "/", CE, YMD, 0},
      {"2019/01/01", "-", CE, YMD, 0},
      {"2019/01/01", "/", JDN, YMD, 0},
      {"2019/01/01", "/", ISO, YMD, 0},
      {"", "-", CE, YMD, 0},
      {"--", "-", CE, YMD, 0},
      {"2019/01/01", "/", CE, static_cast<DateFormat>(7), 0},
      // Range: the typed-year limit, then the reader's own range.
      {"5800000-12-31", "-", CE, YMD, 1, 5800000, 12, 31},
      {"-5800000-01-01", "-", JC, YMD, 1, -5800000, 1, 1},
      {"5800001-01-01", "-", CE, YMD, -1},
      {"01-01-(-5800001)", "-", CE, MDY, -1},
      {"99999999999999999999-01-01", "-", CE, YMD, -1},
      {"99999999999999999999-02-30", "-", CE, YMD, -1},
  };
  for (const EuroCase& c : cases) {
    SCOPED_TRACE(c.text);
    EuroDate d;
    ASSERT_EQ(ParseEuroDate(c.text, c.separator, c.cal, c.format, d), c.status);
    if (c.status != 1) continue;
    EXPECT_EQ(d.year, c.year);
    EXPECT_EQ(d.month, c.month);
    EXPECT_EQ(d.day, c.day);
    EXPECT_EQ(d.calendar, c.cal == JC ? 'J' : 'G');
    EuroDate check{c.year, c.month, c.day, d.calendar, 0};
    EXPECT_EQ(d.jdn, euro_date_to_jdn(check));
  }
}

TEST(CoreParse, JulianDayNumbersThroughTheDateReader) {
  struct Case {
    const char* text;
    const char* separator;
    ParseStatus status;
    Jdn jdn;
  } cases[] = {
      {"2.451.545", ".", 1, 2451545},  {"24.51545", ".", 0, 0},  {"-2.451.545", ".", 1, -2451545},
      {"2451.545", ".", 1, 2451545},   {"1.234", ".", 1, 1234},  {".123", ".", 0, 0},
      {"2.100.000.000", ".", 1, 2100000000},
      {"2.100.000.001", ".", -1, 2100000001},
      {"1.000.000.000.000", ".", 0, 0},
      {"-12", "-", 1, -12},            {"1-2", "-", 0, 0},        {"--12", "-", 0, 0},
      {"1/2", "/", 0, 0},              {"2,451,545", "/", 1, 2451545},
      {"JDN 2,451,545", "-", 1, 2451545}, {"abc", "-", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EuroDate d{7, 7, 7, 7, 7};
    EXPECT_EQ(ParseEuroDate(c.text, c.separator, JDN, YMD, d), c.status);
    if (c.status == 1) {
      EXPECT_EQ(d.jdn, c.jdn);
    }
    if (c.status == 0 && std::string(c.text) != "abc") {
      EXPECT_EQ(d.jdn, 7);  // untouched
    }
    EXPECT_EQ(d.year + d.month + d.day + d.calendar, 28);  // only jdn is ever set
  }
}

TEST(CoreParse, SignedNumbers) {
  struct Case {
    const char* text;
    ParseStatus status;
    std::int32_t value;
  } cases[] = {
      {"2147483647", -1, 2147483647}, {"2100000000", 1, 2100000000}, {"-2100000000", 1, -2100000000},
      {"-2100000001", -1, -2100000001}, {"2147483648", -1, 0},      {"12345678901", -1, 0},
      {"abc", 0, 0},                  {"-", 0, 0},                   {"+", 0, 0},
      {"JDN 2,451,545", 1, 2451545},  {"+17", 1, 17},                {"-+17", 1, -17},
      {"+-7", 0, 0},                  {"12-5", 1, 125},              {"0000000042", 1, 42},
      {"", 0, 0},                     {"9999999999", -1, 0},         {"-2147483648", -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ParseStatus status = 9;
    EXPECT_EQ(ParseJdnText(c.text, status), c.value);
    EXPECT_EQ(status, c.status);
  }
}

TEST(CoreParse, JdnInputFields) {
  SeparatorGuard guard;
  struct Case {
    const char* thousands;
    const char* text;
    ParseStatus status;
    std::int32_t value;
  } cases[] = {
      {",", "2,451,545", 1, 2451545},   {",", "2.451.545", 0, 0},     {",", "-5", 1, -5},
      {",", "2100000000", -1, 0},       {",", "2099999999", 1, 2099999999},
      {",", "-2099999999", 1, -2099999999}, {",", " -5 ", 1, -5},     {",", "+5", 1, 5},
      {",", "-", 0, 0},                 {",", ",,,", 0, 0},           {",", "", 0, 0},
      {",", "12345678901", -1, 0},      {",", "5-", 0, 0},            {",", "1 2", 0, 0},
      // A JDN written with "." reads back while "." is the group separator.
      {".", "2.451.545", 1, 2451545},   {".", "-2.451.545", 1, -2451545},
      {".", "2,451,545", 1, 2451545},   {".", "24.51545", 0, 0},      {".", "2.451.54", 0, 0},
      {".", ".451", 0, 0},              {".", "2.451,545", 0, 0},     {".", "2451545", 1, 2451545},
      {".", "2.100.000.000", -1, 0},    {"", "2.451.545", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.thousands) + " " + c.text);
    ThousandsSeparator = std::string(c.thousands);
    std::int32_t value = 7;
    EXPECT_EQ(ParseJdnInput(c.text, value), c.status);
    EXPECT_EQ(value, c.status == 1 ? c.value : 7);
  }
}

TEST(CoreParse, KeystrokeFilters) {
  struct Case {
    std::int32_t key, length, limit;
    const char* separator;
    bool iso, accepted;
    std::int32_t insert;
  } cases[] = {
      {'a', 0, 10, "-", false, false, 0}, {'(', 0, 10, "-", false, true, '('},
      {'w', 0, 10, "-", true, true, 'W'}, {'W', 0, 10, "-", true, true, 'W'},
      {'w', 0, 10, "-", false, false, 0}, {'5', 10, 10, "-", false, false, 0},
      {8, 10, 10, "-", false, true, 8},   {22, 10, 10, "-", false, true, 22},
      {'/', 0, 10, "/", false, true, '/'}, {'/', 0, 10, "-", false, false, 0},
      {'w', 10, 10, "-", true, true, 'W'}, {0, 0, 10, "-", false, false, 0},
      {0x100 + '5', 0, 10, "-", false, false, 0},  // a wide code never aliases a digit
      {-256 + '5', 0, 10, "-", false, false, 0},   {'5', 11, 10, "-", false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    std::int32_t insert = -1;
    EXPECT_EQ(FilterDateKey(c.key, c.length, c.limit, c.separator, c.iso, insert), c.accepted);
    EXPECT_EQ(insert, c.insert);
  }
  EXPECT_TRUE(FilterNumberKey('7', 0, 5, ","));
  EXPECT_TRUE(FilterNumberKey(',', 0, 5, ","));
  EXPECT_FALSE(FilterNumberKey('.', 0, 5, ","));
  EXPECT_TRUE(FilterNumberKey('.', 0, 5, "."));
  EXPECT_FALSE(FilterNumberKey('(', 0, 5, ","));
  EXPECT_FALSE(FilterNumberKey('7', 5, 5, ","));
  EXPECT_TRUE(FilterNumberKey(24, 5, 5, ","));
  EXPECT_FALSE(FilterNumberKey('w', 0, 5, ""));
  EXPECT_FALSE(FilterNumberKey(0x100 + ',', 0, 5, ","));
}

TEST(CoreParse, LibraryReaderAnswers) {
  struct Case {
    const char* text;
    std::int32_t format, letter, answer;
  } cases[] = {
      {"2020-02-29", YMD, 'G', LibraryOk},      {"2021-02-29", YMD, 'G', LibraryBadDay},
      {"2020-13-01", YMD, 'G', LibraryBadMonth}, {"2020-01-01", 3, 'G', LibraryBadArgument},
      {"2020-01-01", YMD, 'X', LibraryBadArgument},
      {"5870000-12-31", YMD, 'J', LibraryOk},   {"5870001-01-01", YMD, 'G', LibraryOutOfRange},
      {"31.12.-5870000", DMY, 'G', LibraryOk},  {"2020/01.01", YMD, 'G', LibraryNotADate},
      {"2020-01-01-", YMD, 'G', LibraryNotADate}, {"", YMD, 'G', LibraryNotADate},
      {"-01-01-2020", MDY, 'G', LibraryNotADate},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EuroDate d;
    EXPECT_EQ(str_to_date(c.text, c.format, d, c.letter), c.answer);
  }
}

TEST(CoreStringHelpers, RemoveAndFind) {
  EXPECT_EQ(RemoveChars("2020-W01-1", "-", 1), "2020W011");
  EXPECT_EQ(RemoveChars("----", "-", 1), "");
  EXPECT_EQ(RemoveChars("-12-3", "-", 3), "-123");
  EXPECT_EQ(RemoveChars("a b", " ", -5), "ab");
  EXPECT_EQ(RemoveChars("abc", "b", 99), "abc");
  EXPECT_EQ(RemoveSpaces(" 1 2  3 "), "123");
  std::int32_t index = -1;
  EXPECT_EQ(FindCharInSet("ab-c", 1, "/-", index), 3);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(FindCharInSet("ab-c", 4, "-", index), 0);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(FindCharInSet("", 1, "-", index), 0);
  EXPECT_EQ(FindCharInSet("a-", 0, "", index), 0);
  EXPECT_EQ(FindCharInSet("-a", -3, "-", index), 1);
  EXPECT_EQ(FindCharNotInSet("--a", 1, "-"), 3);
  EXPECT_EQ(FindCharNotInSet("---", 1, "-"), 0);
  EXPECT_EQ(FindCharNotInSet("", 1, "-"), 0);
  EXPECT_EQ(FindCharNotInSet("abc", 2, ""), 1);
  EXPECT_EQ(LeftPart("abc", 5), "abc");
  EXPECT_EQ(LeftPart("abc", 0), "");
  EXPECT_EQ(LeftPart("abc", -1), "");
  EXPECT_EQ(LeftPart("abc", 2), "ab");
}

TEST(CoreStringHelpers, DigitsSignsCountsAndTrims) {
  struct Case {
    const char* text;
    bool sign, commas, result;
  } digits[] = {{" 123 ", false, false, true}, {"+123", true, false, true},
                {"+123", false, false, false}, {"1,234", false, true, true},
                {"1,234", false, false, false}, {"1.234", true, true, false},
                {"", true, true, false},      {"   ", true, true, false},
                {"+", true, false, true},      {"1 2", false, false, false},
                {"--1", true, false, false},   {"\t1", false, false, false}};
  for (const auto& c : digits) EXPECT_EQ(IsDigits(c.text, c.sign, c.commas), c.result) << c.text;

  struct Keep {
    const char* in;
    bool minus;
    const char* out;
  } keep[] = {{"JDN -2,451,545", true, "-2451545"}, {"12-5", true, "125"}, {"+-7", true, "+-7"},
              {"-7", false, "7"}, {"++--1+-", true, "+-1"}, {"abc", true, ""}};
  for (const auto& k : keep) {
    std::string s = k.in;
    KeepSignedDigits(s, k.minus);
    EXPECT_EQ(s, k.out) << k.in;
  }
  EXPECT_EQ(CountOccurrences("-----", "--"), 2);
  EXPECT_EQ(CountOccurrences("2020-01-31", "-"), 2);
  EXPECT_EQ(CountOccurrences("", "-"), 0);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(CountOccurrences("aaa", "aaaa"), 0);

  std::string t = "x \r\n";
  TrimTrailingControl(t);
  EXPECT_EQ(t, "x ");
  t = "x \r\n\t ";
  TrimTrailingBlanks(t);
  EXPECT_EQ(t, "x");
  t = "\x01\x02";
  TrimTrailingControl(t);
  EXPECT_EQ(t, "");
  t = "caf\xC3\xA9";  // a multi-byte letter is not a control character
  TrimTrailingBlanks(t);
  EXPECT_EQ(t, "caf\xC3\xA9");
}

}  // namespace
}  // namespace valdora
