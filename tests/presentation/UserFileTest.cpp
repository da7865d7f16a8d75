// SPDX-License-Identifier: MIT
// The user file text: what is written reads back, and damaged or hostile text falls back as
// the program promises (never a crash, a short file gives the defaults, a missing last line
// only the unit).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/UserFile.h"

using namespace valdora;
using Status = UserFileStatus;
using namespace std::string_literals;

namespace {
// Every item away from its default; the output spans three physical lines.
const UserSettings kSample{1, 1, 46, 0, 7, 4, 8, 1, 0, 0, 0, 1, "Mon", "JC", "31.12.2012",
                           "-1,000", "2020-W05-3", "line one\r\nline, \"two\"\r\n\r\n", 1};

TEST(UserFileTest, DefaultsAreTheDocumentedFifteenLines) {
  EXPECT_EQ(FormatUserFile(UserSettings{}),
           std::string("0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
                       "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n"));
}

// Every item, and texts full of quotes, commas, line breaks and odd bytes, read back.
TEST(UserFileTest, EverythingWrittenReadsBack) {
  std::vector<UserSettings> written{kSample};
  for (const std::string& text : {"\""s, "\"\""s, "\",\""s, "a\""s, "\r\n"s, "a\rb\nc"s, ",,,"s,
                                  "  x  "s, "a\0b\xff\xfe"s}) {  // the last: NUL and high bytes
    UserSettings s;
    s.firstDate = s.dateDiff = s.secondDate = s.output = text;
    written.push_back(s);
  }
  for (std::size_t row = 0; row < written.size(); ++row) {
    SCOPED_TRACE(::testing::Message() << "row " << row << (row ? " (odd texts)" : " (the sample)"));
    const UserSettings& s = written[row];
    UserSettings r;
    EXPECT_EQ(ParseUserFile(FormatUserFile(s), r), Status::Complete);
    EXPECT_TRUE(s == r);
  }
}

TEST(UserFileTest, CutAfterEachLine) {
  const std::string full = FormatUserFile(kSample);
  std::size_t pos = 0;
  for (int line = 1; line <= 15; ++line) {
    pos = full.find("\r\n", pos) + 2;
    if (line == 14) pos = full.rfind("\r\n", full.size() - 3) + 2;  // the output's real end
    SCOPED_TRACE(::testing::Message() << "cut after line " << line);
    UserSettings r, expected = kSample;
    expected.unit = 0;
    const Status status = ParseUserFile(full.substr(0, pos), r);
    EXPECT_EQ(status, line < 14 ? Status::Damaged : line == 14 ? Status::LastLineDamaged
                                                              : Status::Complete);
    if (line < 14) {
      EXPECT_TRUE((r == UserSettings{})) << "defaults";
    }
    if (line == 14) {
      EXPECT_TRUE(r == expected) << "all but the unit";
    }
  }
}

TEST(UserFileTest, UnknownCodesTakeTheirDefault) {
  const struct { const char* file; int language, format, thousands, todayCal, verbose; } cases[] = {
      {"7\r\n1,47,46\r\n6,1,2\r\n0\r\n1\r\n0\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n"
       "\"\"\r\n\"\"\r\n0\r\n", 0, 1, 46, 6, 0},  // language 7
      {"1\r\n9,99,99\r\n3,5,9\r\n0\r\n1\r\n7\r\n1\r\n1\r\n\"x\"\r\n\"y\"\r\n\"\"\r\n\"\"\r\n"
       "\"\"\r\n\"\"\r\n5\r\n", 1, 2, 44, 0, 1},  // format 9, separator 99
      {"0\r\n0,45,0\r\n-1,0,0\r\n0.6\r\nabc\r\n\"1\"\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n"
       "\"\"\r\n\"\"\r\n\"\"\r\n1\r\n", 0, 0, 0, 0, 1}};  // fractions round, text reads as 0
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "language " << c.language << ", format " << c.format);
    UserSettings r;
    EXPECT_EQ(ParseUserFile(c.file, r), Status::Complete);
    EXPECT_EQ(int(r.language), c.language);
    EXPECT_EQ(int(r.dateFormat), c.format);
    EXPECT_EQ(int(r.thousandsSeparator), c.thousands);
    EXPECT_EQ(int(r.todayCal), c.todayCal);
    EXPECT_EQ(int(r.verbose), c.verbose);
    EXPECT_TRUE(r.includeFirstDate == 0 || r.includeFirstDate == 1);
    EXPECT_TRUE(r.firstCal != 5 && r.secondCal != 9);
  }
}

// Empty, a language that is no number or overflows, a quoted number, an unclosed quote.
TEST(UserFileTest, UnreadableNumbersMakeTheFileDamaged) {
  for (const char* file : {"", "x\r\n2,45,44\r\n0,0,0\r\n", "99999999999999999999\r\n2,45,44\r\n",
                           "\"0\"\r\n2,45,44\r\n",
                           "0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun"}) {
    SCOPED_TRACE(::testing::Message() << "file \"" << file << '"');
    UserSettings r;
    r.language = 1;
    EXPECT_EQ(ParseUserFile(file, r), Status::Damaged);
    EXPECT_TRUE((r == UserSettings{}));
  }
}

TEST(UserFileTest, HugeTexts) {
  UserSettings s, r;
  s.output.assign(5u * 1024u * 1024u, 'x');
  EXPECT_EQ(ParseUserFile(FormatUserFile(s), r), Status::Complete);
  EXPECT_EQ(r.output.size(), s.output.size());
  EXPECT_EQ(ParseUserFile(std::string(MaxUserFileSize + 1, '0'), r), Status::Damaged);
}

}  // namespace
