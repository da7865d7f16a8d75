// SPDX-License-Identifier: MIT
// The message table of the Compute command.
#include <stdexcept>

#include "compute/Compute.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {

// Indexed by language slot, then by the number of a ComputeMessageKind (see ComputeHost.h):
// need-to-clear, first date not valid / not valid ISO / out of range, difference not valid /
// out of range, second date not valid / not valid ISO / out of range, result out of range.
const std::array<std::array<std::string_view, ComputeMessageKinds>, ComputeMessageLanguages>
    ComputeMessage = {{
    // English
    {{
         "If both the first date and the second date are specified\r\n"
         "then the date difference window must be empty.",
         "First date is not valid in specified calendar using specified date format.",
         "First date is not valid in the ISO 8601 Week Calendar.",
         "First date is out of range.",
         "Date difference is not valid.",
         "Date difference is out of range.",
         "Second date is not valid in specified calendar using specified date format.",
         "Second date is not valid in the ISO 8601 Week Calendar.",
         "Second date is out of range.",
         "Result is out of range.",
    }},
    // German
    {{
         " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
         "muss das Feld fuer die Datumsdifferenz leer sein.",
         "Erstes Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulaessig.",
         "Erstes Datum ist in dem ISO 8601 Week Kalender nicht zulaessig.",
         "Erstes Datum liegt ausserhalb des erlaubten Bereichs.",
         "Datumsdifferenz ist nicht zulaessig.",
         "Datumsdifferenz ist ausserhalb des erlaubten Bereichs.",
         "Zweites Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulaessig.",
         "Zweites Datum ist in dem ISO 8601 Week Kalender nicht zulaessig.",
         "Zweites Datum liegt ausserhalb des erlaubten Bereichs.",
         "Das Resultat liegt ausserhalb des erlaubten Bereichs.",
    }},
    // Spanish
    {{
         "Si ambas, la primera y la segunda fechas, son especificadas entonces\r\n"
         "la ventana de diferencia de fechas debe estar vac\u00eda.",
         "La primera fecha no es v\u00e1lida en un calendario especificado.",
         "La primera fecha no es v\u00e1lida en Calendario ISO 8601 Week.",
         "Primera fecha est\u00e1 fuera de rango.",
         "Diferencia de fechas no es v\u00e1lida.",
         "Diferencia de fechas est\u00e1 fuera de rango.",
         "La segunda fecha no es v\u00e1lida en el calendario espec\u00edficado.",
         "La segunda fecha no es v\u00e1lida en Calendario ISO 8601 Week.",
         "La segunda fecha est\u00e1 fuera de rango.",
         "El resultado est\u00e1 fuera de rango.",
    }},
    }};

std::string_view ComputeMessageText(ComputeMessageKind kind) {
  return ComputeMessage.at(static_cast<std::size_t>(intLanguage))
      .at(static_cast<std::size_t>(kind));
}

void ShowComputeError(ComputeHost& host, ComputeMessageKind kind) {
  const std::string title = FixedText("Error") + "!";
  host.ShowComputeMessage(std::string(ComputeMessageText(kind)), title,
                          static_cast<ComputeBox>(kind));
}

}  // namespace valdora
