// SPDX-License-Identifier: MIT
// The message table of the Compute command and the state of the last computation.
#include <stdexcept>

#include "compute/Compute.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {

std::int32_t lngDateDiffDays = 0;
EuroDate FirstDateRec;
EuroDate SecondDateRec;
std::array<std::array<std::string, ComputeMessageKinds>, ComputeMessageLanguages> ComputeMessage;

std::int16_t intFirstCal = CE;
std::int16_t intSecondCal = CE;
std::int16_t intIncludeFirstDate = 0;
std::int16_t intIncludeWeekends = 1;
std::int16_t intVerbose = 1;
std::int16_t intHyphen = 1;
bool blnNoDateDiffandSameCal = false;
bool blnOtherWorkingWeek = false;
bool blnHolidays = false;
std::int64_t lngHolidaysInSpan = 0;
std::string strFirstDateWithCal;
std::string strSecondDateWithCal;

void FillComputeMessages() {
  auto& en = ComputeMessage[intEnglish];
  en[0] =
      "If both the first date and the second date are specified\r\n"
      "then the date difference window must be empty.";
  en[1] = "First date is not valid in specified calendar using specified date format.";
  en[2] = "First date is not valid in the ISO 8601 Week Calendar.";
  en[3] = "First date is out of range.";
  en[4] = "Date difference is not valid.";
  en[5] = "Date difference is out of range.";
  en[6] = "Second date is not valid in specified calendar using specified date format.";
  en[7] = "Second date is not valid in the ISO 8601 Week Calendar.";
  en[8] = "Second date is out of range.";
  en[9] = "Result is out of range.";

  auto& de = ComputeMessage[intGerman];
  de[0] =
      " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
      "muss das Feld fuer die Datumsdifferenz leer sein.";
  de[1] = "Erstes Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulaessig.";
  de[2] = "Erstes Datum ist in dem ISO 8601 Week Kalender nicht zulaessig.";
  de[3] = "Erstes Datum liegt ausserhalb des erlaubten Bereichs.";
  de[4] = "Datumsdifferenz ist nicht zulaessig.";
  de[5] = "Datumsdifferenz ist ausserhalb des erlaubten Bereichs.";
  de[6] = "Zweites Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulaessig.";
  de[7] = "Zweites Datum ist in dem ISO 8601 Week Kalender nicht zulaessig.";
  de[8] = "Zweites Datum liegt ausserhalb des erlaubten Bereichs.";
  de[9] = "Das Resultat liegt ausserhalb des erlaubten Bereichs.";

  auto& es = ComputeMessage[intSpanish];
  es[0] =
      "Si ambas, la primera y la segunda fechas, son especificadas entonces\r\n"
      "la ventana de diferencia de fechas debe estar vac\u00eda.";
  es[1] = "La primera fecha no es v\u00e1lida en un calendario especificado.";
  es[2] = "La primera fecha no es v\u00e1lida en Calendario ISO 8601 Week.";
  es[3] = "Primera fecha est\u00e1 fuera de rango.";
  es[4] = "Diferencia de fechas no es v\u00e1lida.";
  es[5] = "Diferencia de fechas est\u00e1 fuera de rango.";
  es[6] = "La segunda fecha no es v\u00e1lida en el calendario espec\u00edficado.";
  es[7] = "La segunda fecha no es v\u00e1lida en Calendario ISO 8601 Week.";
  es[8] = "La segunda fecha est\u00e1 fuera de rango.";
  es[9] = "El resultado est\u00e1 fuera de rango.";
}

const std::string& ComputeMessageText(ComputeMessageKind kind) {
  if (ComputeMessage[intEnglish][static_cast<std::size_t>(ComputeMessageKind::ResultOutOfRange)]
          .empty())
    FillComputeMessages();
  return ComputeMessage.at(static_cast<std::size_t>(intLanguage))
      .at(static_cast<std::size_t>(kind));
}

void ShowComputeError(ComputeHost& host, ComputeMessageKind kind) {
  const std::string title = FixedText("Error") + "!";
  host.ShowComputeMessage(ComputeMessageText(kind), title, static_cast<ComputeBox>(kind));
}

}  // namespace valdora
