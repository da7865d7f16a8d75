// SPDX-License-Identifier: MIT
// The user file text: what is written reads back, and damaged or hostile text falls back as
// the program promises (never a crash, a short file gives the defaults, a missing last line
// only the unit).
#include <QTest>
#include <string>
#include <vector>

#include "ui/main/UserFile.h"

using namespace valdora;
using Status = UserFileStatus;
using namespace std::string_literals;

namespace {
// Every item away from its default; the output spans three physical lines.
const UserSettings kSample{1, 1, 46, 0, 7, 4, 8, 1, 0, 0, 0, 1, "Mon", "JC", "31.12.2012",
                           "-1,000", "2020-W05-3", "line one\r\nline, \"two\"\r\n\r\n", 1};
}  // namespace

class UserFileTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultsAreTheDocumentedFifteenLines() {
    QCOMPARE(FormatUserFile(UserSettings{}),
             std::string("0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
                         "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n"));
  }

  // Every item, and texts full of quotes, commas, line breaks and odd bytes, read back.
  void everythingWrittenReadsBack() {
    std::vector<UserSettings> written{kSample};
    for (const std::string& text : {"\""s, "\"\""s, "\",\""s, "a\""s, "\r\n"s, "a\rb\nc"s, ",,,"s,
                                    "  x  "s, "a\0b\xff\xfe"s}) {  // the last: NUL and high bytes
      UserSettings s;
      s.firstDate = s.dateDiff = s.secondDate = s.output = text;
      written.push_back(s);
    }
    for (const UserSettings& s : written) {
      UserSettings r;
      QCOMPARE(ParseUserFile(FormatUserFile(s), r), Status::Complete);
      QVERIFY(s == r);
    }
  }

  void cutAfterEachLine() {
    const std::string full = FormatUserFile(kSample);
    std::size_t pos = 0;
    for (int line = 1; line <= 15; ++line) {
      pos = full.find("\r\n", pos) + 2;
      if (line == 14) pos = full.rfind("\r\n", full.size() - 3) + 2;  // the output's real end
      UserSettings r, expected = kSample;
      expected.unit = 0;
      const Status status = ParseUserFile(full.substr(0, pos), r);
      QCOMPARE(status, line < 14 ? Status::Damaged : line == 14 ? Status::LastLineDamaged
                                                                : Status::Complete);
      if (line < 14) QVERIFY((r == UserSettings{}));
      if (line == 14) QVERIFY(r == expected);
    }
  }

  void unknownCodesTakeTheirDefault() {
    const struct { const char* file; int language, format, thousands, todayCal, verbose; } cases[] = {
        {"7\r\n1,47,46\r\n6,1,2\r\n0\r\n1\r\n0\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n"
         "\"\"\r\n\"\"\r\n0\r\n", 0, 1, 46, 6, 0},  // language 7
        {"1\r\n9,99,99\r\n3,5,9\r\n0\r\n1\r\n7\r\n1\r\n1\r\n\"x\"\r\n\"y\"\r\n\"\"\r\n\"\"\r\n"
         "\"\"\r\n\"\"\r\n5\r\n", 1, 2, 44, 0, 1},  // format 9, separator 99
        {"0\r\n0,45,0\r\n-1,0,0\r\n0.6\r\nabc\r\n\"1\"\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n"
         "\"\"\r\n\"\"\r\n\"\"\r\n1\r\n", 0, 0, 0, 0, 1}};  // fractions round, text reads as 0
    for (const auto& c : cases) {
      UserSettings r;
      QCOMPARE(ParseUserFile(c.file, r), Status::Complete);
      QCOMPARE(int(r.language), c.language);
      QCOMPARE(int(r.dateFormat), c.format);
      QCOMPARE(int(r.thousandsSeparator), c.thousands);
      QCOMPARE(int(r.todayCal), c.todayCal);
      QCOMPARE(int(r.verbose), c.verbose);
      QVERIFY(r.includeFirstDate == 0 || r.includeFirstDate == 1);
      QVERIFY(r.firstCal != 5 && r.secondCal != 9);
    }
  }

  // Empty, a language that is no number or overflows, a quoted number, an unclosed quote.
  void unreadableNumbersMakeTheFileDamaged() {
    for (const char* file : {"", "x\r\n2,45,44\r\n0,0,0\r\n", "99999999999999999999\r\n2,45,44\r\n",
                             "\"0\"\r\n2,45,44\r\n",
                             "0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun"}) {
      UserSettings r;
      r.language = 1;
      QCOMPARE(ParseUserFile(file, r), Status::Damaged);
      QVERIFY((r == UserSettings{}));
    }
  }

  void hugeTexts() {
    UserSettings s, r;
    s.output.assign(5u * 1024u * 1024u, 'x');
    QCOMPARE(ParseUserFile(FormatUserFile(s), r), Status::Complete);
    QCOMPARE(r.output.size(), s.output.size());
    QCOMPARE(ParseUserFile(std::string(MaxUserFileSize + 1, '0'), r), Status::Damaged);
  }
};

QTEST_APPLESS_MAIN(UserFileTest)
#include "UserFileTest.moc"
