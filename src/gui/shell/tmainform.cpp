#include "gui/shell/tmainform.h"

namespace tav2 {

TMainform::TMainform(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMainform");
  setWindowTitle("TAV2 SIMULATOR 0.1");
}

}  // namespace tav2
