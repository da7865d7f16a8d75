// SPDX-License-Identifier: MIT
// Language codes and variables, and the numbered program texts read from the program text
// file at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace valdora {

inline constexpr std::int16_t intEnglish = 0, intGerman = 1, intSpanish = 2;

// Display language: picks the column of every fixed text, month name and day name.
extern std::int16_t intLanguage;
// Language of the numbered program text lookups (ProgramText).
extern std::int16_t intTextLanguage;

// Records the executable's folder; LoadProgramText looks there, then in <folder>/../share/valdora/.
void SetProgramFolder(const std::string& folder);

// Loads the program text file `fileName` from the program folder into the store.
// Returns the loader code: >= 1 loaded; otherwise `message` holds the text to show
// (critical box, empty title) before the program ends.
int LoadProgramText(const std::string& fileName, std::string& message);

// The message for a loader failure code; `path` is the full path that was tried.
std::string ProgramTextLoadMessage(int code, const std::string& path);

// Numbered text n in intTextLanguage; "" for a missing text or one written "~".
std::string ProgramText(int n);

}  // namespace valdora
