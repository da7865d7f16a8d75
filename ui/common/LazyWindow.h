// SPDX-License-Identifier: MIT
// One lazily built window of a kind: made on first use, forgotten when it is destroyed, and
// destroyed on request. What an owner writes into the window while none is loaded (`Kept`)
// is kept and handed to the next one made.
#pragma once

#include <utility>

namespace valdora {

// What a window without kept state keeps: nothing.
struct NothingKept {};

template <typename W, typename Kept = NothingKept>
class LazyWindow {
 public:
  // The window, made by `make` (returning a new W*) on first use; `load(window, kept)` then
  // takes over what was kept, which is cleared.
  template <typename Make, typename Load>
  W& Get(Make make, Load load) {
    if (window_ == nullptr) {
      window_ = make();
      load(*window_, std::exchange(kept_, Kept{}));
    }
    return *window_;
  }
  template <typename Make>
  W& Get(Make make) {
    return Get(make, [](W&, const Kept&) {});
  }

  // The loaded window, or nullptr.
  W* Loaded() const noexcept { return window_; }
  // What the next window made will take over; meaningful while none is loaded.
  Kept& kept() noexcept { return kept_; }
  // Called by a window that goes away on its own (closed, deleted): no longer the loaded one.
  void Forget(const W* window) noexcept {
    if (window_ == window) window_ = nullptr;
  }
  // Destroys the loaded window, if any, and what was kept for the next.
  void Unload() {
    delete std::exchange(window_, nullptr);
    kept_ = Kept{};
  }

 private:
  W* window_ = nullptr;
  Kept kept_{};
};

}  // namespace valdora
