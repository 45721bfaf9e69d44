#include "core/shell/slotcursor.h"

namespace tav2 {

std::optional<int> SlotCursor::Next(const std::function<bool(int slot)>& matches) {
  for (int step = 0; step < maxSteps_; ++step) {
    Advance();
    if (matches(position_)) return position_;
  }
  return std::nullopt;
}

}  // namespace tav2
