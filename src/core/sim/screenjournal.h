#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>

#include "core/sim/screengrid.h"

namespace tav2 {

// Undo records of the terminal's screen grid: for every terminal service
// that changed the grid, the cells and the fields (cursor, layout, flags)
// it changed, as they were before it. Marks count the records since the
// last Clear.
class ScreenJournal {
 public:
  // Records what turned `before` into `after`; nothing when they are equal.
  void Record(const ScreenGrid& before, const ScreenGrid& after);
  uint64_t Mark() const { return base_ + entries_.size(); }
  // Undoes the records made after `mark`, the newest first.
  void UndoTo(uint64_t mark, ScreenGrid& grid);
  // Forgets the records before `mark`, which no step back reaches any more.
  void DropBefore(uint64_t mark);
  void Clear();

  std::size_t Bytes() const;

 private:
  struct CellChange {
    uint16_t cell;  // row * kRowLength + column
    uint8_t old;
  };
  struct FieldChange {
    uint8_t field;  // index into the field table
    int old;
  };
  struct Entry {
    uint32_t cells;
    uint32_t fields;
  };

  void UndoLast(ScreenGrid& grid);
  void DropFirst();

  std::deque<Entry> entries_;
  std::deque<CellChange> cells_;
  std::deque<FieldChange> fields_;
  uint64_t base_ = 0;  // mark of entries_.front()
};

}  // namespace tav2
