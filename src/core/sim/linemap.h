#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace tav2 {

// For every address, the text position of the source line that produced it
// (0: no line). Positions are kept whole, however long the source.
class LineMap {
 public:
  LineMap() : positions_(65536, 0) {}

  int At(uint16_t address) const { return positions_[address]; }
  void Set(uint16_t address, int position) { positions_[address] = position; }

  // The lowest address whose line starts at `position`; none when no
  // address has that line (position 0 is no line).
  std::optional<uint16_t> FirstAddressAt(int position) const {
    if (position == 0) return std::nullopt;
    for (std::size_t address = 0; address < positions_.size(); ++address) {
      if (positions_[address] == position) return static_cast<uint16_t>(address);
    }
    return std::nullopt;
  }

 private:
  std::vector<int> positions_;
};

}  // namespace tav2
