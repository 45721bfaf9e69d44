#include <gtest/gtest.h>

#include <string>

#include "core/sim/screengrid.h"

namespace tav2 {
namespace {

// Rows of the grid as text, `width` cells each.
std::string Rows(const ScreenGrid& grid, int rows, int width) {
  std::string text;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < width; ++c) text += static_cast<char>(grid.Cell(c, r));
    text += '|';
  }
  return text;
}

// A 3 x 4 grid holding "abcd", "efgh", "ijkl".
ScreenGrid Filled() {
  ScreenGrid grid;
  grid.SetLayout(3, 4);
  const std::string text = "abcdefghijkl";
  for (int i = 0; i < 12; ++i)
    grid.Store(i % 4, i / 4, static_cast<uint8_t>(text[static_cast<std::size_t>(i)]));
  return grid;
}

struct LayoutCase {
  int lines, chars;
  int column, row;   // the cursor before
  std::string rows;  // the first four rows, five cells each, after
  int newColumn, newRow;
};

TEST(ScreenGridLayout, CellsThatStillFitStayAndTheCursorStaysInside) {
  const LayoutCase cases[] = {
      {3, 4, 2, 1, "abcd |efgh |ijkl |     |", 2, 1},     // unchanged
      {4, 5, 4, 2, "abcd |efgh |ijkl |     |", 4, 2},     // larger: new cells are blank
      {2, 2, 3, 2, "ab   |ef   |     |     |", 2, 1},     // smaller: the rest is blanked
      {3, 1, 4, 0, "a    |e    |i    |     |", 1, 0},     // the cursor may stand after a full line
      {0, 0, 3, 2, "     |     |     |     |", 0, 0},     // no grid at all
      {99, 999, 3, 2, "abcd |efgh |ijkl |     |", 3, 2},  // capped at the grid's limits
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lines << " lines of " << c.chars);
    ScreenGrid grid = Filled();
    grid.column = c.column;
    grid.row = c.row;
    grid.SetLayout(c.lines, c.chars);
    EXPECT_EQ(Rows(grid, 4, 5), c.rows) << c.lines << " x " << c.chars;
    EXPECT_EQ(grid.column, c.newColumn) << c.lines << " x " << c.chars;
    EXPECT_EQ(grid.row, c.newRow) << c.lines << " x " << c.chars;
    EXPECT_EQ(grid.lines, std::min(c.lines, ScreenGrid::kMaxLines));
    EXPECT_EQ(grid.chars, std::min(c.chars, ScreenGrid::kMaxChars));
  }
}

// Shrunk and grown again, the lost cells come back blank: the spare row
// and column stay empty.
TEST(ScreenGridLayout, LayoutFromSizeKeepsTheTextThatFits) {
  ScreenGrid grid = Filled();
  grid.cellWidth = 8;
  grid.cellHeight = 16;
  grid.row = 2;
  grid.column = 3;
  grid.LayoutFromSize((2 + 3) * 8, (2 + 3) * 16 + 4);
  EXPECT_EQ(grid.lines, 2);
  EXPECT_EQ(grid.chars, 2);
  EXPECT_EQ(grid.defaultLines, 2);
  EXPECT_EQ(Rows(grid, 3, 5), "ab   |ef   |     |");
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.column, 2);
  grid.LayoutFromSize(710, 250);
  EXPECT_EQ(Rows(grid, 3, 5), "ab   |ef   |     |");
  EXPECT_EQ(grid.row, 1);
}

}  // namespace
}  // namespace tav2
