#pragma once
#include <QColor>
#include <cstdint>

namespace tav2 {

// The workbench stores colours as 24-bit values with red in the low byte
// (0x0000FF is red, 0xE1FFFF a light yellow).
inline QColor ColourFromBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF),
                static_cast<int>(bgr >> 16 & 0xFF));
}

inline int BgrFromColour(const QColor& colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

}  // namespace tav2
