#pragma once
#include <cstdint>
#include <string>

#include "core/sim/screengrid.h"
#include "core/sim/terminaldevice.h"

namespace tav2 {

// A terminal device without a window, for the headless runner and the
// grader: drawing goes nowhere, and the grid is a screen of 25 lines of 80
// characters. Keys and the characters written are the derived class's.
class HeadlessTerminal : public TerminalDevice {
 public:
  explicit HeadlessTerminal(ScreenGrid& grid) : grid_(grid) {}

  void Open() override {}
  bool IsOpen() const override { return true; }
  void DrawCell(int, int, uint8_t) override {}
  void DrawCursor(int, int, bool) override {}
  void Redraw() override {}
  void SetCaption(const std::string&) override {}
  int Width() const override { return (80 + 3) * grid_.cellWidth; }
  int Height() const override { return (25 + 3) * grid_.cellHeight + 4; }
  void Resize(int, int) override {}

 protected:
  ScreenGrid& grid_;
};

}  // namespace tav2
