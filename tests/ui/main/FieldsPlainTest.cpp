// The field helpers without a window: the per-field key decision, the hyphen
// rewrite of ordinal and ISO texts, stepping and carrying a date between calendars.
#include <QTest>
#include <string>

#include "engine/DateTypes.h"
#include "ui/main/FieldDates.h"
#include "ui/main/FieldKeys.h"

using namespace valdora;

Q_DECLARE_METATYPE(std::string)

class FieldsPlainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string(",");
  }

  void dateFieldKeys_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("iso");
    QTest::addColumn<int>("inserted");
    QTest::newRow("digit") << int('5') << 0 << false << int('5');
    QTest::newRow("bracket") << int('(') << 3 << false << int('(');
    QTest::newRow("blank") << int(' ') << 3 << false << int(' ');
    QTest::newRow("letter a") << int('a') << 0 << false << 0;
    QTest::newRow("w in CE") << int('w') << 0 << false << 0;
    QTest::newRow("w in ISO") << int('w') << 4 << true << int('W');
    QTest::newRow("W in ISO at limit") << int('W') << 18 << true << int('W');
    QTest::newRow("digit at limit") << int('1') << 18 << false << 0;
    QTest::newRow("backspace at limit") << 8 << 18 << false << 8;
    QTest::newRow("paste at limit") << 22 << 18 << false << 22;
    QTest::newRow("copy, cut") << 3 << 18 << true << 3;
    QTest::newRow("umlaut") << 0xE4 << 0 << false << 0;
    QTest::newRow("beyond Unicode byte") << 0x2D30 << 0 << false << 0;
  }
  void dateFieldKeys() {
    QFETCH(int, code);
    QFETCH(int, length);
    QFETCH(bool, iso);
    QFETCH(int, inserted);
    QCOMPARE(FilterDateFieldKey(code, static_cast<std::size_t>(length), 18, "-", iso), inserted);
  }

  void dateSeparatorKey() {
    QCOMPARE(FilterDateFieldKey('/', 0, 18, "/", false), int('/'));
    QCOMPARE(FilterDateFieldKey('/', 0, 18, "-", false), 0);
  }

  void numberFieldKeys() {
    QCOMPARE(FilterNumberFieldKey('1', 0, 18, ","), int('1'));
    QCOMPARE(FilterNumberFieldKey('-', 0, 18, ","), int('-'));
    QCOMPARE(FilterNumberFieldKey(',', 0, 18, ","), int(','));
    QCOMPARE(FilterNumberFieldKey('.', 0, 18, ","), 0);
    QCOMPARE(FilterNumberFieldKey('.', 0, 18, "."), int('.'));
    QCOMPARE(FilterNumberFieldKey(',', 0, 18, ""), 0);
    QCOMPARE(FilterNumberFieldKey(' ', 0, 18, ","), 0);
    QCOMPARE(FilterNumberFieldKey('W', 0, 18, ","), 0);
    QCOMPARE(FilterNumberFieldKey('1', 18, 18, ","), 0);
    QCOMPARE(FilterNumberFieldKey(8, 18, 18, ","), 8);
  }

  void hyphenRewrite_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("hyphen");
    QTest::addColumn<std::string>("rewritten");
    auto row = [](const char* name, const char* text, bool hyphen, const char* out) {
      QTest::newRow(name) << std::string(text) << hyphen << std::string(out);
    };
    row("iso to plain", "2020-W05-3", false, "2020W053");
    row("iso to hyphens", "2020W053", true, "2020-W05-3");
    row("negative iso keeps its sign", "-0044-W10-1", false, "-0044W101");
    row("negative iso gets hyphens", "-0044W101", true, "-0044-W10-1");
    row("half-hyphenated iso", "2020-W011", false, "2020W011");
    row("ordinal to plain", "2020-032", false, "2020032");
    row("ordinal to hyphen", "2020032", true, "2020-032");
    row("already plain", "2020032", false, "2020032");
    row("already hyphenated", "2020-W05-3", true, "2020-W05-3");
    row("not a form: CE date", "2000-01-01", false, "2000-01-01");
    row("not a form: bad week", "2020W54-1", false, "2020W54-1");
    row("not a form: day 366 of a common year", "2021366", true, "2021366");
    row("not a form: JDN", "2451545", true, "2451545");
    row("empty", "", true, "");
  }
  void hyphenRewrite() {
    QFETCH(std::string, text);
    QFETCH(bool, hyphen);
    QFETCH(std::string, rewritten);
    QCOMPARE(RewriteHyphenForm(text, hyphen), rewritten);
  }

  void stepOutcomes() {
    std::string out = "untouched";
    QCOMPARE(StepDateText("2000-12-31", CE, YMD, true, 1, out), FieldDateOutcome::Written);
    QCOMPARE(out, std::string("2001-01-01"));
    out = "untouched";
    QCOMPARE(StepDateText("0001-001", ORD, YMD, true, -1, out), FieldDateOutcome::ResultOutOfRange);
    QCOMPARE(StepDateText("9999-365", ORD, YMD, true, 1, out), FieldDateOutcome::ResultOutOfRange);
    // A JDN of magnitude 2,100,000,000 would be written but cannot be typed back.
    QCOMPARE(StepDateText("2,099,999,999", JDN, YMD, true, 1, out),
             FieldDateOutcome::ResultOutOfRange);
    QCOMPARE(StepDateText("-2,099,999,999", JDN, YMD, true, -1, out),
             FieldDateOutcome::ResultOutOfRange);
    QCOMPARE(StepDateText("2000-13-01", CE, YMD, true, 1, out), FieldDateOutcome::NotValid);
    QCOMPARE(StepDateText("5800001-01-01", CE, YMD, true, 1, out),
             FieldDateOutcome::InputOutOfRange);
    QCOMPARE(out, std::string("untouched"));
    QCOMPARE(StepDateText("2,099,999,998", JDN, YMD, true, 1, out), FieldDateOutcome::Written);
    QCOMPARE(out, std::string("2,099,999,999"));
  }

  void convertOutcomes() {
    std::string out;
    QCOMPARE(ConvertDateText("2451545", JDN, CE, YMD, true, out), FieldDateOutcome::Written);
    QCOMPARE(out, std::string("2000-01-01"));
    QCOMPARE(ConvertDateText("2000-01-01", CE, ISO, YMD, false, out), FieldDateOutcome::Written);
    QCOMPARE(out, std::string("1999W526"));
    out = "untouched";
    // No ordinal date exists before 0001-001 or after 9999-365.
    QCOMPARE(ConvertDateText("1000", JDN, ORD, YMD, true, out), FieldDateOutcome::ResultOutOfRange);
    QCOMPARE(ConvertDateText("10000-01-01", CE, ORD, YMD, true, out),
             FieldDateOutcome::ResultOutOfRange);
    QCOMPARE(ConvertDateText("abc", JDN, CE, YMD, true, out), FieldDateOutcome::NotValid);
    QCOMPARE(out, std::string("untouched"));
  }
};

QTEST_GUILESS_MAIN(FieldsPlainTest)
#include "FieldsPlainTest.moc"
