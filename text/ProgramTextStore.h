// SPDX-License-Identifier: MIT
// The store of numbered program texts and the reader of the program text file.
//
// File format (UTF-8, one entry a line):
//   <number> <language> <text>
// number: 0..32767; language: en, de or es; the text runs to the end of the line and has at
// most 1024 characters; "~" stands for the empty text. Blank lines and lines starting with
// '#' are ignored. Both LF and CR LF line ends are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace valdora {

// Loader codes, as LoadProgramText reports them.
inline constexpr int kTextNoneRead = 0;
inline constexpr int kTextCannotOpen = -1;
inline constexpr int kTextTooMuch = -3;
inline constexpr int kTextEmptyFile = -6;
inline constexpr int kTextReadError = -7;
// Line-numbered codes: base minus the line (lines 1..kMaxTextFileLines).
inline constexpr int kTextMissingBase = -500;
inline constexpr int kTextTooLongBase = -1000;
inline constexpr int kTextDuplicateBase = -1500;

// Bounds of a program text file. The line limit keeps every line-numbered code inside its
// own range (a missing text at line 501 would read as an over-long one at line 1).
inline constexpr std::size_t kMaxTextFileBytes = 1024 * 1024;
inline constexpr int kMaxTextFileLines = 500;
inline constexpr std::size_t kMaxTextCharacters = 1024;

class ProgramTextStore {
 public:
  // Reads the file at `path`; returns the number of texts (>= 1) or a loader code <= 0.
  // The store changes only when loading succeeds.
  int LoadFile(const std::string& path);

  // Parses file content; same result and contract as LoadFile.
  int LoadContent(std::string_view content);

  // The text of `number` in `language` as written in the file ("~" kept), or nullptr.
  const std::string* Find(int number, int language) const;

  std::size_t size() const noexcept { return texts_.size(); }
  void Clear() noexcept { texts_.clear(); }

 private:
  std::map<std::pair<std::int16_t, std::int16_t>, std::string> texts_;
};

// The one store the program's lookups use.
ProgramTextStore& TheProgramTextStore();

}  // namespace valdora
