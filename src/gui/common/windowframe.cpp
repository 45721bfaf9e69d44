#include "gui/common/windowframe.h"

#include <QMdiSubWindow>

namespace tav2 {

QWidget* WindowFrame::Of(QWidget* content) {
  auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget());
  return sub != nullptr ? static_cast<QWidget*>(sub) : content;
}

const QWidget* WindowFrame::Of(const QWidget* content) { return Of(const_cast<QWidget*>(content)); }

WindowBounds WindowFrame::Bounds(const QWidget* content) {
  const QRect r = Of(content)->geometry();
  return {r.left(), r.top(), r.width(), r.height()};
}

void WindowFrame::Place(QWidget* content, const WindowBounds& bounds) {
  Of(content)->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void WindowFrame::Resize(QWidget* content, int width, int height) { Of(content)->resize(width, height); }

void WindowFrame::Rescale(QWidget* content, const ZoomLevel& from, const ZoomLevel& to) {
  if (from == to || !content->isVisible()) return;
  Place(content, to.Rescaled(Bounds(content), from));
}

}  // namespace tav2
