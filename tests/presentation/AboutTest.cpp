// SPDX-License-Identifier: MIT
// The About section of the help window: the project's version and licence in each language,
// after the help text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/AboutText.h"

#ifndef VALDORA_PROJECT_VERSION
#error "the test needs the project version from the build"
#endif

namespace {

// `text` cut at each CR LF; `text` must end with one.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

TEST(AboutTest, AboutSection) {
  const struct {
    const char* name;
    int language;
    const char* heading;
    const char* licence;
  } rows[] = {{"English", 0, "About Valdora", "MIT License"},
              {"German", 1, "Ueber Valdora", "MIT-Lizenz"},
              {"slot without help", 2, "About Valdora", "MIT License"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string text = valdora::AboutText(static_cast<std::int16_t>(row.language));
    ASSERT_TRUE(text.ends_with("\r\n"));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], row.heading);
    // The version CMake's project() gives, not one written by hand.
    EXPECT_EQ(lines[1], "Version " VALDORA_PROJECT_VERSION);
    EXPECT_TRUE(lines[2].starts_with("Copyright (c) ")) << lines[2];
    EXPECT_NE(lines[3].find(row.licence), std::string::npos) << lines[3];
    for (const unsigned char c : text) EXPECT_LT(c, 128) << "no umlauts or sharp s";
  }
}

}  // namespace
