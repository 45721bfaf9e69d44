// The workbench: the main window, then the new-file chooser, then the event
// loop. A file named on the command line opens when the window is first shown.
#include <QApplication>
#include <QStringList>

#include "gui/shell/tmainform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments{QCoreApplication::applicationFilePath()};
  if (argc > 1) arguments << QString::fromLocal8Bit(argv[1]);
  tav2::TMainform mainform(arguments);
  mainform.NewFileClick();
  mainform.showMaximized();
  return app.exec();
}
