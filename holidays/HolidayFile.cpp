// SPDX-License-Identifier: MIT
// Reading a holiday file of either kind.
#include "holidays/HolidayFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "holidays/PlainHolidays.h"

namespace valdora {
namespace {

// An iCalendar text: BEGIN:VCALENDAR first, after a byte-order mark and blank lines.
bool LooksLikeICalendar(std::string_view content) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  const std::size_t start = content.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return false;
  constexpr std::string_view begin = "BEGIN:VCALENDAR";
  const std::string_view head = content.substr(start, begin.size());
  return head.size() == begin.size() &&
         std::equal(head.begin(), head.end(), begin.begin(),
                    [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b; });
}

// "1 timed event", "2 timed events".
std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool HolidayFile::Load(const std::string& path, std::string& problem) {
  const auto cannotRead = [&](const std::string& reason) {
    problem = path + ": cannot be read (" + reason + ")";
    return false;
  };
  const auto tooLarge = [&] {
    problem = path + ": too large for a holiday file (more than " +
              std::to_string(kMaxHolidayFileBytes >> 20) + " MiB)";
    return false;
  };
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (ec) return cannotRead(ec.message());
  if (std::filesystem::is_directory(status))
    return cannotRead(std::make_error_code(std::errc::is_a_directory).message());
  // A regular file is refused by its size before it is read; a pipe (a process substitution,
  // /dev/stdin) has none and is read up to the limit.
  if (std::filesystem::is_regular_file(status)) {
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return cannotRead(ec.message());
    if (size > kMaxHolidayFileBytes) return tooLarge();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return cannotRead(std::strerror(errno));
  std::string content;
  std::vector<char> chunk(1 << 16);
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    content.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (content.size() > kMaxHolidayFileBytes) return tooLarge();
  }
  if (in.bad()) return cannotRead(std::strerror(errno));
  return Read(content, path, problem);
}

bool HolidayFile::Read(std::string_view content, const std::string& name, std::string& problem) {
  name_ = name;
  dates_.clear();
  ics_.reset();
  if (LooksLikeICalendar(content)) {
    auto ics = std::make_unique<IcsHolidays>();
    if (!ics->Read(content, problem)) {
      problem = name + ": " + problem;
      return false;
    }
    ics_ = std::move(ics);
    return true;
  }
  int line = 0;
  if (!ReadPlainHolidays(content, dates_, line, problem)) {
    problem = name + ", line " + std::to_string(line) + ": " + problem;
    dates_.clear();
    return false;
  }
  std::sort(dates_.begin(), dates_.end());
  dates_.erase(std::unique(dates_.begin(), dates_.end()), dates_.end());
  return true;
}

std::size_t HolidayFile::HolidayCount() const noexcept {
  return ics_ ? ics_->EventCount() : dates_.size();
}

std::string HolidayFile::IgnoredNote() const {
  if (!ics_) return "";
  const IcsHolidays::Ignored& n = ics_->IgnoredItems();
  std::vector<std::string> parts;
  if (n.timedEvents) parts.push_back(Counted(n.timedEvents, "timed event", "timed events"));
  if (n.otherComponents)
    parts.push_back(Counted(n.otherComponents, "other component", "other components"));
  if (n.unknownProperties)
    parts.push_back(Counted(n.unknownProperties, "unknown property", "unknown properties"));
  if (parts.empty()) return "";
  std::string note = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i)
    note += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
  return note + " ignored";
}

bool HolidayFile::HolidaysWithin(std::int64_t first, std::int64_t last, std::vector<Jdn>& out,
                                 std::string& problem) {
  if (ics_) {
    if (ics_->HolidaysWithin(first, last, out, problem)) return true;
    problem = name_ + ": " + problem;
    return false;
  }
  out.insert(out.end(), std::lower_bound(dates_.begin(), dates_.end(), first),
             std::upper_bound(dates_.begin(), dates_.end(), last));
  return true;
}

}  // namespace valdora
