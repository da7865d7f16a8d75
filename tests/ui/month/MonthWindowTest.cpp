// The month window on its own: stepping through months and years, the year check, the ISO
// column and the window's height, activation, the clipboard text, German names, unloading.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "ui/month/MonthGrid.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_ui;

namespace {
int Bottom(const QWidget* w) { return w->y() + w->height(); }
}  // namespace

class MonthWindowTest : public QObject {
  Q_OBJECT

  std::vector<MessageRequest> boxes;
  QWidget* other = nullptr;  // another window of the program, to move the activation to

  frmDisplayMonth& Shown() {
    frmDisplayMonth& month = frmDisplayMonth::instance();
    if (!month.isVisible()) {
      month.show();
      month.activateWindow();
      [&] { QVERIFY(QTest::qWaitForWindowActive(&month)); }();
    }
    return month;
  }
  void Show(frmDisplayMonth& month, const char* year, int monthIndex) {
    month.txbYear->setText(QString::fromLatin1(year));
    month.cboMonths->setCurrentIndex(monthIndex);
    month.DisplayMonth();
  }
  void Reactivate(frmDisplayMonth& month) {
    other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other));
    month.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&month));
  }

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    RecordMessagesAnsweringOk(boxes);
    other = new QWidget;
    other->setWindowTitle(QStringLiteral("other"));
    other->resize(200, 100);
    other->show();
    QVERIFY(QTest::qWaitForWindowExposed(other));
  }
  void cleanupTestCase() {
    frmDisplayMonth::unload();
    delete other;
    SetMessageRecorder({});
  }
  void init() {
    boxes.clear();
    intLanguage = intEnglish;
  }

  void loadsWithDesignStateAndHiddenColumn() {
    QVERIFY(!frmDisplayMonth::exists());
    frmDisplayMonth& month = frmDisplayMonth::instance();
    QVERIFY(frmDisplayMonth::exists());
    QVERIFY(!month.isVisible());
    QCOMPARE(month.cboMonths->count(), 12);
    QCOMPARE(month.cboMonths->currentIndex(), 0);
    QCOMPARE(month.cboMonths->itemText(11), QStringLiteral("December"));
    QCOMPARE(month.txbYear->text(), QStringLiteral("2005"));
    QVERIFY(month.chkWithYear->isChecked());
    QVERIFY(!month.blnISOShown);
    QCOMPARE(month.cmdShowHideISO->text(), Q(ProgramText(14)));
    QCOMPARE(month.height(), Bottom(month.cmdShowHideISO) + TwipsToPixels(550));
    QCOMPARE(month.findChild<QPushButton*>(QStringLiteral("cmdDisplayNextMonth(1)")),
             month.cmdDisplayNextMonth[1]);
    QCOMPARE(month.txbMonth->font().styleHint(), FixedPitchFont().styleHint());
    QVERIFY(QFontInfo(month.txbISODates->font()).fixedPitch());

    // The start-up selects the options of the user file; activation makes the pairs whole.
    month.optSunday->setChecked(true);
    Shown();
    QVERIFY(month.optCommonEra->isChecked());
    QCOMPARE(month.windowTitle(), QStringLiteral("Display month"));
    QVERIFY(month.txbMonth->toPlainText().startsWith(QStringLiteral(" Sun  Mon")));
    QVERIFY(!month.cmdShowHideISO->isEnabled());
    QVERIFY(boxes.empty());
  }

  void stepsAcrossYearEnds_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("newYear");
    QTest::addColumn<int>("newMonth");
    QTest::newRow("next from December") << "2005" << 11 << 0 << "2006" << 0;
    QTest::newRow("previous from January") << "2006" << 0 << 1 << "2005" << 11;
    QTest::newRow("next inside a year") << "2005" << 4 << 0 << "2005" << 5;
    QTest::newRow("previous inside a year") << "2005" << 4 << 1 << "2005" << 3;
    QTest::newRow("into year 0") << "-1" << 11 << 0 << "0" << 0;
    QTest::newRow("into negative years") << "0" << 0 << 1 << "-1" << 11;
    QTest::newRow("trimmed") << "  1999 " << 11 << 0 << "2000" << 0;
    QTest::newRow("letters kept inside a year") << "2005ab" << 3 << 0 << "2005ab" << 4;
  }
  void stepsAcrossYearEnds() {
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, button);
    QFETCH(QString, newYear);
    QFETCH(int, newMonth);
    frmDisplayMonth& window = Shown();
    window.txbYear->setText(year);
    window.cboMonths->setCurrentIndex(month);
    QTest::mouseClick(window.cmdDisplayNextMonth[button], Qt::LeftButton);
    QCOMPARE(window.txbYear->text(), newYear);
    QCOMPARE(window.cboMonths->currentIndex(), newMonth);
    std::int32_t y = 0;
    QVERIFY(ReadMonthYear(newYear.toStdString(), y));
    QCOMPARE(window.txbMonth->toPlainText(),
             Q(BuildMonthGrid(y, newMonth + 1, false, false, intEnglish).text));
    QVERIFY(boxes.empty());
  }

  void unreadableYearChangesNothing_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("button");  // -1 the Display button, 0 next, 1 previous
    QTest::addColumn<bool>("message");
    QTest::newRow("empty: next does nothing") << "" << 11 << 0 << false;
    QTest::newRow("blanks: previous does nothing") << "   " << 0 << 1 << false;
    QTest::newRow("empty: display") << "" << 3 << -1 << true;
    QTest::newRow("letters only") << "abc" << 3 << -1 << true;
    QTest::newRow("letters only: next") << "abc" << 3 << 0 << true;
    QTest::newRow("only a sign") << "-" << 3 << -1 << true;
    QTest::newRow("beyond 32 bits") << "99999999999" << 3 << -1 << true;
    QTest::newRow("beyond the limit") << "5800001" << 3 << -1 << true;
    QTest::newRow("next past the limit") << "5800000" << 11 << 0 << true;
    QTest::newRow("previous past the limit") << "-5800000" << 0 << 1 << true;
  }
  void unreadableYearChangesNothing() {
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, button);
    QFETCH(bool, message);
    frmDisplayMonth& window = Shown();
    Show(window, "2005", 5);
    const QString before = window.txbMonth->toPlainText();
    window.txbYear->setText(year);
    {
      const QSignalBlocker block(window.cboMonths);
      window.cboMonths->setCurrentIndex(month);
    }
    QPushButton* target = button < 0 ? window.cmdDisplay : window.cmdDisplayNextMonth[button];
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(window.txbMonth->toPlainText(), before);
    QCOMPARE(window.cboMonths->currentIndex(), month);
    QCOMPARE(window.txbYear->text(), year.trimmed());
    QCOMPARE(boxes.size(), std::size_t(message ? 1 : 0));
    if (message) {
      QCOMPARE(boxes[0].text, QStringLiteral("Please specify year"));
      QCOMPARE(boxes[0].title, QStringLiteral("Invalid input"));
      QCOMPARE(boxes[0].icon, MsgIcon::None);
    }
  }

  void enterInTheYearDisplays() {
    frmDisplayMonth& window = Shown();
    Show(window, "2005", 10);
    window.txbYear->setFocus();
    window.txbYear->selectAll();
    QTest::keyClicks(window.txbYear, QStringLiteral("2015"));
    QCOMPARE(window.txbMonth->toPlainText(), Q(BuildMonthGrid(2005, 11, false, false, 0).text));
    QTest::keyClick(window.txbYear, Qt::Key_Return);
    QCOMPARE(window.txbMonth->toPlainText(), Q(BuildMonthGrid(2015, 11, false, false, 0).text));
    // A key up of Enter that did not go down here (the one closing a message box) is ignored.
    window.txbYear->setText(QString());
    QTest::keyRelease(window.txbYear, Qt::Key_Return);
    QVERIFY(boxes.empty());
  }

  void isoColumnShowsAndHides() {
    frmDisplayMonth& window = Shown();
    QTest::mouseClick(window.optMonday, Qt::LeftButton);
    QVERIFY(window.optMonday->isChecked());
    QVERIFY(window.cmdShowHideISO->isEnabled());
    QVERIFY(window.chkWithYear->isEnabled());
    Show(window, "2005", 10);
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(window.blnISOShown);
    QCOMPARE(window.cmdShowHideISO->text(), Q(ProgramText(15)));
    QCOMPARE(window.height(), Bottom(window.txbISODates) + TwipsToPixels(550));
    QCOMPARE(window.txbISODates->toPlainText(),
             Q(IsoColumnText(window.lngFirstCellJDN, window.intNumWeeks, true, intEnglish)));
    QVERIFY(window.txbISODates->toPlainText().contains(QStringLiteral("\n5-W44-1  5-W44-2")));

    QTest::mouseClick(window.chkWithYear, Qt::LeftButton, {}, QPoint(6, window.chkWithYear->height() / 2));
    QVERIFY(window.txbISODates->toPlainText().contains(QStringLiteral("\nW44-1  W44-2")));
    QTest::mouseClick(window.chkWithYear, Qt::LeftButton, {}, QPoint(6, window.chkWithYear->height() / 2));

    // Another month keeps the column and follows it.
    QTest::mouseClick(window.cmdDisplayNextMonth[0], Qt::LeftButton);
    QVERIFY(window.txbISODates->toPlainText().contains(QStringLiteral("\n5-W48-1")));

    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(!window.blnISOShown);
    QCOMPARE(window.cmdShowHideISO->text(), Q(ProgramText(14)));
    QCOMPARE(window.height(), Bottom(window.cmdShowHideISO) + TwipsToPixels(550));
  }

  void sundayOrJulianHidesTheColumn_data() {
    QTest::addColumn<QString>("option");
    QTest::newRow("Sunday") << "optSunday";
    QTest::newRow("Julian") << "optJulian";
  }
  void sundayOrJulianHidesTheColumn() {
    QFETCH(QString, option);
    frmDisplayMonth& window = Shown();
    window.optMonday->setChecked(true);
    window.optCommonEra->setChecked(true);
    if (!window.blnISOShown) QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(window.blnISOShown);
    QTest::mouseClick(window.findChild<QRadioButton*>(option), Qt::LeftButton);
    QVERIFY(!window.blnISOShown);
    QVERIFY(!window.cmdShowHideISO->isEnabled());
    QVERIFY(!window.chkWithYear->isEnabled());
    QCOMPARE(window.height(), Bottom(window.cmdShowHideISO) + TwipsToPixels(550));
    window.optSunday->setChecked(false);
    window.optMonday->setChecked(true);
    window.optCommonEra->setChecked(true);
    QVERIFY(window.cmdShowHideISO->isEnabled());
  }

  void activationHidesTheColumn() {
    frmDisplayMonth& window = Shown();
    window.optMonday->setChecked(true);
    window.optCommonEra->setChecked(true);
    Show(window, "2005", 10);
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(window.blnISOShown);
    Reactivate(window);
    QTRY_VERIFY(!window.blnISOShown);
    QCOMPARE(window.height(), Bottom(window.cmdShowHideISO) + TwipsToPixels(550));
    QCOMPARE(window.cboMonths->currentIndex(), 10);
  }

  void copyTextWithAndWithoutTheColumn() {
    frmDisplayMonth& window = Shown();
    window.optMonday->setChecked(true);
    window.optCommonEra->setChecked(true);
    Show(window, "2005", 10);
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    MonthGridOptions options;
    options.mondayFirst = true;
    QCOMPARE(QGuiApplication::clipboard()->text(), Q(MonthCopyText(2005, 11, options)));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("November 2005 (Common Era Calendar)\n\n Mon  Tue")));
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    options.withIso = true;
    QCOMPARE(QGuiApplication::clipboard()->text(), Q(MonthCopyText(2005, 11, options)));
    QVERIFY(QGuiApplication::clipboard()->text().contains(
        QStringLiteral("\n\nISO 8601 Week dates\n\nMonday   Tuesday")));
    QVERIFY(window.cmdClose->hasFocus());

    // The year text goes into the heading as it stands.
    window.txbYear->setText(QStringLiteral("2005 AD"));
    window.optJulian->setChecked(true);
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("November 2005 AD (Julian Calendar)\n\n Mon")));
    QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("ISO 8601")));
  }

  void germanNames() {
    frmDisplayMonth& window = Shown();
    window.optSunday->setChecked(true);
    window.optCommonEra->setChecked(true);
    Show(window, "2005", 2);
    intLanguage = intGerman;
    Reactivate(window);
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Monat zeigen"));
    QCOMPARE(window.cboMonths->currentIndex(), 2);
    QCOMPARE(window.cboMonths->currentText(), QStringLiteral("Maerz"));
    QVERIFY(window.txbMonth->toPlainText().startsWith(
        QStringLiteral(" Son  Mon  Die  Mit  Don  Fre  Sam \n")));
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Maerz 2005 (Common Era Kalender)")));
    intLanguage = intEnglish;
    Reactivate(window);
    QTRY_COMPARE(window.cboMonths->currentText(), QStringLiteral("March"));
  }

  void closeHidesAndUnloadLoadsAfresh() {
    frmDisplayMonth& window = Shown();
    window.optMonday->setChecked(true);
    window.optCommonEra->setChecked(true);
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QTest::mouseClick(window.cmdClose, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.blnISOShown);
    QVERIFY(frmDisplayMonth::exists());
    QCOMPARE(&frmDisplayMonth::instance(), &window);

    Shown();
    window.txbYear->setText(QStringLiteral("1234"));
    QPointer<frmDisplayMonth> closed(&window);
    window.close();  // the frame's close unloads
    QVERIFY(!frmDisplayMonth::exists());
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(frmDisplayMonth::instance().txbYear->text(), QStringLiteral("2005"));
    frmDisplayMonth::unload();
    QVERIFY(!frmDisplayMonth::exists());
  }
};

QTEST_MAIN(MonthWindowTest)
#include "MonthWindowTest.moc"
