// Today's date on the real main window: the labels in English and German, the calendar ring
// walked by mouse clicks, the Today buttons in every calendar, and the labels moving on to
// the next day at the clock's tick.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "text/Language.h"

using namespace valdora;
using namespace testing_main;

class TodayTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

  QStringList Labels() const {
    return {w->lblTodaysDate[0]->text(), w->lblTodaysDate[1]->text(),
            w->lblWeekFromToday[0]->text(), w->lblWeekFromToday[1]->text()};
  }

 private slots:
  void initTestCase() { StartProgram(); }
  void init() {
    SetFixedToday(2008, 7, 12);
    OpenWindow();
  }
  void cleanup() {
    intLanguage = intEnglish;
    CloseWindow();
  }
  void cleanupTestCase() { EndProgram(); }

  void labelsAfterStartUp() {
    QCOMPARE(Labels(), QStringList({"Today is Saturday,", "2008-07-12 CE", "A week from today is",
                                    "2008-07-19 CE"}));
  }

  void labelsInGerman() {
    intLanguage = intGerman;
    w->ShowTodaysDate();
    QCOMPARE(Labels(), QStringList({"Heute ist Samstag,", "der 2008-07-12 CE",
                                    "Eine Woche weiter ist", "der 2008-07-19 CE"}));
    QTest::mouseClick(w->lblTodaysDate[1], Qt::RightButton);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2,454,660 JDN"));
    QCOMPARE(w->lblWeekFromToday[1]->text(), QStringLiteral("2,454,667 JDN"));
  }

  // Seven left clicks walk the whole ring and come back to CE; each of the four labels
  // takes the clicks.
  void leftClicksWalkTheRing() {
    const QStringList ring = {"2008-W28-6 ISO", "2008-06-29 JC",  "2008-194",      "2008-07-20 LPM",
                              "2008-29-6 LPW",  "2,454,660 JDN", "2008-07-12 CE"};
    QLabel* targets[] = {w->lblTodaysDate[0], w->lblTodaysDate[1], w->lblWeekFromToday[0],
                         w->lblWeekFromToday[1]};
    for (int i = 0; i < ring.size(); ++i) {
      QTest::mouseClick(targets[i % 4], i == 3 ? Qt::MiddleButton : Qt::LeftButton);
      QCOMPARE(w->lblTodaysDate[1]->text(), ring[i]);
    }
    QCOMPARE(w->intTodayCal, std::int16_t{CE});
    QCOMPARE(w->lblTodaysDate[0]->text(), QStringLiteral("Today is Saturday,"));
  }

  void rightClickGoesBack() {
    QTest::mouseClick(w->lblWeekFromToday[0], Qt::RightButton);
    QCOMPARE(w->intTodayCal, std::int16_t{JDN});
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2,454,660 JDN"));
    QTest::mouseClick(w->lblWeekFromToday[0], Qt::RightButton);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008-29-6 LPW"));
    QTest::mouseClick(w->lblWeekFromToday[0], Qt::LeftButton);
    QTest::mouseClick(w->lblWeekFromToday[0], Qt::LeftButton);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008-07-12 CE"));
  }

  // The hyphen option reaches the labels only at their next drawing.
  void hyphenOptionAtTheNextDrawing() {
    QTest::mouseClick(w->lblTodaysDate[1], Qt::LeftButton);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008-W28-6 ISO"));
    w->chkHyphen->setChecked(false);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008-W28-6 ISO"));
    w->ShowTodaysDate();
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008W286 ISO"));
  }

  // After midnight the labels show the new day at the next tick of the clock.
  void labelsFollowTheDateAtTheNextTick() {
    SetFixedToday(2008, 7, 13);
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("2008-07-12 CE"));
    QTRY_COMPARE_WITH_TIMEOUT(w->lblTodaysDate[1]->text(), QStringLiteral("2008-07-13 CE"), 2500);
    QCOMPARE(Labels(), QStringList({"Today is Sunday,", "2008-07-13 CE", "A week from today is",
                                    "2008-07-20 CE"}));
  }

  void labelsStayEmptyBeforeStartUp() {
    frmMain fresh;
    fresh.ShowTodaysDate();
    QCOMPARE(fresh.lblTodaysDate[1]->text(), QString());
    QCOMPARE(fresh.lblWeekFromToday[1]->text(), QString());
  }

  void todayButtonsInEveryCalendar_data() {
    QTest::addColumn<int>("cal");
    QTest::addColumn<QString>("text");
    QTest::newRow("CE") << int(CE) << "2008-07-12";
    QTest::newRow("JC") << int(JC) << "2008-06-29";
    QTest::newRow("JDN") << int(JDN) << "2,454,660";
    QTest::newRow("ORD") << int(ORD) << "2008-194";
    QTest::newRow("ISO") << int(ISO) << "2008-W28-6";
    QTest::newRow("LPW") << int(LPW) << "2008-29-6";
    QTest::newRow("LPM") << int(LPM) << "2008-07-20";
  }
  void todayButtonsInEveryCalendar() {
    QFETCH(int, cal);
    QFETCH(QString, text);
    w->txbDateDiff->setText(QStringLiteral("7"));
    Click(CalOption(*w, 2, cal));
    Click(w->cmdToday[1]);
    QCOMPARE(w->txbSecondDate->text(), text);
    QCOMPARE(w->txbFirstDate->text(), QString());
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("7"));
    w->txbDateDiff->clear();
    Click(CalOption(*w, 1, cal));
    Click(w->cmdToday[0]);
    QCOMPARE(w->txbFirstDate->text(), text);
    QCOMPARE(w->txbSecondDate->text(), text);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cmdCompute));
    QVERIFY(recorder.boxes.empty());
  }

  void todayButtonFollowsTheDateSettings() {
    Click(w->optDateFormatIsDMY);
    Click(w->optSeparatorIsDot);
    Click(w->cmdToday[0]);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("12.07.2008"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbDateDiff));
    QCOMPARE(w->lblTodaysDate[1]->text(), QStringLiteral("12.07.2008 CE"));
  }
};

QTEST_MAIN(TodayTest)
#include "TodayTest.moc"
