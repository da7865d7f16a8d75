// LoadProgramText: where it looks, the message of every loader code; ProgramText lookups.
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
  void TearDown() override {
    intTextLanguage = intEnglish;
    intLanguage = intEnglish;
  }
  // Loads <folder>/<name> through LoadProgramText with `content` written there first.
  int Load(const std::string& content, std::string& message) {
    folder_.Write("bin/vdr.dat", content);
    SetProgramFolder((folder_.path() / "bin").string());
    return LoadProgramText("vdr.dat", message);
  }
  testing::TempFolder folder_;
};

TEST_F(LanguageFileTest, FailuresCarryTheirMessageAndLine) {
  struct Case {
    const char* name;
    std::string content;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {"duplicate", "# c\n13 en a\n\n13 en b\n", -1504, "Duplicate in program text at line 4."},
      {"too long", "13 en a\n14 en " + std::string(1025, 'y') + "\n", -1002,
       "String too long at line 2."},
      {"missing", "#\n#\n15 de\n", -503, "Missing string at line 3."},
      {"empty", "", -6, "File is empty."},
      {"no texts", "# only a comment\n", 0, "No program text was read."},
      {"too many lines", std::string(600, '\n') + "13 en x\n", -3, "Too much program text."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string message = "stale";
    EXPECT_EQ(Load(c.content, message), c.code);
    EXPECT_EQ(message, c.message);
  }
}

TEST_F(LanguageFileTest, SuccessLeavesNoMessage) {
  std::string message = "stale";
  EXPECT_EQ(Load("13 en Hello\n13 de Hallo\n", message), 2);
  EXPECT_EQ(message, "");
}

TEST_F(LanguageFileTest, MissingFileNamesThePlacesLookedAt) {
  SetProgramFolder((folder_.path() / "bin").string());
  std::string message;
  EXPECT_EQ(LoadProgramText("none.dat", message), -1);
  const std::string beside = (folder_.path() / "bin" / "none.dat").string();
  const std::string shared = (folder_.path() / "share" / "valdora" / "none.dat").string();
  EXPECT_EQ(message, "Cannot open file containing program text.\r\n" + beside + "\r\n" + shared);
}

TEST_F(LanguageFileTest, FolderWithFinalSlash) {
  folder_.Write("bin/vdr.dat", "13 en Hello\n");
  SetProgramFolder((folder_.path() / "bin").string() + "/");
  std::string message;
  EXPECT_EQ(LoadProgramText("vdr.dat", message), 1);
  EXPECT_EQ(ProgramText(13), "Hello");
}

TEST_F(LanguageFileTest, InstalledLayoutIsTheFallback) {
  folder_.Write("share/valdora/vdr.dat", "13 en Installed\n");
  std::filesystem::create_directories(folder_.path() / "bin");
  SetProgramFolder((folder_.path() / "bin").string());
  std::string message;
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
  EXPECT_EQ(ProgramText(99), "");  // a number the file does not hold
  EXPECT_EQ(ProgramText(-1), "");
  EXPECT_EQ(ProgramText(13 + 65536), "");
  intTextLanguage = intGerman;
  EXPECT_EQ(ProgramText(13), "Hallo");
  EXPECT_EQ(ProgramText(14), "Leer");
  intTextLanguage = intSpanish;
  EXPECT_EQ(ProgramText(13), "");
  intTextLanguage = 77;
  EXPECT_EQ(ProgramText(13), "");
}

}  // namespace
}  // namespace valdora
