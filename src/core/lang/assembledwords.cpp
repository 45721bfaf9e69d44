#include "core/lang/assembledwords.h"

namespace tav2 {

void AssembledWords::Clear() {
  tuplets_.clear();
  used_.reset();
}

bool AssembledWords::Add(uint16_t address, uint16_t value) {
  if (used_.test(address)) return false;
  used_.set(address);
  tuplets_.push_back({address, value});
  return true;
}

}  // namespace tav2
