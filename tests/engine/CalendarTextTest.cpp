// The read/write pair for a field's calendar: known texts in every calendar, round trips
// under every date format, separator and hyphen option, the ordinal range, hostile input.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/CalendarText.h"
#include "engine/LeapWeekCalendar.h"
#include "EngineTestSupport.h"

namespace valdora {
namespace {

// Restores the program-wide separators after each test.
class CalendarText : public ::testing::Test {
 protected:
  SeparatorGuard separators_;
};

TEST_F(CalendarText, WritesKnownTexts) {
  struct Case {
    CalendarCode cal;
    DateFormat format;
    bool hyphen;
    const char* text;
  };
  const Jdn jdn = 2458848;  // 2019-12-30 CE, a Monday
  for (const Case c : {Case{CE, YMD, false, "2019-12-30"}, Case{CE, DMY, true, "30-12-2019"},
                       Case{CE, MDY, false, "12-30-2019"}, Case{JC, YMD, false, "2019-12-17"},
                       Case{JDN, YMD, false, "2,458,848"}, Case{ORD, YMD, true, "2019-364"},
                       Case{ORD, YMD, false, "2019364"}, Case{ISO, YMD, true, "2020-W01-1"},
                       Case{ISO, DMY, false, "2020W011"}, Case{LPW, YMD, true, "2020-02-1"},
                       Case{LPM, MDY, false, "2020-01-08"}}) {
    std::string text = "unchanged";
    ASSERT_TRUE(WriteDateInCalendar(jdn, c.cal, c.format, c.hyphen, text)) << c.text;
    EXPECT_EQ(text, c.text);
    Jdn back = 0;
    EXPECT_EQ(ReadDateInCalendar(text, c.cal, c.format, c.hyphen, back), 1) << c.text;
    EXPECT_EQ(back, jdn) << c.text;
  }
}

TEST_F(CalendarText, OrdinalDatesExistOnlyFromYearOneToYear9999) {
  for (const Jdn jdn : {FirstOrdinalJdn - 1, LastOrdinalJdn + 1, MinJdn, MaxJdn}) {
    std::string text = "unchanged";
    EXPECT_FALSE(WriteDateInCalendar(jdn, ORD, YMD, true, text)) << jdn;
    EXPECT_EQ(text, "unchanged");
  }
  std::string text;
  ASSERT_TRUE(WriteDateInCalendar(FirstOrdinalJdn, ORD, YMD, true, text));
  EXPECT_EQ(text, "0001-001");
  ASSERT_TRUE(WriteDateInCalendar(LastOrdinalJdn, ORD, YMD, false, text));
  EXPECT_EQ(text, "9999365");
}

// At the ends of the range every written text reads back; a JDN field cannot hold the two
// outermost days (its reader stops at 2,099,999,999), so they have no JDN text.
TEST_F(CalendarText, TextsAtTheRangeEndsReadBackOrAreRefused) {
  for (const Jdn jdn : {MinJdn, MinJdn + 1, MaxJdn - 1, MaxJdn}) {
    for (const CalendarCode cal : {CE, JC, JDN, ISO, LPW, LPM}) {
      std::string text = "unchanged";
      const bool written = WriteDateInCalendar(jdn, cal, YMD, true, text);
      if (cal == JDN && (jdn == MinJdn || jdn == MaxJdn)) {
        EXPECT_FALSE(written) << jdn;
        EXPECT_EQ(text, "unchanged");
        continue;
      }
      ASSERT_TRUE(written) << CalendarCodeText[cal] << ' ' << jdn;
      Jdn back = 0;
      EXPECT_EQ(ReadDateInCalendar(text, cal, YMD, true, back), 1) << text;
      EXPECT_EQ(back, jdn) << text;
    }
  }
}

TEST_F(CalendarText, ReservedCodesHaveNoText) {
  for (const CalendarCode cal : {AN, OLW, ARC, static_cast<CalendarCode>(42)}) {
    std::string text = "unchanged";
    EXPECT_FALSE(WriteDateInCalendar(2458848, cal, YMD, true, text));
    EXPECT_EQ(text, "unchanged");
    Jdn jdn = 5;
    EXPECT_EQ(ReadDateInCalendar("2020-01-01", cal, YMD, true, jdn), 0);
    EXPECT_EQ(jdn, 5);
  }
}

TEST_F(CalendarText, WrittenTextsReadBackUnderEverySetting) {
  std::mt19937 rng(31337);
  std::uniform_int_distribution<Jdn> anyDay(MinJdn, MaxJdn),
      ordinalDay(FirstOrdinalJdn, LastOrdinalJdn);
  for (const char* dateSep : {"-", "/", "."}) {
    for (const char* thousands : {",", ".", ""}) {
      DateSeparator = std::string(dateSep);
      ThousandsSeparator = std::string(thousands);
      SetLocaleGroupingSeparator(thousands);
      for (int i = 0; i < 600; ++i) {
        const Jdn jdn = i % 3 == 0 ? ordinalDay(rng) : anyDay(rng);
        for (const CalendarCode cal : {CE, JC, JDN, ORD, ISO, LPW, LPM}) {
          for (const DateFormat format : {MDY, DMY, YMD}) {
            const bool hyphen = (i + format) % 2 == 0;
            std::string text;
            if (!WriteDateInCalendar(jdn, cal, format, hyphen, text)) {
              ASSERT_EQ(cal, ORD);
              continue;
            }
            Jdn back = 0;
            ASSERT_EQ(ReadDateInCalendar(text, cal, format, hyphen, back), 1)
                << '"' << text << "\" in " << CalendarCodeText[cal] << " with separators "
                << dateSep << " " << thousands;
            ASSERT_EQ(back, jdn) << text;
          }
        }
      }
    }
  }
}

TEST_F(CalendarText, HostileStringsGiveAStatusAndLeaveTheDay) {
  RandomText randomText(8, std::string("0123456789-/.,W ()+JDNCE\xff", 25), 30);
  for (int i = 0; i < 30000; ++i) {
    const std::string text = randomText();
    for (const CalendarCode cal : {CE, JC, JDN, ORD, ISO, LPW, LPM}) {
      Jdn jdn = 12345;
      const ParseStatus status =
          ReadDateInCalendar(text, cal, static_cast<DateFormat>(i % 3), i % 2, jdn);
      ASSERT_TRUE(status >= -1 && status <= 1) << text;
      if (status != 1) {
        ASSERT_EQ(jdn, 12345) << text;
      }
    }
  }
}

}  // namespace
}  // namespace valdora
