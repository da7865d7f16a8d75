// Reading CE, JC and JDN texts, signed numbers and keystrokes; the string helpers beneath.
#include "EngineTestSupport.h"

namespace valdora {

TEST(CoreParse, CommonEraAndJulianDates) {
  struct Case {
    const char *text, *separator;
    CalendarCode cal;
    DateFormat format;
    ParseStatus status;
    std::int32_t year = 0, month = 0, day = 0;  // checked on status 1
  } cases[] = {
      {"2020-02-29", "-", CE, YMD, 1, 2020, 2, 29}, {"2020/02/29", "-", CE, YMD, 0},
      {"-44-03-15", "-", CE, YMD, 1, -44, 3, 15}, {"2020-02-29 CE", "-", CE, YMD, 1, 2020, 2, 29},
      {" 2020 - 2 - 9 ", "-", CE, YMD, 1, 2020, 2, 9}, {"15/03/(-44)", "/", CE, DMY, 1, -44, 3, 15},
      {"03.15.(-44)", ".", JC, MDY, 1, -44, 3, 15}, {"15-03-(-44)", "-", CE, DMY, 1, -44, 3, 15},
      {"03-15--44", "-", CE, MDY, 1, -44, 3, 15}, {"12,345-01-01", "-", CE, YMD, 1, 12345, 1, 1},
      {"01/01/-12.345", "/", CE, DMY, 1, -12345, 1, 1}, {"0-01-01", "-", CE, YMD, 1, 0, 1, 1},
      // Days and months that do not exist are refused, by each calendar's own rule.
      {"2020-02-30", "-", CE, YMD, 0}, {"1900-02-29", "-", CE, YMD, 0},
      {"1900-02-29", "-", JC, YMD, 1, 1900, 2, 29}, {"2019-04-31", "-", CE, YMD, 0},
      {"2019-13-01", "-", CE, YMD, 0}, {"2019-00-10", "-", CE, YMD, 0},
      {"2019-01-00", "-", CE, YMD, 0},
      // Shape.
      {"2019-01", "-", CE, YMD, 0}, {"2019-01-01-01", "-", CE, YMD, 0},
      {"2019--01-01", "-", CE, YMD, 0}, {"2019/-01/01", "/", CE, YMD, 0},
      {"2019/01/01", "-", CE, YMD, 0}, {"2019/01/01", "/", JDN, YMD, 0},
      {"2019/01/01", "/", ISO, YMD, 0}, {"", "-", CE, YMD, 0}, {"--", "-", CE, YMD, 0},
      {"2019/01/01", "/", CE, static_cast<DateFormat>(7), 0},
      // Range: the typed-year limit, then the reader's own range.
      {"5800000-12-31", "-", CE, YMD, 1, 5800000, 12, 31},
      {"-5800000-01-01", "-", JC, YMD, 1, -5800000, 1, 1}, {"5800001-01-01", "-", CE, YMD, -1},
      {"01-01-(-5800001)", "-", CE, MDY, -1}, {"99999999999999999999-01-01", "-", CE, YMD, -1},
      {"99999999999999999999-02-30", "-", CE, YMD, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EuroDate d;
    ASSERT_EQ(ParseEuroDate(c.text, c.separator, c.cal, c.format, d), c.status);
    if (c.status != 1) continue;
    EXPECT_EQ(std::vector({d.year, d.month, d.day}), std::vector({c.year, c.month, c.day}));
    EXPECT_EQ(d.calendar, c.cal == JC ? 'J' : 'G');
    EuroDate check{c.year, c.month, c.day, d.calendar, 0};
    EXPECT_EQ(d.jdn, euro_date_to_jdn(check));
  }
}

TEST(CoreParse, JulianDayNumbersThroughTheDateReader) {
  struct Case { const char *text, *separator; ParseStatus status; Jdn jdn; } cases[] = {
      {"2.451.545", ".", 1, 2451545}, {"24.51545", ".", 0, 0}, {"-2.451.545", ".", 1, -2451545},
      {"2451.545", ".", 1, 2451545}, {"1.234", ".", 1, 1234}, {".123", ".", 0, 0},
      {"2.100.000.000", ".", 1, 2100000000}, {"2.100.000.001", ".", -1, 0},
      {"1.000.000.000.000", ".", 0, 0}, {"-12", "-", 1, -12}, {"1-2", "-", 0, 0},
      {"--12", "-", 0, 0}, {"1/2", "/", 0, 0}, {"2,451,545", "/", 1, 2451545},
      {"JDN 2,451,545", "-", 1, 2451545}, {"abc", "-", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EuroDate d{7, 7, 7, 7, 7};
    EXPECT_EQ(ParseEuroDate(c.text, c.separator, JDN, YMD, d), c.status);
    EXPECT_TRUE(c.status != 1 || d.jdn == c.jdn) << d.jdn;
    EXPECT_TRUE(c.status != 0 || std::string(c.text) == "abc" || d.jdn == 7) << d.jdn;  // untouched
    EXPECT_EQ(d.year + d.month + d.day + d.calendar, 28);  // only jdn is ever set
  }
}

TEST(CoreParse, SignedNumbers) {
  struct Case { const char* text; ParseStatus status; std::int32_t value; } cases[] = {
      {"2147483647", -1, 2147483647}, {"2100000000", 1, 2100000000}, {"-2100000000", 1, -2100000000},
      {"-2100000001", -1, -2100000001}, {"2147483648", -1, 0},      {"12345678901", -1, 0},
      {"abc", 0, 0},                  {"-", 0, 0},                   {"+", 0, 0},
      {"JDN 2,451,545", 1, 2451545},  {"+17", 1, 17},                {"-+17", 1, -17},
      {"+-7", 0, 0},                  {"12-5", 1, 125},              {"0000000042", 1, 42},
      {"", 0, 0},                     {"9999999999", -1, 0},         {"-2147483648", -1, 0},
  };
  for (const auto& c : cases) {
    ParseStatus status = 9;
    EXPECT_EQ(ParseJdnText(c.text, status), c.value) << c.text;
    EXPECT_EQ(status, c.status) << c.text;
  }
}

TEST(CoreParse, JdnInputFields) {
  SeparatorGuard guard;
  struct Case { const char *thousands, *text; ParseStatus status; std::int32_t value; } cases[] = {
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
    ThousandsSeparator = c.thousands;
    std::int32_t value = 7;
    EXPECT_EQ(ParseJdnInput(c.text, value), c.status) << c.thousands << " " << c.text;
    EXPECT_EQ(value, c.status == 1 ? c.value : 7) << c.thousands << " " << c.text;
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
    std::int32_t insert = -1;
    EXPECT_EQ(FilterDateKey(c.key, c.length, c.limit, c.separator, c.iso, insert), c.accepted)
        << c.key;
    EXPECT_EQ(insert, c.insert) << c.key;
  }
  struct Number { std::int32_t key, length; const char* separator; bool accepted; };
  for (const Number c : {Number{'7', 0, ",", true}, Number{',', 0, ",", true},
                         Number{'.', 0, ",", false}, Number{'.', 0, ".", true},
                         Number{'(', 0, ",", false}, Number{'7', 5, ",", false},
                         Number{24, 5, ",", true}, Number{'w', 0, "", false},
                         Number{0x100 + ',', 0, ",", false}}) {
    EXPECT_EQ(FilterNumberKey(c.key, c.length, 5, c.separator), c.accepted) << c.key;
  }
}

TEST(CoreParse, LibraryReaderAnswers) {
  struct Case { const char* text; std::int32_t format, letter, answer; } cases[] = {
      {"2020-02-29", YMD, 'G', LibraryOk},      {"2021-02-29", YMD, 'G', LibraryBadDay},
      {"2020-13-01", YMD, 'G', LibraryBadMonth}, {"2020-01-01", 3, 'G', LibraryBadArgument},
      {"2020-01-01", YMD, 'X', LibraryBadArgument},
      {"5870000-12-31", YMD, 'J', LibraryOk},   {"5870001-01-01", YMD, 'G', LibraryOutOfRange},
      {"31.12.-5870000", DMY, 'G', LibraryOk},  {"2020/01.01", YMD, 'G', LibraryNotADate},
      {"2020-01-01-", YMD, 'G', LibraryNotADate}, {"", YMD, 'G', LibraryNotADate},
      {"-01-01-2020", MDY, 'G', LibraryNotADate},
  };
  for (const auto& c : cases) {
    EuroDate d;
    EXPECT_EQ(str_to_date(c.text, c.format, d, c.letter), c.answer) << c.text;
  }
}

TEST(CoreStringHelpers, RemoveFindAndCut) {
  const std::pair<std::string, const char*> texts[] = {
      {RemoveChars("2020-W01-1", "-", 1), "2020W011"}, {RemoveChars("----", "-", 1), ""},
      {RemoveChars("-12-3", "-", 3), "-123"}, {RemoveChars("a b", " ", -5), "ab"},
      {RemoveChars("abc", "b", 99), "abc"}, {RemoveSpaces(" 1 2  3 "), "123"},
      {LeftPart("abc", 5), "abc"}, {LeftPart("abc", 0), ""}, {LeftPart("abc", -1), ""},
      {LeftPart("abc", 2), "ab"}};
  for (const auto& [got, expected] : texts) EXPECT_EQ(got, expected);
  // FindCharInSet answers the 1-based position and the index of the character in the set.
  struct Find { const char *text, *set; std::int32_t start, at, index; };
  for (const Find c : {Find{"ab-c", "/-", 1, 3, 2}, Find{"ab-c", "-", 4, 0, 0},
                       Find{"", "-", 1, 0, 0}, Find{"a-", "", 0, 0, 0}, Find{"-a", "-", -3, 1, 1}}) {
    std::int32_t index = -1;
    EXPECT_EQ(FindCharInSet(c.text, c.start, c.set, index), c.at) << c.text;
    EXPECT_EQ(index, c.index) << c.text;
  }
  EXPECT_EQ(FindCharNotInSet("--a", 1, "-"), 3);
  EXPECT_EQ(FindCharNotInSet("---", 1, "-"), 0);
  EXPECT_EQ(FindCharNotInSet("", 1, "-"), 0);
  EXPECT_EQ(FindCharNotInSet("abc", 2, ""), 1);
}

TEST(CoreStringHelpers, DigitsSignsCountsAndTrims) {
  struct Digits { const char* text; bool sign, commas, result; };
  for (const Digits c :
       {Digits{" 123 ", false, false, true}, Digits{"+123", true, false, true},
        Digits{"+123", false, false, false}, Digits{"1,234", false, true, true},
        Digits{"1,234", false, false, false}, Digits{"1.234", true, true, false},
        Digits{"", true, true, false}, Digits{"   ", true, true, false},
        Digits{"+", true, false, true}, Digits{"1 2", false, false, false},
        Digits{"--1", true, false, false}, Digits{"\t1", false, false, false}}) {
    EXPECT_EQ(IsDigits(c.text, c.sign, c.commas), c.result) << c.text;
  }
  struct Keep { const char* in; bool minus; const char* out; };
  for (const Keep c : {Keep{"JDN -2,451,545", true, "-2451545"}, Keep{"12-5", true, "125"},
                       Keep{"+-7", true, "+-7"}, Keep{"-7", false, "7"},
                       Keep{"++--1+-", true, "+-1"}, Keep{"abc", true, ""}}) {
    std::string s = c.in;
    KeepSignedDigits(s, c.minus);
    EXPECT_EQ(s, c.out) << c.in;
  }
  EXPECT_EQ(CountOccurrences("-----", "--"), 2);
  EXPECT_EQ(CountOccurrences("2020-01-31", "-"), 2);
  EXPECT_EQ(CountOccurrences("", "-"), 0);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(CountOccurrences("aaa", "aaaa"), 0);
  // A multi-byte letter is not a control character.
  struct Trim { const char* in; bool blanks; const char* out; };
  for (const Trim c : {Trim{"x \r\n", false, "x "}, Trim{"x \r\n\t ", true, "x"},
                       Trim{"\x01\x02", false, ""}, Trim{"caf\xC3\xA9", true, "caf\xC3\xA9"}}) {
    std::string t = c.in;
    c.blanks ? TrimTrailingBlanks(t) : TrimTrailingControl(t);
    EXPECT_EQ(t, c.out) << c.in;
  }
}

}  // namespace valdora
