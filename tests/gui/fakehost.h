#pragma once
// A stand-in for the main window: it owns the machine, the screen terminal
// and the layout defaults, wraps every window in a QMdiSubWindow of its own
// MDI area, and records what the windows tell it.
#include <QMdiArea>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>

#include "gui/sim/memoryview.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/screenterminal.h"
#include "gui/sim/romview.h"
#include "gui/sim/screenwindow.h"
#include "gui/sim/processorwindow.h"
#include "core/sim/screengrid.h"

namespace tav2::test {

class FakeHost : public ProcessorHost {
 public:
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  ScreenGrid grid;
  LayoutDefaults defaults;
  ScreenTerminal screen{*this, grid};
  QMdiArea area;  // last, so that its windows go before what they use

  QPointer<ProcessorWindow> processor;
  QPointer<ScreenWindow> screenWindow;
  std::array<QPointer<MemoryView>, kMemoryViewSlots> views;
  QPointer<RomView> romView;
  // "line N", "clear line", "panel shown", "panel hidden", "processor closed",
  // "screen closed", "rom closed", "view N closed", "new view".
  QStringList log;

  FakeHost();

  ProcessorWindow& OpenProcessor();
  MemoryView& OpenMemoryView(int slot);
  RomView& OpenRomView();
  // Closes a window through its frame, as the user does; true when it closed.
  static bool CloseFrame(QWidget* window);

  Machine& Hardware() override { return *machine; }
  ScreenTerminal& Screen() override { return screen; }
  LayoutDefaults& Defaults() override { return defaults; }
  ProcessorWindow* FindProcessorWindow() const override { return processor; }
  MemoryView* FindMemoryView(int slot) const override { return views[static_cast<std::size_t>(slot)]; }
  void ShowSourceLine(int position) override { log << QStringLiteral("line %1").arg(position); }
  void ClearSourceLine() override { log << QStringLiteral("clear line"); }
  void ShowProcessorPanel(bool visible) override { log << (visible ? "panel shown" : "panel hidden"); }
  void OpenScreenWindow() override;
  void NewMemoryView() override { log << QStringLiteral("new view"); }
  void ProcessorWindowClosed() override;
  void ScreenWindowClosed() override;
  void RomViewClosed() override;
  void MemoryViewClosed(MemoryView* view) override;

 private:
  void Wrap(QWidget* window);
};

}  // namespace tav2::test
