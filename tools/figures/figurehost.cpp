#include "figurehost.h"

#include <QMdiSubWindow>

namespace tav2 {

FigureHost::FigureHost() {
  area_.resize(800, 600);
  area_.show();
}

ProcessorWindow& FigureHost::OpenProcessor(SizeMode mode) {
  defaults_.processor.sizeMode = mode;
  processor_ = new ProcessorWindow(*this);
  QMdiSubWindow* frame = area_.addSubWindow(processor_);
  frame->show();
  area_.setActiveSubWindow(frame);
  processor_->SetSizeMode(mode);
  return *processor_;
}

QWidget* FigureHost::Frame() const { return processor_->parentWidget(); }

}  // namespace tav2
