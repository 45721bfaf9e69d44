#pragma once
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/sim/mainmemory.h"

namespace tav2 {

// What a watch stops on: reads of the word, writes to it, or both.
enum class WatchKind : uint8_t { Read = 1, Write = 2, ReadWrite = 3 };

// A watched word of main memory.
struct Watch {
  uint16_t address = 0;
  WatchKind kind = WatchKind::Write;
  bool operator==(const Watch&) const = default;
};

// An access to a watched word: which word, and whether it was written (or read).
struct WatchHit {
  uint16_t address = 0;
  bool written = false;
  bool operator==(const WatchHit&) const = default;
};

// The words a run stops on when they are read or written, at most
// kCapacity of them, and the first access to one of them since the hit
// was last cleared. Reads are those of the processor's clocks; writes are
// every write into main memory (the terminal's read services included).
class WatchList {
 public:
  static constexpr int kCapacity = 16;

  // Watches `address` for `kind` (replacing what it was watched for);
  // false, and nothing changed, when the list is full.
  bool Set(uint16_t address, WatchKind kind);
  // False when the word was not watched.
  bool Remove(uint16_t address);
  void Clear();

  std::optional<WatchKind> KindAt(uint16_t address) const;
  int Count() const { return static_cast<int>(watches_.size()); }
  bool Empty() const { return watches_.empty(); }
  // Whether any watch stops on reads.
  bool WatchesReads() const { return readBits_.any(); }
  // In the order they were set.
  const std::vector<Watch>& All() const { return watches_; }

  // Called for every read and write; defined here so the engine inlines them.
  void NoteRead(uint16_t address) {
    if (readBits_[address] && !hit_) hit_ = WatchHit{address, false};
  }
  void NoteWrite(uint16_t address) {
    if (writeBits_[address] && !hit_) hit_ = WatchHit{address, true};
  }
  const std::optional<WatchHit>& Hit() const { return hit_; }
  void ClearHit() { hit_.reset(); }

 private:
  void Mark(const Watch& watch, bool on);

  std::vector<Watch> watches_;
  std::bitset<MainMemory::kWords> readBits_;
  std::bitset<MainMemory::kWords> writeBits_;
  std::optional<WatchHit> hit_;
};

}  // namespace tav2
