#pragma once
#include <functional>
#include <optional>

namespace tav2 {

// A rotating position over numbered slots, for the buttons that visit the
// windows of one kind in turn. Each Next advances at least once and at most
// a fixed number of times, stopping at the first slot that matches.
class SlotCursor {
 public:
  // The Assembler and Text buttons: slots 1 to 16, starting before slot 1,
  // looking at every slot once.
  static SlotCursor ForEditors() { return SlotCursor(1, 16, 0, 16); }
  // The Memory button: slots 0 to 2, starting at 2 so that slot 0 comes
  // first; one step and up to four more past empty slots.
  static SlotCursor ForMemoryViews() { return SlotCursor(0, 2, 2, 5); }

  // The matching slot the cursor stopped at, or nullopt when none matched
  // (the cursor stays where the last step left it).
  std::optional<int> Next(const std::function<bool(int slot)>& matches);
  int Position() const { return position_; }

 private:
  SlotCursor(int first, int last, int position, int maxSteps)
      : first_(first), last_(last), position_(position), maxSteps_(maxSteps) {}

  void Advance() { position_ = position_ >= last_ ? first_ : position_ + 1; }

  int first_;
  int last_;
  int position_;
  int maxSteps_;
};

}  // namespace tav2
