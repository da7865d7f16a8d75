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
    for (QWidget* box : {month.txbMonth, month.txbISODates}) QVERIFY(QFontInfo(box->font()).fixedPitch());

    // The start-up selects the options of the user file; activation makes the pairs whole.
    month.optSunday->setChecked(true);
    Shown();
    QVERIFY(month.optCommonEra->isChecked() && !month.cmdShowHideISO->isEnabled());
    QCOMPARE(month.windowTitle(), u"Display month"_s);
    QVERIFY(month.txbMonth->toPlainText().startsWith(u" Sun  Mon"_s));
    QVERIFY(boxes.empty());
  }

  void stepsAndUnreadableYears() {
    // button: -1 the Display button, 0 next, 1 previous; newYear null: nothing changes.
    const struct { const char* year; int month, button; const char* newYear; int newMonth; bool message; }
        cases[] = {{"2005", 11, 0, "2006", 0, false}, {"2006", 0, 1, "2005", 11, false},
                   {"2005", 4, 0, "2005", 5, false},  {"2005", 4, 1, "2005", 3, false},
                   {"-1", 11, 0, "0", 0, false},      {"0", 0, 1, "-1", 11, false},
                   {"  1999 ", 11, 0, "2000", 0, false}, {"2005ab", 3, 0, "2005ab", 4, false},
                   {"", 11, 0, nullptr, 0, false},    {"   ", 0, 1, nullptr, 0, false},
                   {"", 3, -1, nullptr, 0, true},     {"abc", 3, -1, nullptr, 0, true},
                   {"abc", 3, 0, nullptr, 0, true},   {"-", 3, -1, nullptr, 0, true},
                   {"99999999999", 3, -1, nullptr, 0, true}, {"5800001", 3, -1, nullptr, 0, true},
                   {"5800000", 11, 0, nullptr, 0, true},     {"-5800000", 0, 1, nullptr, 0, true}};
    for (const auto& c : cases) {
      boxes.clear();
      frmDisplayMonth& window = Show("2005", 5);
      const QString before = window.txbMonth->toPlainText();
      window.txbYear->setText(QString::fromLatin1(c.year));
      {
        const QSignalBlocker block(window.cboMonths);
        window.cboMonths->setCurrentIndex(c.month);
      }
      QTest::mouseClick(c.button < 0 ? window.cmdDisplay : window.cmdDisplayNextMonth[c.button],
                        Qt::LeftButton);
      std::int32_t y = 0;
      QVERIFY(!c.newYear || ReadMonthYear(c.newYear, y));
      QCOMPARE(window.txbYear->text(), QString::fromLatin1(c.newYear ? c.newYear : c.year).trimmed());
      QCOMPARE(window.cboMonths->currentIndex(), c.newYear ? c.newMonth : c.month);
      QCOMPARE(window.txbMonth->toPlainText(), c.newYear ? Grid(y, c.newMonth + 1) : before);
      QCOMPARE(boxes.size(), std::size_t(c.message));
      if (!c.message) continue;
      QCOMPARE(boxes[0].text, u"Please specify year"_s);
      QCOMPARE(boxes[0].title, u"Invalid input"_s);
      QCOMPARE(boxes[0].icon, MsgIcon::None);
    }
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
    // The year text goes into the copied heading as it stands.
    window.txbYear->setText(u"2005 AD"_s);
    window.optJulian->setChecked(true);
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(ClipboardText().startsWith(u"December 2005 AD (Julian Calendar)\n\n Mon"_s));
    QVERIFY(!ClipboardText().contains(u"ISO 8601"_s));
  }

  // A click on Sunday or Julian, or the window's activation, hides the column.
  void sundayJulianOrActivationHidesTheColumn() {
    frmDisplayMonth& window = Shown();
    for (QRadioButton* option : {window.optSunday, window.optJulian, (QRadioButton*)nullptr}) {
      Show("2005", 10, true);
      QTest::mouseClick(window.cmdShowHideISO, Qt::LeftButton);
      QVERIFY(window.blnISOShown);
      if (option) QTest::mouseClick(option, Qt::LeftButton); else Reactivate(window);
      QTRY_VERIFY(!window.blnISOShown);
      QCOMPARE(window.height(), HeightBelow(window.cmdShowHideISO));
      QCOMPARE(window.cboMonths->currentIndex(), 10);
      QCOMPARE(window.cmdShowHideISO->isEnabled(), !option);
      QCOMPARE(window.chkWithYear->isEnabled(), !option);
    }
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
