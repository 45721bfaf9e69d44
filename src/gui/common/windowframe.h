#pragma once
#include "core/shell/windowbounds.h"

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
};

}  // namespace tav2
