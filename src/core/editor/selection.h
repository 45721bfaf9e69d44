#pragma once

namespace tav2 {

// A selection as a start position and a length; a length of 0 is a caret.
// `start` is the lower end, the position the editing commands call the caret.
struct Selection {
  int start = 0;
  int length = 0;

  int End() const { return start + length; }
  bool Empty() const { return length == 0; }
  bool operator==(const Selection&) const = default;
};

}  // namespace tav2
