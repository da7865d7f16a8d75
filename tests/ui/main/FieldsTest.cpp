// SPDX-License-Identifier: MIT
// The input fields of the real main window: typed keys through the field filters, Enter,
// the clear buttons, the spin buttons, "Second -> First" and the hyphen option.
#include "MainWindowFixture.h"
#include "engine/CalendarText.h"

using namespace valdora;
using namespace testing_main;

namespace {
// What a refused case does: a step of a spin button or "Second -> First".
enum Action { SpinFirstDown, SpinFirstUp, SpinSecondUp, Move };

// Presses the upper (forward) or lower (backward) arrow of a spin button with the mouse.
void PressArrow(QScrollBar* spin, bool up) {
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, up ? 2 : spin->height() - 3));
}
}  // namespace

class FieldsTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  // ---- Keys ----

  // Keys typed into a field (after choosing the options) pass its filter: digits and the
  // punctuation of dates, W only in an ISO field, the difference's thousands separator of the
  // moment, the date separator; no letters; nothing beyond 18 characters.
  void typedKeysPassTheFieldFilter_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("field");  // 0 first date, 1 difference, 2 second date
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QStringList none, iso{u"optFirstDateIsISO"_s};
    QTest::newRow("first-date-cut-at-18")
        << none << 0 << u"1234567890123456789"_s << u"123456789012345678"_s;
    QTest::newRow("first-date-drops-letters") << none << 0 << u"Jan aXz!(-44).,"_s << u" (-44).,"_s;
    QTest::newRow("difference-drops-letters-and-blanks") << none << 1 << u"Jan aXz!"_s << QString();
    QTest::newRow("second-date-drops-letters") << none << 2 << u"Jan aXz!"_s << u" "_s;
    QTest::newRow("second-date-ce-drops-w") << none << 2 << u"2020wW"_s << u"2020"_s;
    QTest::newRow("iso-first-date-takes-w-upper-case") << iso << 0 << u"2020w05-3"_s << u"2020W05-3"_s;
    QTest::newRow("difference-takes-the-comma-only") << iso << 1 << u"-1,000.5 "_s << u"-1,0005"_s;
    QTest::newRow("difference-takes-the-dot-separator")
        << iso + QStringList{u"optThousSepIsDot"_s} << 1 << u"1,000.5"_s << u"1000.5"_s;
    QTest::newRow("difference-without-separator")
        << iso + QStringList{u"optThousSepIsDot"_s, u"optThousSepNone"_s} << 1 << u"1,000.5"_s
        << u"10005"_s;
    QTest::newRow("slash-dropped-under-the-dash") << iso << 0 << u"2000/01"_s << u"200001"_s;
    QTest::newRow("slash-kept-under-the-slash")
        << iso + QStringList{u"optSeparatorIsSlash"_s} << 0 << u"2000/01/01"_s << u"2000/01/01"_s;
  }
  void typedKeysPassTheFieldFilter() {
    QFETCH(QStringList, options);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit* box = std::array{w->txbFirstDate, w->txbDateDiff, w->txbSecondDate}[field];
    for (const QString& option : options) Click(w->findChild<QRadioButton*>(option));
    Type(box, typed);
    QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, u"\u00e4"_s);
    QApplication::sendEvent(box, &umlaut);
    QCOMPARE(box->text(), kept);
  }

  void isoFieldTakesWEvenAtTheLimit() {
    Click(w->optFirstDateIsISO);
    w->txbFirstDate->setText(u"123456789012345678"_s);
    Type(w->txbFirstDate, u"wW1"_s);
    QCOMPARE(w->txbFirstDate->text(), u"123456789012345678WW"_s);
  }

  // Beyond the limit (after a paste) typing stays refused, deleting does not.
  void lengthLimitAppliesToTypingOnly() {
    w->txbFirstDate->setText(u"123456789012345678"_s);
    QTest::keyClick(w->txbFirstDate, Qt::Key_Backspace);
    Type(w->txbFirstDate, u"90"_s);
    QCOMPARE(w->txbFirstDate->text(), u"123456789012345679"_s);
    const QString longText = u"2000-01-01 and something more"_s;
    QApplication::clipboard()->setText(longText);
    w->txbSecondDate->setFocus();
    QTest::keyClick(w->txbSecondDate, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w->txbSecondDate, Qt::Key_1);
    QCOMPARE(w->txbSecondDate->text(), longText);
    QTest::keyClick(w->txbSecondDate, Qt::Key_Backspace);
    QCOMPARE(w->txbSecondDate->text(), longText.chopped(1));
  }

  // Enter in any field computes: a lone first date into the second field's calendar, the
  // second date back, the first date plus the difference (keypad Enter too).
  void enterComputesFromEachField_data() {
    QTest::addColumn<int>("field");  // 0 first date, 1 difference, 2 second date
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("first-date-converted") << 0 << false << QStringList{"2000-01-01", "", ""}
                                          << QStringList{"2000-01-01", "", "2,451,545"};
    QTest::newRow("second-date-back-by-keypad-enter") << 2 << true << QStringList{"", "", "2,451,545"}
                                                      << QStringList{"2000-01-01", "", "2,451,545"};
    QTest::newRow("difference-added") << 1 << false << QStringList{"2000-01-01", "1", ""}
                                      << QStringList{"2000-01-01", "1", "2,451,546"};
  }
  void enterComputesFromEachField() {
    QFETCH(int, field);
    QFETCH(bool, keypad);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    Click(w->optSecondDateIsJDN);
    QLineEdit* box = std::array{w->txbFirstDate, w->txbDateDiff, w->txbSecondDate}[field];
    SetFields(before[0], before[1], before[2]);
    w->txbOutput->clear();
    box->setFocus();
    if (keypad) QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    else QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(Fields(), after);
    QVERIFY(!Output().isEmpty());
    QVERIFY(recorder.boxes.empty());
  }

  void clearButtonsEmptyOneField() {
    SetFields(u"2000-01-01"_s, u"5"_s, u"2000-02-01"_s);
    Click(w->cmdClearDateDiff);
    QCOMPARE(Fields(), QStringList({"2000-01-01", "", "2000-02-01"}));
    QCOMPARE(Focused(), u"cmdCompute"_s);
    Click(w->cmdClearFirstDate);
    QCOMPARE(Fields(), QStringList({"", "", "2000-02-01"}));
    QCOMPARE(Focused(), u"txbFirstDate"_s);
    Click(w->cmdClearSecondDate);
    QCOMPARE(Fields(), QStringList({"", "", ""}));
  }

  // ---- Spin buttons and Second -> First ----

  void spinStepsAcrossTheYear() {
    SetFields(u"2000-12-31"_s, u"5"_s, {});
    PressArrow(w->VScroll[0], true);
    QCOMPARE(Fields(), QStringList({"2001-01-01", "", ""}));
    QCOMPARE(w->VScroll[0]->value(), 0);
    QCOMPARE(Focused(), u"txbFirstDate"_s);
    QCOMPARE(w->txbFirstDate->cursorPosition(), 10);
    PressArrow(w->VScroll[0], false);
    PressArrow(w->VScroll[0], false);
    QCOMPARE(w->txbFirstDate->text(), u"2000-12-30"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // On an empty field a step only moves the focus on.
  void spinOnAnEmptyFieldOnlyMovesTheFocus() {
    SetFields(u"2000-12-30"_s, u"5"_s, {});
    w->txbFirstDate->setFocus();
    PressArrow(w->VScroll[1], true);
    QCOMPARE(Fields(), QStringList({"2000-12-30", "5", ""}));
    QCOMPARE(w->VScroll[1]->value(), 0);
    QCOMPARE(Focused(), u"cmdCompute"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // In every calendar: the second Today leaves the other fields alone, the first then fills
  // its own field only; a step up in either field gives tomorrow, a step down today again.
  void todayAndStepsInEveryCalendar_data() {
    QTest::addColumn<int>("cal");
    QTest::addColumn<QString>("text");
    QTest::newRow("CE") << int(CE) << u"2008-07-12"_s;
    QTest::newRow("JC") << int(JC) << u"2008-06-29"_s;
    QTest::newRow("JDN") << int(JDN) << u"2,454,660"_s;
    QTest::newRow("ORD") << int(ORD) << u"2008-194"_s;
    QTest::newRow("ISO") << int(ISO) << u"2008-W28-6"_s;
    QTest::newRow("LPW") << int(LPW) << u"2008-29-6"_s;
    QTest::newRow("LPM") << int(LPM) << u"2008-07-20"_s;
  }
  void todayAndStepsInEveryCalendar() {
    QFETCH(int, cal);
    QFETCH(QString, text);
    SetFields({}, u"7"_s, {});
    Click(CalOption(*w, 2, cal));
    Click(w->cmdToday[1]);
    QCOMPARE(Fields(), QStringList({"", "7", text}));
    w->txbDateDiff->clear();
    Click(CalOption(*w, 1, cal));
    Click(w->cmdToday[0]);
    QCOMPARE(Fields(), QStringList({text, "", text}));
    QCOMPARE(Focused(), u"cmdCompute"_s);
    for (int which : {0, 1}) {
      const QString label = which == 0 ? u"first date: "_s : u"second date: "_s;
      QLineEdit* field = which == 0 ? w->txbFirstDate : w->txbSecondDate;
      PressArrow(w->VScroll[which], true);
      Jdn jdn = 0;
      const int status = ReadDateInCalendar(field->text().toStdString(), CalendarCode(cal),
                                            CurrentDateTextSettings(YMD, true), jdn);
      QCOMPARE(label + QString::number(status), label + QString::number(StatusValid));
      QCOMPARE(label + QString::number(jdn), label + QString::number(TodayJdn() + 1));
      PressArrow(w->VScroll[which], false);
      QCOMPARE(label + field->text(), label + text);
    }
    QVERIFY(recorder.boxes.empty());
  }

  // A step or a move that cannot be made leaves both dates as they were, with one message.
  void refusedStepsAndMoves_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("date1");
    QTest::addColumn<QString>("date2");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("output");
    const QString secondNotValid =
        u"Second date is not valid in specified calendar using specified date format."_s;
    QTest::newRow("first-ordinal-below-0001-001")
        << QStringList{u"optFirstDateIsORD"_s} << u"0001-001"_s << QString() << int(SpinFirstDown)
        << u"Result is out of range."_s << u"Out of Range\n"_s;
    QTest::newRow("second-date-not-valid-stepped")
        << QStringList() << QString() << u"2000-13-01"_s << int(SpinSecondUp) << secondNotValid
        << QString();
    QTest::newRow("first-date-beyond-the-range-stepped")
        << QStringList() << u"5800001-01-01"_s << QString() << int(SpinFirstUp)
        << u"First date is out of range."_s << QString();
    QTest::newRow("jdn-before-the-first-ordinal-moved")
        << QStringList{u"optFirstDateIsORD"_s, u"optSecondDateIsJDN"_s} << u"2000-001"_s << u"1000"_s
        << int(Move) << u"Result is out of range."_s << u"Out of Range\n"_s;
    QTest::newRow("second-date-not-valid-moved")
        << QStringList() << QString() << u"2000-13-01"_s << int(Move) << secondNotValid << QString();
  }
  void refusedStepsAndMoves() {
    QFETCH(QStringList, options);
    QFETCH(QString, date1);
    QFETCH(QString, date2);
    QFETCH(int, action);
    QFETCH(QString, box);
    QFETCH(QString, output);
    for (const QString& option : options) Click(w->findChild<QRadioButton*>(option));
    SetFields(date1, {}, date2);
    if (action == Move) Click(w->cmdMoveSecondDateToFirst);
    else PressArrow(w->VScroll[action == SpinSecondUp], action != SpinFirstDown);
    QCOMPARE(Fields(), QStringList({date1, "", date2}));
    QCOMPARE(int(recorder.boxes.size()), 1);
    QCOMPARE(LastBox(), box);
    QCOMPARE(recorder.boxes.back().title, u"Error!"_s);
    QCOMPARE(Output(), output);
    QCOMPARE(w->VScroll[0]->value() + w->VScroll[1]->value(), 0);
    if (action == Move && output.isEmpty()) QCOMPARE(Focused(), u"txbSecondDate"_s);
  }

  void secondDateMovesIntoTheFirstCalendar() {
    Click(w->optSecondDateIsJDN);
    SetFields({}, u"3"_s, u"2451545"_s);
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(Fields(), QStringList({"2000-01-01", "3", ""}));
    QCOMPARE(Focused(), u"txbDateDiff"_s);
    QVERIFY(w->optSecondDateIsJDN->isChecked() && w->optFirstDateIsCE->isChecked());
    QVERIFY(recorder.boxes.empty());
  }

  void secondDateMovesIntoISOWithoutHyphens() {
    w->chkHyphen->setChecked(false);
    Click(w->optFirstDateIsISO);
    Click(w->optSecondDateIsCE);
    SetFields({}, {}, u"2000-01-01"_s);
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbFirstDate->text(), u"1999W526"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // An empty second date moves nothing and asks for a first date.
  void emptySecondDateMovesNothing() {
    w->chkHyphen->setChecked(false);
    Click(w->optFirstDateIsISO);
    SetFields({}, {}, {});
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(Fields(), QStringList({"", "", ""}));
    QCOMPARE(Focused(), u"txbFirstDate"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // ---- Hyphen option ----

  void hyphenOptionRewritesBothFields() {
    QVERIFY(w->chkHyphen->isChecked());
    SetFields(u" 2020-W05-3 "_s, {}, u"2020-032"_s);
    Click(w->chkHyphen);
    QVERIFY(!w->chkHyphen->isChecked());
    QCOMPARE(Fields(), QStringList({"2020W053", "", "2020032"}));
    Click(w->chkHyphen);
    QCOMPARE(Fields(), QStringList({"2020-W05-3", "", "2020-032"}));
    SetFields(u"-0044-W10-1"_s, {}, u"2000-01-01"_s);  // a CE date stays as it is
    w->chkHyphen->setChecked(false);
    QCOMPARE(Fields(), QStringList({"-0044W101", "", "2000-01-01"}));
  }
};

QTEST_MAIN(FieldsTest)
#include "FieldsTest.moc"
