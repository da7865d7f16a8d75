// SPDX-License-Identifier: MIT
// The today display's texts without a window: both label pairs in every calendar of the
// ring, in English and German (the ring's order is walked by clicks in TodayTest).
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

  // German puts "der " before the CE and JC dates only.
  void labelsInEveryCalendar() {
    const struct { std::int16_t cal; const char* today; const char* weekAhead; bool der; } cases[] = {
        {CE, "2008-07-12 CE", "2008-07-19 CE", true},   {JC, "2008-06-29 JC", "2008-07-06 JC", true},
        {JDN, "2,454,660 JDN", "2,454,667 JDN", false}, {ORD, "2008-194", "2008-201", false},
        {ISO, "2008-W28-6 ISO", "2008-W29-6 ISO", false}, {LPW, "2008-29-6 LPW", "2008-30-6 LPW", false},
        {LPM, "2008-07-20 LPM", "2008-07-27 LPM", false}};
    for (const auto& c : cases) {
      for (std::int16_t language : {intEnglish, intGerman}) {
        const bool de = language == intGerman;
        const std::string der = de && c.der ? "der " : "";
        const auto labels = BuildTodayLabels(TodayJdn(), c.cal, language, YMD, true);
        QCOMPARE(labels.todaysDate0, std::string(de ? "Heute ist Samstag," : "Today is Saturday,"));
        QCOMPARE(labels.todaysDate1, der + c.today);
        QCOMPARE(labels.weekFromToday0,
                 std::string(de ? "Eine Woche weiter ist" : "A week from today is"));
        QCOMPARE(labels.weekFromToday1, der + c.weekAhead);
      }
    }
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
};

QTEST_GUILESS_MAIN(TodayLabelsTest)
#include "TodayLabelsTest.moc"
