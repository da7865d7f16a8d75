// SPDX-License-Identifier: MIT
// The shipped program text file: it loads, from the source tree and from the copy beside the
// executables, and holds every numbered text the program shows in English and German.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "text/Language.h"
#include "text/ProgramTextStore.h"

namespace valdora {
namespace {

constexpr int kUsedNumbers[] = {13, 14, 15, 18, 19, 20, 21, 22, 23, 24, 25,
                                26, 27, 150, 156, 157, 185, 310, 424, 428, 429,
                                470, 471};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path ExecutableFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

TEST(ShippedProgramTextTest, SourceFileHoldsEveryUsedText) {
  ProgramTextStore store;
  ASSERT_GE(store.LoadFile(VALDORA_SOURCE_PROGRAM_TEXT), 1);
  for (const int number : kUsedNumbers) {
    for (const int language : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << "text " << number << " language " << language);
      const std::string* text = store.Find(number, language);
      ASSERT_NE(text, nullptr);
      EXPECT_FALSE(text->empty());
      EXPECT_NE(*text, "~");
      // Plain ASCII keeps the German free of umlauts and sharp s.
      for (const char c : *text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << *text;
    }
  }
}

TEST(ShippedProgramTextTest, CopyBesideTheExecutablesLoadsWithTheTextsTheWindowsCompare) {
  const std::filesystem::path copy = ExecutableFolder() / "vdr.dat";
  ASSERT_TRUE(std::filesystem::exists(copy)) << copy;
  EXPECT_EQ(ReadAll(copy), ReadAll(VALDORA_SOURCE_PROGRAM_TEXT));
  SetProgramFolder(ExecutableFolder().string());
  std::string message;
  ASSERT_GE(LoadProgramText("vdr.dat", message), 1) << message;
  EXPECT_EQ(message, "");
  for (const std::int16_t language : {intEnglish, intGerman}) {
    SCOPED_TRACE(language);
    intTextLanguage = language;
    EXPECT_EQ(ProgramText(310), "Valdora");
    // The enlarged window writes "Continue" and "Pause" on its copy button itself and
    // recognises them through texts 428 and 429.
    EXPECT_EQ(ProgramText(428), "Continue");
    EXPECT_EQ(ProgramText(429), "Pause");
    EXPECT_NE(ProgramText(185), ProgramText(424));
    EXPECT_NE(ProgramText(14), ProgramText(15));
  }
  intTextLanguage = intEnglish;
  EXPECT_EQ(ProgramText(14), "Display ISO 8601 Week dates");
}

}  // namespace
}  // namespace valdora
