// SPDX-License-Identifier: MIT
// Qt's own texts (the standard buttons of message boxes, the text boxes' context menus) in the
// display language.
#pragma once

#include <cstdint>

namespace valdora {

// Installs Qt's translations for `language` (German: qtbase_de from Qt's translations folder)
// and drops those of an earlier language; English needs none. False when the translation file
// for a language other than English could not be loaded (Qt's texts then stay English).
bool UseQtTranslations(std::int16_t language);

}  // namespace valdora
