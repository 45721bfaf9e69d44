#pragma once
#include <cstdint>
#include <vector>

namespace tav2 {

// For every address, the text position of the source line that produced it
// (0: no line). Positions are kept whole, however long the source.
class LineMap {
 public:
  LineMap() : positions_(65536, 0) {}

  int At(uint16_t address) const { return positions_[address]; }
  void Set(uint16_t address, int position) { positions_[address] = position; }

 private:
  std::vector<int> positions_;
};

}  // namespace tav2
