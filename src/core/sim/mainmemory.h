#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/sim/memorywriteobserver.h"

namespace tav2 {

// The 65536 words of main memory; addresses are 16-bit and wrap by type.
class MainMemory {
 public:
  static constexpr std::size_t kWords = 65536;

  MainMemory() = default;
  // A copy takes the words only, never the observer.
  MainMemory(const MainMemory& other) : words_(other.words_) {}
  MainMemory& operator=(const MainMemory& other) {
    words_ = other.words_;
    return *this;
  }

  uint16_t Read(uint16_t address) const { return words_[address]; }
  void Write(uint16_t address, uint16_t value) {
    if (writeObserver_ != nullptr) writeObserver_->WordWriting(address, words_[address]);
    words_[address] = value;
  }
  void Clear() { words_.fill(0); }

  // Who hears of every Write (nullptr: nobody).
  void SetWriteObserver(MemoryWriteObserver* observer) { writeObserver_ = observer; }

 private:
  std::array<uint16_t, kWords> words_{};
  MemoryWriteObserver* writeObserver_ = nullptr;
};

}  // namespace tav2
