#pragma once
#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

namespace tav2 {

// Numbered slots, First to First + Count - 1, each holding a child window of
// one kind or nothing. The slots hold the windows; they do not own them.
template <class Window, int First, int Count>
class WindowSlots {
 public:
  static constexpr int kFirst = First;
  static constexpr int kLast = First + Count - 1;

  static bool IsSlot(int slot) { return slot >= kFirst && slot <= kLast; }

  // The window in a slot; nullptr when it is empty or no slot.
  Window* At(int slot) const { return IsSlot(slot) ? slots_[Index(slot)] : nullptr; }

  // The first empty slot, searching upward; nullopt when all are full.
  std::optional<int> FirstEmpty() const { return SlotWhere(nullptr); }

  std::optional<int> SlotOf(const Window* window) const {
    if (window == nullptr) return std::nullopt;
    return SlotWhere(window);
  }

  // Puts the window into a slot (the slot under construction of a new window).
  void Fill(int slot, Window* window) {
    if (IsSlot(slot)) slots_[Index(slot)] = window;
  }

  // Puts the window into the first empty slot; the slot, or nullopt when
  // all are full and the window was not taken.
  std::optional<int> Put(Window* window) {
    const auto slot = FirstEmpty();
    if (slot) Fill(*slot, window);
    return slot;
  }

  // Empties the window's slot; false when it is in none.
  bool Remove(const Window* window) {
    const auto slot = SlotOf(window);
    if (slot) Fill(*slot, nullptr);
    return slot.has_value();
  }

  // The windows in slot order.
  std::vector<Window*> Windows() const {
    std::vector<Window*> windows;
    std::copy_if(slots_.begin(), slots_.end(), std::back_inserter(windows),
                 [](const Window* window) { return window != nullptr; });
    return windows;
  }

 private:
  static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - kFirst); }

  std::optional<int> SlotWhere(const Window* window) const {
    const auto found = std::find(slots_.begin(), slots_.end(), window);
    if (found == slots_.end()) return std::nullopt;
    return kFirst + static_cast<int>(found - slots_.begin());
  }

  std::array<Window*, static_cast<std::size_t>(Count)> slots_{};
};

}  // namespace tav2
