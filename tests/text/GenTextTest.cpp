// Fixed texts, month names and day names: wording, language slots and bounds.
#include "text/GenText.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "text/Language.h"

namespace valdora {
namespace {

class GenTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    intLanguage = intEnglish;
    intTextLanguage = intGerman;
    GenerateText();
  }
  void TearDown() override { intLanguage = intEnglish; }
};

TEST_F(GenTextTest, GenerateTextSetsTheLookupLanguageToEnglish) {
  EXPECT_EQ(intTextLanguage, intEnglish);
}

TEST_F(GenTextTest, FixedTextsInBothLanguages) {
  struct Case {
    const char* english;
    const char* german;
  };
  const Case cases[] = {
      {"Close", "Schliessen"},
      {"Clear", "Loeschen"},
      {"Reset", "Rueckstellen"},
      {"Out of Range", "Ausserhalb des erlaubten Bereichs"},
      {"Include first date in days-beween-dates", "Erstes Datum einschliessen"},
      {"The output window is empty.", "Das Ausgabefenster is leer."},
      {"Second -> First", "Zweites -> Erstes"},
      {"yyyy-ddd", "JJJJ-TTT"},
      {"Common Era", "Common Era"},
      {"or", "oder"},
      {"To", "Bis"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.english);
    EXPECT_EQ(FixedText(c.english, intEnglish), c.english);
    EXPECT_EQ(FixedText(c.english, intGerman), c.german);
    EXPECT_EQ(FixedText(c.english, intSpanish), "");
  }
}

TEST_F(GenTextTest, FixedTextFollowsTheDisplayLanguage) {
  EXPECT_EQ(FixedText("Close"), "Close");
  intLanguage = intGerman;
  EXPECT_EQ(FixedText("Close"), "Schliessen");
  intLanguage = intSpanish;
  EXPECT_EQ(FixedText("Close"), "");
}

TEST_F(GenTextTest, BadLookupsFailLoudly) {
  EXPECT_THROW(FixedText("Close", 3), std::out_of_range);
  EXPECT_THROW(FixedText("Close", -1), std::out_of_range);
  intLanguage = 3;
  EXPECT_THROW(FixedText("Close"), std::out_of_range);
  intLanguage = intEnglish;
  // Unknown wordings, including near misses of real ones.
  for (const char* wording : {"", "close", "Close ", "Include first date in days-between-dates"}) {
    SCOPED_TRACE(wording);
    EXPECT_THROW(FixedText(wording), std::out_of_range);
  }
}

TEST_F(GenTextTest, MonthNames) {
  const char* englishFull[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
  const char* germanFull[] = {"Januar", "Februar", "Maerz",     "April",   "Mai",      "Juni",
                              "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  const char* englishShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* germanShort[] = {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                               "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(MonthName(0, m, intEnglish), englishFull[m]);
    EXPECT_EQ(MonthName(0, m, intGerman), germanFull[m]);
    EXPECT_EQ(MonthName(1, m, intEnglish), englishShort[m]);
    EXPECT_EQ(MonthName(1, m, intGerman), germanShort[m]);
    for (int language = 2; language <= 5; ++language) {
      EXPECT_EQ(MonthName(0, m, language), "");
      EXPECT_EQ(MonthName(1, m, language), "");
    }
  }
}

TEST_F(GenTextTest, DayNames) {
  const char* english[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                           "Thursday", "Friday", "Saturday"};
  const char* german[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                          "Donnerstag", "Freitag", "Samstag"};
  for (int d = 0; d < 7; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(DayName(d, intEnglish), english[d]);
    EXPECT_EQ(DayName(d, intGerman), german[d]);
    EXPECT_EQ(DayName(d, intSpanish), "");
  }
  EXPECT_EQ(DayName(7, intEnglish), "");  // the spare slot exists and is empty
}

TEST_F(GenTextTest, TableBounds) {
  struct Case {
    int form, month, language;
  };
  for (const Case& c : {Case{0, 12, 0}, Case{0, -1, 0}, Case{0, 0, 6}, Case{0, 0, -1},
                        Case{2, 0, 0}, Case{-1, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.form << " " << c.month << " " << c.language);
    EXPECT_THROW(MonthName(c.form, c.month, c.language), std::out_of_range);
  }
  EXPECT_THROW(DayName(8, intEnglish), std::out_of_range);
  EXPECT_THROW(DayName(-1, intEnglish), std::out_of_range);
  EXPECT_THROW(DayName(0, 3), std::out_of_range);
}

}  // namespace
}  // namespace valdora
