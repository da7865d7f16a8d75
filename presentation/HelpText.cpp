// SPDX-License-Identifier: MIT
#include "presentation/HelpText.h"

namespace valdora {

namespace {

// Public reference pages on the calendars.
constexpr const char* kCalendarsEnglish = "https://en.wikipedia.org/wiki/Proleptic_Gregorian_calendar";
constexpr const char* kCalendarsGerman = "https://de.wikipedia.org/wiki/Proleptischer_Kalender";
constexpr const char* kIsoWeekEnglish = "https://en.wikipedia.org/wiki/ISO_week_date";
constexpr const char* kIsoWeekGerman = "https://de.wikipedia.org/wiki/Woche#Z%C3%A4hlweise_nach_ISO_8601";

std::vector<std::string> English(const std::string& manual) {
  return {
      std::string("The complete user manual for this software is online at: ") + manual,

      "Valdora converts dates between Common Era dates, Julian Calendar dates, ISO 8601 Week "
      "dates, Ostrand Leap Week dates, ordinal dates and Julian day numbers. It also adds a "
      "number of days or months to a date or subtracts it, and finds the difference in days "
      "between two dates.",

      "The Common Era calendar is the Gregorian calendar, extended back before its "
      "introduction, with the years numbered ..., -1, 0, 1, 2, ... CE instead of AD and BC: "
      "1 AD is 1 CE, 1 BC is 0 CE, 2 BC is -1 CE, and so on.",

      std::string("The Julian calendar is used here with its years numbered in the same way. "
                  "An article on these calendars and their year numbering: ") +
          kCalendarsEnglish,

      "An ordinal date yyyy-ddd is day ddd of the Common Era year yyyy: New Year's Day is "
      "day 001 and the last day of the year is day 365, or 366 in a leap year. Ordinal dates "
      "range from 0001-001 to 9999-365.",

      std::string("ISO 8601 Week dates have the form (year)-W(week)-(day), for example "
                  "2008-W28-6 for a Saturday in week 28 of 2008. An explanation of this "
                  "calendar: ") +
          kIsoWeekEnglish,

      std::string("Ostrand Leap Week calendar dates have the form (year)-(week)-(day) LPW in "
                  "the week form or (year)-(month)-(day) LPM in the month form. Every year "
                  "starts on a Monday and has 52 or 53 whole weeks. It is explained in the "
                  "user manual: ") +
          manual,

      "The chronological Julian day number counts the days since the start of the day "
      "-4712-01-01 in the Julian calendar, which is day 0.",

      "To convert a date: choose the calendar of the input under \"First date\" and the "
      "calendar of the result under \"Second date\", type the date into \"First date\" and "
      "click \"Compute\".",

      "To count the days between two dates: type both dates, each in its own calendar (the "
      "two calendars may differ), and click \"Compute\".",

      "To add or subtract days: type one date and the number of days, positive to add or "
      "negative to subtract, into \"Date difference\" and click \"Compute\".",

      "Leap years: in the Julian calendar every year divisible by 4; in the Common Era "
      "calendar every year divisible by 4 but not by 100, and also every year divisible by "
      "400; in the Ostrand Leap Week calendar 71 years out of 400 get a leap week, five or "
      "six years apart, so that it falls near the third year of each six-year \"hexade\" "
      "(2003, 2009, 2015, 2020, 2026, ...).",
  };
}

std::vector<std::string> German(const std::string& manual) {
  return {
      std::string("Das vollstaendige Benutzerhandbuch zu diesem Programm steht online unter: ") +
          manual,

      "Valdora wandelt verschiedene Arten von Daten und julianische Tageszahlen ineinander "
      "um. Ausserdem addiert oder subtrahiert es eine Anzahl von Tagen oder Monaten zu einem "
      "Datum und berechnet die Differenz zweier Daten in Tagen.",

      "Der \"Common Era\" Kalender ist der gregorianische Kalender, auch vor seiner "
      "Einfuehrung fortgeschrieben, mit den Jahren ..., -1, 0, 1, 2, ... CE statt n.Chr. und "
      "v.Chr.: 1 CE = 1 n.Chr., 0 CE = 1 v.Chr., -1 CE = 2 v.Chr., -2 CE = 3 v.Chr. usw.",

      std::string("Der julianische Kalender wird hier mit derselben Jahreszaehlung verwendet. "
                  "Ein Artikel ueber diese Kalender und ihre Jahreszaehlung: ") +
          kCalendarsGerman,

      std::string("ISO 8601 Wochendaten haben die Form (Jahr)-W(Woche)-(Tag), zum Beispiel "
                  "2008-W28-6 fuer einen Samstag in der Woche 28 des Jahres 2008. Eine "
                  "Erklaerung dieses Kalenders: ") +
          kIsoWeekGerman,

      std::string("Daten des Ostrand Leap Week Kalenders haben die Form (Jahr)-(Woche)-(Tag) "
                  "LPW in der Wochenform oder (Jahr)-(Monat)-(Tag) LPM in der Monatsform. "
                  "Jedes Jahr beginnt an einem Montag und hat 52 oder 53 ganze Wochen. Er ist im "
                  "Benutzerhandbuch erklaert: ") +
          manual,

      "Die chronologische julianische Tageszahl zaehlt die Tage als Einheit, beginnend mit "
      "dem Tag 0 am 1.1.-4712 JC (julianischer Kalender).",

      "Um ein Datum umzuwandeln: den Kalender der Eingabe unter \"Erstes Datum\" und den "
      "Kalender des Ergebnisses unter \"Zweites Datum\" waehlen, das Datum in \"Erstes "
      "Datum\" eingeben und \"Berechnen\" anklicken.",

      "Um die Tage zwischen zwei Daten zu zaehlen: beide Daten eingeben, jedes in seinem "
      "Kalender (die beiden Kalender duerfen verschieden sein), und \"Berechnen\" anklicken.",

      "Um Tage zu addieren oder zu subtrahieren: ein Datum und unter \"Datumsdifferenz\" die "
      "Anzahl der Tage eingeben, positiv zum Addieren oder negativ zum Subtrahieren, und "
      "\"Berechnen\" anklicken.",

      "Schaltjahre: im julianischen Kalender jedes durch 4 teilbare Jahr; im \"Common Era\" "
      "Kalender jedes durch 4, aber nicht durch 100 teilbare Jahr und ausserdem jedes durch "
      "400 teilbare Jahr; im Ostrand Leap Week Kalender erhalten 71 von 400 Jahren eine "
      "Schaltwoche, im Abstand von fuenf oder sechs Jahren, etwa im dritten Jahr jeder "
      "sechsjaehrigen \"Hexade\" (2003, 2009, 2015, 2020, 2026, ...).",
  };
}

}  // namespace

std::vector<std::string> HelpParagraphs(std::int16_t language, const std::string& manual) {
  if (language == 0) return English(manual);
  if (language == 1) return German(manual);
  return {};
}

std::string BuildHelpText(std::int16_t language, const std::string& manual) {
  const std::vector<std::string> paragraphs = HelpParagraphs(language, manual);
  std::string text;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    text += paragraphs[i];
    text += i + 1 < paragraphs.size() ? "\r\n\r\n" : "\r\n";
  }
  return text;
}

}  // namespace valdora
