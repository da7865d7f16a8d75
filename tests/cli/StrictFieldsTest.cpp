// SPDX-License-Identifier: MIT
// The strict date check of valdora-cli: what it lets through and what text it hands on, and
// that its quick pass over a blank-free text ending in a digit agrees with the full scan.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/StrictFields.h"
#include "engine/DateTypes.h"
#include "tests/support/SeededRng.h"

namespace valdora::test {
namespace {

struct Checked {
  bool ok = false;
  std::string typed;  // the text handed on when ok
};

Checked Check(std::string_view text, CalendarCode cal) {
  std::string storage, error;
  std::string_view typed;
  Checked c;
  c.ok = CheckDateField(text, cal, YMD, true, "first date", storage, typed, error);
  if (c.ok) c.typed = std::string(typed);
  EXPECT_EQ(c.ok, error.empty()) << "a refusal and only a refusal has a message: " << text;
  return c;
}

struct Row {
  const char* name;
  const char* text;
  CalendarCode cal;
  bool ok;
  const char* typed;  // when ok
};

class StrictDateField : public ::testing::TestWithParam<Row> {};

TEST_P(StrictDateField, AcceptsOrRefuses) {
  const Row& row = GetParam();
  const Checked c = Check(row.text, row.cal);
  EXPECT_EQ(c.ok, row.ok);
  if (row.ok) {
    EXPECT_EQ(c.typed, row.typed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictDateField,
    ::testing::Values(Row{"plain_date", "2024-01-15", CE, true, "2024-01-15"},
                      Row{"empty", "", CE, true, ""}, Row{"blanks_only", "   ", CE, true, "   "},
                      Row{"blank_after", "2024-01-15 ", CE, true, "2024-01-15 "},
                      Row{"blank_before", " 2024-01-15", CE, true, " 2024-01-15"},
                      Row{"negative_year", "-44-03-15", CE, true, "-44-03-15"},
                      Row{"digits_parted_by_blank", "2024-01-1 5", CE, false, ""},
                      Row{"letter_after", "2024-01-15x", CE, false, ""},
                      Row{"letter_inside", "2024-01-1x5", CE, false, ""},
                      Row{"control_byte_inside", "2024-01\x01-15", CE, false, ""},
                      Row{"high_byte_inside",
                          "2024-01-1\xff"
                          "5",
                          CE, false, ""},
                      Row{"tab_after", "2024-01-15\t", CE, false, ""},
                      Row{"lone_closing_bracket", "2024-01-15)", CE, false, ""},
                      Row{"no_digit", "--", CE, false, ""},
                      Row{"week_letter_in_ce", "2024-w03-1", CE, false, ""},
                      Row{"iso_upper", "2024-W03-1", ISO, true, "2024-W03-1"},
                      Row{"iso_lower_becomes_upper", "2024-w03-1", ISO, true, "2024-W03-1"},
                      Row{"iso_lower_blank_after", "2024-w03-1 ", ISO, true, "2024-W03-1 "},
                      Row{"iso_letter_after", "2024-W03-1w", ISO, false, ""}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// A text that ends in a digit takes the quick pass; the same text with a blank after it
// takes the full scan, and by the rules the blank changes nothing. Random texts over the
// characters that matter must get the same answer both ways.
TEST(StrictDateFieldPaths, QuickPassAgreesWithFullScan) {
  static constexpr std::string_view kAlphabet = "0123456789---  wW().,/x\t";
  SeededRng rng(16);
  for (const CalendarCode cal : {CE, ISO, JDN}) {
    for (int n = 0; n < 20000; ++n) {
      std::string text;
      const int length = 1 + static_cast<int>(rng() % 12);
      for (int i = 0; i < length; ++i) text += kAlphabet[rng() % kAlphabet.size()];
      text += static_cast<char>('0' + rng() % 10);
      const Checked quick = Check(text, cal);
      const Checked full = Check(text + " ", cal);
      ASSERT_EQ(quick.ok, full.ok) << "calendar " << cal << ", text \"" << text << "\"";
      if (quick.ok) {
        ASSERT_EQ(quick.typed + " ", full.typed) << "text \"" << text << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace valdora::test
