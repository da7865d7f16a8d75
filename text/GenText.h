// SPDX-License-Identifier: MIT
// Fixed two-language texts, month names and day names (module GEN_TEXT).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace valdora {

// Sets intTextLanguage to English and makes sure the fixed tables are ready.
void GenerateText();

// The fixed text cited by its English wording, in intLanguage.
// Throws std::out_of_range for an unknown wording or a language outside 0..2.
const std::string& FixedText(std::string_view english);
// The fixed text cited by its English wording in `language` (0..2; slot 2 is empty).
const std::string& FixedText(std::string_view english, std::int16_t language);

// Month name: form 0 full, 1 three-letter; month 0..11; language 0..5 (only 0 and 1 filled).
// Throws std::out_of_range outside those bounds.
const std::string& MonthName(int form, int month, int language);

// Day name: day 0 = Sunday .. 6 = Saturday (slot 7 empty); language 0..2 (slot 2 empty).
// Throws std::out_of_range outside those bounds.
const std::string& DayName(int day, int language);

}  // namespace valdora
