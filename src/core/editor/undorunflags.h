#pragma once

namespace tav2 {

// The key or mouse action that may start a new stretch of work.
enum class SnapshotTrigger { Backspace, Delete, Move, MouseDown, Typing, Enter };

// The run flags that group key presses into stretches of work of one kind
// (deleting backwards, deleting forwards, moving, typing), so that one undo
// step takes back one stretch. They are shared by all editors.
class UndoRunFlags {
 public:
  // Called as the key goes down (before it changes anything); true when the
  // editor must take a snapshot first.
  bool StartsNewRun(SnapshotTrigger trigger);

 private:
  // Sets `run` alone among the three flags; true when it was not set.
  bool StartRun(bool& run);

  bool backspaceRun_ = false;
  bool deleteRun_ = false;
  bool moveRun_ = false;
};

}  // namespace tav2
