#include "gui/editor/colouredit.h"
#include "gui/common/widgetparts.h"

#include <QMouseEvent>

namespace tav2 {

ColourEdit::ColourEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }

void ColourEdit::SetColour(const QColor& colour) {
  colour_ = colour;
  SetPaletteColour(this, QPalette::Base, colour);
}

void ColourEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  emit clicked();
}

}  // namespace tav2
