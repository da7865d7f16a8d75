// The month grid and its ISO column against a slow day-by-day month printer written here
// from the calendar rules alone, and the exact texts of the cases users see most.
#include <QtTest>
#include <string>
#include <vector>

#include "engine/DateCore.h"
#include "engine/IsoOrdinal.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/month/MonthGrid.h"

using namespace valdora;
using namespace testing_ui;

namespace {

// ---- The reference printer: leap rules, month lengths and weekdays counted day by day ----
struct RefDate {
  int y, m, d;
};

int Mod(int a, int b) { return ((a % b) + b) % b; }

bool RefLeap(int y, bool julian) {
  if (julian) return Mod(y, 4) == 0;
  return (Mod(y, 4) == 0 && Mod(y, 100) != 0) || Mod(y, 400) == 0;
}

int RefDaysIn(int y, int m, bool julian) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && RefLeap(y, julian) ? 29 : kDays[m - 1];
}

// Weekday (0 = Sunday) of 1 January of `y`, stepped year by year from 2000 (a Saturday in
// the Common Era calendar; the Julian 1 January 2000 is a Friday).
int RefJanuaryFirst(int y, bool julian) {
  int w = julian ? 5 : 6;
  for (int k = 2000; k < y; ++k) w = Mod(w + (RefLeap(k, julian) ? 366 : 365), 7);
  for (int k = 2000; k > y; --k) w = Mod(w - (RefLeap(k - 1, julian) ? 366 : 365), 7);
  return w;
}

int RefWeekdayOfFirst(int y, int m, bool julian) {
  int w = RefJanuaryFirst(y, julian);
  for (int k = 1; k < m; ++k) w = Mod(w + RefDaysIn(y, k, julian), 7);
  return w;
}

RefDate RefNext(RefDate t, bool julian) {
  if (++t.d > RefDaysIn(t.y, t.m, julian)) {
    t.d = 1;
    if (++t.m > 12) t.m = 1, ++t.y;
  }
  return t;
}

RefDate RefPrevious(RefDate t, bool julian) {
  if (--t.d < 1) {
    if (--t.m < 1) t.m = 12, --t.y;
    t.d = RefDaysIn(t.y, t.m, julian);
  }
  return t;
}

std::string RefHeader(bool mondayFirst, bool german) {
  const std::string en = " Sun  Mon  Tue  Wed  Thu  Fri  Sat ";
  const std::string de = " Son  Mon  Die  Mit  Don  Fre  Sam ";
  const std::string& h = german ? de : en;
  return mondayFirst ? h.substr(5) + h.substr(0, 5) : h;
}

// Rows: as many as hold the month's last day, and one more when that day closes its row
// without being a 31st (so a full following week is shown).
std::string RefGrid(int y, int m, bool julian, bool mondayFirst, bool german,
                    RefDate* firstCell = nullptr, int* rows = nullptr) {
  const int back = Mod(RefWeekdayOfFirst(y, m, julian) - (mondayFirst ? 1 : 0), 7);
  const int last = RefDaysIn(y, m, julian);
  int count = (back + last + 6) / 7;
  if ((back + last) % 7 == 0 && last < 31) ++count;
  RefDate t{y, m, 1};
  for (int i = 0; i < back; ++i) t = RefPrevious(t, julian);
  if (firstCell) *firstCell = t;
  if (rows) *rows = count;
  std::string text = RefHeader(mondayFirst, german);
  for (int r = 0; r < count; ++r) {
    text += "\n ";
    for (int c = 0; c < 7; ++c, t = RefNext(t, julian)) {
      char cell[16];
      std::snprintf(cell, sizeof cell, "%3d  ", t.d);
      text += cell;
    }
  }
  return text;
}

// ISO week of the CE Monday `t`: the week's Thursday decides the ISO year; the week is the
// count of Thursdays of that year up to it.
std::pair<int, int> RefIsoWeek(RefDate monday) {
  RefDate thursday = monday;
  for (int i = 0; i < 3; ++i) thursday = RefNext(thursday, false);
  int dayOfYear = thursday.d;
  for (int k = 1; k < thursday.m; ++k) dayOfYear += RefDaysIn(thursday.y, k, false);
  return {thursday.y, (dayOfYear - 1) / 7 + 1};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

class MonthGridTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
  }

  void gridMatchesReference_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<bool>("mondayFirst");
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("rows");
    QTest::newRow("Nov 2005 Sun") << 2005 << 11 << false << false << false << 5;
    QTest::newRow("Nov 2005 Mon") << 2005 << 11 << false << true << false << 5;
    QTest::newRow("Feb 2015 Sun: extra March row") << 2015 << 2 << false << false << false << 5;
    QTest::newRow("Feb 2015 Mon") << 2015 << 2 << false << true << false << 5;
    QTest::newRow("Dec 2005 into January") << 2005 << 12 << false << false << false << 5;
    QTest::newRow("Dec 2012 into January") << 2012 << 12 << false << true << false << 6;
    QTest::newRow("Jan 2006 starts first column") << 2006 << 1 << false << false << false << 5;
    QTest::newRow("Aug 2015 31st last column") << 2015 << 8 << false << false << false << 6;
    QTest::newRow("Jan 2011 31st last column Mon") << 2011 << 1 << false << true << false << 6;
    QTest::newRow("Sep 2006 30th last column: one more row") << 2006 << 9 << false << false << false << 6;
    QTest::newRow("Mar 1900 Julian") << 1900 << 3 << true << false << false << 5;
    QTest::newRow("Feb 1900 CE not leap") << 1900 << 2 << false << false << false << 5;
    QTest::newRow("Feb 1900 Julian leap") << 1900 << 2 << true << true << false << 5;
    QTest::newRow("year 0 Feb leap") << 0 << 2 << false << false << false << 5;
    QTest::newRow("year -1 Dec") << -1 << 12 << false << true << false << 5;
    QTest::newRow("year -44 Mar Julian") << -44 << 3 << true << false << true << 5;
    QTest::newRow("year -4712 Jan Julian") << -4712 << 1 << true << true << false << 5;
    QTest::newRow("German Nov 2005") << 2005 << 11 << false << false << true << 5;
    QTest::newRow("German Monday first") << 2005 << 11 << false << true << true << 5;
    QTest::newRow("far future") << 5800000 << 12 << false << false << false << 0;
    QTest::newRow("far past") << -5800000 << 1 << true << true << false << 0;
  }
  void gridMatchesReference() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, julian);
    QFETCH(bool, mondayFirst);
    QFETCH(bool, german);
    QFETCH(int, rows);
    RefDate first{};
    int refRows = 0;
    const std::string expected = RefGrid(year, month, julian, mondayFirst, german, &first, &refRows);
    const MonthGrid grid =
        BuildMonthGrid(year, month, julian, mondayFirst, german ? intGerman : intEnglish);
    QCOMPARE(Q(grid.text), Q(expected));
    QCOMPARE(int(grid.numWeeks), refRows);
    if (rows != 0) QCOMPARE(refRows, rows);  // the reference itself, on the known cases
    // The first cell's JDN names the reference's first cell.
    EuroDate cell{0, 0, 0, julian ? JulianLetter : GregorianLetter, grid.firstCellJdn};
    JdnToEuroDate(cell);
    QCOMPARE(cell.year, first.y);
    QCOMPARE(cell.month, first.m);
    QCOMPARE(cell.day, first.d);
  }

  void november2005Exactly() {
    const auto lines = Lines(BuildMonthGrid(2005, 11, false, false, intEnglish).text);
    QCOMPARE(lines.size(), std::size_t(6));
    QCOMPARE(Q(lines[0]), QStringLiteral(" Sun  Mon  Tue  Wed  Thu  Fri  Sat "));
    QCOMPARE(lines[0].size(), std::size_t(35));
    QCOMPARE(Q(lines[1]), QStringLiteral("  30   31    1    2    3    4    5  "));
    QCOMPARE(Q(lines[5]), QStringLiteral("  27   28   29   30    1    2    3  "));
    // The units digit stands under the third letter of its day name.
    QCOMPARE(lines[1][3], '0');
    QCOMPARE(lines[0][3], 'n');
  }

  void february2015ShowsFirstWeekOfMarch() {
    const auto lines = Lines(BuildMonthGrid(2015, 2, false, false, intEnglish).text);
    QCOMPARE(lines.size(), std::size_t(6));
    QCOMPARE(Q(lines[1]), QStringLiteral("   1    2    3    4    5    6    7  "));
    QCOMPARE(Q(lines[5]), QStringLiteral("   1    2    3    4    5    6    7  "));
  }

  void germanHeader() {
    QCOMPARE(Q(MonthGridHeader(false, intGerman)),
             QStringLiteral(" Son  Mon  Die  Mit  Don  Fre  Sam "));
    QCOMPARE(Q(MonthGridHeader(true, intEnglish)),
             QStringLiteral(" Mon  Tue  Wed  Thu  Fri  Sat  Sun "));
  }

  void isoColumnOfOctober31st2005() {
    const MonthGrid grid = BuildMonthGrid(2005, 11, false, true, intEnglish);
    const auto with = Lines(IsoColumnText(grid.firstCellJdn, grid.numWeeks, true, intEnglish));
    const auto without = Lines(IsoColumnText(grid.firstCellJdn, grid.numWeeks, false, intEnglish));
    QCOMPARE(with.size(), std::size_t(grid.numWeeks + 1));
    QCOMPARE(Q(with[0]),
             QStringLiteral("Monday   Tuesday  Wednesda Thursday Friday   Saturday Sunday"));
    QCOMPARE(Q(with[1]), QStringLiteral("5-W44-1  5-W44-2  5-W44-3  5-W44-4  5-W44-5  "
                                        "5-W44-6  5-W44-7"));
    QCOMPARE(Q(without[0]),
             QStringLiteral(" Mon    Tue    Wed    Thu    Fri    Sat    Sun   "));
    QCOMPARE(Q(without[1]),
             QStringLiteral("W44-1  W44-2  W44-3  W44-4  W44-5  W44-6  W44-7"));
    QCOMPARE(Q(IsoColumnHeader(true, intGerman)),
             QStringLiteral("Montag   Dienstag Mittwoch Donnerst Freitag  Samstag  Sonntag"));
  }

  void isoWeeksOfEveryRowAgreeWithReference_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::newRow("Nov 2005") << 2005 << 11;
    QTest::newRow("Feb 2015 extra row") << 2015 << 2;
    QTest::newRow("Dec 2008 week 1 of 2009") << 2008 << 12;
    QTest::newRow("Jan 2010 week 53 of 2009") << 2010 << 1;
    QTest::newRow("Dec 2020 week 53") << 2020 << 12;
    QTest::newRow("Jan 0") << 0 << 1;
    QTest::newRow("Dec -1") << -1 << 12;
    QTest::newRow("Jan -400") << -400 << 1;
  }
  void isoWeeksOfEveryRowAgreeWithReference() {
    QFETCH(int, year);
    QFETCH(int, month);
    RefDate first{};
    int rows = 0;
    RefGrid(year, month, false, true, false, &first, &rows);
    const MonthGrid grid = BuildMonthGrid(year, month, false, true, intEnglish);
    const auto lines = Lines(IsoColumnText(grid.firstCellJdn, grid.numWeeks, true, intEnglish));
    const auto bare = Lines(IsoColumnText(grid.firstCellJdn, grid.numWeeks, false, intEnglish));
    QCOMPARE(int(lines.size()), rows + 1);
    RefDate monday = first;
    for (int r = 0; r < rows; ++r) {
      const auto [isoYear, week] = RefIsoWeek(monday);
      char cell[16];
      std::snprintf(cell, sizeof cell, "%d-W%02d-", std::abs(isoYear) % 10, week);
      std::string row;
      for (int k = 1; k <= 7; ++k) row += cell + std::to_string(k) + (k < 7 ? "  " : "");
      QCOMPARE(Q(lines[r + 1]), Q(row));
      std::snprintf(cell, sizeof cell, "W%02d-1  ", week);
      QVERIFY(bare[r + 1].rfind(cell, 0) == 0);
      for (int i = 0; i < 7; ++i) monday = RefNext(monday, false);
    }
  }

  void yearReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("year");
    QTest::newRow("plain") << "2005" << true << 2005;
    QTest::newRow("letters after") << " 2005abc " << true << 2005;
    QTest::newRow("negative") << "-44" << true << -44;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("limit") << "5800000" << true << 5800000;
    QTest::newRow("negative limit") << "-5800000" << true << -5800000;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks") << "   " << false << 0;
    QTest::newRow("letters only") << "abc" << false << 0;
    QTest::newRow("only minus") << "-" << false << 0;
    QTest::newRow("only plus") << "+" << false << 0;
    QTest::newRow("two signs") << "+-12" << false << 0;
    QTest::newRow("beyond limit") << "5800001" << false << 0;
    QTest::newRow("beyond negative limit") << "-5800001" << false << 0;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << false << 0;
  }
  void yearReading() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, year);
    std::int32_t read = 12345;
    QCOMPARE(ReadMonthYear(text.toStdString(), read), ok);
    if (ok) QCOMPARE(read, year);
  }

  void copyText() {
    MonthGridOptions options;
    const std::string plain = MonthCopyText(2005, 11, options);
    const std::string grid = BuildMonthGrid(2005, 11, false, false, intEnglish).text;
    QCOMPARE(Q(plain), Q("November 2005 (Common Era Calendar)\n\n" + grid));

    options.mondayFirst = true;
    options.withIso = true;
    const MonthGrid monday = BuildMonthGrid(2005, 11, false, true, intEnglish);
    const std::string iso = IsoColumnText(monday.firstCellJdn, monday.numWeeks, true, intEnglish);
    QCOMPARE(Q(MonthCopyText(2005, 11, options)),
             Q("November 2005 (Common Era Calendar)\n\n" + monday.text +
               "\n\nISO 8601 Week dates\n\n" + iso));

    // The ISO column exists only for the Common Era with Monday first.
    options.julian = true;
    options.language = intGerman;
    QCOMPARE(Q(MonthCopyText(1900, 3, options)),
             Q("Maerz 1900 (Julianischer Kalender)\n\n" +
               BuildMonthGrid(1900, 3, true, true, intGerman).text));
    options.julian = false;
    QVERIFY(Q(MonthCopyText(-5, 3, options)).contains(QStringLiteral("\n\nISO-8601-Wochendaten\n\n")));
    QCOMPARE(intTextLanguage, intEnglish);  // the lookup's language is restored

    QVERIFY(MonthCopyText(2005, 0, options).empty());
    QVERIFY(MonthCopyText(2005, 13, options).empty());
    QVERIFY(MonthCopyText(5800001, 1, options).empty());
  }
};

QTEST_MAIN(MonthGridTest)
#include "MonthGridTest.moc"
