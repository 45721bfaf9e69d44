#include "core/sim/breakpointlist.h"

namespace tav2 {

bool BreakpointList::Add(uint16_t address) {
  if (count_ >= kCapacity) return false;
  addresses_[static_cast<std::size_t>(count_++)] = address;
  return true;
}

}  // namespace tav2
