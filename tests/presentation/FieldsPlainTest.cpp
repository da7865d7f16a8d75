// SPDX-License-Identifier: MIT
// The field helpers without a window: the per-field key decision, the hyphen
// rewrite of ordinal and ISO texts, stepping and carrying a date between calendars.
#include <gtest/gtest.h>

#include <string>

#include "engine/DateTypes.h"
#include "presentation/FieldDates.h"
#include "presentation/FieldKeys.h"

using namespace valdora;
using Outcome = FieldDateOutcome;

namespace {

class FieldsPlainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string(",");
  }
};

// Control keys pass at the length limit (18), characters beyond one byte never; the typed
// characters themselves are checked on the window's fields (FieldsTest).
TEST_F(FieldsPlainTest, ControlKeysAndWideCharacters) {
  EXPECT_EQ(FilterDateFieldKey(3, 18, 18, "-", true), 3) << "copy, cut";
  EXPECT_EQ(FilterDateFieldKey(22, 18, 18, "-", false), 22) << "paste";
  EXPECT_EQ(FilterDateFieldKey(8, 18, 18, "-", false), 8) << "backspace";
  EXPECT_EQ(FilterDateFieldKey('W', 18, 18, "-", true), int('W')) << "W at the limit";
  EXPECT_EQ(FilterDateFieldKey(0x2D30, 0, 18, "-", false), 0) << "wide character";
  EXPECT_EQ(FilterNumberFieldKey('1', 18, 18, ","), 0) << "digit at the limit";
  EXPECT_EQ(FilterNumberFieldKey(8, 18, 18, ","), 8) << "backspace in a number";
  EXPECT_EQ(FilterNumberFieldKey('W', 0, 18, ","), 0) << "letter in a number";
}

TEST_F(FieldsPlainTest, HyphenRewrite) {
  const struct { const char* text; bool hyphen; const char* rewritten; } cases[] = {
      {"2020-W05-3", false, "2020W053"},   {"2020W053", true, "2020-W05-3"},
      {"-0044-W10-1", false, "-0044W101"}, {"-0044W101", true, "-0044-W10-1"},
      {"2020-W011", false, "2020W011"},    {"2020-032", false, "2020032"},
      {"2020032", true, "2020-032"},       {"2020032", false, "2020032"},
      {"2020-W05-3", true, "2020-W05-3"},
      // Not a form: a CE date, a bad week, day 366 of a common year, a JDN, nothing.
      {"2000-01-01", false, "2000-01-01"}, {"2020W54-1", false, "2020W54-1"},
      {"2021366", true, "2021366"},        {"2451545", true, "2451545"},  {"", true, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" hyphen " << c.hyphen);
    EXPECT_EQ(RewriteHyphenForm(c.text, c.hyphen), std::string(c.rewritten));
  }
}

// Stepping by a day and carrying a date to another calendar; `result` is touched only when
// the outcome is Written.
TEST_F(FieldsPlainTest, StepAndConvertOutcomes) {
  const struct { const char* text; CalendarCode from, to; int delta; bool hyphen; Outcome outcome;
                 const char* result; } cases[] = {
      {"2000-12-31", CE, CE, 1, true, Outcome::Written, "2001-01-01"},
      {"0001-001", ORD, ORD, -1, true, Outcome::ResultOutOfRange, nullptr},
      {"9999-365", ORD, ORD, 1, true, Outcome::ResultOutOfRange, nullptr},
      // A JDN of magnitude 2,100,000,000 would be written but cannot be typed back.
      {"2,099,999,999", JDN, JDN, 1, true, Outcome::ResultOutOfRange, nullptr},
      {"-2,099,999,999", JDN, JDN, -1, true, Outcome::ResultOutOfRange, nullptr},
      {"2,099,999,998", JDN, JDN, 1, true, Outcome::Written, "2,099,999,999"},
      {"2000-13-01", CE, CE, 1, true, Outcome::NotValid, nullptr},
      {"5800001-01-01", CE, CE, 1, true, Outcome::InputOutOfRange, nullptr},
      {"2451545", JDN, CE, 0, true, Outcome::Written, "2000-01-01"},
      {"2000-01-01", CE, ISO, 0, false, Outcome::Written, "1999W526"},
      // No ordinal date exists before 0001-001 or after 9999-365.
      {"1000", JDN, ORD, 0, true, Outcome::ResultOutOfRange, nullptr},
      {"10000-01-01", CE, ORD, 0, true, Outcome::ResultOutOfRange, nullptr},
      {"abc", JDN, CE, 0, true, Outcome::NotValid, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" from " << int(c.from) << " to "
                                      << int(c.to) << " by " << c.delta);
    std::string out = "untouched";
    const DateTextSettings settings = CurrentDateTextSettings(YMD, c.hyphen);
    EXPECT_EQ(c.delta ? StepDateText(c.text, c.from, settings, c.delta, out)
                      : ConvertDateText(c.text, c.from, c.to, settings, out),
              c.outcome);
    EXPECT_EQ(out, std::string(c.result ? c.result : "untouched"));
  }
}

}  // namespace
