#pragma once
#include "core/sim/keytape.h"
#include "core/sim/screengrid.h"
#include "core/sim/terminaldevice.h"

namespace tav2 {

// The terminal's device as the debugger sees it: passes everything on to
// the real device (the screen window, standard input and output), except
// that a key wait first takes the keys a step back left on the tape, and
// records every new key on it. It also knows when the program waits for a
// key, for the status line.
//
// The terminal is built on this device instead of the real one:
//   KeyReplayDevice keys(screenDevice, grid);
//   Terminal terminal(grid, keys);
class KeyReplayDevice : public TerminalDevice {
 public:
  KeyReplayDevice(TerminalDevice& device, ScreenGrid& grid) : device_(device), grid_(grid) {}

  // The tape keys are replayed from and recorded on; nullptr: keys pass
  // straight through (no history is recorded).
  void SetTape(KeyTape* tape) { tape_ = tape; }
  // Inside a wait of the real device for a key.
  bool Waiting() const { return waiting_; }

  void Open() override { device_.Open(); }
  bool IsOpen() const override { return device_.IsOpen(); }
  int WaitKey() override;
  void DrawCell(int column, int row, uint8_t ch) override { device_.DrawCell(column, row, ch); }
  void DrawCursor(int column, int row, bool visible) override { device_.DrawCursor(column, row, visible); }
  void Redraw() override { device_.Redraw(); }
  void SetCaption(const std::string& caption) override { device_.SetCaption(caption); }
  int Width() const override { return device_.Width(); }
  int Height() const override { return device_.Height(); }
  void Resize(int width, int height) override { device_.Resize(width, height); }
  void CharacterPut(uint8_t ch, bool echo) override { device_.CharacterPut(ch, echo); }

 private:
  TerminalDevice& device_;
  ScreenGrid& grid_;
  KeyTape* tape_ = nullptr;
  bool waiting_ = false;
};

}  // namespace tav2
