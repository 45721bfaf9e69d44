#include "fakehost.h"

#include <QCoreApplication>
#include <QMdiSubWindow>

namespace tav2::test {

FakeHost::FakeHost() {
  area.resize(1100, 800);
  area.show();
}

void FakeHost::Wrap(QWidget* window) {
  QMdiSubWindow* frame = area.addSubWindow(window);
  frame->show();
  window->setFocus();
}

ProcessorWindow& FakeHost::OpenProcessor() {
  processor = new ProcessorWindow(*this);
  Wrap(processor);
  return *processor;
}

MemoryView& FakeHost::OpenMemoryView(int slot) {
  auto* view = new MemoryView(*this, slot);
  views[static_cast<std::size_t>(slot)] = view;
  Wrap(view);
  return *view;
}

RomView& FakeHost::OpenRomView() {
  romView = new RomView(*this);
  Wrap(romView);
  return *romView;
}

void FakeHost::OpenScreenWindow() {
  screenWindow = new ScreenWindow(*this);
  Wrap(screenWindow);
}

bool FakeHost::CloseFrame(QWidget* window) {
  const bool closed = window->parentWidget()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return closed;
}

void FakeHost::ProcessorWindowClosed() {
  log << QStringLiteral("processor closed");
  processor = nullptr;
}

void FakeHost::ScreenWindowClosed() {
  log << QStringLiteral("screen closed");
  screenWindow = nullptr;
}

void FakeHost::RomViewClosed() {
  log << QStringLiteral("rom closed");
  romView = nullptr;
}

void FakeHost::MemoryViewClosed(MemoryView* view) {
  log << QStringLiteral("view %1 closed").arg(view->Slot());
  views[static_cast<std::size_t>(view->Slot())] = nullptr;
}

}  // namespace tav2::test
