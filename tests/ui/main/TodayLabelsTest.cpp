// The today display's texts without a window: both label pairs in every calendar of the
// ring, in English and German, and the ring's order in both directions.
#include <QTest>
#include <string>

#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "text/GenText.h"
#include "text/Language.h"
#include "ui/main/TodayLabels.h"

using namespace valdora;

class TodayLabelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    GenerateText();
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string(",");
    SetFixedToday(2008, 7, 12);
  }
  void cleanupTestCase() { UseSystemToday(); }

  void labelsInEveryCalendar_data() {
    QTest::addColumn<int>("cal");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("weekAhead");
    const int en = intEnglish, de = intGerman;
    QTest::newRow("CE en") << int(CE) << en << "2008-07-12 CE" << "2008-07-19 CE";
    QTest::newRow("CE de") << int(CE) << de << "der 2008-07-12 CE" << "der 2008-07-19 CE";
    QTest::newRow("JC en") << int(JC) << en << "2008-06-29 JC" << "2008-07-06 JC";
    QTest::newRow("JC de") << int(JC) << de << "der 2008-06-29 JC" << "der 2008-07-06 JC";
    QTest::newRow("JDN en") << int(JDN) << en << "2,454,660 JDN" << "2,454,667 JDN";
    QTest::newRow("JDN de") << int(JDN) << de << "2,454,660 JDN" << "2,454,667 JDN";
    QTest::newRow("ORD en") << int(ORD) << en << "2008-194" << "2008-201";
    QTest::newRow("ORD de") << int(ORD) << de << "2008-194" << "2008-201";
    QTest::newRow("ISO en") << int(ISO) << en << "2008-W28-6 ISO" << "2008-W29-6 ISO";
    QTest::newRow("ISO de") << int(ISO) << de << "2008-W28-6 ISO" << "2008-W29-6 ISO";
    QTest::newRow("LPW en") << int(LPW) << en << "2008-29-6 LPW" << "2008-30-6 LPW";
    QTest::newRow("LPW de") << int(LPW) << de << "2008-29-6 LPW" << "2008-30-6 LPW";
    QTest::newRow("LPM en") << int(LPM) << en << "2008-07-20 LPM" << "2008-07-27 LPM";
    QTest::newRow("LPM de") << int(LPM) << de << "2008-07-20 LPM" << "2008-07-27 LPM";
  }
  void labelsInEveryCalendar() {
    QFETCH(int, cal);
    QFETCH(int, language);
    QFETCH(QString, today);
    QFETCH(QString, weekAhead);
    const auto labels = BuildTodayLabels(TodayJdn(), static_cast<std::int16_t>(cal),
                                         static_cast<std::int16_t>(language), YMD, true);
    const bool german = language == intGerman;
    QCOMPARE(QString::fromStdString(labels.todaysDate0),
             german ? QStringLiteral("Heute ist Samstag,") : QStringLiteral("Today is Saturday,"));
    QCOMPARE(QString::fromStdString(labels.todaysDate1), today);
    QCOMPARE(QString::fromStdString(labels.weekFromToday0),
             german ? QStringLiteral("Eine Woche weiter ist")
                    : QStringLiteral("A week from today is"));
    QCOMPARE(QString::fromStdString(labels.weekFromToday1), weekAhead);
  }

  // The settings of the moment shape the texts: plain ordinal and ISO forms, another date
  // format and separator, and no thousands separator.
  void labelsFollowTheSettings() {
    const Jdn today = TodayJdn();
    QCOMPARE(TodayDisplayText(today, ORD, intEnglish, YMD, false), std::string("2008194"));
    QCOMPARE(TodayDisplayText(today, ISO, intEnglish, YMD, false), std::string("2008W286 ISO"));
    DateSeparator = std::string("/");
    QCOMPARE(TodayDisplayText(today, CE, intGerman, DMY, true), std::string("der 12/07/2008 CE"));
    QCOMPARE(TodayDisplayText(today, JC, intEnglish, MDY, true), std::string("06/29/2008 JC"));
    DateSeparator = std::string("-");
    ThousandsSeparator = std::string("");
    QCOMPARE(TodayDisplayText(today, JDN, intEnglish, YMD, true), std::string("2454660 JDN"));
    ThousandsSeparator = std::string(",");
  }

  // The week ahead crosses a year end like any other day.
  void weekAheadCrossesTheYear() {
    SetFixedToday(2020, 12, 28);
    const auto labels = BuildTodayLabels(TodayJdn(), CE, intEnglish, YMD, true);
    QCOMPARE(labels.todaysDate0, std::string("Today is Monday,"));
    QCOMPARE(labels.weekFromToday1, std::string("2021-01-04 CE"));
    SetFixedToday(2008, 7, 12);
  }

  // A code outside the ring (a damaged setting) is written as CE; a language other than
  // German reads as English.
  void unknownCodesFallBack() {
    const auto labels = BuildTodayLabels(TodayJdn(), 3, intSpanish, YMD, true);
    QCOMPARE(labels.todaysDate0, std::string("Today is Saturday,"));
    QCOMPARE(labels.todaysDate1, std::string("2008-07-12 CE"));
    QCOMPARE(NextTodayCalendar(9), std::int16_t(9));
    QCOMPARE(PreviousTodayCalendar(-1), std::int16_t(-1));
  }

  void ringOrder() {
    const std::int16_t forward[] = {CE, ISO, JC, ORD, LPM, LPW, JDN, CE};
    for (int i = 0; i + 1 < 8; ++i) {
      QCOMPARE(NextTodayCalendar(forward[i]), forward[i + 1]);
      QCOMPARE(PreviousTodayCalendar(forward[i + 1]), forward[i]);
    }
    std::int16_t cal = CE;
    for (int i = 0; i < 7; ++i) cal = NextTodayCalendar(cal);
    QCOMPARE(cal, std::int16_t(CE));
  }
};

QTEST_GUILESS_MAIN(TodayLabelsTest)
#include "TodayLabelsTest.moc"
