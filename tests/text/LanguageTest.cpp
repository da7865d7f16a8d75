// SPDX-License-Identifier: MIT
// LoadProgramText: where it looks, the message of every loader code; ProgramText lookups.
// (Which content gives which code is checked in ProgramTextStoreTest.)
#include "text/Language.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "TempFolder.h"

namespace valdora {
namespace {

TEST(LanguageTest, MessageOfEachCode) {
  struct Case {
    int code;
    const char* message;
  };
  const Case cases[] = {
      {0, "No program text was read."},
      {-1, "Cannot open file containing program text.\r\n/opt/valdora/vdr.dat"},
      {-2, "Particular memory allocation error."},
      {-3, "Too much program text."},
      {-4, "Text not recovered."},
      {-6, "File is empty."},
      {-7, "Error reading file."},
      {-8, "General memory allocation error."},
      {-1512, "Duplicate in program text at line 12."},
      {-1501, "Duplicate in program text at line 1."},
      {INT_MIN, "Duplicate in program text at line 2147482148."},
      {-1500, "String too long at line 500."},
      {-1003, "String too long at line 3."},
      {-1001, "String too long at line 1."},
      {-1000, "Missing string at line 500."},
      {-501, "Missing string at line 1."},
      {-500, "Error -500"},
      {-9, "Error -9"},
      {-5, "Error -5"},
      {1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ProgramTextLoadMessage(c.code, "/opt/valdora/vdr.dat"), c.message);
  }
}

class LanguageFileTest : public ::testing::Test {
 protected:
  void TearDown() override { intTextLanguage = intLanguage = intEnglish; }
  // Writes `content` into <folder>/bin/vdr.dat and loads it from there.
  int Load(const std::string& content, std::string& message) {
    folder_.Write("bin/vdr.dat", content);
    SetProgramFolder((folder_.path() / "bin").string());
    return LoadProgramText("vdr.dat", message);
  }
  testing::TempFolder folder_;
};

TEST_F(LanguageFileTest, LoadingSetsTheMessageOfItsCode) {
  std::string message = "stale";
  EXPECT_EQ(Load("# c\n13 en a\n\n13 en b\n", message), -1504);  // comments and blanks count
  EXPECT_EQ(message, "Duplicate in program text at line 4.");
  EXPECT_EQ(Load("13 en Hello\n13 de Hallo\n", message), 2);
  EXPECT_EQ(message, "");
}

TEST_F(LanguageFileTest, BesideTheExecutableThenTheInstalledLayout) {
  const std::string bin = (folder_.path() / "bin").string();
  std::filesystem::create_directories(bin);
  SetProgramFolder(bin + "/");  // a final slash is not doubled
  std::string message;
  EXPECT_EQ(LoadProgramText("vdr.dat", message), -1);
  EXPECT_EQ(message, "Cannot open file containing program text.\r\n" + bin + "/vdr.dat\r\n" +
                         (folder_.path() / "share" / "valdora" / "vdr.dat").string());
  folder_.Write("share/valdora/vdr.dat", "13 en Installed\n");
  EXPECT_EQ(LoadProgramText("vdr.dat", message), 1);
  EXPECT_EQ(ProgramText(13), "Installed");
  // A file beside the executable wins; a faulty one there is reported, not skipped.
  folder_.Write("bin/vdr.dat", "13 en Beside\n");
  EXPECT_EQ(LoadProgramText("vdr.dat", message), 1);
  EXPECT_EQ(ProgramText(13), "Beside");
  folder_.Write("bin/vdr.dat", "13 en\n");
  EXPECT_EQ(LoadProgramText("vdr.dat", message), -501);
  EXPECT_EQ(message, "Missing string at line 1.");
}

TEST_F(LanguageFileTest, LookupFollowsTheTextLanguageOnly) {
  std::string message;
  ASSERT_EQ(Load("13 en Hello\n13 de Hallo\n14 en ~\n14 de Leer\n", message), 4);
  intLanguage = intGerman;  // the display language does not steer numbered texts
  intTextLanguage = intEnglish;
  EXPECT_EQ(ProgramText(13), "Hello");
  EXPECT_EQ(ProgramText(14), "");  // "~" is the empty text
  for (int absent : {99, -1, 13 + 65536}) EXPECT_EQ(ProgramText(absent), "") << absent;
  intTextLanguage = intGerman;
  EXPECT_EQ(ProgramText(13) + "|" + ProgramText(14), "Hallo|Leer");
  for (std::int16_t language : {intSpanish, std::int16_t{77}}) {
    intTextLanguage = language;
    EXPECT_EQ(ProgramText(13), "") << language;
  }
}

}  // namespace
}  // namespace valdora
