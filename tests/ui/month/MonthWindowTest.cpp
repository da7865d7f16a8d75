// SPDX-License-Identifier: MIT
// The month window on its own: stepping through months and years, the year check, the ISO
// column and the window's height, activation, the clipboard text, German names, unloading.
#include "tests/ui/UiTestSupport.h"
#include "presentation/MonthGrid.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_ui;

namespace {
// The window's height with `lowest` as its lowest control.
int HeightBelow(const QWidget* lowest) { return lowest->y() + lowest->height() + TwipsToPixels(550); }
QString Grid(int year, int month) { return Q(BuildMonthGrid(year, month, false, false, intEnglish).text); }
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
  // Shown on Monday first and the Common Era (the ISO column's settings) when `iso`.
  frmDisplayMonth& Show(const char* year, int monthIndex, bool iso = false) {
    frmDisplayMonth& month = Shown();
    if (iso) month.optMonday->setChecked(true), month.optCommonEra->setChecked(true);
    month.txbYear->setText(QString::fromLatin1(year));
    month.cboMonths->setCurrentIndex(monthIndex);
    month.DisplayMonth();
    return month;
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
    QVERIFY(!month.isVisible() && month.chkWithYear->isChecked() && !month.blnISOShown);
    QCOMPARE(month.cboMonths->currentIndex(), 0);
    QCOMPARE(month.txbYear->text(), u"2005"_s);
    QCOMPARE(month.cmdShowHideISO->text(), Q(ProgramText(14)));
    QCOMPARE(month.height(), HeightBelow(month.cmdShowHideISO));
    for (QWidget* box : {month.txbMonth, month.txbISODates}) {
      QVERIFY2(QFontInfo(box->font()).fixedPitch(), qPrintable(box->objectName()));
    }

    // The start-up selects the options of the user file; activation makes the pairs whole.
    month.optSunday->setChecked(true);
    Shown();
    QVERIFY(month.optCommonEra->isChecked() && !month.cmdShowHideISO->isEnabled());
    QCOMPARE(month.windowTitle(), u"Display month"_s);
    QVERIFY(month.txbMonth->toPlainText().startsWith(u" Sun  Mon"_s));
    QVERIFY(boxes.empty());
  }

  // button: -1 the Display button, 0 next, 1 previous; newYear empty: nothing changes.
  void stepsAndUnreadableYears_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("newYear");
    QTest::addColumn<int>("newMonth");
    QTest::addColumn<bool>("message");
    const QString none;
    QTest::newRow("next-from-december") << u"2005"_s << 11 << 0 << u"2006"_s << 0 << false;
    QTest::newRow("previous-from-january") << u"2006"_s << 0 << 1 << u"2005"_s << 11 << false;
    QTest::newRow("next-within-the-year") << u"2005"_s << 4 << 0 << u"2005"_s << 5 << false;
    QTest::newRow("previous-within-the-year") << u"2005"_s << 4 << 1 << u"2005"_s << 3 << false;
    QTest::newRow("next-into-year-zero") << u"-1"_s << 11 << 0 << u"0"_s << 0 << false;
    QTest::newRow("previous-into-year-minus-one") << u"0"_s << 0 << 1 << u"-1"_s << 11 << false;
    QTest::newRow("blanks-around-the-year-trimmed") << u"  1999 "_s << 11 << 0 << u"2000"_s << 0 << false;
    QTest::newRow("letters-after-the-year-kept") << u"2005ab"_s << 3 << 0 << u"2005ab"_s << 4 << false;
    QTest::newRow("next-on-an-empty-year-does-nothing") << u""_s << 11 << 0 << none << 0 << false;
    QTest::newRow("previous-on-a-blank-year-does-nothing") << u"   "_s << 0 << 1 << none << 0 << false;
    QTest::newRow("display-with-an-empty-year-asks") << u""_s << 3 << -1 << none << 0 << true;
    QTest::newRow("display-with-letters-asks") << u"abc"_s << 3 << -1 << none << 0 << true;
    QTest::newRow("next-with-letters-asks") << u"abc"_s << 3 << 0 << none << 0 << true;
    QTest::newRow("display-with-a-lone-minus-asks") << u"-"_s << 3 << -1 << none << 0 << true;
    QTest::newRow("display-with-eleven-digits-asks") << u"99999999999"_s << 3 << -1 << none << 0 << true;
    QTest::newRow("display-beyond-the-last-year-asks") << u"5800001"_s << 3 << -1 << none << 0 << true;
    QTest::newRow("next-beyond-the-last-year-asks") << u"5800000"_s << 11 << 0 << none << 0 << true;
    QTest::newRow("previous-before-the-first-year-asks") << u"-5800000"_s << 0 << 1 << none << 0 << true;
  }
  void stepsAndUnreadableYears() {
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, button);
    QFETCH(QString, newYear);
    QFETCH(int, newMonth);
    QFETCH(bool, message);
    const bool changes = !newYear.isEmpty();
    frmDisplayMonth& window = Show("2005", 5);
    const QString before = window.txbMonth->toPlainText();
    window.txbYear->setText(year);
    {
      const QSignalBlocker block(window.cboMonths);
      window.cboMonths->setCurrentIndex(month);
    }
    QTest::mouseClick(button < 0 ? window.cmdDisplay : window.cmdDisplayNextMonth[button], Qt::LeftButton);
    std::int32_t y = 0;
    QVERIFY(!changes || ReadMonthYear(newYear.toStdString(), y));
    QCOMPARE(window.txbYear->text(), (changes ? newYear : year).trimmed());
    QCOMPARE(window.cboMonths->currentIndex(), changes ? newMonth : month);
    QCOMPARE(window.txbMonth->toPlainText(), changes ? Grid(y, newMonth + 1) : before);
    QCOMPARE(boxes.size(), std::size_t(message));
    if (!message) return;
    QCOMPARE(boxes[0].text, u"Please specify year"_s);
    QCOMPARE(boxes[0].title, u"Invalid input"_s);
    QCOMPARE(boxes[0].icon, MsgIcon::None);
  }

  void enterInTheYearDisplays() {
    frmDisplayMonth& window = Show("2005", 10);
    window.txbYear->setFocus();
    window.txbYear->selectAll();
    QTest::keyClicks(window.txbYear, u"2015"_s);
    QCOMPARE(window.txbMonth->toPlainText(), Grid(2005, 11));
    QTest::keyClick(window.txbYear, Qt::Key_Return);
    QCOMPARE(window.txbMonth->toPlainText(), Grid(2015, 11));
    // A key up of Enter that did not go down here (the one closing a message box) is ignored.
    window.txbYear->setText(QString());
    QTest::keyRelease(window.txbYear, Qt::Key_Return);
    QVERIFY(boxes.empty());
  }

  void isoColumnShowsHidesAndIsCopied() {
    frmDisplayMonth& window = Shown();
    QTest::mouseClick(window.optMonday, Qt::LeftButton);
    QVERIFY(window.optMonday->isChecked() && window.cmdShowHideISO->isEnabled() &&
            window.chkWithYear->isEnabled());
    Show("2005", 10);
    MonthGridOptions options;
    options.mondayFirst = true;
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), Q(MonthCopyText(2005, 11, options)));
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(window.blnISOShown);
    QCOMPARE(window.cmdShowHideISO->text(), Q(ProgramText(15)));
    QCOMPARE(window.height(), HeightBelow(window.txbISODates));
    QCOMPARE(window.txbISODates->toPlainText(),
             Q(IsoColumnText(window.lngFirstCellJDN, window.intNumWeeks, true, intEnglish)));
    QVERIFY(window.txbISODates->toPlainText().contains(u"\n5-W44-1  5-W44-2"_s));
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    options.withIso = true;
    QCOMPARE(ClipboardText(), Q(MonthCopyText(2005, 11, options)));
    QVERIFY(window.cmdClose->hasFocus());
    ClickIndicator(window.chkWithYear);
    QVERIFY(window.txbISODates->toPlainText().contains(u"\nW44-1  W44-2"_s));
    ClickIndicator(window.chkWithYear);
    // Another month keeps the column and follows it.
    QTest::mouseClick(window.cmdDisplayNextMonth[0], Qt::LeftButton);
    QVERIFY(window.txbISODates->toPlainText().contains(u"\n5-W48-1"_s));

    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(!window.blnISOShown);
    QCOMPARE(window.cmdShowHideISO->text(), Q(ProgramText(14)));
    QCOMPARE(window.height(), HeightBelow(window.cmdShowHideISO));
  }

  // The year text goes into the copied heading as it stands.
  void copiedHeadingTakesTheYearAsItStands() {
    frmDisplayMonth& window = Show("2005", 11, true);
    window.txbYear->setText(u"2005 AD"_s);
    window.optJulian->setChecked(true);
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(ClipboardText().startsWith(u"December 2005 AD (Julian Calendar)\n\n Mon"_s));
    QVERIFY(!ClipboardText().contains(u"ISO 8601"_s));
  }

  // A click on Sunday or Julian, or the window's activation, hides the column.
  void sundayJulianOrActivationHidesTheColumn_data() {
    QTest::addColumn<QString>("option");  // empty: the window's activation
    QTest::newRow("sunday") << u"optSunday"_s;
    QTest::newRow("julian") << u"optJulian"_s;
    QTest::newRow("activation") << QString();
  }
  void sundayJulianOrActivationHidesTheColumn() {
    QFETCH(QString, option);
    frmDisplayMonth& window = Show("2005", 10, true);
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QVERIFY(window.blnISOShown);
    if (!option.isEmpty()) QTest::mouseClick(window.findChild<QRadioButton*>(option), Qt::LeftButton);
    else Reactivate(window);
    QTRY_VERIFY(!window.blnISOShown);
    QCOMPARE(window.height(), HeightBelow(window.cmdShowHideISO));
    QCOMPARE(window.cboMonths->currentIndex(), 10);
    QCOMPARE(window.cmdShowHideISO->isEnabled(), option.isEmpty());
    QCOMPARE(window.chkWithYear->isEnabled(), option.isEmpty());
  }

  void germanNames() {
    frmDisplayMonth& window = Shown();
    window.optSunday->setChecked(true);
    window.optCommonEra->setChecked(true);
    Show("2005", 2);
    intLanguage = intGerman;
    Reactivate(window);
    QTRY_COMPARE(window.windowTitle(), u"Monat zeigen"_s);
    QCOMPARE(window.cboMonths->currentIndex(), 2);
    QCOMPARE(window.cboMonths->currentText(), u"Maerz"_s);
    QVERIFY(window.txbMonth->toPlainText().startsWith(u" Son  Mon  Die  Mit  Don  Fre  Sam \n"_s));
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(ClipboardText().startsWith(u"Maerz 2005 (Common Era Kalender)"_s));
    intLanguage = intEnglish;
    Reactivate(window);
    QTRY_COMPARE(window.cboMonths->currentText(), u"March"_s);
  }

  void closeHidesAndUnloadLoadsAfresh() {
    frmDisplayMonth& window = Show("2005", 10, true);
    QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
    QTest::mouseClick(window.cmdClose, Qt::LeftButton);
    QVERIFY(!window.isVisible() && !window.blnISOShown);
    QCOMPARE(&frmDisplayMonth::instance(), &window);

    Shown();
    window.txbYear->setText(u"1234"_s);
    QPointer<frmDisplayMonth> closed(&window);
    window.close();  // the frame's close unloads
    QVERIFY(!frmDisplayMonth::exists());
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(frmDisplayMonth::instance().txbYear->text(), u"2005"_s);
  }
};

QTEST_MAIN(MonthWindowTest)
#include "MonthWindowTest.moc"
