#pragma once
#include <QObject>
#include <QPointer>

#include "core/sim/keyreplaydevice.h"
#include "core/sim/screengrid.h"
#include "core/sim/terminal.h"
#include "core/sim/terminaldevice.h"

namespace tav2 {

class ProcessorHost;
class ScreenWindow;

// The terminal's device: it lives as long as the main window, while the
// screen window comes and goes. Opening it asks the host for the window;
// drawing goes to the window when there is one. A key wait runs a nested
// event loop until a key is typed into the window or Reset aborts the
// input through the grid's flag. The terminal's services reach it through a
// key replay device, so that the processor window's debugger can replay
// the keys a program read before a step back.
class ScreenTerminal : public QObject, public TerminalDevice {
  Q_OBJECT

 public:
  ScreenTerminal(ProcessorHost& host, ScreenGrid& grid);

  Terminal& Services() { return terminal_; }
  KeyReplayDevice& Keys() { return keys_; }
  ScreenGrid& Grid() { return grid_; }
  ScreenWindow* Window() const;

  // The screen window announces itself when created and when destroyed.
  void Attach(ScreenWindow* window);
  void Detach(ScreenWindow* window);
  // The window stored a typed key as the grid's last key.
  void KeyTyped() { keyTyped_ = true; }
  bool WaitingForKey() const { return inKeyWait_; }

  void Open() override;
  bool IsOpen() const override;
  int WaitKey() override;
  void DrawCell(int column, int row, uint8_t ch) override;
  void DrawCursor(int column, int row, bool visible) override;
  void Redraw() override;
  void SetCaption(const std::string& caption) override;
  int Width() const override;
  int Height() const override;
  void Resize(int width, int height) override;

 signals:
  // A key wait has begun (the window has the focus).
  void keyWaitStarted();

 private:
  ProcessorHost& host_;
  ScreenGrid& grid_;
  KeyReplayDevice keys_;
  Terminal terminal_;
  QPointer<ScreenWindow> window_;
  bool keyTyped_ = false;
  bool inKeyWait_ = false;
};

}  // namespace tav2
