// The field helpers without a window: the per-field key decision, the hyphen
// rewrite of ordinal and ISO texts, stepping and carrying a date between calendars.
#include <QTest>
#include <string>

#include "engine/DateTypes.h"
#include "ui/main/FieldDates.h"
#include "ui/main/FieldKeys.h"

using namespace valdora;
using Outcome = FieldDateOutcome;

class FieldsPlainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string(",");
  }

  // Key code, field length (limit 18), separator, ISO field -> the character inserted (0: none).
  void dateFieldKeys() {
    const struct { int code; int length; const char* separator; bool iso; int inserted; } cases[] = {
        {'5', 0, "-", false, '5'},   {'(', 3, "-", false, '('},    {' ', 3, "-", false, ' '},
        {'a', 0, "-", false, 0},     {'w', 0, "-", false, 0},      {'w', 4, "-", true, 'W'},
        {'W', 18, "-", true, 'W'},   {'1', 18, "-", false, 0},     {8, 18, "-", false, 8},
        {22, 18, "-", false, 22},    {3, 18, "-", true, 3},        {0xE4, 0, "-", false, 0},
        {0x2D30, 0, "-", false, 0},  {'/', 0, "/", false, '/'},    {'/', 0, "-", false, 0}};
    for (const auto& c : cases) {
      QCOMPARE(FilterDateFieldKey(c.code, std::size_t(c.length), 18, c.separator, c.iso), c.inserted);
    }
  }

  void numberFieldKeys() {
    const struct { int code; int length; const char* separator; int inserted; } cases[] = {
        {'1', 0, ",", '1'}, {'-', 0, ",", '-'}, {',', 0, ",", ','}, {'.', 0, ",", 0},
        {'.', 0, ".", '.'}, {',', 0, "", 0},    {' ', 0, ",", 0},   {'W', 0, ",", 0},
        {'1', 18, ",", 0},  {8, 18, ",", 8}};
    for (const auto& c : cases) {
      QCOMPARE(FilterNumberFieldKey(c.code, std::size_t(c.length), 18, c.separator), c.inserted);
    }
  }

  void hyphenRewrite() {
    const struct { const char* text; bool hyphen; const char* rewritten; } cases[] = {
        {"2020-W05-3", false, "2020W053"},   {"2020W053", true, "2020-W05-3"},
        {"-0044-W10-1", false, "-0044W101"}, {"-0044W101", true, "-0044-W10-1"},
        {"2020-W011", false, "2020W011"},    {"2020-032", false, "2020032"},
        {"2020032", true, "2020-032"},       {"2020032", false, "2020032"},
        {"2020-W05-3", true, "2020-W05-3"},
        // Not a form: a CE date, a bad week, day 366 of a common year, a JDN, nothing.
        {"2000-01-01", false, "2000-01-01"}, {"2020W54-1", false, "2020W54-1"},
        {"2021366", true, "2021366"},        {"2451545", true, "2451545"},  {"", true, ""}};
    for (const auto& c : cases) {
      QCOMPARE(RewriteHyphenForm(c.text, c.hyphen), std::string(c.rewritten));
    }
  }

  // Stepping by a day and carrying a date to another calendar; `result` is touched only when
  // the outcome is Written.
  void stepAndConvertOutcomes() {
    const struct { const char* text; CalendarCode from, to; int delta; bool hyphen; Outcome outcome;
                   const char* result; } cases[] = {
        {"2000-12-31", CE, CE, 1, true, Outcome::Written, "2001-01-01"},
        {"0001-001", ORD, ORD, -1, true, Outcome::ResultOutOfRange, nullptr},
        {"9999-365", ORD, ORD, 1, true, Outcome::ResultOutOfRange, nullptr},
        // A JDN of magnitude 2,100,000,000 would be written but cannot be typed back.
        {"2,099,999,999", JDN, JDN, 1, true, Outcome::ResultOutOfRange, nullptr},
        {"-2,099,999,999", JDN, JDN, -1, true, Outcome::ResultOutOfRange, nullptr},
        {"2,099,999,998", JDN, JDN, 1, true, Outcome::Written, "2,099,999,999"},
        {"2000-13-01", CE, CE, 1, true, Outcome::NotValid, nullptr},
        {"5800001-01-01", CE, CE, 1, true, Outcome::InputOutOfRange, nullptr},
        {"2451545", JDN, CE, 0, true, Outcome::Written, "2000-01-01"},
        {"2000-01-01", CE, ISO, 0, false, Outcome::Written, "1999W526"},
        // No ordinal date exists before 0001-001 or after 9999-365.
        {"1000", JDN, ORD, 0, true, Outcome::ResultOutOfRange, nullptr},
        {"10000-01-01", CE, ORD, 0, true, Outcome::ResultOutOfRange, nullptr},
        {"abc", JDN, CE, 0, true, Outcome::NotValid, nullptr}};
    for (const auto& c : cases) {
      std::string out = "untouched";
      QCOMPARE(c.delta ? StepDateText(c.text, c.from, YMD, c.hyphen, c.delta, out)
                       : ConvertDateText(c.text, c.from, c.to, YMD, c.hyphen, out),
               c.outcome);
      QCOMPARE(out, std::string(c.result ? c.result : "untouched"));
    }
  }
};

QTEST_GUILESS_MAIN(FieldsPlainTest)
#include "FieldsPlainTest.moc"
