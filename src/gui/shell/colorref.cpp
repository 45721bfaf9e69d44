#include "gui/shell/colorref.h"

namespace tav2 {

QColor ColorFromRef(int colorRef) {
  return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

int ColorRefFrom(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

}  // namespace tav2
