// SPDX-License-Identifier: MIT
// The month grid's marks for a working calendar: which cells are marked, that the grid keeps
// its width, and that the cells of neighbouring months stay unmarked.
#include <QtTest>

#include "engine/DateCore.h"
#include "presentation/MonthMarks.h"
#include "tests/ui/UiTestSupport.h"

using namespace valdora;
using namespace testing_ui;

namespace {
Jdn CeJdn(int y, int m, int d) {
  EuroDate date{y, m, d, GregorianLetter, 0};
  return EuroDateToJdn(date);
}

// The days of the month the grid marks, read back from its text.
QList<int> MarkedDays(const std::string& text) {
  QList<int> days;
  const QStringList lines = Q(text).split(u'\n');
  for (qsizetype row = 1; row < lines.size(); ++row)
    for (int c = 0; c < 7; ++c) {
      const QString cell = lines[row].mid(1 + 5 * c, 5);
      if (cell[3] == QLatin1Char(kRestDayMark)) days << cell.left(3).trimmed().toInt();
    }
  return days;
}
}  // namespace

class MonthMarksTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { LoadAndGenerateTexts(); }

  void marks_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<int>("week");             // WeekdaySet
    QTest::addColumn<QList<int>>("holidays");  // days of the month
    QTest::addColumn<QList<int>>("marked");
    // December 2024 starts on a Sunday and ends on a Tuesday: the grid's last row holds
    // January days, which stay unmarked.
    QTest::newRow("Monday to Friday, Christmas holidays, Sunday first")
        << 2024 << 12 << false << int(kMondayToFriday) << QList<int>{24, 25, 26}
        << QList<int>{1, 7, 8, 14, 15, 21, 22, 24, 25, 26, 28, 29};
    QTest::newRow("Friday and Saturday off, Monday first, neighbours unmarked")
        << 2024 << 12 << true << int(0x1F) << QList<int>{}
        << QList<int>{6, 7, 13, 14, 20, 21, 27, 28};
    QTest::newRow("holiday on a rest day marked once")
        << 2025 << 12 << false << int(kMondayToFriday) << QList<int>{27}
        << QList<int>{6, 7, 13, 14, 20, 21, 27, 28};
    QTest::newRow("every day works, one holiday on the 31st")
        << 2025 << 1 << false << int(kAllWeekdays) << QList<int>{31} << QList<int>{31};
    QTest::newRow("February of a leap year, Sunday only works")
        << 2024 << 2 << false << int(0x01) << QList<int>{}
        << QList<int>{1,  2,  3,  5,  6,  7,  8,  9,  10, 12, 13, 14, 15,
                      16, 17, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29};
  }
  void marks() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, monday);
    QFETCH(int, week);
    QFETCH(QList<int>, holidays);
    QFETCH(QList<int>, marked);
    WorkingCalendar calendar;
    QVERIFY(calendar.SetWorkingWeek(static_cast<WeekdaySet>(week)));
    std::vector<Jdn> days;
    for (int d : holidays) days.push_back(CeJdn(year, month, d));
    // The neighbouring months' cells are holidays too: they must still stay unmarked.
    for (int d = 1; d <= 7; ++d) {
      days.push_back(CeJdn(year, month, 1) - d);
      days.push_back(CeJdn(month == 12 ? year + 1 : year, month % 12 + 1, d));
    }
    calendar.SetHolidays(days);

    const MonthGrid plain = BuildMonthGrid(year, month, false, monday, 0);
    MonthGrid grid = plain;
    MarkRestDays(grid, calendar);
    QCOMPARE(MarkedDays(grid.text), marked);
    // Only marks differ: same length, and each changed character a blank turned into a mark.
    QCOMPARE(grid.text.size(), plain.text.size());
    for (std::size_t i = 0; i < plain.text.size(); ++i)
      if (grid.text[i] != plain.text[i])
        QVERIFY2(plain.text[i] == ' ' && grid.text[i] == kRestDayMark,
                 qPrintable(u"character %1"_s.arg(i)));
    QCOMPARE(grid.firstCellJdn, plain.firstCellJdn);
    QCOMPARE(grid.numWeeks, plain.numWeeks);
  }

  // A text that is not a full grid is left as it is where it ends, never read beyond.
  void shortTextIsSafe() {
    MonthGrid grid = BuildMonthGrid(2024, 12, false, false, 0);
    grid.text.resize(grid.text.size() / 2);
    const std::string before = grid.text;
    WorkingCalendar calendar;
    MarkRestDays(grid, calendar);
    QCOMPARE(grid.text.size(), before.size());
  }
};

QTEST_MAIN(MonthMarksTest)
#include "MonthMarksTest.moc"
