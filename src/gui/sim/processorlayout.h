#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <map>

#include "core/shell/layoutdefaults.h"

namespace tav2 {

// The places of the processor window's controls in one size mode: the
// large design layout or the small one with two columns of registers.
struct ProcessorLayout {
  QSize windowSize;                           // the frame's size when the layout is chosen
  int panelTop = 0;                           // top of the control panel, which fills the rest
  std::map<QString, QRect> controls;          // by objectName
  std::map<QString, QString> buttonCaptions;  // by objectName
  QStringList hidden;                         // controls this layout hides

  static const ProcessorLayout& For(SizeMode mode);
};

}  // namespace tav2
