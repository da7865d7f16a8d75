// SPDX-License-Identifier: MIT
// Fixed texts, month names and day names in English and German.
#include "text/GenText.h"

#include <array>
#include <map>
#include <stdexcept>
#include <string>

#include "text/Language.h"

namespace valdora {
namespace {

struct FixedPair {
  std::string_view english;
  std::string_view german;
};

// Every fixed text the windows and the Compute command show, cited by its English wording.
// The wording is kept exactly as the windows cite it, slips included ("days-beween-dates").
constexpr FixedPair kFixedTexts[] = {
    {"Add…", "Hinzufuegen…"},
    {"At least one weekday must stay a working day.",
     "Mindestens ein Wochentag muss ein Arbeitstag bleiben."},
    {"Cancel", "Abbrechen"},
    {"A file whose name has a line break cannot be kept.",
     "Eine Datei mit Zeilenumbruch im Namen kann nicht gesichert werden."},
    {"Holiday files", "Feiertagsdateien"},
    {"holidays", "Feiertage"},
    {"All files", "Alle Dateien"},
    {"OK", "OK"},
    {"Remove", "Entfernen"},
    {"Working week", "Arbeitswoche"},
    {"&Working week…", "&Arbeitswoche…"},
    {"Working weekdays", "Arbeitstage"},
    {"A week from today is", "Eine Woche weiter ist"},
    {"Calendar", "Kalender"},
    {"Cancel this operation", "Annullieren Sie diese Operation"},
    {"CE/JC date format", "CE/JC-Datumsformat"},
    {"CE/JC date separator", "CE/JC-Datumstrennzeichen"},
    {"Clear", "Loeschen"},
    {"Click to change calendar", "Anklicken um Kalender zu veraendern"},
    {"Close", "Schliessen"},
    {"Common Era", "Common Era"},
    {"Common Era Calendar", "Common Era Kalender"},
    {"Common Era date", "Common Era Datum"},
    {"Compute", "Berechnen"},
    {"Continue", "Fortfahren"},
    {"Copy selected text to clipboard", "Kopieren ausgewaehlter Text in Zwischenablage"},
    {"Copy to clipboard", "Kopieren in Zwischenablage"},
    {"Count weekend days in days-between-dates", "Wochenendtage zaehlen"},
    {"Date difference", "Datumsdifferenz"},
    {"Day", "Tag"},
    {"Days", "Tage"},
    {"Display ISO Week dates", "ISO-Woche-Daten zeigen"},
    {"Display month", "Monat zeigen"},
    {"Display next month", "Folgender Monat zeigen"},
    {"Display previous month", "Vorhergehender Monat zeigen"},
    {"Enlarge", "Vergroessern"},
    {"Error", "Fehler"},
    {"excluding 1st date", "ausschliesslich 1. Datum"},
    {"First date", "Erstes Datum"},
    {"First day of week", "Erster Tag der Woche"},
    {"Help", "Hilfe"},
    {"Ostrand Leap Week month date", "Ostrand Leap Week Monatdatum"},
    {"Ostrand Leap Week week date", "Ostrand Leap Week Wochendatum"},
    {"Hyphen in ordinal and", "Divis in Ordinal und"},
    {"in ISO Week dates", "in ISO-Woche Daten"},
    {"Include first date in days-beween-dates", "Erstes Datum einschliessen"},
    {"including 1st date", "einschliesslich 1. Datum"},
    {"Invalid input", "Ungueltige Eingabe"},
    {"ISO Week date", "ISO-Woche-Datum"},
    {"Julian", "Julianisch"},
    {"Julian Calendar", "Julianischer Kalender"},
    {"Julian Calendar date", "Julianisches Kalenderdatum"},
    {"Julian day number", "Julianische Tageszahl"},
    {"minus", "minus"},
    {"Month", "Monat"},
    {"Months", "Monate"},
    {"None", "Keine"},
    {"not counting weekend days", "die Wochenendtage nicht gezaehlt"},
    {"Online documentation", "Online-Dokumentation"},
    {"or", "oder"},
    {"Ordinal date", "Ordinaldatum"},
    {"Out of Range", "Ausserhalb des erlaubten Bereichs"},
    {"Output window", "Ausgabefenster"},
    {"Please specify year", "Spezifizieren Sie bitte das Jahr"},
    {"plus", "plus"},
    {"Quit", "Beenden"},
    {"Reset", "Rueckstellen"},
    {"Save results on quit", "Ergebnisse beim Beenden sichern"},
    {"Second -> First", "Zweites -> Erstes"},
    {"Second date", "Zweites Datum"},
    {"The output window is empty.", "Das Ausgabefenster is leer."},
    {"This is a", "Dies ist ein"},
    {"Thousands separator", "Tausendertrennzeichen"},
    {"To", "Bis"},
    {"Today", "Heute"},
    {"Today is", "Heute ist"},
    {"Verbose", "Zusatzinfo"},
    {"Week", "Woche"},
    {"Weeks", "Wochen"},
    {"with final digit of year", "mit letzter Ziffer des Jahres"},
    {"Year", "Jahr"},
    {"Years", "Jahre"},
    {"yyyy-ddd", "JJJJ-TTT"},
    {"yyyyddd", "JJJJTTT"},
};

constexpr int kFixedSlots = 3;   // English, German, Spanish (left empty)
constexpr int kMonthSlots = 6;   // only English and German are filled
constexpr int kDaySlots = 8;     // Sunday..Saturday and one spare, empty slot

using FixedSlots = std::array<std::string, kFixedSlots>;

constexpr std::array<std::string_view, 12> kMonthsEnglish = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 12> kMonthsGerman = {
    "Januar", "Februar", "Maerz",     "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
constexpr std::array<std::string_view, 12> kMonthsEnglishShort = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kMonthsGermanShort = {
    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr std::array<std::string_view, 7> kDaysEnglish = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> kDaysGerman = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};

struct Tables {
  std::map<std::string, FixedSlots, std::less<>> fixed;
  // [form][month][language]
  std::array<std::array<std::array<std::string, kMonthSlots>, 12>, 2> months;
  // [day][language]
  std::array<std::array<std::string, kFixedSlots>, kDaySlots> days;

  Tables() {
    for (const FixedPair& p : kFixedTexts) {
      fixed.emplace(std::string(p.english),
                    FixedSlots{std::string(p.english), std::string(p.german), std::string()});
    }
    for (std::size_t m = 0; m < 12; ++m) {
      months[0][m][intEnglish] = kMonthsEnglish[m];
      months[0][m][intGerman] = kMonthsGerman[m];
      months[1][m][intEnglish] = kMonthsEnglishShort[m];
      months[1][m][intGerman] = kMonthsGermanShort[m];
    }
    for (std::size_t d = 0; d < 7; ++d) {
      days[d][intEnglish] = kDaysEnglish[d];
      days[d][intGerman] = kDaysGerman[d];
    }
  }
};

// Built on first use, so that a lookup made before GenerateText still finds its text.
const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

// Index check shared by every table: a bad index is a programming error, never user input.
void CheckIndex(long long index, long long slots, const char* what) {
  if (index < 0 || index >= slots) {
    throw std::out_of_range(std::string(what) + " index " + std::to_string(index) +
                            " is outside 0.." + std::to_string(slots - 1));
  }
}

}  // namespace

void GenerateText() {
  intTextLanguage = intEnglish;
  (void)TheTables();
}

const std::string& FixedText(std::string_view english) {
  return FixedText(english, intLanguage);
}

const std::string& FixedText(std::string_view english, std::int16_t language) {
  CheckIndex(language, kFixedSlots, "fixed text language");
  const auto& fixed = TheTables().fixed;
  const auto found = fixed.find(english);
  if (found == fixed.end()) {
    throw std::out_of_range("no fixed text \"" + std::string(english) + "\"");
  }
  return found->second[static_cast<std::size_t>(language)];
}

const std::string& MonthName(int form, int month, int language) {
  CheckIndex(form, 2, "month name form");
  CheckIndex(month, 12, "month");
  CheckIndex(language, kMonthSlots, "month name language");
  return TheTables().months[static_cast<std::size_t>(form)][static_cast<std::size_t>(month)]
                           [static_cast<std::size_t>(language)];
}

const std::string& DayName(int day, int language) {
  CheckIndex(day, kDaySlots, "day");
  CheckIndex(language, kFixedSlots, "day name language");
  return TheTables().days[static_cast<std::size_t>(day)][static_cast<std::size_t>(language)];
}

}  // namespace valdora
