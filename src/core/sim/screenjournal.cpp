#include "core/sim/screenjournal.h"

#include <array>

namespace tav2 {

namespace {

constexpr int kRowLength = ScreenGrid::kMaxChars + 1;

// Every field of the grid besides its cells: a terminal service may change
// any of them (the layout when it clears the screen).
constexpr std::array<int ScreenGrid::*, 9> kIntFields = {
    &ScreenGrid::lines,        &ScreenGrid::chars,        &ScreenGrid::column,
    &ScreenGrid::row,          &ScreenGrid::cellWidth,    &ScreenGrid::cellHeight,
    &ScreenGrid::defaultLines, &ScreenGrid::defaultChars, &ScreenGrid::lastKey};
constexpr std::array<bool ScreenGrid::*, 7> kBoolFields = {
    &ScreenGrid::cursorVisible, &ScreenGrid::wantTabs,       &ScreenGrid::crEcho,        &ScreenGrid::waiting,
    &ScreenGrid::inputAbort,    &ScreenGrid::layoutFromSize, &ScreenGrid::sizeFromLayout};
constexpr std::size_t kFieldCount = kIntFields.size() + kBoolFields.size();

int FieldValue(const ScreenGrid& grid, std::size_t field) {
  if (field < kIntFields.size()) return grid.*kIntFields[field];
  return grid.*kBoolFields[field - kIntFields.size()] ? 1 : 0;
}

void SetField(ScreenGrid& grid, std::size_t field, int value) {
  if (field < kIntFields.size()) {
    grid.*kIntFields[field] = value;
  } else {
    grid.*kBoolFields[field - kIntFields.size()] = value != 0;
  }
}

}  // namespace

// Cells are compared over every row a character can be stored in; the
// spare row below them never changes.
void ScreenJournal::Record(const ScreenGrid& before, const ScreenGrid& after) {
  if (before == after) return;
  Entry entry{0, 0};
  for (int row = 0; row < ScreenGrid::kMaxLines; ++row) {
    for (int column = 0; column < kRowLength; ++column) {
      const uint8_t old = before.Cell(column, row);
      if (old == after.Cell(column, row)) continue;
      cells_.push_back({static_cast<uint16_t>(row * kRowLength + column), old});
      ++entry.cells;
    }
  }
  for (std::size_t field = 0; field < kFieldCount; ++field) {
    const int old = FieldValue(before, field);
    if (old == FieldValue(after, field)) continue;
    fields_.push_back({static_cast<uint8_t>(field), old});
    ++entry.fields;
  }
  entries_.push_back(entry);
}

void ScreenJournal::UndoTo(uint64_t mark, ScreenGrid& grid) {
  while (Mark() > mark && !entries_.empty()) UndoLast(grid);
}

// The cells go back with the grid at its largest, so that a cell outside
// today's layout is restored too; then the fields, the layout among them.
void ScreenJournal::UndoLast(ScreenGrid& grid) {
  const Entry entry = entries_.back();
  entries_.pop_back();
  const int lines = grid.lines;
  const int chars = grid.chars;
  grid.lines = ScreenGrid::kMaxLines;
  grid.chars = ScreenGrid::kMaxChars;
  for (uint32_t i = 0; i < entry.cells; ++i) {
    const CellChange change = cells_.back();
    cells_.pop_back();
    grid.Store(change.cell % kRowLength, change.cell / kRowLength, change.old);
  }
  grid.lines = lines;
  grid.chars = chars;
  for (uint32_t i = 0; i < entry.fields; ++i) {
    const FieldChange change = fields_.back();
    fields_.pop_back();
    SetField(grid, change.field, change.old);
  }
}

void ScreenJournal::DropBefore(uint64_t mark) {
  while (base_ < mark && !entries_.empty()) DropFirst();
}

void ScreenJournal::DropFirst() {
  const Entry entry = entries_.front();
  entries_.pop_front();
  cells_.erase(cells_.begin(), cells_.begin() + entry.cells);
  fields_.erase(fields_.begin(), fields_.begin() + entry.fields);
  ++base_;
}

void ScreenJournal::Clear() {
  entries_.clear();
  cells_.clear();
  fields_.clear();
  base_ = 0;
}

std::size_t ScreenJournal::Bytes() const {
  return entries_.size() * sizeof(Entry) + cells_.size() * sizeof(CellChange) +
         fields_.size() * sizeof(FieldChange);
}

}  // namespace tav2
