#include "core/editor/undoring.h"

namespace tav2 {

void UndoRing::Initialise(std::string_view text, int caret) {
  for (Snapshot& slot : slots_) slot = {std::string(text), caret};
  current_ = kSlots;
  newest_ = 0;
  changedSinceUndo_ = false;
  forceSnapshot_ = false;
}

void UndoRing::NoteUserChange() {
  changedSinceUndo_ = true;
  forceSnapshot_ = true;
}

bool UndoRing::TakeSnapshot(std::string_view text, int caret) {
  if (!forceSnapshot_ && caret == At(current_).caret) return false;
  forceSnapshot_ = false;
  if (UndoneStatesWaiting()) {
    // The text is the current slot's; storing it in the next slot would
    // overwrite the states Cancel undo's returns to.
    At(current_).caret = caret;
    return false;
  }
  // After Cancel undo's the newest state is the current one; the mark moves
  // on with it, so that Undo can step back to it.
  const bool newestFollows = newest_ == current_ && !changedSinceUndo_;
  current_ = Next(current_);
  At(current_) = {std::string(text), caret};
  if (newestFollows) newest_ = current_;
  return true;
}

std::optional<EditResult> UndoRing::Undo(std::string_view text, int caret) {
  if (changedSinceUndo_) {
    TakeSnapshot(text, caret);
    newest_ = current_;
  }
  const int target = Previous(current_);
  if (target == newest_) return std::nullopt;
  return MoveTo(target, text);
}

std::optional<EditResult> UndoRing::Redo(std::string_view text, int caret) {
  if (!UndoneStatesWaiting()) return std::nullopt;
  At(current_).caret = caret;
  return MoveTo(Next(current_), text);
}

std::optional<EditResult> UndoRing::CancelUndos(std::string_view text, int caret) {
  if (changedSinceUndo_ || newest_ == 0 || current_ == newest_) return std::nullopt;
  TakeSnapshot(text, caret);
  return MoveTo(newest_, text);
}

EditResult UndoRing::MoveTo(int slot, std::string_view text) {
  current_ = slot;
  changedSinceUndo_ = false;
  return EditResult{TextChange::Between(text, At(slot).text), Selection{At(slot).caret, 0}};
}

}  // namespace tav2
