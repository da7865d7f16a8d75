// SPDX-License-Identifier: MIT
// The program text loader over any file content. Properties: the answer is a text count or
// one of the loader codes (a line-numbered code names a line of the file); a failed load
// leaves the store as it was and has a message; loading is deterministic; and a file written
// from entries built from the input loads with exactly those texts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "FuzzCheck.h"
#include "text/Language.h"
#include "text/ProgramTextStore.h"

namespace {

using namespace valdora;

bool IsLoaderCode(int code, int lines) {
  for (int plain : {kTextNoneRead, kTextTooMuch, kTextEmptyFile, kTextReadError}) {
    if (code == plain) return true;
  }
  for (int base : {kTextMissingBase, kTextTooLongBase, kTextDuplicateBase}) {
    const int line = base - code;  // the line the code names
    if (line >= 1 && line <= kMaxTextFileLines && line <= lines) return true;
  }
  return false;
}

// A text the file can hold unchanged: printable ASCII, not starting with a blank, 1..60 bytes.
std::string TextFrom(fuzz::Input& in) {
  std::string text(1 + in.Byte() % 60, ' ');
  for (char& c : text) c = static_cast<char>(0x20 + in.Byte() % 0x5F);
  if (text[0] == ' ') text[0] = 'x';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  // Lines, a last one without its line break counted too.
  const int lines = static_cast<int>(std::count(content.begin(), content.end(), '\n') +
                                     (!content.empty() && content.back() != '\n'));
  ProgramTextStore store;
  FUZZ_CHECK(store.LoadContent("1 en One\n1 de Eins\n2 en ~\n") == 3, "known file");
  const int code = store.LoadContent(content);
  const std::string ctx = "code " + std::to_string(code) + " for '" + fuzz::Printable(content.substr(0, 400)) + "'";
  if (code >= 1) {
    FUZZ_CHECK(store.size() == static_cast<std::size_t>(code) && lines >= code, ctx);
  } else {
    FUZZ_CHECK(IsLoaderCode(code, lines), ctx);
    FUZZ_CHECK(store.size() == 3 && store.Find(1, 1) && *store.Find(1, 1) == "Eins",
               ctx + ": failed load changed the store");
    FUZZ_CHECK(!ProgramTextLoadMessage(code, "/x/vdr.dat").empty(), ctx + ": no message");
  }
  FUZZ_CHECK(ProgramTextStore().LoadContent(content) == code, ctx + ": not deterministic");

  // A file written from entries: unique (number, language), texts kept as written.
  fuzz::Input in(data, size);
  std::map<std::pair<int, int>, std::string> entries;
  const std::size_t count = 1 + in.Byte() % 24;
  static const char* const kTags[] = {"en", "de", "es"};
  std::string file = (in.Byte() & 1) ? "\xEF\xBB\xBF# program texts\r\n" : "";
  for (std::size_t i = 0; i < count; ++i) {
    const int number = static_cast<int>(in.Word() % 32768);
    const int language = in.Byte() % 3;
    std::string text = TextFrom(in);
    if (!entries.emplace(std::make_pair(number, language), text).second) continue;
    file += std::to_string(number) + ((in.Byte() & 1) ? "\t" : " ") + kTags[language] + " " + text +
            ((in.Byte() & 1) ? "\r\n" : "\n");
  }
  ProgramTextStore built;
  const int loaded = built.LoadContent(file);
  FUZZ_CHECK(loaded == static_cast<int>(entries.size()),
             "written file loads as " + std::to_string(loaded) + ": '" + fuzz::Printable(file) + "'");
  for (const auto& [key, text] : entries) {
    const std::string* found = built.Find(key.first, key.second);
    FUZZ_CHECK(found && *found == text, "text " + std::to_string(key.first) + " of '" +
                                            fuzz::Printable(file) + "'");
  }
  return 0;
}
