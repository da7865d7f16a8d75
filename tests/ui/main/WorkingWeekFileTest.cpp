// SPDX-License-Identifier: MIT
// The working-week file: reading every kind of text (damaged ones give the default), writing
// and reading back, and the file on disk read only when it is a regular file.
#include <sys/stat.h>
#include <unistd.h>
#include <QtTest>

#include "presentation/WorkingWeekFile.h"

using namespace valdora;

namespace {
constexpr WeekdaySet Days(std::initializer_list<int> days) {
  WeekdaySet set = 0;
  for (int d : days) set = static_cast<WeekdaySet>(set | (1u << d));
  return set;
}
}  // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(valdora::WorkingWeekSettings)

class WorkingWeekFileTest : public QObject {
  Q_OBJECT

 private slots:
  void parse_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<WorkingWeekSettings>("expected");
    const WorkingWeekSettings defaults;
    QTest::newRow("default week, CR LF") << std::string("Sat,Sun\r\n") << true << defaults;
    QTest::newRow("Friday and Saturday off, two files, LF")
        << std::string("fri,SAT\n/h/a.txt\n/h/b.ics\n") << true
        << WorkingWeekSettings{Days({0, 1, 2, 3, 4}), {"/h/a.txt", "/h/b.ics"}};
    QTest::newRow("no rest day, no final line end")
        << std::string("none") << true << WorkingWeekSettings{kAllWeekdays, {}};
    QTest::newRow("blank lines skipped, a repeated path kept once")
        << std::string("Sun\r\n\r\n/a b/x.txt\r\n/a b/x.txt\r\n\r\n") << true
        << WorkingWeekSettings{Days({1, 2, 3, 4, 5, 6}), {"/a b/x.txt"}};
    QTest::newRow("all seven days off")
        << std::string("Mon,Tue,Wed,Thu,Fri,Sat,Sun\r\n") << false << defaults;
    QTest::newRow("unknown day name") << std::string("Sat,Sunday\r\n/x\r\n") << false << defaults;
    QTest::newRow("empty rest-day item") << std::string("Sat,,Sun\r\n") << false << defaults;
    QTest::newRow("empty file") << std::string() << false << defaults;
    QTest::newRow("a lone CR inside a path")
        << std::string("Sat,Sun\n/a\rb\n") << false << defaults;
    QTest::newRow("NUL inside a path")
        << std::string("Sat,Sun\r\n/a\0b\r\n", 15) << false << defaults;
    QTest::newRow("larger than the limit")
        << "Sat,Sun\r\n" + std::string(kMaxWorkingWeekFileBytes, 'x') << false << defaults;
  }
  void parse() {
    QFETCH(std::string, text);
    QFETCH(bool, readable);
    QFETCH(WorkingWeekSettings, expected);
    WorkingWeekSettings got{Days({3}), {"left over"}};
    QCOMPARE(ParseWorkingWeekFile(text, got), readable);
    QVERIFY(got == expected);
  }

  void roundTrip_data() {
    QTest::addColumn<WorkingWeekSettings>("settings");
    QTest::addColumn<std::string>("text");
    QTest::newRow("default") << WorkingWeekSettings{} << std::string("Sat,Sun\r\n");
    QTest::newRow("only Sunday works, paths with blanks and non-ASCII")
        << WorkingWeekSettings{Days({0}), {"/x y/Feiertage \xc3\xa4.ics", "rel.txt"}}
        << std::string("Mon,Tue,Wed,Thu,Fri,Sat\r\n/x y/Feiertage \xc3\xa4.ics\r\nrel.txt\r\n");
    QTest::newRow("every day works")
        << WorkingWeekSettings{kAllWeekdays, {"/a"}} << std::string("none\r\n/a\r\n");
  }
  void roundTrip() {
    QFETCH(WorkingWeekSettings, settings);
    QFETCH(std::string, text);
    QCOMPARE(FormatWorkingWeekFile(settings), text);
    WorkingWeekSettings back;
    QVERIFY(ParseWorkingWeekFile(text, back));
    QVERIFY(back == settings);
  }

  // What the writer cannot keep is left out rather than making a file it cannot read back.
  void writerLeavesOutWhatItCannotKeep() {
    const WorkingWeekSettings odd{0, {"", "/a\nb", "/ok"}};
    const std::string text = FormatWorkingWeekFile(odd);
    QCOMPARE(text, std::string("Sat,Sun\r\n/ok\r\n"));
    WorkingWeekSettings back;
    QVERIFY(ParseWorkingWeekFile(text, back));
    QCOMPARE(back.holidayFiles, std::vector<std::string>{"/ok"});
  }

  void disk_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("symbolic link to a regular file") << "link" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("named pipe without a writer") << "fifo" << false;
    QTest::newRow("damaged content") << "damaged" << false;
  }
  void disk() {
    QFETCH(QString, kind);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("vdr.wrk")).toStdString();
    const WorkingWeekSettings saved{Days({1, 2, 3, 4}), {"/h/one.txt"}};
    const std::string real = dir.filePath(QStringLiteral("real")).toStdString();
    if (kind == u"file") QVERIFY(SaveWorkingWeekFile(path, saved));
    if (kind == u"link") {
      QVERIFY(SaveWorkingWeekFile(real, saved));
      QCOMPARE(::symlink(real.c_str(), path.c_str()), 0);
    }
    if (kind == u"folder") QVERIFY(QDir().mkpath(QString::fromStdString(path)));
    if (kind == u"fifo") QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
    if (kind == u"damaged") {
      QFile file(QString::fromStdString(path));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("Weekend\r\n/h/one.txt\r\n");
    }
    WorkingWeekSettings got{Days({6}), {"left over"}};
    QCOMPARE(LoadWorkingWeekFile(path, got), readable);
    QVERIFY(got == (readable ? saved : WorkingWeekSettings{}));
    // Saving over a link replaces its target and keeps the link.
    if (kind == u"link") {
      QVERIFY(SaveWorkingWeekFile(path, WorkingWeekSettings{}));
      QVERIFY(QFileInfo(QString::fromStdString(path)).isSymLink());
      QVERIFY(LoadWorkingWeekFile(real, got));
      QVERIFY(got == WorkingWeekSettings{});
    }
    // Never written over: a folder or a pipe stays what it was.
    if (kind == u"folder" || kind == u"fifo") {
      QVERIFY(!SaveWorkingWeekFile(path, saved));
      struct stat info {};
      QCOMPARE(::lstat(path.c_str(), &info), 0);
      QVERIFY(kind == u"folder" ? S_ISDIR(info.st_mode) : S_ISFIFO(info.st_mode));
    }
  }
};

QTEST_GUILESS_MAIN(WorkingWeekFileTest)
#include "WorkingWeekFileTest.moc"
