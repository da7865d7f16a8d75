// SPDX-License-Identifier: MIT
#include "presentation/AboutText.h"

#include "valdora/Version.h"

namespace valdora {

std::string AboutText(std::int16_t language) {
  const bool german = language == 1;
  const std::string lines[] = {
      german ? "Ueber Valdora" : "About Valdora", std::string("Version ") + kVersion,
      "Copyright (c) 2026 The Valdora developers",
      german ? "Freie Software unter der MIT-Lizenz: Benutzen, Kopieren, Aendern und "
               "Weitergeben sind erlaubt; ohne jede Gewaehrleistung."
             : "Free software under the MIT License: you may use, copy, change and pass it "
               "on; it comes without any warranty."};
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace valdora
