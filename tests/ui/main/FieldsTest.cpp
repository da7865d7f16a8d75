// SPDX-License-Identifier: MIT
// The input fields of the real main window: typed keys through the field filters, Enter,
// the clear buttons, the spin buttons, "Second -> First" and the hyphen option.
#include "MainWindowFixture.h"
#include "engine/CalendarText.h"

using namespace valdora;
using namespace testing_main;

namespace {
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

  // Keys typed into a field (after choosing an option) pass its filter: digits and the
  // punctuation of dates, W only in an ISO field, the difference's thousands separator of the
  // moment, the date separator; no letters; nothing beyond 18 characters.
  void typedKeysPassTheFieldFilter() {
    const struct { const char* option; int field; QString typed, kept; } cases[] = {
        {nullptr, 0, u"1234567890123456789"_s, u"123456789012345678"_s},
        {nullptr, 0, u"Jan aXz!(-44).,"_s, u" (-44).,"_s},
        {nullptr, 1, u"Jan aXz!"_s, {}},
        {nullptr, 2, u"Jan aXz!"_s, u" "_s},
        {nullptr, 2, u"2020wW"_s, u"2020"_s},
        {"optFirstDateIsISO", 0, u"2020w05-3"_s, u"2020W05-3"_s},
        {nullptr, 1, u"-1,000.5 "_s, u"-1,0005"_s},
        {"optThousSepIsDot", 1, u"1,000.5"_s, u"1000.5"_s},
        {"optThousSepNone", 1, u"1,000.5"_s, u"10005"_s},
        {nullptr, 0, u"2000/01"_s, u"200001"_s},
        {"optSeparatorIsSlash", 0, u"2000/01/01"_s, u"2000/01/01"_s}};
    for (const auto& c : cases) {
      QLineEdit* field = std::array{w->txbFirstDate, w->txbDateDiff, w->txbSecondDate}[c.field];
      field->clear();
      if (c.option) Click(w->findChild<QRadioButton*>(QLatin1StringView(c.option)));
      Type(field, c.typed);
      QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, u"\u00e4"_s);
      QApplication::sendEvent(field, &umlaut);
      QCOMPARE(field->text(), c.kept);
    }
    // An ISO field takes W even at the limit.
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
  void enterComputesFromEachField() {
    Click(w->optSecondDateIsJDN);
    const struct { QLineEdit* field; Qt::Key key; QStringList before, after; } cases[] = {
        {w->txbFirstDate, Qt::Key_Return, {"2000-01-01", "", ""}, {"2000-01-01", "", "2,451,545"}},
        {w->txbSecondDate, Qt::Key_Enter, {"", "", "2,451,545"}, {"2000-01-01", "", "2,451,545"}},
        {w->txbDateDiff, Qt::Key_Return, {"2000-01-01", "1", ""}, {"2000-01-01", "1", "2,451,546"}}};
    for (const auto& c : cases) {
      SetFields(c.before[0], c.before[1], c.before[2]);
      w->txbOutput->clear();
      c.field->setFocus();
      QTest::keyClick(c.field, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
      QCOMPARE(Fields(), c.after);
      QVERIFY(!Output().isEmpty());
    }
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
    // On an empty field a step only moves the focus on.
    w->txbDateDiff->setText(u"5"_s);
    PressArrow(w->VScroll[1], true);
    QCOMPARE(Fields(), QStringList({"2000-12-30", "5", ""}));
    QCOMPARE(w->VScroll[1]->value(), 0);
    QCOMPARE(Focused(), u"cmdCompute"_s);
    QVERIFY(recorder.boxes.empty());
  }

  // In every calendar: the second Today leaves the other fields alone, the first then fills
  // its own field only; a step up in either field gives tomorrow, a step down today again.
  void todayAndStepsInEveryCalendar() {
    const std::pair<int, const char*> cases[] = {
        {CE, "2008-07-12"}, {JC, "2008-06-29"}, {JDN, "2,454,660"}, {ORD, "2008-194"},
        {ISO, "2008-W28-6"}, {LPW, "2008-29-6"}, {LPM, "2008-07-20"}};
    for (const auto& [cal, text] : cases) {
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
        QLineEdit* field = which == 0 ? w->txbFirstDate : w->txbSecondDate;
        PressArrow(w->VScroll[which], true);
        Jdn jdn = 0;
        QCOMPARE(ReadDateInCalendar(field->text().toStdString(), CalendarCode(cal),
                                    CurrentDateTextSettings(YMD, true), jdn),
                 StatusValid);
        QCOMPARE(jdn, TodayJdn() + 1);
        PressArrow(w->VScroll[which], false);
        QCOMPARE(field->text(), QLatin1StringView(text));
      }
    }
    QVERIFY(recorder.boxes.empty());
  }

  // A step or a move that cannot be made leaves both dates as they were, with one message.
  void refusedStepsAndMoves() {
    enum Action { SpinFirstDown, SpinFirstUp, SpinSecondUp, Move };
    const struct { const char *first, *second; QString date1, date2; Action action;
                   QString box, output; } cases[] = {
        {"optFirstDateIsORD", nullptr, u"0001-001"_s, {}, SpinFirstDown,
         u"Result is out of range."_s, u"Out of Range\n"_s},
        {nullptr, nullptr, {}, u"2000-13-01"_s, SpinSecondUp,
         u"Second date is not valid in specified calendar using specified date format."_s, {}},
        {nullptr, nullptr, u"5800001-01-01"_s, {}, SpinFirstUp, u"First date is out of range."_s, {}},
        {"optFirstDateIsORD", "optSecondDateIsJDN", u"2000-001"_s, u"1000"_s, Move,
         u"Result is out of range."_s, u"Out of Range\n"_s},
        {nullptr, nullptr, {}, u"2000-13-01"_s, Move,
         u"Second date is not valid in specified calendar using specified date format."_s, {}}};
    for (const auto& c : cases) {
      QuitWindow(w);  // each case on a fresh window
      OpenWindow();
      for (const char* option : {c.first, c.second}) {
        if (option) Click(w->findChild<QRadioButton*>(QLatin1StringView(option)));
      }
      SetFields(c.date1, {}, c.date2);
      if (c.action == Move) Click(w->cmdMoveSecondDateToFirst);
      else PressArrow(w->VScroll[c.action == SpinSecondUp], c.action != SpinFirstDown);
      QCOMPARE(Fields(), QStringList({c.date1, "", c.date2}));
      QCOMPARE(int(recorder.boxes.size()), 1);
      QCOMPARE(LastBox(), c.box);
      QCOMPARE(recorder.boxes.back().title, u"Error!"_s);
      QCOMPARE(Output(), c.output);
      QCOMPARE(w->VScroll[0]->value() + w->VScroll[1]->value(), 0);
      if (c.action == Move && c.output.isEmpty()) QCOMPARE(Focused(), u"txbSecondDate"_s);
    }
  }

  void secondDateMovesIntoTheFirstCalendar() {
    Click(w->optSecondDateIsJDN);
    SetFields({}, u"3"_s, u"2451545"_s);
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(Fields(), QStringList({"2000-01-01", "3", ""}));
    QCOMPARE(Focused(), u"txbDateDiff"_s);
    QVERIFY(w->optSecondDateIsJDN->isChecked() && w->optFirstDateIsCE->isChecked());
    // Into ISO without hyphens.
    w->chkHyphen->setChecked(false);
    Click(w->optFirstDateIsISO);
    Click(w->optSecondDateIsCE);
    SetFields({}, {}, u"2000-01-01"_s);
    Click(w->cmdMoveSecondDateToFirst);
    QCOMPARE(w->txbFirstDate->text(), u"1999W526"_s);
    // An empty second date moves nothing and asks for a first date.
    SetFields({}, {}, {});
    Click(w->cmdMoveSecondDateToFirst);
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
