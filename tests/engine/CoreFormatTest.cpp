// SPDX-License-Identifier: MIT
// Writing CE, JC and JDN texts, and the promise that every date text written reads back.
// (JDN texts read back through both readers in the calendar-text round trip.)
#include "EngineTestSupport.h"

namespace valdora {

TEST(CoreFormat, DateTexts) {
  struct Case { std::int32_t year, month, day; DateFormat format; const char *sep, *group, *text; };
  const Case cases[] = {
      {2020, 3, 5, YMD, "/", ",", "2020/03/05"},     {2020, 3, 5, DMY, "/", ",", "05/03/2020"},
      {2020, 3, 5, MDY, "/", ",", "03/05/2020"},     {-44, 3, 15, YMD, "-", ",", "-44-03-15"},
      {-44, 3, 15, DMY, "-", ",", "15-03-(-44)"},    {-44, 3, 15, MDY, "-", ",", "03-15-(-44)"},
      {12345, 1, 1, YMD, "-", ",", "12,345-01-01"},  {12345, 1, 1, YMD, "-", "", "12345-01-01"},
      {9999, 1, 1, YMD, "-", ",", "9999-01-01"},     {-9999, 1, 1, DMY, ".", ",", "01.01.(-9999)"},
      {-10000, 12, 31, DMY, ".", ",", "31.12.(-10,000)"},
      {5, 1, 7, YMD, "-", ",", "5-01-07"},           {0, 1, 1, YMD, "-", ",", "0-01-01"},
      {-5800000, 1, 1, MDY, "/", ".", "01/01/(-5.800.000)"},
      // The group separator equal to the date separator would make the text unreadable.
      {12345, 1, 1, YMD, ".", ".", "12345.01.01"},   {-12345, 1, 1, DMY, ".", ".", "01.01.(-12345)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.text << " (format " << c.format << ", group \""
                                      << c.group << "\")");
    EXPECT_EQ(FormatEuroDate({c.year, c.month, c.day, 'G', 0}, c.format, c.sep, c.group), c.text);
  }
}

// The writers that fill a given string replace whatever it held, short or long, and write
// what the value-returning forms write (a long separator takes the writer's other buffer).
TEST(CoreFormat, WritersReplaceTheText) {
  const std::string before[] = {"", "x", "2020-W01-1 ISO, Monday", std::string(100, '#')};
  const std::string longSeparator(20, '/');
  IsoWeekDate iso;
  iso.isoYear = -12345;
  iso.week = 7;
  iso.weekday = 3;
  for (const std::string& held : before) {
    SCOPED_TRACE(::testing::Message() << "text held before: \"" << held << "\"");
    for (const char* sep : {"-", ".", longSeparator.c_str()}) {
      const EuroDate date{-10000, 12, 31, 'G', 0};
      std::string text = held;
      FormatEuroDate(date, DMY, sep, ",", text);
      EXPECT_EQ(text, FormatEuroDate(date, DMY, sep, ",")) << "separator " << sep;
    }
    for (const std::int16_t hyphen : {std::int16_t{0}, HyphenatedForm}) {
      std::string text = held;
      FormatIsoWeekDate(iso, hyphen, text);
      EXPECT_EQ(text, hyphen == HyphenatedForm ? "-12345-W07-3" : "-12345W073");
    }
  }
}

TEST(CoreFormat, DigitGroups) {
  struct Case { const char *in, *separator, *out; } cases[] = {
      {"-2100000000", ",", "-2,100,000,000"}, {"2451545", ".", "2.451.545"},
      {"2451545", "", "2451545"}, {"123", ",", "123"}, {"1234", ",", "1,234"}, {"", ",", ""},
      {"-", ",", "-"}, {"+1234567", ",", "+1,234,567"},
      {"12345678901234567890123", ",", "12,345,678,901,234,567,890,123"}};
  for (const auto& c : cases) {
    std::string s = c.in;
    SeparateThousands(s, c.separator);
    EXPECT_EQ(s, c.out) << "\"" << c.in << "\" with \"" << c.separator << '"';
  }
}

TEST(CoreFormat, JdnTexts) {
  SeparatorGuard guard;
  struct Jdns { const char* thousands; Jdn jdn; const char* text; } jdns[] = {
      {".", 2451545, "2.451.545"}, {"", 2451545, "2451545"}, {",", MinJdn, "-2,100,000,000"},
      {",", 0, "0"}};
  for (const Jdns& c : jdns) {
    EXPECT_EQ(FormatJdn(c.jdn, c.thousands), c.text)
        << "JDN " << c.jdn << " with \"" << c.thousands << '"';
    ThousandsSeparator = c.thousands;  // the one-argument form writes with the program's own
    EXPECT_EQ(FormatJdn(c.jdn), c.text) << "JDN " << c.jdn << " with \"" << c.thousands << '"';
  }
}

// Every day of selected years, the first and last of the year range among them, reads back
// with its fields under every format, separator and calendar (seeded days of the whole range
// are covered by the calendar-text round trip).
TEST(CoreFormat, DateTextsReadBack) {
  int failures = 0;
  for (const std::int16_t letter : {GregorianLetter, JulianLetter}) {
    for (const std::int32_t y : {-1, 0, 1, 4, 100, 1582, 1900, 2000, 2024, 9999, 10000, -10000,
                                 MaxAbsYear, -MaxAbsYear}) {
      for (Jdn jdn = Date(y, 1, 1, letter).jdn; jdn < Date(y + 1, 1, 1, letter).jdn; ++jdn) {
        const EuroDate date = FromJdn(jdn, letter);
        for (const DateFormat format : {MDY, DMY, YMD}) {
          for (const char* dateSep : {"-", "/", "."}) {
            for (const char* thousands : {",", ".", ""}) {
              const std::string text = FormatEuroDate(date, format, dateSep, thousands);
              EuroDate back;
              const ParseStatus status =
                  ParseEuroDate(text, dateSep, letter == JulianLetter ? JC : CE, format, back);
              if ((status != 1 || back.jdn != jdn || back.year != date.year ||
                   back.month != date.month || back.day != date.day) && ++failures <= 5) {
                ADD_FAILURE() << text << " (" << dateSep << thousands << format << ") -> "
                              << status << " " << back.year << "-" << back.month << "-" << back.day;
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace valdora
