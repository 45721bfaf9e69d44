#pragma once
#include "core/shell/windowbounds.h"
#include "core/shell/zoomlevel.h"

class QWidget;

namespace tav2 {

// The frame of a child window: the QMdiSubWindow the main window wraps it
// in, or the widget itself when it stands alone. Bounds are the frame's
// outer geometry in the main window's client area.
class WindowFrame {
 public:
  static QWidget* Of(QWidget* content);
  static const QWidget* Of(const QWidget* content);
  static WindowBounds Bounds(const QWidget* content);
  static void Place(QWidget* content, const WindowBounds& bounds);
  static void Resize(QWidget* content, int width, int height);
  // A shown window's frame, taken at zoom level `from`, at `to`; a window
  // not yet shown takes its bounds when it is.
  static void Rescale(QWidget* content, const ZoomLevel& from, const ZoomLevel& to);
};

}  // namespace tav2
