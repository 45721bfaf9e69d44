#include "gui/sim/screenterminal.h"

#include <QEventLoop>

#include "gui/common/windowframe.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/screenwindow.h"

namespace tav2 {

ScreenTerminal::ScreenTerminal(ProcessorHost& host, ScreenGrid& grid)
    : host_(host), grid_(grid), keys_(*this, grid), terminal_(grid, keys_) {}

ScreenWindow* ScreenTerminal::Window() const { return window_; }

bool ScreenTerminal::IsOpen() const { return window_ != nullptr; }

void ScreenTerminal::Attach(ScreenWindow* window) { window_ = window; }

void ScreenTerminal::Detach(ScreenWindow* window) {
  if (window_ == window) window_ = nullptr;
}

void ScreenTerminal::Open() {
  if (window_ == nullptr) host_.OpenScreenWindow();
}

int ScreenTerminal::WaitKey() {
  if (window_ == nullptr) return 0;
  keyTyped_ = false;
  inKeyWait_ = true;
  window_->setFocus();
  emit keyWaitStarted();
  QEventLoop loop;
  while (!keyTyped_ && !grid_.inputAbort && window_ != nullptr) {
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
  inKeyWait_ = false;
  return keyTyped_ && !grid_.inputAbort ? grid_.lastKey : 0;
}

void ScreenTerminal::DrawCell(int column, int row, uint8_t) {
  if (window_ != nullptr) window_->UpdateCell(column, row);
}

void ScreenTerminal::DrawCursor(int column, int row, bool) {
  if (window_ != nullptr) window_->UpdateCursor(column, row);
}

void ScreenTerminal::Redraw() {
  if (window_ != nullptr) window_->update();
}

void ScreenTerminal::SetCaption(const std::string& caption) {
  if (window_ != nullptr) window_->setWindowTitle(QString::fromStdString(caption));
}

int ScreenTerminal::Width() const {
  return window_ != nullptr ? WindowFrame::Bounds(window_).width : host_.Defaults().screen.width;
}

int ScreenTerminal::Height() const {
  return window_ != nullptr ? WindowFrame::Bounds(window_).height : host_.Defaults().screen.height;
}

void ScreenTerminal::Resize(int width, int height) {
  if (window_ != nullptr) WindowFrame::Resize(window_, width, height);
}

}  // namespace tav2
