// SPDX-License-Identifier: MIT
// The today display's texts without a window: both label pairs in every calendar of the
// ring, in English and German (the ring's order is walked by clicks in TodayTest).
#include <gtest/gtest.h>

#include <string>

#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "presentation/TodayLabels.h"
#include "text/GenText.h"
#include "text/Language.h"

using namespace valdora;

namespace {

// The settings in force, as the main window builds them for each action.
DateTextSettings Current(DateFormat format, bool hyphen) {
  return CurrentDateTextSettings(format, hyphen);
}

class TodayLabelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    GenerateText();
    SetFixedToday(2008, 7, 12);
  }
  static void TearDownTestSuite() { UseSystemToday(); }
  void SetUp() override {
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string(",");
    SetFixedToday(2008, 7, 12);
  }
};

// German puts "der " before the CE and JC dates only.
TEST_F(TodayLabelsTest, LabelsInEveryCalendar) {
  const struct { std::int16_t cal; const char* today; const char* weekAhead; bool der; } cases[] = {
      {CE, "2008-07-12 CE", "2008-07-19 CE", true},   {JC, "2008-06-29 JC", "2008-07-06 JC", true},
      {JDN, "2,454,660 JDN", "2,454,667 JDN", false}, {ORD, "2008-194", "2008-201", false},
      {ISO, "2008-W28-6 ISO", "2008-W29-6 ISO", false}, {LPW, "2008-29-6 LPW", "2008-30-6 LPW", false},
      {LPM, "2008-07-20 LPM", "2008-07-27 LPM", false}};
  for (const auto& c : cases) {
    for (std::int16_t language : {intEnglish, intGerman}) {
      SCOPED_TRACE(::testing::Message() << "calendar " << c.cal << " language " << language);
      const bool de = language == intGerman;
      const std::string der = de && c.der ? "der " : "";
      const auto labels = BuildTodayLabels(TodayJdn(), c.cal, language, Current(YMD, true));
      EXPECT_EQ(labels.todaysDate0, std::string(de ? "Heute ist Samstag," : "Today is Saturday,"));
      EXPECT_EQ(labels.todaysDate1, der + c.today);
      EXPECT_EQ(labels.weekFromToday0,
                std::string(de ? "Eine Woche weiter ist" : "A week from today is"));
      EXPECT_EQ(labels.weekFromToday1, der + c.weekAhead);
    }
  }
}

// The settings of the moment shape the texts: plain ordinal and ISO forms, another date
// format and separator, and no thousands separator.
TEST_F(TodayLabelsTest, LabelsFollowTheSettings) {
  const Jdn today = TodayJdn();
  EXPECT_EQ(TodayDisplayText(today, ORD, intEnglish, Current(YMD, false)), "2008194")
      << "plain ordinal";
  EXPECT_EQ(TodayDisplayText(today, ISO, intEnglish, Current(YMD, false)), "2008W286 ISO")
      << "plain ISO";
  DateSeparator = std::string("/");
  EXPECT_EQ(TodayDisplayText(today, CE, intGerman, Current(DMY, true)), "der 12/07/2008 CE")
      << "DMY slash";
  EXPECT_EQ(TodayDisplayText(today, JC, intEnglish, Current(MDY, true)), "06/29/2008 JC")
      << "MDY slash";
  DateSeparator = std::string("-");
  ThousandsSeparator = std::string("");
  EXPECT_EQ(TodayDisplayText(today, JDN, intEnglish, Current(YMD, true)), "2454660 JDN")
      << "no grouping";
}

// The week ahead crosses a year end like any other day.
TEST_F(TodayLabelsTest, WeekAheadCrossesTheYear) {
  SetFixedToday(2020, 12, 28);
  const auto labels = BuildTodayLabels(TodayJdn(), CE, intEnglish, Current(YMD, true));
  EXPECT_EQ(labels.todaysDate0, "Today is Monday,");
  EXPECT_EQ(labels.weekFromToday1, "2021-01-04 CE");
}

// A code outside the ring (a damaged setting) is written as CE; a language other than
// German reads as English.
TEST_F(TodayLabelsTest, UnknownCodesFallBack) {
  const auto labels = BuildTodayLabels(TodayJdn(), 3, intSpanish, Current(YMD, true));
  EXPECT_EQ(labels.todaysDate0, "Today is Saturday,");
  EXPECT_EQ(labels.todaysDate1, "2008-07-12 CE");
  EXPECT_EQ(NextTodayCalendar(9), std::int16_t(9)) << "next of 9";
  EXPECT_EQ(PreviousTodayCalendar(-1), std::int16_t(-1)) << "previous of -1";
}

}  // namespace
