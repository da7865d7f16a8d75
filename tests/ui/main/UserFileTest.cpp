// The user file text: what is written reads back, and damaged or hostile text falls back as
// the program promises (never a crash, a short file gives the defaults, a missing last line
// only the unit).
#include <QTest>
#include <random>
#include <string>

#include "ui/main/UserFile.h"

using namespace valdora;

namespace {
UserSettings Sample() {
  UserSettings s;
  s.language = 1;
  s.dateFormat = 1;
  s.dateSeparator = 46;
  s.thousandsSeparator = 0;
  s.todayCal = 7;
  s.firstCal = 4;
  s.secondCal = 8;
  s.includeFirstDate = 1;
  s.includeWeekends = 0;
  s.verbose = 0;
  s.hyphen = 0;
  s.saveOutput = 1;
  s.firstDayOfWeek = "Mon";
  s.monthCalendar = "JC";
  s.firstDate = "31.12.2012";
  s.dateDiff = "-1,000";
  s.secondDate = "2020-W05-3";
  s.output = "line one\r\nline, \"two\"\r\n\r\n";
  s.unit = 1;
  return s;
}

}  // namespace

class UserFileTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultsAreTheDocumentedFifteenLines() {
    QCOMPARE(QString::fromStdString(FormatUserFile(UserSettings{})),
             QStringLiteral("0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
                            "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n"));
  }

  void everyItemReadsBack() {
    const UserSettings s = Sample();
    UserSettings r;
    QCOMPARE(ParseUserFile(FormatUserFile(s), r), UserFileStatus::Complete);
    QVERIFY(s == r);
  }

  void quotesAndLineBreaksInTextsReadBack_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("lone quote") << QByteArray("\"");
    QTest::newRow("two quotes") << QByteArray("\"\"");
    QTest::newRow("quote comma quote") << QByteArray("\",\"");
    QTest::newRow("ends in quote") << QByteArray("a\"");
    QTest::newRow("CR LF only") << QByteArray("\r\n");
    QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc");
    QTest::newRow("commas") << QByteArray(",,,");
    QTest::newRow("blanks kept") << QByteArray("  x  ");
    QTest::newRow("NUL and high bytes") << QByteArray("a\0b\xff\xfe", 5);
  }
  void quotesAndLineBreaksInTextsReadBack() {
    QFETCH(QByteArray, text);
    UserSettings s;
    s.firstDate = s.dateDiff = s.secondDate = s.output = text.toStdString();
    UserSettings r;
    QCOMPARE(ParseUserFile(FormatUserFile(s), r), UserFileStatus::Complete);
    QVERIFY(s == r);
  }

  void cutAfterEachLine() {
    const std::string full = FormatUserFile(Sample());
    std::size_t pos = 0;
    for (int line = 1; line <= 15; ++line) {
      pos = full.find("\r\n", pos) + 2;
      // The output text of the sample spans three physical lines; skip to its real end.
      if (line == 14) pos = full.rfind("\r\n", full.size() - 3) + 2;
      UserSettings r;
      const UserFileStatus status = ParseUserFile(full.substr(0, pos), r);
      if (line < 14) {
        QCOMPARE(status, UserFileStatus::Damaged);
        QVERIFY((r == UserSettings{}));
      } else if (line == 14) {
        QCOMPARE(status, UserFileStatus::LastLineDamaged);
        UserSettings expected = Sample();
        expected.unit = 0;
        QVERIFY(r == expected);
      } else {
        QCOMPARE(status, UserFileStatus::Complete);
      }
    }
  }

  void unknownCodesTakeTheirDefault_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("thousands");
    QTest::addColumn<int>("todayCal");
    QTest::addColumn<int>("verbose");
    QTest::newRow("language 7") << QByteArray("7\r\n1,47,46\r\n6,1,2\r\n0\r\n1\r\n0\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n")
                                << 0 << 1 << 46 << 6 << 0;
    QTest::newRow("format 9, separator 99") << QByteArray("1\r\n9,99,99\r\n3,5,9\r\n0\r\n1\r\n7\r\n1\r\n1\r\n\"x\"\r\n\"y\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n5\r\n")
                                            << 1 << 2 << 44 << 0 << 1;
    QTest::newRow("fractions round, text reads as 0") << QByteArray("0\r\n0,45,0\r\n-1,0,0\r\n0.6\r\nabc\r\n\"1\"\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n1\r\n")
                                                      << 0 << 0 << 0 << 0 << 1;
  }
  void unknownCodesTakeTheirDefault() {
    QFETCH(QByteArray, file);
    QFETCH(int, language);
    QFETCH(int, format);
    QFETCH(int, thousands);
    QFETCH(int, todayCal);
    QFETCH(int, verbose);
    UserSettings r;
    QVERIFY(ParseUserFile(file.toStdString(), r) == UserFileStatus::Complete);
    QCOMPARE(int(r.language), language);
    QCOMPARE(int(r.dateFormat), format);
    QCOMPARE(int(r.thousandsSeparator), thousands);
    QCOMPARE(int(r.todayCal), todayCal);
    QCOMPARE(int(r.verbose), verbose);
    QVERIFY(r.includeFirstDate == 0 || r.includeFirstDate == 1);
    QVERIFY(r.firstCal != 5 && r.secondCal != 9);
  }

  void unreadableNumbersMakeTheFileDamaged_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("language not a number") << QByteArray("x\r\n2,45,44\r\n0,0,0\r\n");
    QTest::newRow("language overflows") << QByteArray("99999999999999999999\r\n2,45,44\r\n");
    QTest::newRow("quoted number") << QByteArray("\"0\"\r\n2,45,44\r\n");
    QTest::newRow("unclosed quote") << QByteArray("0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun");
  }
  void unreadableNumbersMakeTheFileDamaged() {
    QFETCH(QByteArray, file);
    UserSettings r;
    r.language = 1;
    QCOMPARE(ParseUserFile(file.toStdString(), r), UserFileStatus::Damaged);
    QVERIFY((r == UserSettings{}));
  }

  void randomCutsAndGarbageNeverBreakTheReader() {
    const std::string full = FormatUserFile(Sample());
    std::mt19937 random(20121231);
    for (int i = 0; i < 2000; ++i) {
      std::string text = full.substr(0, random() % (full.size() + 1));
      if (i % 2) {
        for (int k = 0; k < 4; ++k) {
          if (!text.empty()) text[random() % text.size()] = static_cast<char>(random() % 256);
        }
      }
      UserSettings r;
      const UserFileStatus status = ParseUserFile(text, r);
      if (status == UserFileStatus::Damaged) QVERIFY((r == UserSettings{}));
      QVERIFY(r.language == 0 || r.language == 1);
      QVERIFY(r.unit == 0 || r.unit == 1);
    }
    std::string binary(1 << 16, '\0');
    for (char& c : binary) c = static_cast<char>(random() % 256);
    UserSettings r;
    QCOMPARE(ParseUserFile(binary, r), UserFileStatus::Damaged);
  }

  void hugeTexts() {
    UserSettings s;
    s.output.assign(5u * 1024u * 1024u, 'x');
    UserSettings r;
    QCOMPARE(ParseUserFile(FormatUserFile(s), r), UserFileStatus::Complete);
    QCOMPARE(r.output.size(), s.output.size());
    QCOMPARE(ParseUserFile(std::string(MaxUserFileSize + 1, '0'), r), UserFileStatus::Damaged);
  }
};

QTEST_APPLESS_MAIN(UserFileTest)
#include "UserFileTest.moc"
