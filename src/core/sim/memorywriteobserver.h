#pragma once
#include <cstdint>

namespace tav2 {

// Told of every word written into main memory, just before the write, with
// the value the word holds until then: what a history needs to undo the
// write and a watch needs to notice it.
class MemoryWriteObserver {
 public:
  virtual ~MemoryWriteObserver() = default;
  virtual void WordWriting(uint16_t address, uint16_t oldValue) = 0;
};

}  // namespace tav2
