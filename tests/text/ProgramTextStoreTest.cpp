// SPDX-License-Identifier: MIT
// The program text file reader: accepted layouts, each failure code with its line, and
// hostile content (random content is fuzz_program_text's).
#include "text/ProgramTextStore.h"

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"

namespace valdora {
namespace {

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

const std::string kAe = "\xC3\xA4";  // German a-umlaut: two bytes in UTF-8, one character

TEST(ProgramTextStoreTest, ContentCodes) {
  struct Case {
    const char* name;
    std::string content;
    int code;
  };
  const std::string ten = Repeat("# comment\n", 10);
  const Case cases[] = {
      {"one text", "13 en Hello\n", 1},
      {"both languages", "13 en Hello\n13 de Hallo\n13 es Hola\n", 3},
      {"comments and blanks", "# c\n\n   \n  # indented\n13 en Hello\n", 1},
      {"tabs between fields", "13\ten\tHello\n", 1},
      {"no final line break", "13 en Hello\n14 en World", 2},
      {"CR LF", "13 en Hello\r\n14 de Welt\r\n", 2},
      {"byte order mark", "\xEF\xBB\xBF" "13 en Hello\n", 1},
      {"largest number", "32767 en x\n", 1},
      {"empty file", "", kTextEmptyFile},
      {"only line breaks", "\n\r\n  \n", kTextEmptyFile},
      {"only comments", "# nothing here\n#\n", kTextNoneRead},
      {"duplicate at line 12", ten + "13 en a\n13 en b\n", -1512},
      {"duplicate at line 2", "13 en a\n13 en b\n", -1502},
      {"1024 characters", "13 en " + std::string(1024, 'x') + "\n", 1},
      {"1024 two-byte characters", "13 en " + Repeat(kAe, 1024) + "\n", 1},
      {"too long at line 3", "1 en a\n2 en b\n3 en " + std::string(1025, 'x') + "\n", -1003},
      {"too long in characters", "#\n3 en " + Repeat(kAe, 1025) + "\n", -1002},
      {"no text", "13 en\n", -501},
      {"only blanks after language", "13 en   \r\n", -501},
      {"no language", "#\n#\n13 Hello\n", -503},
      {"unknown language", "13 fr Bonjour\n", -501},
      {"number too big", "32768 en x\n", -501},
      {"negative number", "-1 en x\n", -501},
      {"not a number", "abc en x\n", -501},
      {"number glued to language", "13en x\n", -501},
      {"NUL in text", std::string("13 en a\0b\n", 10), -501},
      {"lone CR in text", "13 en a\rb\n", -501},
      {"invalid UTF-8", "13 en a\xFF" "b\n", -501},
      {"truncated UTF-8", "13 en a\xC3\n", -501},
      {"overlong UTF-8", "13 en \xC0\xAF\n", -501},
      {"surrogate in UTF-8", "13 en \xED\xA0\x80\n", -501},
      {"500 lines", Repeat("#\n", 499) + "13 en x\n", 1},
      {"501 lines", Repeat("#\n", 500) + "13 en x\n", kTextTooMuch},
      {"first fault wins", "13 en\n13 en " + std::string(2000, 'x') + "\n", -501},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramTextStore store;
    EXPECT_EQ(store.LoadContent(c.content), c.code);
  }
}

TEST(ProgramTextStoreTest, TextsAsWrittenUntilTheNextGoodLoad) {
  ProgramTextStore store;
  ASSERT_EQ(store.LoadContent("13 en Hello world  \r\n13 de Hallo\n14 en ~\n15 de  a # b\n"), 4);
  ASSERT_NE(store.Find(13, 0), nullptr);
  EXPECT_EQ(*store.Find(13, 0), "Hello world  ");  // CR removed, other blanks kept
  EXPECT_EQ(*store.Find(13, 1), "Hallo");
  EXPECT_EQ(*store.Find(14, 0), "~");
  EXPECT_EQ(*store.Find(15, 1), "a # b");
  EXPECT_EQ(store.Find(13, 2), nullptr);
  EXPECT_EQ(store.Find(99, 0), nullptr);
  EXPECT_EQ(store.Find(13 + 65536, 0), nullptr);  // no wrap-around to number 13
  // A failed load keeps the texts; a good one replaces them.
  EXPECT_EQ(store.LoadContent("13 en a\n13 en b\n"), -1502);
  EXPECT_EQ(*store.Find(13, 1), "Hallo");
  ASSERT_EQ(store.LoadContent("14 de Welt\n"), 1);
  EXPECT_EQ(store.Find(13, 0), nullptr);
}

TEST(ProgramTextStoreTest, Files) {
  testing::TempFolder folder;
  ProgramTextStore store;
  EXPECT_EQ(store.LoadFile(folder.Write("good.dat", "13 en Hello\n")), 1);
  EXPECT_EQ(store.LoadFile(folder.Write("empty.dat", "")), kTextEmptyFile);
  EXPECT_EQ(store.LoadFile((folder.path() / "absent.dat").string()), kTextCannotOpen);
  EXPECT_EQ(store.LoadFile((folder.path() / "no/such/folder/x.dat").string()), kTextCannotOpen);
  EXPECT_EQ(store.LoadFile(""), kTextCannotOpen);
  EXPECT_EQ(store.LoadFile(folder.path().string()), kTextReadError);  // a folder
  EXPECT_EQ(store.LoadFile("/dev/zero"), kTextReadError);             // endless device

  // Just at the size limit a file is read; one byte more is too much.
  std::string limit = "13 en x\n#";
  limit += std::string(kMaxTextFileBytes - limit.size(), '.');
  EXPECT_EQ(store.LoadFile(folder.Write("limit.dat", limit)), 1);
  EXPECT_EQ(store.LoadFile(folder.Write("over.dat", limit + ".")), kTextTooMuch);
  ASSERT_NE(store.Find(13, 0), nullptr);
}

}  // namespace
}  // namespace valdora
