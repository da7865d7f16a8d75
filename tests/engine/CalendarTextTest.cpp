// SPDX-License-Identifier: MIT
// The read/write pair for a field's calendar: known texts in every calendar, refusals, round
// trips under every date format, separator and hyphen option and at the range ends, hostile
// input in every calendar.
#include "EngineTestSupport.h"

namespace valdora {

constexpr CalendarCode AllCalendars[] = {CE, JC, JDN, ORD, ISO, LPW, LPM};

TEST(CalendarText, WritesKnownTextsThatReadBack) {
  const Jdn d = 2458848;  // 2019-12-30 CE, a Monday
  struct Case { Jdn jdn; CalendarCode cal; DateFormat format; bool hyphen; const char* text; };
  const Case cases[] = {
      {d, CE, YMD, false, "2019-12-30"}, {d, CE, DMY, true, "30-12-2019"},
      {d, CE, MDY, false, "12-30-2019"}, {d, JC, YMD, false, "2019-12-17"},
      {d, JDN, YMD, false, "2,458,848"}, {d, ORD, YMD, true, "2019-364"},
      {d, ORD, YMD, false, "2019364"}, {d, ISO, YMD, true, "2020-W01-1"},
      {d, ISO, DMY, false, "2020W011"},
      {d, LPW, YMD, true, "2020-02-1"}, {d, LPM, MDY, false, "2020-01-08"},
      {FirstOrdinalJdn, ORD, YMD, true, "0001-001"}, {LastOrdinalJdn, ORD, YMD, false, "9999365"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << CalendarCodeText[c.cal] << " " << c.text);
    std::string text = "unchanged";
    ASSERT_TRUE(WriteDateInCalendar(c.jdn, c.cal, {c.format, c.hyphen}, text));
    EXPECT_EQ(text, c.text);
    Jdn back = 0;
    EXPECT_EQ(ReadDateInCalendar(text, c.cal, {c.format, c.hyphen}, back), 1);
    EXPECT_EQ(back, c.jdn);
  }
}

// The pair writes and reads with the separators of its argument alone: the program-wide ones
// are set to others throughout.
TEST(CalendarText, SeparatorsComeFromTheSettingsOnly) {
  SeparatorGuard guard;
  DateSeparator.assign(1, '.');  // not `= "."`: GCC 12 warns falsely (-Wrestrict) on that
  ThousandsSeparator.clear();
  SetLocaleGroupingSeparator("'");
  const DateTextSettings initial;  // as the program starts
  const DateTextSettings slashDots{DMY, true, "/", ".", "\xC2\xA0"};
  const DateTextSettings ungrouped{MDY, false, "-", "", ""};
  struct Row {
    const char* name; Jdn jdn; CalendarCode cal; DateTextSettings settings; const char* text;
  };
  const Row rows[] = {
      {"initial CE", 2458848, CE, initial, "2019-12-30"},
      {"initial CE year of 7 digits", MaxJdn, CE, initial, "5,744,892-08-11"},
      {"initial JDN", 2458848, JDN, initial, "2,458,848"},
      {"initial LPW year of 7 digits", MaxJdn, LPW, initial, "5,744,892-34-1"},
      {"CE with slash and dot groups", MaxJdn, CE, slashDots, "11/08/5.744.892"},
      {"JDN with dot groups", 2458848, JDN, slashDots, "2.458.848"},
      {"LPW with no-break space groups", MaxJdn, LPW, slashDots,
       "5\xC2\xA0" "744\xC2\xA0" "892-34-1"},
      {"LPM with no-break space groups", MinJdn, LPM, slashDots,
       "-5\xC2\xA0" "754\xC2\xA0" "317-03-08"},
      {"CE ungrouped", MinJdn, CE, ungrouped, "03-08-(-5754317)"},
      {"JDN ungrouped", -2458848, JDN, ungrouped, "-2458848"},
      {"LPW ungrouped", MaxJdn, LPW, ungrouped, "5744892-34-1"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string text;
    ASSERT_TRUE(WriteDateInCalendar(r.jdn, r.cal, r.settings, text));
    EXPECT_EQ(text, r.text);
    Jdn back = 0;
    EXPECT_EQ(ReadDateInCalendar(text, r.cal, r.settings, back), 1);
    EXPECT_EQ(back, r.jdn);
  }
  const DateTextSettings now = CurrentDateTextSettings(DMY, false);
  EXPECT_EQ(std::tie(now.format, now.hyphen, now.dateSeparator, now.thousandsSeparator,
                     now.groupingSeparator),
            std::make_tuple(DMY, false, ".", "", "'"));
}

// Ordinal dates exist only for years 1 to 9999; a JDN field cannot hold the two outermost days
// (its reader stops at 2,099,999,999); reserved codes have no text at all.
TEST(CalendarText, DaysWithoutTextAreNotWritten) {
  struct Case { const char* name; Jdn jdn; CalendarCode cal; } cases[] = {
      {"ordinal before year 1", FirstOrdinalJdn - 1, ORD},
      {"ordinal after year 9999", LastOrdinalJdn + 1, ORD}, {"ordinal at MinJdn", MinJdn, ORD},
      {"ordinal at MaxJdn", MaxJdn, ORD}, {"JDN field at MinJdn", MinJdn, JDN},
      {"JDN field at MaxJdn", MaxJdn, JDN}, {"reserved AN", 2458848, AN},
      {"reserved OLW", 2458848, OLW}, {"reserved ARC", 2458848, ARC},
      {"unknown code 42", 2458848, static_cast<CalendarCode>(42)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = "unchanged";
    EXPECT_FALSE(WriteDateInCalendar(c.jdn, c.cal, {YMD, true}, text));
    EXPECT_EQ(text, "unchanged");
  }
}

TEST(CalendarText, CodesWithoutTextReadNothing) {
  for (const CalendarCode cal : {AN, OLW, ARC, static_cast<CalendarCode>(42)}) {
    SCOPED_TRACE(::testing::Message() << "calendar code " << cal);
    Jdn jdn = 5;
    EXPECT_EQ(ReadDateInCalendar("2020-01-01", cal, {YMD, true}, jdn), 0);
    EXPECT_EQ(jdn, 5);
  }
}

// Every calendar reads its dates up to the day numbers +-MaxJdn and refuses a well-formed date
// one day beyond with -1, leaving the day unchanged.
TEST(CalendarText, TypedDatesBeyondTheDayRangeAreOutOfRange) {
  struct Row { const char* name; CalendarCode cal; const char* text; ParseStatus status; Jdn jdn; };
  const Row rows[] = {
      {"CE last day", CE, "5,744,892-08-11", 1, MaxJdn},
      {"CE day after", CE, "5,744,892-08-12", -1, 0},
      {"CE year after", CE, "5,744,893-01-01", -1, 0},
      {"CE first day", CE, "-5,754,317-03-08", 1, MinJdn},
      {"CE day before", CE, "-5,754,317-03-07", -1, 0},
      {"JC last day", JC, "5,744,774-08-27", 1, MaxJdn},
      {"JC day after", JC, "5,744,774-08-28", -1, 0},
      {"JC first day", JC, "-5,754,199-05-07", 1, MinJdn},
      {"JC day before", JC, "-5,754,199-05-06", -1, 0},
      {"ISO last day", ISO, "5744892-W33-1", 1, MaxJdn},
      {"ISO day after", ISO, "5744892-W33-2", -1, 0},
      {"ISO first day", ISO, "-5754317-W10-1", 1, MinJdn},
      {"ISO day before", ISO, "-5754317-W09-7", -1, 0},
      {"LPW last day", LPW, "5744892-34-1", 1, MaxJdn},
      {"LPW day after", LPW, "5744892-34-2", -1, 0},
      {"LPW first day", LPW, "-5754317-11-1", 1, MinJdn},
      {"LPW day before", LPW, "-5754317-10-7", -1, 0},
      {"LPM last day", LPM, "5744892-08-15", 1, MaxJdn},
      {"LPM day after", LPM, "5744892-08-16", -1, 0},
      {"LPM first day", LPM, "-5754317-03-08", 1, MinJdn},
      {"LPM day before", LPM, "-5754317-03-07", -1, 0},
      {"JDN largest text", JDN, "2,099,999,999", 1, LargestJdnText},
      {"JDN beyond its text", JDN, "2,100,000,000", -1, 0},
  };
  for (const Row& r : rows) {
    Jdn jdn = 0;
    EXPECT_EQ(ReadDateInCalendar(r.text, r.cal, {YMD, true}, jdn), r.status) << r.name;
    EXPECT_EQ(jdn, r.jdn) << r.name;
  }
}

TEST(CalendarText, WrittenTextsReadBackUnderEverySetting) {
  SeparatorGuard guard;
  SeededRng rng(31337);
  AnyDay anyDay(MinJdn, MaxJdn), ordinalDay(FirstOrdinalJdn, LastOrdinalJdn);
  const Jdn ends[] = {MinJdn, MinJdn + 1, MaxJdn - 1, MaxJdn};
  for (const char* dateSep : {"-", "/", "."}) {
    for (const char* thousands : {",", ".", ""}) {
      DateSeparator = dateSep;
      ThousandsSeparator = thousands;
      SetLocaleGroupingSeparator(thousands);
      SCOPED_TRACE(::testing::Message() << "separators \"" << dateSep << "\" \"" << thousands
                                        << '"');
      for (int i = 0; i < 600; ++i) {
        const Jdn jdn = i < 4 ? ends[i] : i % 3 == 0 ? ordinalDay(rng) : anyDay(rng);
        for (const CalendarCode cal : AllCalendars) {
          for (const DateFormat format : {MDY, DMY, YMD}) {
            const bool hyphen = (i + format) % 2 == 0;
            const DateTextSettings settings = CurrentDateTextSettings(format, hyphen);
            std::string text;
            // The case, built only when a check fails (this loop runs a hundred thousand times).
            const auto where = [&] {
              return ::testing::Message() << "JDN " << jdn << " in " << CalendarCodeText[cal]
                                          << ", format " << format << ", hyphen " << hyphen
                                          << ": \"" << text << '"';
            };
            if (!WriteDateInCalendar(jdn, cal, settings, text)) {
              ASSERT_TRUE(cal == ORD || (cal == JDN && (jdn == MinJdn || jdn == MaxJdn)))
                  << where();
              continue;
            }
            Jdn back = 0;
            ASSERT_EQ(ReadDateInCalendar(text, cal, settings, back), 1) << where();
            ASSERT_EQ(back, jdn) << where();
            EuroDate date;  // a JDN text reads back through the date reader as well
            ASSERT_TRUE(cal != JDN || ParseEuroDate(text, dateSep, JDN, format, date) == 1)
                << where();
            ASSERT_TRUE(cal != JDN || date.jdn == jdn) << where();
          }
        }
      }
    }
  }
}

// Whatever is read is a day whose written text reads back as the same day.
TEST(CalendarText, HostileStringsGiveAStatusAndLeaveTheDay) {
  RandomText anyText(8, std::string("0123456789--/.,W w()+JDNCELPM\xff\x80\0", 32), 32),
      dateText(9, "0123456789-W", 12);  // reaches the valid paths more often
  for (int i = 0; i < 60000; ++i) {
    const std::string text = i % 2 ? anyText() : dateText();
    SCOPED_TRACE(::testing::Message() << "text " << i << " \"" << text << '"');
    ASSERT_TRUE(std::abs(IsoForm(text)) <= 1 && std::abs(OrdinalForm(text)) <= 1);
    for (const CalendarCode cal : AllCalendars) {
      const DateTextSettings settings{static_cast<DateFormat>(i % 3), i % 2 == 1};
      Jdn jdn = 12345, again = 0;
      const ParseStatus status = ReadDateInCalendar(text, cal, settings, jdn);
      ASSERT_TRUE(status >= -1 && status <= 1) << CalendarCodeText[cal];
      ASSERT_TRUE(status == 1 || jdn == 12345) << CalendarCodeText[cal];
      std::string written;
      if (status != 1) continue;
      ASSERT_TRUE(WriteDateInCalendar(jdn, cal, settings, written)) << CalendarCodeText[cal];
      ASSERT_EQ(ReadDateInCalendar(written, cal, settings, again), 1)
          << CalendarCodeText[cal] << " " << written;
      ASSERT_EQ(again, jdn) << CalendarCodeText[cal] << " " << written;
    }
  }
}

}  // namespace valdora
