// SPDX-License-Identifier: MIT
// Fixed texts, month names and day names: wording, language slots and bounds. The captions of
// the windows are checked in both languages by the window tests.
#include "text/GenText.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "text/Language.h"

namespace valdora {
namespace {

// The names of slots 0..count-1, separated by blanks.
std::string Names(int count, const std::function<std::string(int)>& name) {
  std::string all;
  for (int i = 0; i < count; ++i) {
    if (i > 0) all += ' ';
    all += name(i);
  }
  return all;
}

class GenTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    intLanguage = intEnglish;
    intTextLanguage = intGerman;
    GenerateText();
  }
  void TearDown() override { intLanguage = intEnglish; }
};

TEST_F(GenTextTest, FixedTextsInEachLanguageSlot) {
  EXPECT_EQ(intTextLanguage, intEnglish);  // GenerateText sets the lookup language
  struct Case {
    const char* english;
    const char* german;
  };
  for (const Case& c : {Case{"Out of Range", "Ausserhalb des erlaubten Bereichs"},
                        Case{"To", "Bis"}, Case{"Common Era", "Common Era"}}) {
    SCOPED_TRACE(c.english);
    EXPECT_EQ(FixedText(c.english, intEnglish), c.english);
    EXPECT_EQ(FixedText(c.english, intGerman), c.german);
    EXPECT_EQ(FixedText(c.english, intSpanish), "");
  }
}

TEST_F(GenTextTest, FixedTextWithoutALanguageIsInTheDisplayLanguage) {
  intLanguage = intGerman;
  EXPECT_EQ(FixedText("Close"), "Schliessen");
  intLanguage = intSpanish;
  EXPECT_EQ(FixedText("Close"), "");
}

// The German names in plain ASCII and the slots without names; the English and German names
// themselves show in the month window's and the output's tests.
TEST_F(GenTextTest, MonthNameSlots) {
  auto month = [](int form, int language) {
    return Names(12, [=](int m) { return MonthName(form, m, language); });
  };
  EXPECT_EQ(month(0, intGerman), "Januar Februar Maerz April Mai Juni Juli August September "
                                 "Oktober November Dezember");
  EXPECT_EQ(month(1, intGerman), "Jan Feb Mar Apr Mai Jun Jul Aug Sep Okt Nov Dez");
  EXPECT_EQ(month(1, intEnglish), "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec");
  for (int language = 2; language <= 5; ++language) {
    EXPECT_EQ(month(0, language) + month(1, language), std::string(22, ' '))
        << "language " << language;
  }
}

// Seven days and a spare, empty slot.
TEST_F(GenTextTest, DayNameSlots) {
  auto days = [](int language) { return Names(8, [=](int d) { return DayName(d, language); }); };
  EXPECT_EQ(days(intGerman), "Sonntag Montag Dienstag Mittwoch Donnerstag Freitag Samstag ");
  EXPECT_EQ(days(intSpanish), std::string(7, ' '));
}

TEST_F(GenTextTest, BadLookupsFailLoudly) {
  // Each row is named by the lookup it makes.
#define ROW(lookup) {#lookup, [] { lookup; }}
  const struct { const char* name; std::function<void()> lookup; } lookups[] = {
      ROW(FixedText("Close", 3)), ROW(FixedText("Close", -1)),
      // Unknown wordings, including near misses of real ones.
      ROW(FixedText("")), ROW(FixedText("close")), ROW(FixedText("Close ")),
      ROW(FixedText("Include first date in days-between-dates")),
      ROW(MonthName(0, 12, 0)), ROW(MonthName(0, -1, 0)), ROW(MonthName(0, 0, 6)),
      ROW(MonthName(0, 0, -1)), ROW(MonthName(2, 0, 0)), ROW(MonthName(-1, 0, 0)),
      ROW(DayName(8, intEnglish)), ROW(DayName(-1, intEnglish)), ROW(DayName(0, 3)),
      ROW((intLanguage = 3, FixedText("Close"))),
  };
#undef ROW
  for (const auto& row : lookups) EXPECT_THROW(row.lookup(), std::out_of_range) << row.name;
}

}  // namespace
}  // namespace valdora
