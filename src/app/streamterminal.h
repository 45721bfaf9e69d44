#pragma once
#include <cstdio>

#include "core/sim/processorstate.h"
#include "core/sim/screengrid.h"
#include "core/sim/terminaldevice.h"

namespace tav2 {

// The terminal of the headless runner: what programs write goes to standard
// output (code 13 as a line end), keys come from standard input (a line end
// as code 13). When the input ends during a wait, or standard output cannot
// be written, the run is aborted.
class StreamTerminal : public TerminalDevice {
 public:
  StreamTerminal(ScreenGrid& grid, ProcessorState& state, bool echo, std::FILE* in, std::FILE* out)
      : grid_(grid), state_(state), echo_(echo), in_(in), out_(out) {}

  bool InputEnded() const { return inputEnded_; }
  // The errno of the first write to standard output that failed; 0: none.
  int WriteError() const { return writeError_; }
  // Whether what was written so far ends with a line end (or nothing was written).
  bool AtLineStart() const { return atLineStart_; }

  void Open() override {}
  bool IsOpen() const override { return true; }
  int WaitKey() override;
  void DrawCell(int, int, uint8_t) override {}
  void DrawCursor(int, int, bool) override {}
  void Redraw() override {}
  void SetCaption(const std::string&) override {}
  // A screen of 25 lines of 80 characters as far as the grid is concerned.
  int Width() const override { return (80 + 3) * grid_.cellWidth; }
  int Height() const override { return (25 + 3) * grid_.cellHeight + 4; }
  void Resize(int, int) override {}
  void CharacterPut(uint8_t ch, bool echo) override;

 private:
  // Ends the run when the last write to standard output failed.
  void CheckWritten(bool written);

  ScreenGrid& grid_;
  ProcessorState& state_;
  bool echo_;
  std::FILE* in_;
  std::FILE* out_;
  bool inputEnded_ = false;
  int writeError_ = 0;
  bool atLineStart_ = true;
};

}  // namespace tav2
