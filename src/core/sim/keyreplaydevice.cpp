#include "core/sim/keyreplaydevice.h"

namespace tav2 {

// A key from the tape is the key the device gave the first time, with the
// grid's last key as the device left it; a wait that was aborted gave no
// key and records none.
int KeyReplayDevice::WaitKey() {
  if (tape_ != nullptr) {
    if (const std::optional<TapedKey> taped = tape_->Replay()) {
      grid_.lastKey = taped->lastKey;
      return taped->key;
    }
  }
  waiting_ = true;
  const int key = device_.WaitKey();
  waiting_ = false;
  if (tape_ != nullptr && !grid_.inputAbort) tape_->Record({key, grid_.lastKey});
  return key;
}

}  // namespace tav2
