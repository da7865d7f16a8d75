// The input fields of the real main window: typed keys through the field filters, Enter,
// the clear buttons, the spin buttons, "Second -> First" and the hyphen option.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "text/Language.h"
#include "engine/CalendarText.h"
#include "ui/main/CaptionTable.h"

using namespace valdora;
using namespace testing_main;

namespace {
// Presses the upper (forward) or lower (backward) arrow of a spin button with the mouse.
void PressArrow(QScrollBar* spin, bool up) {
  const QPoint at(spin->width() / 2, up ? 2 : spin->height() - 3);
  QTest::mouseClick(spin, Qt::LeftButton, Qt::KeyboardModifiers(), at);
}
}  // namespace

class FieldsTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

  QString LastBox() const {
    return recorder.boxes.empty() ? QString() : recorder.boxes.back().text;
  }

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  // ---- Keys ----

  void lengthLimitAppliesToTypingOnly() {
    Type(w->txbFirstDate, QStringLiteral("1234567890123456789"));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("123456789012345678"));
    QTest::keyClick(w->txbFirstDate, Qt::Key_Backspace);
    QCOMPARE(w->txbFirstDate->text().size(), 17);
    Type(w->txbFirstDate, QStringLiteral("90"));
    QCOMPARE(w->txbFirstDate->text().size(), 18);

    const QString longText = QStringLiteral("2000-01-01 and something more");
    QApplication::clipboard()->setText(longText);
    w->txbSecondDate->setFocus();
    QTest::keyClick(w->txbSecondDate, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->txbSecondDate->text(), longText);
    // Beyond the limit typing stays refused, deleting does not.
    QTest::keyClick(w->txbSecondDate, Qt::Key_1);
    QCOMPARE(w->txbSecondDate->text(), longText);
    QTest::keyClick(w->txbSecondDate, Qt::Key_Backspace);
    QCOMPARE(w->txbSecondDate->text(), longText.chopped(1));
  }

  void isoFieldTakesWAsCapital() {
    Click(w->optFirstDateIsISO);
    Type(w->txbFirstDate, QStringLiteral("2020w05-3"));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2020W05-3"));
    w->txbFirstDate->setText(QStringLiteral("123456789012345678"));
    Type(w->txbFirstDate, QStringLiteral("wW1"));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("123456789012345678WW"));
    // The second field is CE: no W at all.
    Type(w->txbSecondDate, QStringLiteral("2020wW"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2020"));
  }

  void lettersAreRefused() {
    for (QLineEdit* field : {w->txbFirstDate, w->txbDateDiff, w->txbSecondDate}) {
      Type(field, QStringLiteral("Jan aXz!"));
      QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("\u00e4"));
      QApplication::sendEvent(field, &umlaut);
      QCOMPARE(field->text(), field == w->txbDateDiff ? QString() : QStringLiteral(" "));
    }
    Type(w->txbFirstDate, QStringLiteral("(-44).,"));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral(" (-44).,"));
  }

  void differenceFieldFollowsTheThousandsSeparator() {
    Type(w->txbDateDiff, QStringLiteral("-1,000.5 "));
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("-1,0005"));
    w->txbDateDiff->clear();
    Click(w->optThousSepIsDot);
    Type(w->txbDateDiff, QStringLiteral("1,000.5"));
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("1000.5"));
    w->txbDateDiff->clear();
    Click(w->optThousSepNone);
    Type(w->txbDateDiff, QStringLiteral("1,000.5"));
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("10005"));
  }

  void dateSeparatorKeyFollowsTheSetting() {
    Click(w->optSeparatorIsSlash);
    Type(w->txbFirstDate, QStringLiteral("2000/01/01"));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000/01/01"));
  }

  void enterComputesFromEachField() {
    // A lone first date is converted into the second field's calendar.
    Click(w->optSecondDateIsJDN);
    Type(w->txbFirstDate, QStringLiteral("2000-01-01"));
    QTest::keyClick(w->txbFirstDate, Qt::Key_Return);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2,451,545"));
    QVERIFY(!w->txbOutput->toPlainText().isEmpty());

    // From the second field, with Enter of the keypad.
    w->txbFirstDate->clear();
    w->txbOutput->clear();
    w->txbSecondDate->setFocus();
    QTest::keyClick(w->txbSecondDate, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QVERIFY(!w->txbOutput->toPlainText().isEmpty());

    // From the difference field: the first date plus one day.
    w->txbSecondDate->clear();
    w->txbOutput->clear();
    Type(w->txbDateDiff, QStringLiteral("1"));
    QTest::keyClick(w->txbDateDiff, Qt::Key_Return);
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("1"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2,451,546"));
    QVERIFY(!w->txbOutput->toPlainText().isEmpty());
    QVERIFY(recorder.boxes.empty());
  }

  void clearButtonsEmptyOneField() {
    SetFields(QStringLiteral("2000-01-01"), QStringLiteral("5"), QStringLiteral("2000-02-01"));
    Click(w->cmdClearDateDiff);
    QCOMPARE(w->txbDateDiff->text(), QString());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cmdCompute));
    Click(w->cmdClearFirstDate);
    QCOMPARE(w->txbFirstDate->text(), QString());
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-02-01"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbFirstDate));
    Click(w->cmdClearSecondDate);
    QCOMPARE(w->txbSecondDate->text(), QString());
  }

  // ---- Spin buttons ----

  void spinStepsAcrossTheYear() {
    w->txbFirstDate->setText(QStringLiteral("2000-12-31"));
    w->txbDateDiff->setText(QStringLiteral("5"));
    PressArrow(w->VScroll[0], true);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2001-01-01"));
    QCOMPARE(w->txbDateDiff->text(), QString());
    QCOMPARE(w->VScroll[0]->value(), 0);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbFirstDate));
    QCOMPARE(w->txbFirstDate->cursorPosition(), 10);
    PressArrow(w->VScroll[0], false);
    PressArrow(w->VScroll[0], false);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-12-30"));
    QVERIFY(recorder.boxes.empty());
  }

  void spinOnEmptyFieldOnlyFocuses() {
    w->txbFirstDate->setText(QStringLiteral("2000-01-01"));
    w->txbDateDiff->setText(QStringLiteral("5"));
    PressArrow(w->VScroll[1], true);
    QCOMPARE(w->txbSecondDate->text(), QString());
    QCOMPARE(w->txbDateDiff->text(), QStringLiteral("5"));
    QCOMPARE(w->VScroll[1]->value(), 0);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cmdCompute));
  }

  void spinBeforeTheFirstOrdinalDate() {
    Click(w->optFirstDateIsORD);
    w->txbFirstDate->setText(QStringLiteral("0001-001"));
    PressArrow(w->VScroll[0], false);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("0001-001"));
    QCOMPARE(w->txbOutput->toPlainText(), QStringLiteral("Out of Range\n"));
    QCOMPARE(LastBox(), QStringLiteral("Result is out of range."));
    QCOMPARE(w->VScroll[0]->value(), 0);
  }

  void spinRefusesAnInvalidDate() {
    w->txbSecondDate->setText(QStringLiteral("2000-13-01"));
    PressArrow(w->VScroll[1], true);
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-13-01"));
    QCOMPARE(LastBox(), Q(ComputeMessageTextFor(6)));
    QCOMPARE(recorder.boxes.back().title, QStringLiteral("Error!"));
    w->txbFirstDate->setText(QStringLiteral("5800001-01-01"));
    PressArrow(w->VScroll[0], true);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("5800001-01-01"));
    QCOMPARE(LastBox(), QStringLiteral("First date is out of range."));
    QVERIFY(w->txbOutput->toPlainText().isEmpty());
  }

  void spinMovesOneDayInEveryCalendar_data() {
    QTest::addColumn<int>("cal");
    for (int cal : {CE, JC, JDN, ORD, ISO, LPW, LPM}) {
      QTest::newRow(CalendarCodeText[cal].data()) << cal;
    }
  }
  void spinMovesOneDayInEveryCalendar() {
    QFETCH(int, cal);
    for (int which : {1, 2}) {
      Click(CalOption(*w, which, cal));
      QLineEdit* field = which == 1 ? w->txbFirstDate : w->txbSecondDate;
      Click(w->cmdToday[which - 1]);
      const QString today = field->text();
      PressArrow(w->VScroll[which - 1], true);
      Jdn jdn = 0;
      QCOMPARE(ReadDateInCalendar(field->text().toStdString(), static_cast<CalendarCode>(cal),
                                  YMD, true, jdn),
               StatusValid);
      QCOMPARE(jdn, TodayJdn() + 1);
      PressArrow(w->VScroll[which - 1], false);
      QCOMPARE(field->text(), today);
    }
    QVERIFY(recorder.boxes.empty());
  }

  // ---- Second -> First ----

  void secondDateMovesIntoTheFirstCalendar() {
    Click(w->optSecondDateIsJDN);
    w->txbSecondDate->setText(QStringLiteral("2451545"));
    w->txbDateDiff->setText(QStringLiteral("3"));
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-01-01"));
    QCOMPARE(w->txbSecondDate->text(), QString());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbDateDiff));
    QVERIFY(w->optSecondDateIsJDN->isChecked());
    QVERIFY(w->optFirstDateIsCE->isChecked());
    QVERIFY(recorder.boxes.empty());
  }

  void secondDateMovesWithoutHyphens() {
    w->chkHyphen->setChecked(false);
    Click(w->optFirstDateIsISO);
    w->txbSecondDate->setText(QStringLiteral("2000-01-01"));
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("1999W526"));
  }

  void secondDateOutsideTheOrdinalRange() {
    Click(w->optFirstDateIsORD);
    Click(w->optSecondDateIsJDN);
    w->txbFirstDate->setText(QStringLiteral("2000-001"));
    w->txbSecondDate->setText(QStringLiteral("1000"));
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2000-001"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("1000"));
    QCOMPARE(w->txbOutput->toPlainText(), QStringLiteral("Out of Range\n"));
    QCOMPARE(LastBox(), QStringLiteral("Result is out of range."));
  }

  void invalidSecondDateStays() {
    w->txbSecondDate->setText(QStringLiteral("2000-13-01"));
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-13-01"));
    QCOMPARE(w->txbFirstDate->text(), QString());
    QCOMPARE(LastBox(), Q(ComputeMessageTextFor(6)));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbSecondDate));
    w->txbSecondDate->clear();
    recorder.boxes.clear();
    Click(w->cmdMoveSecondDateToFirst);
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbFirstDate));
  }

  // ---- Hyphen option ----

  void hyphenOptionRewritesBothFields() {
    QVERIFY(w->chkHyphen->isChecked());
    w->txbFirstDate->setText(QStringLiteral(" 2020-W05-3 "));
    w->txbSecondDate->setText(QStringLiteral("2020-032"));
    QTest::mouseClick(w->chkHyphen, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, 6));
    QVERIFY(!w->chkHyphen->isChecked());
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2020W053"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2020032"));
    QTest::mouseClick(w->chkHyphen, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, 6));
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("2020-W05-3"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2020-032"));

    w->txbFirstDate->setText(QStringLiteral("-0044-W10-1"));
    w->txbSecondDate->setText(QStringLiteral("2000-01-01"));
    w->chkHyphen->setChecked(false);
    QCOMPARE(w->txbFirstDate->text(), QStringLiteral("-0044W101"));
    QCOMPARE(w->txbSecondDate->text(), QStringLiteral("2000-01-01"));
  }

  void ordinalCaptionFollowsTheHyphenOption() {
    w->chkHyphen->setChecked(false);
    QCOMPARE(w->optFirstDateIsORD->text(), Q(OrdinalCaption(false, intLanguage)));
    w->chkHyphen->setChecked(true);
    QCOMPARE(w->optFirstDateIsORD->text(), Q(OrdinalCaption(true, intLanguage)));
  }

 private:
  static std::string ComputeMessageTextFor(int kind) {
    return kind == 6 ? "Second date is not valid in specified calendar using specified date format."
                     : std::string();
  }
};

QTEST_MAIN(FieldsTest)
#include "FieldsTest.moc"
