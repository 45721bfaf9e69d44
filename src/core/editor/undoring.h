#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/editresult.h"

namespace tav2 {

// The editor's undo: a ring of 32 whole-text snapshots with their carets.
// Slots are numbered 1 to 32. A snapshot is taken when the kind of work
// changes (see UndoRunFlags), before Cut, Paste and Revert Case of a
// selection; Undo steps back one slot, Cancel undo's returns to the state
// before the first of a series of undos, and Redo takes one step towards it.
//
// Undo and CancelUndos give the stretch the editor must replace (its text
// changes from `text` into the restored one; the editor makes that change
// itself, so it does not count as a user change) and the caret afterwards.
class UndoRing {
 public:
  static constexpr int kSlots = 32;

  UndoRing() { Initialise("", 0); }

  // Every slot holds `text` and `caret`; nothing is undone.
  void Initialise(std::string_view text, int caret);
  // The user changed the text: the next snapshot stores even if the caret
  // did not move, and Cancel undo's is no longer possible.
  void NoteUserChange();
  // Stores text and caret in the next slot, unless the caret is where the
  // current slot has it and nothing changed since the last snapshot. While
  // undone states wait for Cancel undo's, only the current slot's caret is
  // updated, so that they are kept. Gives whether a slot was filled.
  bool TakeSnapshot(std::string_view text, int caret);
  // None when the ring holds no older state.
  std::optional<EditResult> Undo(std::string_view text, int caret);
  // One step back towards the state before the first of a series of
  // undos; none after a change since the last undo, or when nothing is undone.
  std::optional<EditResult> Redo(std::string_view text, int caret);
  // None after a change since the last undo, or when nothing is undone.
  std::optional<EditResult> CancelUndos(std::string_view text, int caret);

  int CurrentSlot() const { return current_; }
  // The slot of the state before the first of a series of undos; 0 before any.
  int NewestSlot() const { return newest_; }
  bool ChangedSinceUndo() const { return changedSinceUndo_; }
  std::string_view SlotText(int slot) const { return At(slot).text; }
  int SlotCaret(int slot) const { return At(slot).caret; }

 private:
  struct Snapshot {
    std::string text;
    int caret = 0;
  };

  static int Next(int slot) { return slot == kSlots ? 1 : slot + 1; }
  static int Previous(int slot) { return slot == 1 ? kSlots : slot - 1; }
  Snapshot& At(int slot) { return slots_[static_cast<std::size_t>(slot - 1)]; }
  const Snapshot& At(int slot) const { return slots_[static_cast<std::size_t>(slot - 1)]; }
  bool UndoneStatesWaiting() const { return newest_ != 0 && !changedSinceUndo_ && current_ != newest_; }
  EditResult MoveTo(int slot, std::string_view text);

  std::array<Snapshot, kSlots> slots_;
  int current_ = 0;
  int newest_ = 0;
  bool changedSinceUndo_ = false;
  bool forceSnapshot_ = false;
};

}  // namespace tav2
