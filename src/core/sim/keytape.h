#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace tav2 {

// A key as a wait for it gave it: the key, and the grid's last key after it.
struct TapedKey {
  int key = 0;
  int lastKey = 0;
};

// The keys a program consumed, in order, and how many of them lie in the
// machine's past. Going back in the history moves the position back; going
// forward again takes the keys after the position before any new key is
// asked for, so a program reads the same keys again. Positions count the
// keys since the last Clear.
class KeyTape {
 public:
  // The key after the position, stepping past it; none when every key on
  // the tape lies in the past.
  std::optional<TapedKey> Replay();
  // A key read from the device: appended at the position, which passes it.
  void Record(TapedKey key);

  uint64_t Position() const { return position_; }
  // Back to an earlier position of this tape (kept within what it holds).
  void SetPosition(uint64_t position);
  // Forgets the keys before `position`, which no step back reaches any more.
  void DropBefore(uint64_t position);
  void Clear();

  std::size_t Bytes() const { return keys_.size() * sizeof(TapedKey); }

 private:
  std::deque<TapedKey> keys_;
  uint64_t base_ = 0;  // position of keys_.front()
  uint64_t position_ = 0;
};

}  // namespace tav2
