#pragma once
#include <cstdint>
#include <string>

namespace tav2 {

// What the terminal needs from its screen: a window to open, keys, and
// drawing. The screen window, the headless runner and the tests implement it.
class TerminalDevice {
 public:
  virtual ~TerminalDevice() = default;

  // Creates the screen window when it does not exist (creation clears the grid).
  virtual void Open() = 0;
  virtual bool IsOpen() const = 0;
  // Waits, keeping the rest of the program live, until a key is typed or
  // the input is aborted; returns the key (0 after an abort).
  virtual int WaitKey() = 0;

  virtual void DrawCell(int column, int row, uint8_t ch) = 0;
  virtual void DrawCursor(int column, int row, bool visible) = 0;
  // Paints the whole window again (after a scroll or a clear).
  virtual void Redraw() = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  // The window's outer size in pixels, and a request to change it.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Resize(int width, int height) = 0;

  // Every character a service puts on the screen, before the grid handles
  // it; `echo` when it echoes typed input.
  virtual void CharacterPut(uint8_t /*ch*/, bool /*echo*/) {}
};

}  // namespace tav2
