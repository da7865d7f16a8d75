// SPDX-License-Identifier: MIT
// The growing byte buffer valdora-cli collects its answers in: appends are a bounds check and
// a copy, nothing else, since a batch run appends a dozen short pieces per line.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace valdora {

class AnswerBuffer {
 public:
  explicit AnswerBuffer(std::size_t capacity = 4096)
      : data_(new char[capacity]), capacity_(capacity) {}

  void Append(std::string_view text) {
    const std::size_t n = text.size();
    if (capacity_ - size_ < n) Grow(n);
    char* const to = data_.get() + size_;
    const char* const from = text.data();
    // The pieces of an answer line are short: two fixed-size moves that may overlap copy
    // 4..16 bytes without a call or a branch on the length.
    if (n >= 8 && n <= 16) {
      std::memcpy(to, from, 8);
      std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
      std::memcpy(to, from, 4);
      std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 16) {
      std::memcpy(to, from, n);
    } else {
      for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
    }
    size_ += n;
  }
  void Append(char c) {
    if (capacity_ == size_) Grow(1);
    data_[size_++] = c;
  }
  // Cuts the buffer back to `size` bytes (no-op when it is shorter).
  void Truncate(std::size_t size) noexcept {
    if (size < size_) size_ = size;
  }
  void Clear() noexcept { size_ = 0; }
  std::size_t Size() const noexcept { return size_; }
  std::string_view View() const noexcept { return {data_.get(), size_}; }

 private:
  void Grow(std::size_t more) {
    std::size_t capacity = capacity_ * 2;
    while (capacity - size_ < more) capacity *= 2;
    std::unique_ptr<char[]> data(new char[capacity]);
    std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_;
};

}  // namespace valdora
