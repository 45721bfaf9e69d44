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

TTAV2& FakeHost::OpenProcessor() {
  processor = new TTAV2(*this);
  Wrap(processor);
  return *processor;
}

TMform& FakeHost::OpenMemoryView(int slot) {
  auto* view = new TMform(*this, slot);
  views[static_cast<std::size_t>(slot)] = view;
  Wrap(view);
  return *view;
}

TMCROMform& FakeHost::OpenRomView() {
  romView = new TMCROMform(*this);
  Wrap(romView);
  return *romView;
}

void FakeHost::OpenScreenWindow() {
  screenWindow = new TScreenform(*this);
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

void FakeHost::MemoryViewClosed(TMform* view) {
  log << QStringLiteral("view %1 closed").arg(view->Slot());
  views[static_cast<std::size_t>(view->Slot())] = nullptr;
}

}  // namespace tav2::test
