// Writing CE, JC and JDN texts, and the promise that every date text written reads back.
#include "EngineTestSupport.h"

namespace valdora {

TEST(CoreFormat, DateTexts) {
  struct Case {
    std::int32_t year, month, day;
    DateFormat format;
    const char *dateSeparator, *thousands, *text;
  } cases[] = {
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
  for (const auto& c : cases) {
    EuroDate d{c.year, c.month, c.day, 'G', 0};
    EXPECT_EQ(FormatEuroDate(d, c.format, c.dateSeparator, c.thousands), c.text);
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
    EXPECT_EQ(s, c.out) << c.in;
  }
  SeparatorGuard guard;
  struct Jdns { const char* thousands; Jdn jdn; const char* text; };
  for (const Jdns c : {Jdns{".", 2451545, "2.451.545"}, Jdns{"", 2451545, "2451545"},
                       Jdns{",", MinJdn, "-2,100,000,000"}, Jdns{",", 0, "0"}}) {
    ThousandsSeparator = c.thousands;
    EXPECT_EQ(FormatJdn(c.jdn), c.text);
  }
}

// Every JDN text written reads back, in the JDN field and through the date reader.
TEST(CoreFormat, JdnTextsReadBack) {
  SeparatorGuard guard;
  std::mt19937 rng(1234);
  AnyDay anyDay(MinJdn, MaxJdn);
  for (const char* thousands : {",", ".", ""}) {
    ThousandsSeparator = thousands;
    for (int i = 0; i < 3000; ++i) {
      const Jdn jdn = i < 3 ? (i == 0 ? MinJdn : i == 1 ? MaxJdn : 0) : anyDay(rng);
      const std::string text = FormatJdn(jdn);
      const bool inField = std::abs(jdn) <= 2099999999;
      std::int32_t value = 0;
      ASSERT_EQ(ParseJdnInput(text, value), inField ? 1 : -1) << text;
      ASSERT_TRUE(!inField || value == jdn) << text;
      for (const char* dateSeparator : {"-", "/", "."}) {
        EuroDate d;
        ASSERT_EQ(ParseEuroDate(text, dateSeparator, JDN, YMD, d), 1) << text << " " << dateSeparator;
        ASSERT_EQ(d.jdn, jdn);
      }
    }
  }
}

// Every day of selected years, and seeded days over the whole year range, read back under
// every format, separator and calendar.
TEST(CoreFormat, DateTextsReadBack) {
  std::vector<EuroDate> dates;
  std::mt19937 rng(5800000);
  std::uniform_int_distribution<std::int32_t> year(-MaxAbsYear, MaxAbsYear);
  for (const std::int16_t letter : {GregorianLetter, JulianLetter}) {
    for (const std::int32_t y : {-1, 0, 1, 4, 100, 1582, 1900, 2000, 2024, 9999, 10000, -10000}) {
      for (Jdn jdn = Date(y, 1, 1, letter).jdn; jdn < Date(y + 1, 1, 1, letter).jdn; ++jdn) {
        dates.push_back(FromJdn(jdn, letter));
      }
    }
    for (int i = 0; i < 4000; ++i) {
      const std::int32_t y = i == 0 ? MaxAbsYear : i == 1 ? -MaxAbsYear : year(rng);
      const EuroDate d = FromJdn(Date(y, 1, 1, letter).jdn + static_cast<Jdn>(rng() % 366), letter);
      if (d.year == y) dates.push_back(d);  // else stepped into the next year
    }
  }
  int failures = 0;
  for (const EuroDate& date : dates) {
    for (const DateFormat format : {MDY, DMY, YMD}) {
      for (const char* dateSeparator : {"-", "/", "."}) {
        for (const char* thousands : {",", ".", ""}) {
          const std::string text = FormatEuroDate(date, format, dateSeparator, thousands);
          EuroDate back;
          const ParseStatus status =
              ParseEuroDate(text, dateSeparator, date.calendar == 'J' ? JC : CE, format, back);
          if ((status != 1 || back.jdn != date.jdn || back.year != date.year ||
               back.month != date.month || back.day != date.day) && ++failures <= 5) {
            ADD_FAILURE() << text << " (" << dateSeparator << thousands << format << ") -> "
                          << status << " " << back.year << "-" << back.month << "-" << back.day;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace valdora
