#pragma once
#include <cstdint>
#include <string_view>

#include "core/sim/screengrid.h"
#include "core/sim/terminaldevice.h"

namespace tav2 {

class MainMemory;
class ProcessorDisplay;
struct ProcessorState;

// The terminal: writing and reading on the screen grid, and the eight
// services a program asks for with the instruction word 0xFF10.
class Terminal {
 public:
  static constexpr int kMaxStringOutput = 256;
  static constexpr std::size_t kMaxNumberInput = 256;

  Terminal(ScreenGrid& grid, TerminalDevice& device) : grid_(grid), device_(device) {}

  ScreenGrid& Grid() { return grid_; }

  // Performs the service numbered by T1, with the common steps around it.
  void Service(ProcessorState& state, MainMemory& memory, ProcessorDisplay& display);

  void Put(uint8_t ch);
  void WriteText(std::string_view text);
  int WaitKey();
  // Every stored word is shown on the display as the engine's writes are.
  void ReadString(MainMemory& memory, ProcessorDisplay& display, uint16_t address);
  uint16_t ReadNumber();
  // 1-based; ignored outside the grid.
  void GotoCell(int column, int row);
  void Clear();

  void LayoutFromWindow();
  void SizeWindowFromLayout();
  // The window took a new size: the layout follows it, keeping the text
  // that still fits, or the window snaps back to the layout's size.
  void WindowResized();
  // Ends a wait for a key (Reset during a run).
  void AbortInput() { grid_.inputAbort = true; }

  void DrawCursor();
  void EraseCursor();

 private:
  void PutOnGrid(uint8_t ch);
  void NewLine();
  void WriteString(const MainMemory& memory, uint16_t address);

  ScreenGrid& grid_;
  TerminalDevice& device_;
};

}  // namespace tav2
