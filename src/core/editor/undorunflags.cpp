#include "core/editor/undorunflags.h"

namespace tav2 {

bool UndoRunFlags::StartRun(bool& run) {
  if (run) return false;
  backspaceRun_ = deleteRun_ = moveRun_ = false;
  run = true;
  return true;
}

bool UndoRunFlags::StartsNewRun(SnapshotTrigger trigger) {
  switch (trigger) {
    case SnapshotTrigger::Backspace: return StartRun(backspaceRun_);
    case SnapshotTrigger::Delete: return StartRun(deleteRun_);
    case SnapshotTrigger::Move: return StartRun(moveRun_);
    case SnapshotTrigger::MouseDown:
      // A click leaves a forward-deleting run going.
      if (moveRun_) return false;
      moveRun_ = true;
      backspaceRun_ = false;
      return true;
    case SnapshotTrigger::Typing:
      if (!backspaceRun_ && !deleteRun_ && !moveRun_) return false;
      break;
    case SnapshotTrigger::Enter: break;
  }
  backspaceRun_ = deleteRun_ = moveRun_ = false;
  return true;
}

}  // namespace tav2
