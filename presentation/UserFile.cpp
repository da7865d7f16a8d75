// SPDX-License-Identifier: MIT
#include "presentation/UserFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>

namespace valdora {

namespace {

// Reads the items of the file one at a time. Items are separated by commas or line ends
// (CR LF, LF or CR); a text item is between double quotes and may span lines, with a doubled
// quote standing for one quote.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  // The next item, or nothing at the end of the text or at an unclosed quote.
  std::optional<std::string> Next() {
    SkipBlanks();
    if (pos_ >= text_.size()) return std::nullopt;
    std::string item;
    if (text_[pos_] == '"') {
      ++pos_;
      // Whole runs up to the next quote at a time: the output may be megabytes long.
      for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) return std::nullopt;  // unclosed quote
        item.append(text_.substr(pos_, quote - pos_));
        pos_ = quote + 1;
        if (pos_ >= text_.size() || text_[pos_] != '"') break;
        item.push_back('"');  // a doubled quote
        ++pos_;
      }
      // Anything between the closing quote and the delimiter is ignored.
      while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
    } else {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
      item.assign(text_.substr(start, pos_ - start));
      while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    }
    SkipDelimiter();
    return item;
  }

 private:
  static bool IsDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }
  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  void SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') pos_ += 2;
    else ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// A whole item as a 16-bit integer: optional sign and digits only.
std::optional<std::int16_t> ToInteger(const std::optional<std::string>& item) {
  if (!item || item->empty()) return std::nullopt;
  std::size_t i = 0;
  const bool negative = (*item)[0] == '-';
  if ((*item)[0] == '-' || (*item)[0] == '+') i = 1;
  if (i == item->size()) return std::nullopt;
  long value = 0;  // stays within [-32769, 32768] before the range test below
  for (; i < item->size(); ++i) {
    const char c = (*item)[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 32768) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

// The leading number of a text (blanks, sign, digits, fraction), rounded half to even;
// 0 when the text does not begin with a number.
double LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  double value = 0;
  bool any = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1e9; ++i) {
    value = value * 10 + (text[i] - '0');
    any = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9' && scale > 1e-12; ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
      any = true;
    }
  }
  if (!any) return 0;
  return std::nearbyint(negative ? -value : value);
}

// A check box value: 0 or 1 as read, anything else the box's default.
std::int16_t CheckValue(const std::string& text, std::int16_t fallback) {
  const double value = LeadingNumber(text);
  if (value == 0) return 0;
  if (value == 1) return 1;
  return fallback;
}

bool IsCalendarCode(std::int16_t code) {
  return code == 0 || code == 1 || code == 2 || code == 4 || code == 6 || code == 7 || code == 8;
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `limit` bytes of `text` at most, never ending inside a UTF-8 character.
std::string_view Beginning(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && IsUtf8Continuation(text[end])) --end;
  return text.substr(0, end);
}

std::string Quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (std::size_t at = 0;;) {  // whole runs up to and with the next quote at a time
    const std::size_t quote = text.find('"', at);
    out.append(text.substr(at, quote == std::string_view::npos ? quote : quote + 1 - at));
    if (quote == std::string_view::npos) break;
    out += '"';  // doubled
    at = quote + 1;
  }
  out += '"';
  return out;
}

// Lines 1..14 into `s`; false when one of them is missing or unreadable.
bool ParseFirstFourteenLines(ItemReader& reader, UserSettings& s) {
  const UserSettings defaults;
  std::optional<std::int16_t> n[7];
  for (auto& value : n) {
    value = ToInteger(reader.Next());
    if (!value) return false;
  }
  s.language = (*n[0] == 0 || *n[0] == 1) ? *n[0] : defaults.language;
  s.dateFormat = (*n[1] >= 0 && *n[1] <= 2) ? *n[1] : defaults.dateFormat;
  s.dateSeparator = (*n[2] == 45 || *n[2] == 46 || *n[2] == 47) ? *n[2] : defaults.dateSeparator;
  s.thousandsSeparator = (*n[3] == 0 || *n[3] == 44 || *n[3] == 46) ? *n[3] : defaults.thousandsSeparator;
  s.todayCal = IsCalendarCode(*n[4]) ? *n[4] : defaults.todayCal;
  s.firstCal = IsCalendarCode(*n[5]) ? *n[5] : defaults.firstCal;
  s.secondCal = IsCalendarCode(*n[6]) ? *n[6] : defaults.secondCal;

  std::int16_t* checks[5] = {&s.includeFirstDate, &s.includeWeekends, &s.verbose, &s.hyphen,
                             &s.saveOutput};
  const std::int16_t checkDefaults[5] = {defaults.includeFirstDate, defaults.includeWeekends,
                                         defaults.verbose, defaults.hyphen, defaults.saveOutput};
  for (int i = 0; i < 5; ++i) {
    const auto item = reader.Next();
    if (!item) return false;
    *checks[i] = CheckValue(*item, checkDefaults[i]);
  }

  const auto weekStart = reader.Next();
  const auto monthCal = reader.Next();
  if (!weekStart || !monthCal) return false;
  s.firstDayOfWeek = *weekStart == "Mon" ? "Mon" : "Sun";
  s.monthCalendar = *monthCal == "JC" ? "JC" : "CE";

  std::string* texts[4] = {&s.firstDate, &s.dateDiff, &s.secondDate, &s.output};
  for (std::string* text : texts) {
    auto item = reader.Next();
    if (!item) return false;
    *text = std::move(*item);
  }
  return true;
}

}  // namespace

UserFileStatus ParseUserFile(std::string_view text, UserSettings& settings) {
  settings = UserSettings{};
  if (text.size() > MaxUserFileSize) return UserFileStatus::Damaged;
  ItemReader reader(text);
  UserSettings parsed;
  if (!ParseFirstFourteenLines(reader, parsed)) return UserFileStatus::Damaged;
  settings = std::move(parsed);
  const auto unit = ToInteger(reader.Next());
  if (!unit) {
    settings.unit = 0;
    return UserFileStatus::LastLineDamaged;
  }
  settings.unit = *unit == 1 ? 1 : 0;
  return UserFileStatus::Complete;
}

std::string_view SavedOutput(std::string_view output) {
  if (output.size() <= MaxSavedOutputSize) return output;
  std::size_t start = output.size() - MaxSavedOutputSize;  // >= 1
  // The first line start from `start` on: after an LF, or after a CR not followed by an LF.
  for (std::size_t at = start - 1;; ++at) {
    at = output.find_first_of("\r\n", at);
    if (at == std::string_view::npos || at + 1 >= output.size()) break;
    if (output[at] == '\r' && output[at + 1] == '\n') continue;  // the line ends at the LF
    return output.substr(at + 1);
  }
  // No line starts there: the last line alone is longer than the limit.
  while (start < output.size() && IsUtf8Continuation(output[start])) ++start;
  return output.substr(start);
}

std::string FormatUserFile(const UserSettings& s) {
  const auto n = [](std::int16_t value) { return std::to_string(value); };
  std::string out;
  out += n(s.language) + "\r\n";
  out += n(s.dateFormat) + "," + n(s.dateSeparator) + "," + n(s.thousandsSeparator) + "\r\n";
  out += n(s.todayCal) + "," + n(s.firstCal) + "," + n(s.secondCal) + "\r\n";
  for (std::int16_t check : {s.includeFirstDate, s.includeWeekends, s.verbose, s.hyphen, s.saveOutput}) {
    out += n(check) + "\r\n";
  }
  out += s.firstDayOfWeek == "Mon" ? "\"Mon\"\r\n" : "\"Sun\"\r\n";
  out += s.monthCalendar == "JC" ? "\"JC\"\r\n" : "\"CE\"\r\n";
  for (const std::string* text : {&s.firstDate, &s.dateDiff, &s.secondDate}) {
    out += Quoted(Beginning(*text, MaxSavedInputSize)) + "\r\n";
  }
  out += Quoted(SavedOutput(s.output)) + "\r\n";
  out += n(s.unit) + "\r\n";
  return out;
}

// The largest file FormatUserFile can make: fifteen lines of at most three six-character
// numbers (or a short fixed text) with commas and CR LF, and the four texts with every byte a
// doubled quote, between quotes and followed by CR LF.
static_assert(15 * (3 * 7 + 2) + 2 * (3 * MaxSavedInputSize + MaxSavedOutputSize) + 4 * 4 <=
              MaxUserFileSize);

namespace {

// A descriptor closed when it goes out of scope.
struct Descriptor {
  int fd = -1;
  explicit Descriptor(int f) : fd(f) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
};

}  // namespace

bool ReadRegularFileText(const std::string& path, std::size_t limit, std::string& text) {
  struct stat info {};
  // Devices and pipes are never opened: opening or reading them could block or never end.
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  // Without blocking, and checked again once open: the path may have changed in between.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  // At most one byte beyond the limit, whatever size the file claims: that byte tells that
  // it is too large. The room starts at the claimed size (and a byte for a file that grew).
  text.resize(std::min(static_cast<std::size_t>(info.st_size), limit) + 1);
  std::size_t got = 0;
  for (;;) {
    if (got == text.size()) {
      if (got > limit) break;
      text.resize(std::min(2 * got, limit + 1));
    }
    const ssize_t n = ::read(file.fd, text.data() + got, text.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > limit) return false;
  text.resize(got);
  return true;
}

namespace {

// Writes all of `text` to `fd`; false on any failed or short write.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file the save replaces: `path` itself when missing or a regular file, the final target
// when `path` is a symbolic link to a regular file; nothing otherwise. `mode` gets the
// permissions of the file replaced, -1 when there is none.
std::optional<std::string> SaveTarget(const std::string& path, int& mode) {
  mode = -1;
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return path;
    return std::nullopt;
  }
  std::string target = path;
  if (S_ISLNK(info.st_mode)) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved || ::stat(resolved.get(), &info) != 0) return std::nullopt;  // dangling link
    target = resolved.get();
  }
  if (!S_ISREG(info.st_mode)) return std::nullopt;
  mode = static_cast<int>(info.st_mode & 07777);
  return target;
}

}  // namespace

UserFileStatus LoadUserFile(const std::string& path, UserSettings& settings) {
  std::string text;
  if (!ReadRegularFileText(path, MaxUserFileSize, text)) {
    settings = UserSettings{};
    return UserFileStatus::Damaged;
  }
  return ParseUserFile(text, settings);
}

bool SaveUserFile(const std::string& path, const UserSettings& settings) {
  return SaveFileText(path, FormatUserFile(settings));
}

bool SaveFileText(const std::string& path, std::string_view text) {
  int mode = -1;
  const std::optional<std::string> target = SaveTarget(path, mode);
  if (!target) return false;

  // A new file of its own in the target's folder (the rename below cannot cross file systems).
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = *target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  // The old file's permissions, where the file system keeps any.
  if (mode >= 0) static_cast<void>(::fchmod(fd, static_cast<mode_t>(mode)));
  // Every write, the sync (where a delayed full disk shows; a file system without syncing
  // says so with EINVAL) and the close must succeed before the new file may take the old
  // one's place.
  bool written = WriteAll(fd, text) && (::fsync(fd) == 0 || errno == EINVAL);
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temporary.c_str(), target->c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace valdora
