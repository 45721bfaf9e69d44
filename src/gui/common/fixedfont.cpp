#include "gui/common/fixedfont.h"

namespace tav2 {

namespace {

QFont Typewriter() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

QFont FixedFont::OfPixels(int pixelSize, const ZoomLevel& zoom) {
  QFont font = Typewriter();
  font.setPixelSize(zoom.Scaled(pixelSize));
  return font;
}

QFont FixedFont::OfPoints(int pointSize, const ZoomLevel& zoom) {
  QFont font = Typewriter();
  font.setPointSizeF(zoom.Scaled(static_cast<double>(pointSize)));
  return font;
}

QFont FixedFont::Zoomed(QFont font, const ZoomLevel& zoom) {
  if (font.pixelSize() > 0) {
    font.setPixelSize(zoom.Scaled(font.pixelSize()));
  } else {
    font.setPointSizeF(zoom.Scaled(font.pointSizeF()));
  }
  return font;
}

}  // namespace tav2
