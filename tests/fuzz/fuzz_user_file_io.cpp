// SPDX-License-Identifier: MIT
// The user file on disk as the window reads and saves it (LoadUserFile, SaveUserFile), over
// any content and whatever stands at the file's path: a regular file, a link to one, a pipe,
// a link to a pipe, a folder, a dangling link. Properties: loading agrees with the text
// reader; a save puts exactly the writer's text in place, which loads back as the settings
// saved and leaves no other file behind; nothing but a regular file is read or written over,
// and a refused save changes nothing. The first byte picks what stands at the path; the rest
// is the file's content. (Outputs beyond the saved limit take megabytes a run, too slow for
// fuzzing: the window's tests cover them.)
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "FuzzCheck.h"
#include "presentation/UserFile.h"

namespace {

using namespace valdora;
namespace fs = std::filesystem;

enum Kind { Regular, LinkToRegular, Pipe, LinkToPipe, Directory, DanglingLink, kKinds };

// A folder of its own for one run, removed with all in it when the run ends (kept when a
// property fails, to look at). TMPDIR=/dev/shm spares the disk the syncs of the saves.
class RunFolder {
 public:
  RunFolder() {
    std::string name = (fs::temp_directory_path() / "valdora-fuzz-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    path_ = name;
  }
  ~RunFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void Put(const fs::path& path, std::string_view content) {
  std::ofstream(path, std::ios::binary)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string Get(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string text(fs::file_size(path), '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  return text;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// What lstat tells of a path, to see that a refused save left it alone.
std::string Describe(const fs::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "missing";
  std::string text = std::to_string(info.st_mode) + "/" + std::to_string(info.st_ino);
  if (S_ISLNK(info.st_mode)) text += " -> " + fs::read_symlink(path).string();
  return text;
}

void CheckSaved(const fs::path& path, const fs::path& written, UserSettings settings,
                const std::set<std::string>& names, std::string_view origin) {
  FUZZ_CHECK(SaveUserFile(path.string(), settings), "save failed: " + fuzz::Printable(origin));
  const std::string text = Get(written);
  FUZZ_CHECK(text == FormatUserFile(settings), "saved text is not the writer's");
  FUZZ_CHECK(text.size() <= MaxUserFileSize, "saved file beyond the reader's limit");
  FUZZ_CHECK(Names(path.parent_path()) == names, "a save left a file behind or took one away");
  UserSettings back;
  FUZZ_CHECK(LoadUserFile(path.string(), back) == UserFileStatus::Complete,
             "saved file does not load: " + fuzz::Printable(origin));
  // Texts beyond their limits come back cut: the inputs to a beginning, the output to its
  // newest part.
  for (auto text : {&UserSettings::firstDate, &UserSettings::dateDiff, &UserSettings::secondDate}) {
    if ((settings.*text).size() <= MaxSavedInputSize) continue;
    FUZZ_CHECK((settings.*text).starts_with(back.*text) &&
                   (back.*text).size() + 4 > MaxSavedInputSize,
               "saved input is not the beginning");
    settings.*text = back.*text;
  }
  const std::string output = settings.output;
  settings.output = std::string(SavedOutput(output));
  FUZZ_CHECK(output.ends_with(settings.output), "saved output is not the newest part");
  FUZZ_CHECK(back == settings, "saved file does not load back: " + fuzz::Printable(origin));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t choice = in.Byte();
  const Kind kind = static_cast<Kind>(choice % kKinds);
  const std::string_view content = in.Rest();

  const RunFolder folder;
  const fs::path path = folder.path() / "vdr.usr";
  const fs::path other = folder.path() / "other";
  switch (kind) {
    case Regular:
      Put(path, content);
      break;
    case LinkToRegular:
      Put(other, content);
      fs::create_symlink("other", path);
      break;
    case Pipe:
      FUZZ_CHECK(::mkfifo(path.c_str(), 0600) == 0, "mkfifo");
      break;
    case LinkToPipe:
      FUZZ_CHECK(::mkfifo(other.c_str(), 0600) == 0, "mkfifo");
      fs::create_symlink("other", path);
      break;
    case Directory:
      fs::create_directory(path);
      break;
    case DanglingLink:
      fs::create_symlink("missing", path);
      break;
    case kKinds:
      break;
  }
  const std::set<std::string> names = Names(folder.path());

  UserSettings loaded;
  loaded.language = 77;  // the loader must overwrite whatever the caller had
  const UserFileStatus status = LoadUserFile(path.string(), loaded);
  if (kind != Regular && kind != LinkToRegular) {
    const std::string before = Describe(path) + " " + Describe(other);
    FUZZ_CHECK(status == UserFileStatus::Damaged && loaded == UserSettings{},
               "something not a regular file was read");
    FUZZ_CHECK(!SaveUserFile(path.string(), loaded), "saved over something not a regular file");
    FUZZ_CHECK(Describe(path) + " " + Describe(other) == before && Names(folder.path()) == names,
               "a refused save changed the folder");
    return 0;
  }

  UserSettings parsed;
  FUZZ_CHECK(ParseUserFile(content, parsed) == status && parsed == loaded,
             "loading differs from the text reader: " + fuzz::Printable(content));
  CheckSaved(path, kind == Regular ? path : other, loaded, names, content);
  if (kind == LinkToRegular) {
    FUZZ_CHECK(fs::is_symlink(path) && fs::read_symlink(path) == "other", "the link was replaced");
  }
  return 0;
}
