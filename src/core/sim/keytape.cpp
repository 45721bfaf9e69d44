#include "core/sim/keytape.h"

#include <algorithm>

namespace tav2 {

std::optional<TapedKey> KeyTape::Replay() {
  if (position_ >= base_ + keys_.size()) return std::nullopt;
  return keys_[static_cast<std::size_t>(position_++ - base_)];
}

void KeyTape::Record(TapedKey key) {
  keys_.resize(static_cast<std::size_t>(position_ - base_));
  keys_.push_back(key);
  ++position_;
}

void KeyTape::SetPosition(uint64_t position) {
  position_ = std::clamp(position, base_, base_ + keys_.size());
}

void KeyTape::DropBefore(uint64_t position) {
  while (base_ < position && !keys_.empty()) {
    keys_.pop_front();
    ++base_;
  }
  position_ = std::max(position_, base_);
}

void KeyTape::Clear() {
  keys_.clear();
  base_ = 0;
  position_ = 0;
}

}  // namespace tav2
