#pragma once
#include <QFont>

#include "core/shell/zoomlevel.h"

namespace tav2 {

// The fixed-pitch font of the workbench's code, registers and terminal:
// Courier New where it is installed, else the system's typewriter face. A
// size is the one designed for 100 %, taken at the zoom level given.
class FixedFont {
 public:
  static QFont OfPixels(int pixelSize, const ZoomLevel& zoom = {});
  static QFont OfPoints(int pointSize, const ZoomLevel& zoom = {});

  // `font` (the user's choice, designed for 100 %) at the zoom level.
  static QFont Zoomed(QFont font, const ZoomLevel& zoom);
};

}  // namespace tav2
