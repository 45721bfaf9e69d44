#pragma once
#include <QLine>
#include <QPolygon>
#include <QRect>
#include <vector>

#include "core/shell/layoutdefaults.h"
#include "core/shell/zoomlevel.h"

class QPainter;

namespace tav2 {

// The datapath behind the register fields: the ALU figure under A and B
// down to C, and the two buses with their branches to the fields. Edges
// are counted as the window designer does: right = left + width. The
// fields come at the zoom level; the bus offsets and the pen follow it, so
// that the drawing is the 100 % one made larger, and as sharp.
class DatapathDrawing {
 public:
  // The fields the drawing connects, in window coordinates.
  struct Fields {
    QRect r1, r2, t1, a, b, c, pc, sp, ir, mdr, mar, cbox;
  };

  DatapathDrawing(SizeMode mode, const Fields& fields, int windowWidth, const ZoomLevel& zoom = {})
      : mode_(mode), f_(fields), windowWidth_(windowWidth), zoom_(zoom) {}

  QPolygon AluPolygon() const;
  std::vector<QLine> BusLines() const;
  // Both, with a black pen 2 pixels wide at 100 % and the ALU filled purple.
  void Draw(QPainter& painter) const;

 private:
  std::vector<QLine> LargeBusLines() const;
  std::vector<QLine> SmallBusLines() const;
  // A distance designed for 100 %, at the zoom level.
  int Z(int pixels) const { return zoom_.Scaled(pixels); }

  SizeMode mode_;
  Fields f_;
  int windowWidth_;
  ZoomLevel zoom_;
};

}  // namespace tav2
