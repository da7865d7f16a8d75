// SPDX-License-Identifier: MIT
// Reading CE, JC and JDN texts, signed numbers and keystrokes; the string helpers beneath.
#include "EngineTestSupport.h"

namespace valdora {

TEST(CoreParse, CommonEraAndJulianDates) {
  struct Case {
    const char *text, *separator; CalendarCode cal; DateFormat format; ParseStatus status;
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
    SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" in " << CalendarCodeText[c.cal]
                                      << " with \"" << c.separator << "\", format "
                                      << c.format);
    EuroDate d;
    ASSERT_EQ(ParseEuroDate(c.text, c.separator, c.cal, c.format, d), c.status);
    if (c.status != 1) continue;
    const std::int16_t letter = c.cal == JC ? 'J' : 'G';
    EXPECT_EQ(std::vector({d.year, d.month, d.day, d.jdn, std::int32_t{d.calendar}}),
              std::vector({c.year, c.month, c.day, Date(c.year, c.month, c.day, letter).jdn,
                           std::int32_t{letter}}));
  }
}

TEST(CoreParse, JulianDayNumbersThroughTheDateReader) {
  struct Case { const char *text, *separator; ParseStatus status; Jdn jdn; } cases[] = {
      {"2.451.545", ".", 1, 2451545}, {"24.51545", ".", 0, 0}, {"-2.451.545", ".", 1, -2451545},
      {"2451.545", ".", 1, 2451545}, {"1.234", ".", 1, 1234}, {".123", ".", 0, 0},
      {"2.100.000.000", ".", 1, 2100000000}, {"2.100.000.001", ".", -1, 0},
      {"1.000.000.000.000", ".", 0, 0}, {"-12", "-", 1, -12}, {"1-2", "-", 0, 0},
      {"--12", "-", 0, 0}, {"1/2", "/", 0, 0}, {"2,451,545", "/", 1, 2451545},
      {"JDN 2,451,545", "-", 1, 2451545}, {"abc", "-", 0, 0}, {"-2,100,000,000", "/", 1, MinJdn},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" with \"" << c.separator << '"');
    EuroDate d{7, 7, 7, 7, 7};
    EXPECT_EQ(ParseEuroDate(c.text, c.separator, JDN, YMD, d), c.status);
    EXPECT_TRUE(c.status != 1 || d.jdn == c.jdn) << d.jdn;
    EXPECT_TRUE(c.status != 0 || std::string(c.text) == "abc" || d.jdn == 7);
    EXPECT_EQ(d.year + d.month + d.day + d.calendar, 28);  // only jdn is ever set
  }
}

TEST(CoreParse, SignedNumbers) {
  struct Number { const char* text; ParseStatus status; std::int32_t value; } numbers[] = {
      {"2147483647", -1, 2147483647}, {"2100000000", 1, 2100000000}, {"-2100000000", 1, -2100000000},
      {"-2100000001", -1, -2100000001}, {"2147483648", -1, 0}, {"12345678901", -1, 0},
      {"abc", 0, 0}, {"-", 0, 0}, {"+", 0, 0}, {"JDN 2,451,545", 1, 2451545}, {"+17", 1, 17},
      {"-+17", 1, -17}, {"+-7", 0, 0}, {"12-5", 1, 125}, {"0000000042", 1, 42}, {"", 0, 0},
      {"9999999999", -1, 0}, {"-2147483648", -1, 0},
  };
  for (const auto& c : numbers) {
    ParseStatus status = 9;
    EXPECT_EQ(ParseJdnText(c.text, status), c.value) << '"' << c.text << '"';
    EXPECT_EQ(status, c.status) << '"' << c.text << '"';
  }
}

TEST(CoreParse, JdnFields) {
  SeparatorGuard guard;
  struct Field { const char *thousands, *text; ParseStatus status; std::int32_t value; } fields[] = {
      {",", "2,451,545", 1, 2451545}, {",", "2.451.545", 0, 0}, {",", "-5", 1, -5},
      {",", "2100000000", -1, 0}, {",", "2099999999", 1, 2099999999},
      {",", "-2099999999", 1, -2099999999}, {",", " -5 ", 1, -5}, {",", "+5", 1, 5},
      {",", "-", 0, 0}, {",", ",,,", 0, 0}, {",", "", 0, 0}, {",", "12345678901", -1, 0},
      {",", "5-", 0, 0}, {",", "1 2", 0, 0},
      // A JDN written with "." reads back while "." is the group separator.
      {".", "2.451.545", 1, 2451545}, {".", "-2.451.545", 1, -2451545},
      {".", "2,451,545", 1, 2451545}, {".", "24.51545", 0, 0}, {".", "2.451.54", 0, 0},
      {".", ".451", 0, 0}, {".", "2.451,545", 0, 0}, {".", "2451545", 1, 2451545},
      {".", "2.100.000.000", -1, 0}, {"", "2.451.545", 0, 0},
  };
  for (const auto& c : fields) {
    std::int32_t value = 7;
    SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" with \"" << c.thousands << '"');
    EXPECT_EQ(ParseJdnInput(c.text, c.thousands, value), c.status);
    EXPECT_EQ(value, c.status == 1 ? c.value : 7);
  }
}

TEST(CoreParse, DateKeystrokeFilter) {
  struct Key { std::int32_t key, length; const char* separator; bool iso, accepted; int insert; };
  for (const Key c :
       {Key{'a', 0, "-", false, false, 0}, Key{'(', 0, "-", false, true, '('},
        Key{'w', 0, "-", true, true, 'W'}, Key{'W', 0, "-", true, true, 'W'},
        Key{'w', 0, "-", false, false, 0}, Key{'5', 10, "-", false, false, 0},
        Key{8, 10, "-", false, true, 8}, Key{22, 10, "-", false, true, 22},
        Key{'/', 0, "/", false, true, '/'}, Key{'/', 0, "-", false, false, 0},
        Key{'w', 10, "-", true, true, 'W'}, Key{0, 0, "-", false, false, 0},
        Key{0x100 + '5', 0, "-", false, false, 0},  // a wide code never aliases a digit
        Key{-256 + '5', 0, "-", false, false, 0}, Key{'5', 11, "-", false, false, 0}}) {
    SCOPED_TRACE(::testing::Message() << "key " << c.key << " at length " << c.length << " with \""
                                      << c.separator << "\"" << (c.iso ? " in an ISO field" : ""));
    std::int32_t insert = -1;
    EXPECT_EQ(FilterDateKey(c.key, c.length, 10, c.separator, c.iso, insert), c.accepted);
    EXPECT_EQ(insert, c.insert);
  }
}

TEST(CoreParse, NumberKeystrokeFilter) {
  struct Number { std::int32_t key, length; const char* separator; bool accepted; };
  for (const Number c : {Number{'7', 0, ",", true}, Number{',', 0, ",", true},
                         Number{'.', 0, ",", false}, Number{'.', 0, ".", true},
                         Number{'(', 0, ",", false}, Number{'7', 5, ",", false},
                         Number{24, 5, ",", true}, Number{'w', 0, "", false},
                         Number{0x100 + ',', 0, ",", false}}) {
    EXPECT_EQ(FilterNumberKey(c.key, c.length, 5, c.separator), c.accepted)
        << "key " << c.key << " at length " << c.length << " with \"" << c.separator << '"';
  }
}

TEST(CoreParse, LibraryReaderAnswers) {
  struct Case { const char* text; std::int32_t format, letter, answer; } cases[] = {
      {"2020-02-29", YMD, 'G', LibraryOk}, {"2021-02-29", YMD, 'G', LibraryBadDay},
      {"2020-13-01", YMD, 'G', LibraryBadMonth}, {"2020-01-01", 3, 'G', LibraryBadArgument},
      {"2020-01-01", YMD, 'X', LibraryBadArgument}, {"5870000-12-31", YMD, 'J', LibraryOk},
      {"5870001-01-01", YMD, 'G', LibraryOutOfRange}, {"31.12.-5870000", DMY, 'G', LibraryOk},
      {"2020/01.01", YMD, 'G', LibraryNotADate}, {"2020-01-01-", YMD, 'G', LibraryNotADate},
      {"", YMD, 'G', LibraryNotADate}, {"-01-01-2020", MDY, 'G', LibraryNotADate},
  };
  for (const auto& c : cases) {
    EuroDate d;
    EXPECT_EQ(str_to_date(c.text, c.format, d, c.letter), c.answer)
        << '"' << c.text << "\", format " << c.format << ", letter " << c.letter;
  }
}

// Positions are 1-based, 0 for none; starts below 1 count from the first character.
TEST(CoreStringHelpers, TextsAndPositions) {
  // KeepSignedDigits with the minus allowed, except for the fourth text.
  std::string kept[] = {"JDN -2,451,545", "12-5", "+-7", "-7", "++--1+-", "abc"};
  for (int i = 0; i < 6; ++i) KeepSignedDigits(kept[i], i != 3);
  std::string trimmed[] = {"x \r\n", "x \r\n\t ", "\x01\x02", "caf\xC3\xA9"};
  TrimTrailingControl(trimmed[0]);
  TrimTrailingBlanks(trimmed[1]);
  TrimTrailingControl(trimmed[2]);
  TrimTrailingBlanks(trimmed[3]);  // a multi-byte letter is not a control character
  // Each row is named by the expression it checks.
#define ROW(got, expected) {#got, got, expected}
  const struct { const char* name; std::string got; const char* expected; } texts[] = {
      ROW(RemoveChars("2020-W01-1", "-", 1), "2020W011"), ROW(RemoveChars("----", "-", 1), ""),
      ROW(RemoveChars("-12-3", "-", 3), "-123"), ROW(RemoveChars("a b", " ", -5), "ab"),
      ROW(RemoveChars("abc", "b", 99), "abc"), ROW(RemoveSpaces(" 1 2  3 "), "123"),
      ROW(LeftPart("abc", 5), "abc"), ROW(LeftPart("abc", 0), ""), ROW(LeftPart("abc", -1), ""),
      ROW(LeftPart("abc", 2), "ab"), ROW(kept[0], "-2451545"), ROW(kept[1], "125"),
      ROW(kept[2], "+-7"), ROW(kept[3], "7"), ROW(kept[4], "+-1"), ROW(kept[5], ""),
      ROW(trimmed[0], "x "), ROW(trimmed[1], "x"), ROW(trimmed[2], ""),
      ROW(trimmed[3], "caf\xC3\xA9")};
  for (const auto& row : texts) EXPECT_EQ(row.got, row.expected) << row.name;
  std::int32_t index[5] = {-1, -1, -1, -1, -1};
  // A braced list is evaluated in order: an index row reads what the call before it set.
  const struct { const char* name; std::int32_t got, expected; } numbers[] = {
      ROW(FindCharInSet("ab-c", 1, "/-", index[0]), 3), ROW(index[0], 2),
      ROW(FindCharInSet("ab-c", 4, "-", index[1]), 0), ROW(index[1], 0),
      ROW(FindCharInSet("", 1, "-", index[2]), 0), ROW(FindCharInSet("a-", 0, "", index[3]), 0),
      ROW(FindCharInSet("-a", -3, "-", index[4]), 1), ROW(FindCharNotInSet("--a", 1, "-"), 3),
      ROW(FindCharNotInSet("---", 1, "-"), 0), ROW(FindCharNotInSet("", 1, "-"), 0),
      ROW(FindCharNotInSet("abc", 2, ""), 1), ROW(CountOccurrences("-----", "--"), 2),
      ROW(CountOccurrences("2020-01-31", "-"), 2), ROW(CountOccurrences("", "-"), 0),
      ROW(CountOccurrences("abc", ""), 0), ROW(CountOccurrences("aaa", "aaaa"), 0)};
#undef ROW
  for (const auto& row : numbers) EXPECT_EQ(row.got, row.expected) << row.name;
}

TEST(CoreStringHelpers, Digits) {
  struct Case { const char* text; bool sign, commas, result; } cases[] = {
      {" 123 ", false, false, true}, {"+123", true, false, true}, {"+123", false, false, false},
      {"1,234", false, true, true}, {"1,234", false, false, false}, {"1.234", true, true, false},
      {"", true, true, false}, {"   ", true, true, false}, {"+", true, false, true},
      {"1 2", false, false, false}, {"--1", true, false, false}, {"\t1", false, false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsDigits(c.text, c.sign, c.commas), c.result)
        << '"' << c.text << '"' << (c.sign ? " with a sign" : "")
        << (c.commas ? " with commas" : "");
  }
}

}  // namespace valdora
