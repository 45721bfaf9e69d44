#include "core/sim/watchlist.h"

#include <algorithm>

namespace tav2 {

namespace {
bool Has(WatchKind kind, WatchKind part) {
  return (static_cast<unsigned>(kind) & static_cast<unsigned>(part)) != 0;
}
}  // namespace

bool WatchList::Set(uint16_t address, WatchKind kind) {
  const auto found = std::find_if(watches_.begin(), watches_.end(),
                                  [address](const Watch& watch) { return watch.address == address; });
  if (found != watches_.end()) {
    Mark(*found, false);
    found->kind = kind;
    Mark(*found, true);
    return true;
  }
  if (Count() >= kCapacity) return false;
  watches_.push_back({address, kind});
  Mark(watches_.back(), true);
  return true;
}

bool WatchList::Remove(uint16_t address) {
  const auto found = std::find_if(watches_.begin(), watches_.end(),
                                  [address](const Watch& watch) { return watch.address == address; });
  if (found == watches_.end()) return false;
  Mark(*found, false);
  watches_.erase(found);
  return true;
}

void WatchList::Clear() {
  watches_.clear();
  readBits_.reset();
  writeBits_.reset();
  hit_.reset();
}

std::optional<WatchKind> WatchList::KindAt(uint16_t address) const {
  for (const Watch& watch : watches_) {
    if (watch.address == address) return watch.kind;
  }
  return std::nullopt;
}

void WatchList::Mark(const Watch& watch, bool on) {
  readBits_[watch.address] = on && Has(watch.kind, WatchKind::Read);
  writeBits_[watch.address] = on && Has(watch.kind, WatchKind::Write);
}

}  // namespace tav2
