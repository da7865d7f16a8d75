// SPDX-License-Identifier: MIT
// A private folder for one test, removed with everything in it when the test ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace valdora::testing {

class TempFolder {
 public:
  TempFolder() {
    std::filesystem::remove_all(path_);  // a stale one of an earlier process with this id
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `content` byte for byte into <folder>/<name> and returns the full path.
  std::string Write(const std::string& name, std::string_view content) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
    return file.string();
  }

 private:
  static inline int counter_ = 0;
  const std::filesystem::path path_ = std::filesystem::temp_directory_path() /
      ("valdora-text-" + std::to_string(::getpid()) + "-" + std::to_string(++counter_));
};

}  // namespace valdora::testing
