#include <QApplication>

#include "gui/shell/tmainform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tav2::TMainform mainform;
  mainform.showMaximized();
  return app.exec();
}
