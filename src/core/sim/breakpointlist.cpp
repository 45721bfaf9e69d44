#include "core/sim/breakpointlist.h"

namespace tav2 {

bool BreakpointList::Add(uint16_t address) {
  if (count_ >= kCapacity) return false;
  addresses_[static_cast<std::size_t>(count_++)] = address;
  return true;
}

bool BreakpointList::Remove(uint16_t address) {
  const int before = count_;
  int kept = 0;
  for (int i = 0; i < count_; ++i) {
    const uint16_t entry = addresses_[static_cast<std::size_t>(i)];
    if (entry != address) addresses_[static_cast<std::size_t>(kept++)] = entry;
  }
  count_ = kept;
  return count_ != before;
}

}  // namespace tav2
