#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tav2 {

// Addresses at which Go stops; holds at most 65 and never more.
class BreakpointList {
 public:
  static constexpr int kCapacity = 65;

  void Clear() { count_ = 0; }
  // Appends an address; false (and nothing stored) when the list is full.
  bool Add(uint16_t address);
  // Removes every entry of an address; false when it held none.
  bool Remove(uint16_t address);
  // Asked before every instruction of a run, so defined here to be inlined.
  bool Contains(uint16_t address) const {
    for (int i = 0; i < count_; ++i) {
      if (addresses_[static_cast<std::size_t>(i)] == address) return true;
    }
    return false;
  }
  int Count() const { return count_; }
  uint16_t At(int index) const { return addresses_[static_cast<std::size_t>(index)]; }

 private:
  std::array<uint16_t, kCapacity> addresses_{};
  int count_ = 0;
};

}  // namespace tav2
