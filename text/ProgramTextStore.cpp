// SPDX-License-Identifier: MIT
// Reading the program text file into the store of numbered texts.
#include "text/ProgramTextStore.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace valdora {
namespace {

constexpr bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }

// Number of code points in `text` if it is well-formed UTF-8 without control characters
// (tab allowed); -1 otherwise.
long long CountCharacters(std::string_view text) noexcept {
  long long count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      if ((lead < 0x20 && lead != '\t') || lead == 0x7F) return -1;
      length = 1;
      cp = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07;
    } else {
      return -1;
    }
    if (text.size() - i < length) return -1;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return -1;
      cp = (cp << 6) | (next & 0x3F);
    }
    // Reject overlong forms, surrogates and values beyond U+10FFFF.
    if ((length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return -1;
    }
    if (cp >= 0x80 && cp <= 0x9F) return -1;  // C1 controls
    i += length;
    ++count;
  }
  return count;
}

// Language code of a language tag of the file, or -1.
int LanguageOfTag(std::string_view tag) noexcept {
  if (tag == "en") return 0;
  if (tag == "de") return 1;
  if (tag == "es") return 2;
  return -1;
}

struct Entry {
  int number = -1;
  int language = -1;
  std::string_view text;
};

enum class LineKind { Ignored, Text, Malformed };

// Splits one line (without its line end) into number, language tag and text.
LineKind ParseLine(std::string_view line, Entry& entry) noexcept {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size() || line[i] == '#') return LineKind::Ignored;

  int number = 0;
  const std::size_t digitsStart = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    if (i - digitsStart >= 5) return LineKind::Malformed;
    number = number * 10 + (line[i] - '0');  // [0, 99999]
    ++i;
  }
  if (i == digitsStart || number > 32767) return LineKind::Malformed;
  if (i == line.size() || !IsBlank(line[i])) return LineKind::Malformed;
  while (i < line.size() && IsBlank(line[i])) ++i;

  const std::size_t tagStart = i;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  const int language = LanguageOfTag(line.substr(tagStart, i - tagStart));
  if (language < 0) return LineKind::Malformed;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) return LineKind::Malformed;  // number and language without a text

  entry.number = number;
  entry.language = language;
  entry.text = line.substr(i);
  return LineKind::Text;
}

}  // namespace

int ProgramTextStore::LoadFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return kTextCannotOpen;
  // Devices, pipes and folders are never opened: reading them could block or never end.
  if (!fs::is_regular_file(status)) return kTextReadError;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return kTextReadError;
  if (size > kMaxTextFileBytes) return kTextTooMuch;

  // C stdio rather than a stream: the program's start-up then needs no stream locale.
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return kTextCannotOpen;
  // Bounded read: a file that grew since its size was taken is still cut at the limit
  // (one byte beyond it tells that it did).
  std::string content(static_cast<std::size_t>(size) + 1, '\0');
  std::size_t got = std::fread(content.data(), 1, content.size(), file);
  if (got == content.size()) {  // the file grew since its size was taken
    content.resize(kMaxTextFileBytes + 1);
    got += std::fread(content.data() + got, 1, content.size() - got, file);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return kTextReadError;
  if (got > kMaxTextFileBytes) return kTextTooMuch;
  content.resize(got);
  return LoadContent(content);
}

int ProgramTextStore::LoadContent(std::string_view content) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  if (content.find_first_not_of(" \t\r\n") == std::string_view::npos) return kTextEmptyFile;
  if (content.size() > kMaxTextFileBytes) return kTextTooMuch;

  // Count the lines first, so that a file too long for line-numbered codes fails as a whole.
  std::size_t lines = 0;
  for (std::size_t pos = 0; pos < content.size();) {
    const std::size_t end = content.find('\n', pos);
    ++lines;
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  if (lines > static_cast<std::size_t>(kMaxTextFileLines)) return kTextTooMuch;

  decltype(texts_) loaded;
  int lineNumber = 0;  // [1, kMaxTextFileLines]
  for (std::size_t pos = 0; pos < content.size();) {
    std::size_t end = content.find('\n', pos);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    Entry entry;
    const LineKind kind = ParseLine(line, entry);
    if (kind == LineKind::Ignored) continue;
    if (kind == LineKind::Malformed) return kTextMissingBase - lineNumber;
    const long long characters = CountCharacters(entry.text);
    if (characters < 0) return kTextMissingBase - lineNumber;
    if (characters > static_cast<long long>(kMaxTextCharacters)) {
      return kTextTooLongBase - lineNumber;
    }
    const auto key = std::make_pair(static_cast<std::int16_t>(entry.number),
                                    static_cast<std::int16_t>(entry.language));
    if (!loaded.emplace(key, std::string(entry.text)).second) {
      return kTextDuplicateBase - lineNumber;
    }
  }
  if (loaded.empty()) return kTextNoneRead;
  texts_ = std::move(loaded);
  return static_cast<int>(texts_.size());
}

const std::string* ProgramTextStore::Find(int number, int language) const {
  if (number < -32768 || number > 32767 || language < -32768 || language > 32767) return nullptr;
  const auto found = texts_.find(
      std::make_pair(static_cast<std::int16_t>(number), static_cast<std::int16_t>(language)));
  return found == texts_.end() ? nullptr : &found->second;
}

ProgramTextStore& TheProgramTextStore() {
  static ProgramTextStore store;
  return store;
}

}  // namespace valdora
