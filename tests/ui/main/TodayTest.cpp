// SPDX-License-Identifier: MIT
// Today's date on the real main window: the labels in English and German, the calendar ring
// walked by mouse clicks, the Today button and the date settings, and the labels moving on to
// the next day at the clock's tick. The Today buttons in every calendar are in FieldsTest.
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
  QString Today() const { return w->lblTodaysDate[1]->text(); }

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

  void labelsInBothLanguages() {
    QCOMPARE(Labels(), QStringList({"Today is Saturday,", "2008-07-12 CE", "A week from today is",
                                    "2008-07-19 CE"}));
    intLanguage = intGerman;
    w->ShowTodaysDate();
    QCOMPARE(Labels(), QStringList({"Heute ist Samstag,", "der 2008-07-12 CE",
                                    "Eine Woche weiter ist", "der 2008-07-19 CE"}));
    QTest::mouseClick(w->lblTodaysDate[1], Qt::RightButton);
    QCOMPARE(Labels().mid(1), QStringList({"2,454,660 JDN", "Eine Woche weiter ist", "2,454,667 JDN"}));
  }

  // Seven clicks walk the whole ring and come back to CE; each of the four labels takes left
  // (and middle) clicks. Right clicks walk back.
  void clicksWalkTheRing() {
    const QStringList ring = {"2008-W28-6 ISO", "2008-06-29 JC", "2008-194",      "2008-07-20 LPM",
                              "2008-29-6 LPW",  "2,454,660 JDN", "2008-07-12 CE"};
    QLabel* targets[] = {w->lblTodaysDate[0], w->lblTodaysDate[1], w->lblWeekFromToday[0],
                         w->lblWeekFromToday[1]};
    for (int i = 0; i < ring.size(); ++i) {
      QTest::mouseClick(targets[i % 4], i == 3 ? Qt::MiddleButton : Qt::LeftButton);
      QCOMPARE(u"forward click %1: "_s.arg(i + 1) + Today(), u"forward click %1: "_s.arg(i + 1) + ring[i]);
    }
    QCOMPARE(w->intTodayCal, std::int16_t{CE});
    QCOMPARE(w->lblTodaysDate[0]->text(), u"Today is Saturday,"_s);
    for (int i = ring.size() - 2; i >= 0; --i) {
      QTest::mouseClick(targets[i % 4], Qt::RightButton);
      QCOMPARE(u"back to %1: "_s.arg(i + 1) + Today(), u"back to %1: "_s.arg(i + 1) + ring[i]);
    }
    QCOMPARE(w->intTodayCal, std::int16_t{ISO});
  }

  // The hyphen option reaches the labels only at their next drawing.
  void hyphenOptionAtTheNextDrawing() {
    QTest::mouseClick(w->lblTodaysDate[1], Qt::LeftButton);
    w->chkHyphen->setChecked(false);
    QCOMPARE(Today(), u"2008-W28-6 ISO"_s);
    w->ShowTodaysDate();
    QCOMPARE(Today(), u"2008W286 ISO"_s);
  }

  // After midnight the labels show the new day at the next tick of the clock.
  void labelsFollowTheDateAtTheNextTick() {
    SetFixedToday(2008, 7, 13);
    QCOMPARE(Today(), u"2008-07-12 CE"_s);
    QTRY_COMPARE_WITH_TIMEOUT(Today(), u"2008-07-13 CE"_s, 2500);
    QCOMPARE(Labels(), QStringList({"Today is Sunday,", "2008-07-13 CE", "A week from today is",
                                    "2008-07-20 CE"}));
  }

  void labelsStayEmptyBeforeStartUp() {
    frmMain fresh;
    fresh.ShowTodaysDate();
    QVERIFY(fresh.lblTodaysDate[1]->text().isEmpty() && fresh.lblWeekFromToday[1]->text().isEmpty());
  }

  void todayButtonFollowsTheDateSettings() {
    Click(w->optDateFormatIsDMY);
    Click(w->optSeparatorIsDot);
    Click(w->cmdToday[0]);
    QCOMPARE(w->txbFirstDate->text(), u"12.07.2008"_s);
    QCOMPARE(Focused(), u"txbDateDiff"_s);
    QCOMPARE(Today(), u"12.07.2008 CE"_s);
  }
};

QTEST_MAIN(TodayTest)
#include "TodayTest.moc"
