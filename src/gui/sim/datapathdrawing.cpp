#include "gui/sim/datapathdrawing.h"

#include <QPainter>

namespace tav2 {

namespace {

const QColor kAluColour(0x80, 0x00, 0x80);

int Right(const QRect& r) { return r.x() + r.width(); }
int Bottom(const QRect& r) { return r.y() + r.height(); }
int Mid(const QRect& r) { return r.y() + r.height() / 2; }

}  // namespace

QPolygon DatapathDrawing::AluPolygon() const {
  const QRect& a = f_.a;
  const QRect& b = f_.b;
  const QRect& c = f_.c;
  const int m = (a.left() + Right(b)) / 2;
  const int notch = (m - Right(a)) * (c.top() - Bottom(a)) / (c.left() - a.left()) + Bottom(a);
  QPolygon alu;
  alu << QPoint(a.left(), Bottom(a)) << QPoint(Right(a), Bottom(a)) << QPoint(m, notch)
      << QPoint(b.left(), b.top() + a.height()) << QPoint(Right(b), b.top() + a.height())
      << QPoint(Right(c), c.top()) << QPoint(c.left(), c.top()) << QPoint(a.left(), Bottom(a));
  return alu;
}

std::vector<QLine> DatapathDrawing::BusLines() const {
  return mode_ == SizeMode::Small ? SmallBusLines() : LargeBusLines();
}

// Bus 1 right of IR, PC and SP, feeding A and taking C; bus 2 right of T1,
// R2 and R1, feeding B and reaching the memory side through MAR and MDR.
std::vector<QLine> DatapathDrawing::LargeBusLines() const {
  const int x1 = Right(f_.ir) + Z(15);
  const int x2 = Right(f_.t1) + Z(15);
  const int top = f_.ir.top() - Z(15);
  const int cLine = Mid(f_.c) + Z(3);
  std::vector<QLine> lines = {{x1, top, x1, cLine}};
  for (const QRect* r : {&f_.ir, &f_.pc, &f_.sp}) lines.emplace_back(Right(*r), Mid(*r), x1, Mid(*r));
  lines.emplace_back(x1, Mid(f_.a), f_.a.left(), Mid(f_.a));
  lines.emplace_back(x1, cLine, f_.cbox.left(), cLine);
  lines.emplace_back(Right(f_.ir) + Z(14), top, x2, top);
  lines.emplace_back(x2, top, x2, f_.b.top());
  for (const QRect* r : {&f_.t1, &f_.r2, &f_.r1}) {
    lines.emplace_back(Right(*r), Mid(*r) - Z(2), x2, Mid(*r) - Z(2));
  }
  for (const QRect* r : {&f_.mar, &f_.mdr})
    lines.emplace_back(windowWidth_, Mid(*r) + Z(3), x2, Mid(*r) + Z(3));
  return lines;
}

// Bus 1 left of the left column, bus 2 left of the right column, joined at
// the top.
std::vector<QLine> DatapathDrawing::SmallBusLines() const {
  const int x1 = f_.t1.left() - Z(10);
  const int x2 = f_.mdr.left() - Z(9);
  const int top = f_.t1.top() - Z(8);
  const int cLine = Mid(f_.c) + Z(3);
  std::vector<QLine> lines = {{x1, top, x1, cLine}};
  for (const QRect* r : {&f_.pc, &f_.t1, &f_.sp, &f_.ir, &f_.a})
    lines.emplace_back(r->left(), Mid(*r), x1, Mid(*r));
  lines.emplace_back(f_.cbox.left(), cLine, x1, cLine);
  lines.emplace_back(f_.mdr.left() - Z(10), top, x1 + Z(1), top);
  lines.emplace_back(x2, Mid(f_.b) - Z(2), x2, top);
  for (const QRect* r : {&f_.r2, &f_.r1, &f_.b})
    lines.emplace_back(r->left(), Mid(*r) - Z(2), x2, Mid(*r) - Z(2));
  for (const QRect* r : {&f_.mdr, &f_.mar})
    lines.emplace_back(windowWidth_, Mid(*r) - Z(2), x2, Mid(*r) - Z(2));
  return lines;
}

void DatapathDrawing::Draw(QPainter& painter) const {
  painter.setPen(QPen(Qt::black, Z(2), Qt::SolidLine));
  painter.setBrush(kAluColour);
  painter.drawPolygon(AluPolygon());
  for (const QLine& line : BusLines()) painter.drawLine(line);
}

}  // namespace tav2
