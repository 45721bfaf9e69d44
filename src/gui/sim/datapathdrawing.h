#pragma once
#include <QLine>
#include <QPolygon>
#include <QRect>
#include <vector>

#include "core/shell/layoutdefaults.h"

class QPainter;

namespace tav2 {

// The datapath behind the register fields: the ALU figure under A and B
// down to C, and the two buses with their branches to the fields. Edges
// are counted as the window designer does: right = left + width.
class DatapathDrawing {
 public:
  // The fields the drawing connects, in window coordinates.
  struct Fields {
    QRect r1, r2, t1, a, b, c, pc, sp, ir, mdr, mar, cbox;
  };

  DatapathDrawing(SizeMode mode, const Fields& fields, int windowWidth)
      : mode_(mode), f_(fields), windowWidth_(windowWidth) {}

  QPolygon AluPolygon() const;
  std::vector<QLine> BusLines() const;
  // Both, with a 2-pixel black pen and the ALU filled purple.
  void Draw(QPainter& painter) const;

 private:
  std::vector<QLine> LargeBusLines() const;
  std::vector<QLine> SmallBusLines() const;

  SizeMode mode_;
  Fields f_;
  int windowWidth_;
};

}  // namespace tav2
