// SPDX-License-Identifier: MIT
// The month grid and its ISO column against a slow day-by-day month printer written here
// from the calendar rules alone, and the exact texts of the cases users see most.
#include <QtTest>
#include <cstring>

#include "engine/DateCore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/month/MonthGrid.h"

using namespace valdora;
using namespace testing_ui;

namespace {

// ---- The reference printer: leap rules, month lengths and weekdays counted day by day ----
struct RefDate { int y, m, d; };
int Mod(int a, int b) { return (a % b + b) % b; }
bool Leap(int y, bool jc) { return Mod(y, 4) == 0 && (jc || Mod(y, 100) != 0 || Mod(y, 400) == 0); }
int DaysIn(int y, int m, bool jc) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[m - 1] + (m == 2 && Leap(y, jc));
}

// Weekday (0 = Sunday) of the 1st of month m of y, stepped year by year from 1 January 2000
// (a Saturday in the Common Era calendar, a Friday in the Julian one).
int WeekdayOfFirst(int y, int m, bool jc) {
  int w = jc ? 5 : 6;
  for (int k = 2000; k < y; ++k) w = (w + 365 + Leap(k, jc)) % 7;
  for (int k = 2000; k > y; --k) w = Mod(w - 365 - Leap(k - 1, jc), 7);
  for (int k = 1; k < m; ++k) w = (w + DaysIn(y, k, jc)) % 7;
  return w;
}

RefDate Next(RefDate t, bool jc, int days = 1) {
  for (; days > 0; --days) {
    if (++t.d > DaysIn(t.y, t.m, jc)) t = {t.y + (t.m == 12), t.m % 12 + 1, 1};
  }
  return t;
}

struct RefGrid { QString text; RefDate first; int rows; };
RefGrid Reference(int y, int m, bool jc, bool monday, bool german) {
  const int back = Mod(WeekdayOfFirst(y, m, jc) - monday, 7), last = DaysIn(y, m, jc);
  const int py = m == 1 ? y - 1 : y, pm = m == 1 ? 12 : m - 1;
  RefDate t = back ? RefDate{py, pm, DaysIn(py, pm, jc) - back + 1} : RefDate{y, m, 1};
  // As many rows as hold the last day, one more when that day closes its row without being a
  // 31st (so a full following week is shown).
  RefGrid g{german ? u" Son  Mon  Die  Mit  Don  Fre  Sam "_s : u" Sun  Mon  Tue  Wed  Thu  Fri  Sat "_s,
            t, (back + last + 6) / 7 + ((back + last) % 7 == 0 && last < 31)};
  if (monday) g.text = g.text.mid(5) + g.text.left(5);
  for (int r = 0; r < g.rows; ++r) {
    g.text += u"\n "_s;
    for (int c = 0; c < 7; ++c, t = Next(t, jc)) g.text += u"%1  "_s.arg(t.d, 3);
  }
  return g;
}

// ISO row of the CE week from Monday t: its Thursday decides the ISO year, and the count of
// that year's Thursdays up to it the week.
QString RefIsoRow(RefDate t, bool withYear) {
  t = Next(t, false, 3);
  int dayOfYear = t.d;
  for (int k = 1; k < t.m; ++k) dayOfYear += DaysIn(t.y, k, false);
  QStringList cells;
  for (int k = 1; k <= 7; ++k) {
    cells << (withYear ? QString::number(std::abs(t.y) % 10) + u'-' : QString()) +
                 u"W%1-%2"_s.arg((dayOfYear - 1) / 7 + 1, 2, 10, QChar(u'0')).arg(k);
  }
  return cells.join(u"  "_s);
}

// Flags: J Julian, M Monday first, G German. rows: the known row count (0: not pinned).
struct GridCase { int y, m; const char* flags; int rows; };
const GridCase kGrids[] = {
    {2005, 11, "", 5}, {2005, 11, "M", 5}, {2015, 2, "", 5} /* extra March row */, {2015, 2, "M", 5},
    {2005, 12, "", 5} /* into January */, {2012, 12, "M", 6}, {2006, 1, "", 5} /* first column */,
    {2015, 8, "", 6} /* 31st last column */, {2011, 1, "M", 6}, {2006, 9, "", 6} /* 30th last */,
    {1900, 3, "J", 5}, {1900, 2, "", 5} /* not leap */, {1900, 2, "JM", 5} /* Julian leap */,
    {0, 2, "", 5}, {-1, 12, "M", 5}, {-44, 3, "JG", 5}, {-4712, 1, "JM", 5}, {2005, 11, "G", 5},
    {2005, 11, "MG", 5}, {5800000, 12, "", 0}, {-5800000, 1, "JM", 0},
    // ISO weeks at year ends: week 1 of 2009, week 53 of 2009 and of 2020, years 0 and -400.
    {2008, 12, "M", 0}, {2010, 1, "M", 0}, {2020, 12, "M", 0}, {0, 1, "M", 0}, {-400, 1, "M", 0}};

}  // namespace

class MonthGridTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { LoadAndGenerateTexts(); }

  void gridsAndIsoColumnsMatchTheReference() {
    for (const GridCase& c : kGrids) {
      const bool jc = std::strchr(c.flags, 'J'), monday = std::strchr(c.flags, 'M');
      const bool german = std::strchr(c.flags, 'G');
      const RefGrid ref = Reference(c.y, c.m, jc, monday, german);
      const MonthGrid grid = BuildMonthGrid(c.y, c.m, jc, monday, german ? intGerman : intEnglish);
      QCOMPARE(Q(grid.text), ref.text);
      QCOMPARE(int(grid.numWeeks), ref.rows);
      if (c.rows != 0) QCOMPARE(ref.rows, c.rows);  // the reference itself, on the known cases
      EuroDate cell{0, 0, 0, jc ? JulianLetter : GregorianLetter, grid.firstCellJdn};
      JdnToEuroDate(cell);
      QCOMPARE(QList<int>({cell.year, cell.month, cell.day}),
               QList<int>({ref.first.y, ref.first.m, ref.first.d}));
      if (jc || !monday || german) continue;
      for (bool withYear : {true, false}) {
        const QStringList lines =
            Q(IsoColumnText(grid.firstCellJdn, grid.numWeeks, withYear, intEnglish)).split(u'\n');
        QCOMPARE(lines.size(), ref.rows + 1);
        QCOMPARE(lines[0], Q(IsoColumnHeader(withYear, intEnglish)));
        for (int r = 1; r <= ref.rows; ++r) {
          QCOMPARE(lines[r], RefIsoRow(Next(ref.first, false, 7 * (r - 1)), withYear));
        }
      }
    }
  }

  void exactTexts() {
    const QStringList nov = Q(BuildMonthGrid(2005, 11, false, false, intEnglish).text).split(u'\n');
    QCOMPARE(nov.value(0), u" Sun  Mon  Tue  Wed  Thu  Fri  Sat "_s);
    QCOMPARE(nov.value(1), u"  30   31    1    2    3    4    5  "_s);
    QCOMPARE(nov.value(5), u"  27   28   29   30    1    2    3  "_s);
    const QStringList feb = Q(BuildMonthGrid(2015, 2, false, false, intEnglish).text).split(u'\n');
    QCOMPARE(feb.value(1), u"   1    2    3    4    5    6    7  "_s);
    QCOMPARE(feb.value(5), feb.value(1));  // the first week of March
    const MonthGrid grid = BuildMonthGrid(2005, 11, false, true, intEnglish);
    QCOMPARE(Q(IsoColumnText(grid.firstCellJdn, grid.numWeeks, true, intEnglish)).split(u'\n').value(1),
             u"5-W44-1  5-W44-2  5-W44-3  5-W44-4  5-W44-5  5-W44-6  5-W44-7"_s);
    QCOMPARE(Q(IsoColumnHeader(true, intEnglish)),
             u"Monday   Tuesday  Wednesda Thursday Friday   Saturday Sunday"_s);
    QCOMPARE(Q(IsoColumnHeader(false, intEnglish)), u" Mon    Tue    Wed    Thu    Fri    Sat    Sun   "_s);
    QCOMPARE(Q(IsoColumnHeader(true, intGerman)),
             u"Montag   Dienstag Mittwoch Donnerst Freitag  Samstag  Sonntag"_s);
  }

  void yearReading() {
    const std::pair<const char*, int> good[] = {{"2005", 2005}, {" 2005abc ", 2005}, {"-44", -44},
                                                {"+7", 7}, {"0", 0}, {"5800000", 5800000},
                                                {"-5800000", -5800000}};
    for (const auto& [text, year] : good) {
      std::int32_t read = 12345;
      QVERIFY2(ReadMonthYear(text, read), text);
      QCOMPARE(read, year);
    }
    for (const char* bad : {"", "   ", "abc", "-", "+", "+-12", "5800001", "-5800001", "2147483648",
                            "99999999999999999999999"}) {
      std::int32_t read = 0;
      QVERIFY2(!ReadMonthYear(bad, read), bad);
    }
  }

  void copyText() {
    MonthGridOptions options;
    const QString heading = u"November 2005 (Common Era Calendar)\n\n"_s;
    QCOMPARE(Q(MonthCopyText(2005, 11, options)),
             heading + Q(BuildMonthGrid(2005, 11, false, false, intEnglish).text));
    options.mondayFirst = true;
    options.withIso = true;
    const MonthGrid monday = BuildMonthGrid(2005, 11, false, true, intEnglish);
    QCOMPARE(Q(MonthCopyText(2005, 11, options)),
             heading + Q(monday.text) + u"\n\nISO 8601 Week dates\n\n"_s +
                 Q(IsoColumnText(monday.firstCellJdn, monday.numWeeks, true, intEnglish)));

    // The ISO column exists only for the Common Era with Monday first.
    options.julian = true;
    options.language = intGerman;
    QCOMPARE(Q(MonthCopyText(1900, 3, options)),
             u"Maerz 1900 (Julianischer Kalender)\n\n"_s + Q(BuildMonthGrid(1900, 3, true, true, intGerman).text));
    options.julian = false;
    QVERIFY(Q(MonthCopyText(-5, 3, options)).contains(u"\n\nISO-8601-Wochendaten\n\n"_s));
    QCOMPARE(intTextLanguage, intEnglish);  // the lookup's language is restored
    for (auto [y, m] : {std::pair{2005, 0}, {2005, 13}, {5800001, 1}}) QVERIFY(MonthCopyText(y, m, options).empty());
  }
};

QTEST_MAIN(MonthGridTest)
#include "MonthGridTest.moc"
