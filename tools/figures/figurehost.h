#pragma once
#include <QMdiArea>
#include <QPointer>

#include "core/shell/layoutdefaults.h"
#include "core/sim/machine.h"
#include "core/sim/screengrid.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/processorwindow.h"
#include "gui/sim/screenterminal.h"

namespace tav2 {

// What a processor window needs around it to be drawn for a figure, in
// place of the main window: the machine, the terminal device, the layout
// defaults, and an MDI area that frames the window as the workbench does.
// Nothing else opens: no memory view, no screen window, no editor.
class FigureHost : public ProcessorHost {
 public:
  FigureHost();

  // Creates the processor window in its frame, shown in the size mode.
  ProcessorWindow& OpenProcessor(SizeMode mode);
  // The frame around the processor window, title bar and all.
  QWidget* Frame() const;

  Machine& Hardware() override { return machine_; }
  ScreenTerminal& Screen() override { return screen_; }
  LayoutDefaults& Defaults() override { return defaults_; }
  ProcessorWindow* FindProcessorWindow() const override { return processor_; }
  MemoryView* FindMemoryView(int) const override { return nullptr; }
  void ShowSourceLine(int) override {}
  void ClearSourceLine() override {}
  void ShowProcessorPanel(bool) override {}
  void OpenScreenWindow() override {}
  void NewMemoryView() override {}
  void ProcessorWindowClosed() override { processor_ = nullptr; }
  void ScreenWindowClosed() override {}
  void RomViewClosed() override {}
  void MemoryViewClosed(MemoryView*) override {}

 private:
  Machine machine_;
  ScreenGrid grid_;
  LayoutDefaults defaults_;
  ScreenTerminal screen_{*this, grid_};
  QMdiArea area_;  // last, so that the window goes before what it uses
  QPointer<ProcessorWindow> processor_;
};

}  // namespace tav2
