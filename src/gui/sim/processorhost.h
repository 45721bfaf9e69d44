#pragma once
#include "core/shell/layoutdefaults.h"
#include "core/sim/machine.h"

namespace tav2 {

class ScreenTerminal;
class MemoryView;
class ProcessorWindow;

// What the simulation windows need from the main window. The main window
// owns the process-wide machine, the screen terminal and the layout
// defaults, wraps every window in a QMdiSubWindow and keeps the registry of
// open windows; the windows call back here when they open and close.
class ProcessorHost {
 public:
  static constexpr int kMemoryViewSlots = LayoutDefaults::kMemoryViews;

  virtual ~ProcessorHost() = default;

  virtual Machine& Hardware() = 0;
  // The terminal device with its grid; it exists while the screen window is closed.
  virtual ScreenTerminal& Screen() = 0;
  // Bounds (and for the processor its size mode, for memory views their
  // page) that windows take when created and write back when they close.
  virtual LayoutDefaults& Defaults() = 0;

  // The open processor window, or nullptr.
  virtual ProcessorWindow* FindProcessorWindow() const = 0;
  // The memory view in a slot 0..2, or nullptr.
  virtual MemoryView* FindMemoryView(int slot) const = 0;

  // The program editor's current-line mark (position 0: no line).
  virtual void ShowSourceLine(int position) = 0;
  virtual void ClearSourceLine() = 0;

  // Shows or hides the processor button panel (TAV2_panel).
  virtual void ShowProcessorPanel(bool visible) = 0;

  // Creates, wraps and shows the screen window when there is none; it must
  // be on screen at its final size when this returns.
  virtual void OpenScreenWindow() = 0;
  // A memory view's "New page": a view in the first empty slot.
  virtual void NewMemoryView() = 0;

  // The windows tell their closing, after they have written their defaults.
  virtual void ProcessorWindowClosed() = 0;
  virtual void ScreenWindowClosed() = 0;
  virtual void RomViewClosed() = 0;
  virtual void MemoryViewClosed(MemoryView* view) = 0;
};

}  // namespace tav2
