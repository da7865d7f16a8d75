// SPDX-License-Identifier: MIT
// Language variables and the numbered program texts.
#include "text/Language.h"

#include <filesystem>

#include "text/ProgramTextStore.h"

namespace valdora {

std::int16_t intLanguage = intEnglish;
std::int16_t intTextLanguage = intEnglish;

namespace {

std::string& ProgramFolder() {
  static std::string folder;
  return folder;
}

// `folder` and `name` joined by one "/"; an empty folder leaves the name as it is.
std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

void SetProgramFolder(const std::string& folder) { ProgramFolder() = folder; }

int LoadProgramText(const std::string& fileName, std::string& message) {
  message.clear();
  const std::string beside = JoinPath(ProgramFolder(), fileName);
  int code = TheProgramTextStore().LoadFile(beside);
  if (code >= 1) return code;
  std::string tried = beside;
  if (code == kTextCannotOpen) {
    // Installed layout: <prefix>/bin/valdora reads <prefix>/share/valdora/vdr.dat.
    const std::string base = ProgramFolder().empty() ? std::string(".") : ProgramFolder();
    const std::string shared =
        std::filesystem::path(JoinPath(JoinPath(base, "../share/valdora"), fileName))
            .lexically_normal()
            .string();
    code = TheProgramTextStore().LoadFile(shared);
    if (code >= 1) return code;
    // Name the file that was found; when none was, name both places looked at.
    tried = code == kTextCannotOpen ? beside + "\r\n" + shared : shared;
  }
  message = ProgramTextLoadMessage(code, tried);
  return code;
}

std::string ProgramTextLoadMessage(int code, const std::string& path) {
  const long long n = code;  // wide, so that abs(n + base) never overflows
  switch (code) {
    case 0: return "No program text was read.";
    case -1: return "Cannot open file containing program text.\r\n" + path;
    case -2: return "Particular memory allocation error.";
    case -3: return "Too much program text.";
    case -4: return "Text not recovered.";
    case -6: return "File is empty.";
    case -7: return "Error reading file.";
    case -8: return "General memory allocation error.";
    default: break;
  }
  if (n >= 1) return std::string();
  if (n < -1500) return "Duplicate in program text at line " + std::to_string(-(n + 1500)) + ".";
  if (n <= -1001) return "String too long at line " + std::to_string(-(n + 1000)) + ".";
  if (n <= -501) return "Missing string at line " + std::to_string(-(n + 500)) + ".";
  return "Error " + std::to_string(n);
}

std::string ProgramText(int n) {
  const std::string* text = TheProgramTextStore().Find(n, intTextLanguage);
  if (text == nullptr || text->empty() || *text == "~") return std::string();
  return *text;
}

}  // namespace valdora
