#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tav2 {

// The 65536 words of main memory; addresses are 16-bit and wrap by type.
class MainMemory {
 public:
  static constexpr std::size_t kWords = 65536;

  uint16_t Read(uint16_t address) const { return words_[address]; }
  void Write(uint16_t address, uint16_t value) { words_[address] = value; }
  void Clear() { words_.fill(0); }

 private:
  std::array<uint16_t, kWords> words_{};
};

}  // namespace tav2
