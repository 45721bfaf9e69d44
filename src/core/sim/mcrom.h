#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/sim/mcromentry.h"

namespace tav2 {

// The micro-code ROM: 256 entries indexed by opcode. Entries 240-243 hold
// the fetch, immediate, indirect and write-back sequences.
class Mcrom {
 public:
  static constexpr int kEntries = 256;
  static constexpr int kFetchSequence = 240;
  static constexpr int kImmediateSequence = 241;
  static constexpr int kIndirectSequence = 242;
  static constexpr int kWriteBackSequence = 243;

  const McromEntry& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  void SetEntry(int index, const McromEntry& entry);
  void Clear();

  // First index 1..255 whose name equals `name` (entry 0 is never searched).
  std::optional<int> Find(std::string_view name, bool caseSensitive = true) const;

  // Increases with every change, so cached decodings can tell they are stale.
  uint64_t Generation() const { return generation_; }

 private:
  std::array<McromEntry, kEntries> entries_{};
  uint64_t generation_ = 0;
};

}  // namespace tav2
