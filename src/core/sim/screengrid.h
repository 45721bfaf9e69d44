#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tav2 {

// The terminal's character grid and its flags. It outlives the screen
// window; creating the window clears it.
class ScreenGrid {
 public:
  static constexpr int kMaxLines = 40;
  static constexpr int kMaxChars = 128;

  struct Size {
    int width;
    int height;
  };

  int lines = 0;
  int chars = 0;
  int column = 0;
  int row = 0;
  int cellWidth = 8;    // width of a space
  int cellHeight = 16;  // height of "Ay"
  int defaultLines = 0;
  int defaultChars = 0;
  bool cursorVisible = false;

  // Window flags.
  bool wantTabs = false;
  int lastKey = 0;
  bool crEcho = true;
  bool waiting = false;
  bool inputAbort = false;
  bool layoutFromSize = true;
  bool sizeFromLayout = false;

  ScreenGrid() { Fill(); }

  // The code at the cell of column x and row y; a space outside the grid
  // (spare row and column included).
  uint8_t Cell(int x, int y) const;
  // Stores a code when the cell lies in the grid (y < lines, x <= chars).
  void Store(int x, int y, uint8_t ch);
  // Spaces everywhere, spare row included.
  void Fill();
  // Every row moves up by one; the bottom row becomes empty.
  void ScrollUp();
  // The window flags as a newly created window has them.
  void ResetFlags();

  // A new grid size: the text that still fits stays in its cells, the rest
  // is blanked, and the cursor is kept inside the new grid.
  void SetLayout(int newLines, int newChars);
  // Lines and chars from the window's outer size (as SetLayout); also the defaults.
  void LayoutFromSize(int width, int height);
  // The window's outer size for the current lines and chars.
  Size SizeFromLayout();
  // The defaults the options dialog shows for a window of this size.
  void ComputeDefaults(int width, int height);

  // "TAV screen %d x %d" with lines and chars.
  std::string Caption() const;

  // Cells and every field alike.
  bool operator==(const ScreenGrid&) const = default;

 private:
  std::array<std::array<uint8_t, kMaxChars + 1>, kMaxLines + 1> cells_{};
};

}  // namespace tav2
