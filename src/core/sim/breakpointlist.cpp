#include "sim/breakpointlist.h"

#include <algorithm>

namespace tav2 {

bool BreakpointList::Add(uint16_t address) {
  if (count_ >= kCapacity) return false;
  addresses_[static_cast<std::size_t>(count_++)] = address;
  return true;
}

bool BreakpointList::Contains(uint16_t address) const {
  return std::find(addresses_.begin(), addresses_.begin() + count_, address) !=
         addresses_.begin() + count_;
}

}  // namespace tav2
