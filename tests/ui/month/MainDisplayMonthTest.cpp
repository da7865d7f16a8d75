// "Display month" on the real main window: which month opens for each kind of first date,
// the first placement beside the main window, and the month window's options at start-up.
#include <QFile>

#include "engine/DateCore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/month/MonthGrid.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_ui;

class MainDisplayMonthTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;
  std::vector<MessageRequest> boxes;

 private slots:
  void initTestCase() {
    SetFixedToday(2008, 7, 12);
    RecordMessagesAnsweringOk(boxes);
    LoadProgramTexts();
    QFile::remove(UserFilePath());  // a first run: the defaults
    main = new frmMain;
    QVERIFY(main->Form_Load());
    main->move(40, 30);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    // Start-up leaves the window unbuilt; the options it will load with are known already.
    QVERIFY(!frmDisplayMonth::exists());
    bool monday = true, julian = true;
    frmDisplayMonth::GetOptions(monday, julian);
    QVERIFY(!monday && !julian);
    const frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(!month.isVisible() && month.optSunday->isChecked() && month.optCommonEra->isChecked());
  }
  void cleanupTestCase() {
    frmDisplayMonth::unload();
    delete main;
    SetMessageRecorder({});
    UseSystemToday();
  }

  void firstPlacementBesideTheMainWindow() {
    main->txbFirstDate->clear();
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible());
    QCOMPARE(month.pos(), main->pos() + QPoint(TwipsToPixels(4000), TwipsToPixels(1710)));
    QCOMPARE(month.txbYear->text(), u"2008"_s);
    QCOMPARE(month.cboMonths->currentIndex(), 6);
    QCOMPARE(month.txbMonth->toPlainText(), Q(BuildMonthGrid(2008, 7, false, false, intEnglish).text));
    // An open window keeps its place.
    month.move(month.pos() + QPoint(37, 23));
    const QPoint moved = month.pos();
    main->activateWindow();
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(month.pos(), moved);
    QVERIFY(boxes.empty());
  }

  void monthOfTheFirstDate() {
    const struct {
      QRadioButton* calendar;
      QString text;
      int year, monthIndex;
    } cases[] = {{main->optFirstDateIsJC, u"1999-12-31"_s, 1999, 11},  // December 1999 Julian
                 {main->optFirstDateIsJC, u"1900-03-12"_s, 1900, 2},
                 {main->optFirstDateIsJDN, u"2451545"_s, 2000, 0},
                 {main->optFirstDateIsJDN, u"0"_s, -4713, 10},  // 1 January -4712 JC in the CE
                 {main->optFirstDateIsCE, u"  2005-11-30 "_s, 2005, 10},
                 // Unreadable, ISO, ordinal or empty: today's month.
                 {main->optFirstDateIsCE, u"2005-13-45"_s, 2008, 6},
                 {main->optFirstDateIsISO, u"2005-W44-1"_s, 2008, 6},
                 {main->optFirstDateIsORD, u"2005-100"_s, 2008, 6},
                 {main->optFirstDateIsCE, QString(), 2008, 6}};
    frmDisplayMonth& month = frmDisplayMonth::instance();
    for (const auto& c : cases) {
      main->txbFirstDate->clear();
      ClickIndicator(c.calendar);
      QVERIFY(c.calendar->isChecked());
      main->txbFirstDate->setFocus();
      QTest::keyClicks(main->txbFirstDate, c.text);
      QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
      QCOMPARE(main->txbFirstDate->text(), c.text.trimmed());
      QCOMPARE(month.txbYear->text(), QString::number(c.year));
      QCOMPARE(month.cboMonths->currentIndex(), c.monthIndex);
      QVERIFY(month.optCommonEra->isChecked());  // the window's own calendar stays
      QCOMPARE(month.txbMonth->toPlainText(),
               Q(BuildMonthGrid(c.year, c.monthIndex + 1, false, false, intEnglish).text));
    }
    QVERIFY(boxes.empty());
    main->txbFirstDate->clear();
  }

  void closeReturnsToTheFirstDate() {
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible());
    QTest::mouseClick(month.cmdClose, Qt::LeftButton);
    QVERIFY(!month.isVisible());
    QTRY_VERIFY(main->txbFirstDate->hasFocus());
  }
};

QTEST_MAIN(MainDisplayMonthTest)
#include "MainDisplayMonthTest.moc"
