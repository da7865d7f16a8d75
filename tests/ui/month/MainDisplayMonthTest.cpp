// "Display month" on the real main window: which month opens for each kind of first date,
// the first placement beside the main window, and the month window's options in the user file.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <vector>

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

  void TypeFirstDate(const QString& text) {
    main->txbFirstDate->clear();
    main->txbFirstDate->setFocus();
    QTest::keyClicks(main->txbFirstDate, text);
  }

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
    bool monday = true;
    bool julian = true;
    frmDisplayMonth::GetOptions(monday, julian);
    QVERIFY(!monday);
    QVERIFY(!julian);
    QVERIFY(!frmDisplayMonth::instance().isVisible());
    QVERIFY(frmDisplayMonth::instance().optSunday->isChecked());
    QVERIFY(frmDisplayMonth::instance().optCommonEra->isChecked());
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
    QCOMPARE(month.txbYear->text(), QStringLiteral("2008"));
    QCOMPARE(month.cboMonths->currentIndex(), 6);
    QCOMPARE(month.txbMonth->toPlainText(),
             QString::fromStdString(BuildMonthGrid(2008, 7, false, false, intEnglish).text));

    // An open window keeps its place.
    month.move(month.pos() + QPoint(37, 23));
    const QPoint moved = month.pos();
    main->activateWindow();
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(month.pos(), moved);
    QVERIFY(boxes.empty());
  }

  void monthOfTheFirstDate_data() {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("monthIndex");
    QTest::newRow("JC 1999-12-31 is December 1999 Julian") << "optFirstDateIsJC" << "1999-12-31"
                                                           << 1999 << 11;
    QTest::newRow("JC 12 March 1900") << "optFirstDateIsJC" << "1900-03-12" << 1900 << 2;
    QTest::newRow("JDN 2451545 is January 2000") << "optFirstDateIsJDN" << "2451545" << 2000 << 0;
    QTest::newRow("JDN 0 is January -4712 CE") << "optFirstDateIsJDN" << "0" << -4713 << 10;
    QTest::newRow("CE with blanks around") << "optFirstDateIsCE" << "  2005-11-30 " << 2005 << 10;
    QTest::newRow("CE unreadable: today") << "optFirstDateIsCE" << "2005-13-45" << 2008 << 6;
    QTest::newRow("ISO: today") << "optFirstDateIsISO" << "2005-W44-1" << 2008 << 6;
    QTest::newRow("ordinal: today") << "optFirstDateIsORD" << "2005-100" << 2008 << 6;
    QTest::newRow("empty: today") << "optFirstDateIsCE" << "" << 2008 << 6;
  }
  void monthOfTheFirstDate() {
    QFETCH(QString, calendar);
    QFETCH(QString, text);
    QFETCH(int, year);
    QFETCH(int, monthIndex);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    main->txbFirstDate->clear();
    main->findChild<QRadioButton*>(calendar)->setChecked(true);
    main->txbFirstDate->setText(text);
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(main->txbFirstDate->text(), text.trimmed());
    QCOMPARE(month.txbYear->text(), QString::number(year));
    QCOMPARE(month.cboMonths->currentIndex(), monthIndex);
    // The window's own calendar option stays as it was.
    QVERIFY(month.optCommonEra->isChecked());
    QCOMPARE(month.txbMonth->toPlainText(),
             QString::fromStdString(
                 BuildMonthGrid(year, monthIndex + 1, false, false, intEnglish).text));
    QVERIFY(boxes.empty());
  }

  void typedJulianDateOpensItsMonth() {
    main->txbFirstDate->clear();
    QTest::mouseClick(main->optFirstDateIsJC, Qt::LeftButton);
    TypeFirstDate(QStringLiteral("1999-12-31"));
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QCOMPARE(month.txbYear->text(), QStringLiteral("1999"));
    QCOMPARE(month.cboMonths->currentText(), QStringLiteral("December"));
    main->txbFirstDate->clear();
    main->optFirstDateIsCE->setChecked(true);
  }

  void closeReturnsToTheFirstDate() {
    QTest::mouseClick(main->cmdDisplayMonth, Qt::LeftButton);
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(month.isVisible());
    QTest::mouseClick(month.cmdClose, Qt::LeftButton);
    QVERIFY(!month.isVisible());
    QTRY_VERIFY(main->txbFirstDate->hasFocus());
  }

  void optionsGoIntoTheUserFile() {
    frmDisplayMonth& month = frmDisplayMonth::instance();
    month.optMonday->setChecked(true);
    month.optJulian->setChecked(true);
    QVERIFY(main->SaveSettings());
    QFile file(UserFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.size() >= 10);
    QCOMPARE(lines[8].trimmed(), QByteArray("\"Mon\""));
    QCOMPARE(lines[9].trimmed(), QByteArray("\"JC\""));
    month.optSunday->setChecked(true);
    month.optCommonEra->setChecked(true);
  }
};

QTEST_MAIN(MainDisplayMonthTest)
#include "MainDisplayMonthTest.moc"
