#include "core/sim/screengrid.h"

#include <algorithm>

#include "core/util/formatted.h"

namespace tav2 {

namespace {
// A computed size is capped at the grid's limits; a window too small for
// any line gives 0, not a negative count.
int Capped(int value, int limit) { return std::clamp(value, 0, limit); }
}  // namespace

uint8_t ScreenGrid::Cell(int x, int y) const {
  if (y < 0 || y > kMaxLines || x < 0 || x > kMaxChars) return ' ';
  return cells_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

void ScreenGrid::Store(int x, int y, uint8_t ch) {
  if (y < 0 || y >= lines || y >= kMaxLines) return;
  if (x < 0 || x > chars || x > kMaxChars) return;
  cells_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ch;
}

void ScreenGrid::Fill() {
  for (auto& line : cells_) line.fill(' ');
}

void ScreenGrid::ScrollUp() {
  const int used = std::clamp(lines, 0, kMaxLines);
  if (used == 0) return;
  std::move(cells_.begin() + 1, cells_.begin() + used, cells_.begin());
  cells_[static_cast<std::size_t>(used - 1)].fill(' ');
}

void ScreenGrid::ResetFlags() {
  wantTabs = false;
  lastKey = 0;
  crEcho = true;
  waiting = false;
  inputAbort = false;
  layoutFromSize = true;
  sizeFromLayout = false;
}

void ScreenGrid::LayoutFromSize(int width, int height) {
  SetLayout(Capped((height - 4) / cellHeight - 3, kMaxLines), Capped(width / cellWidth - 3, kMaxChars));
  defaultLines = lines;
  defaultChars = chars;
  layoutFromSize = true;
  sizeFromLayout = false;
}

// The cursor may stand in the spare column after a full line, as writing
// leaves it there.
void ScreenGrid::SetLayout(int newLines, int newChars) {
  lines = Capped(newLines, kMaxLines);
  chars = Capped(newChars, kMaxChars);
  for (int r = 0; r <= kMaxLines; ++r) {
    auto& line = cells_[static_cast<std::size_t>(r)];
    const int kept = r < lines ? chars : 0;
    std::fill(line.begin() + kept, line.end(), ' ');
  }
  row = std::clamp(row, 0, std::max(lines - 1, 0));
  column = std::clamp(column, 0, chars);
}

ScreenGrid::Size ScreenGrid::SizeFromLayout() {
  sizeFromLayout = true;
  layoutFromSize = false;
  return {(chars + 3) * cellWidth, (lines + 3) * cellHeight + 4};
}

void ScreenGrid::ComputeDefaults(int width, int height) {
  defaultLines = Capped(height / cellHeight - 3, kMaxLines);
  defaultChars = Capped(width / cellWidth - 2, kMaxChars);
}

std::string ScreenGrid::Caption() const { return Formatted("TAV screen %d x %d", lines, chars); }

}  // namespace tav2
