#include "gui/editor/colouredit.h"

#include <QMouseEvent>

namespace tav2 {

ColourEdit::ColourEdit(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }

void ColourEdit::SetColour(const QColor& colour) {
  colour_ = colour;
  QPalette colours = palette();
  colours.setColor(QPalette::Base, colour);
  setPalette(colours);
}

void ColourEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  emit clicked();
}

}  // namespace tav2
