#pragma once
#include <QColor>

namespace tav2 {

// The workbench stores colours as 24-bit numbers with red in the low byte
// (0x0000FF is red, 0x800000 navy).
QColor ColorFromRef(int colorRef);
int ColorRefFrom(const QColor& colour);

}  // namespace tav2
