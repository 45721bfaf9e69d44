// The workbench: the main window, then the new-file chooser when no editor
// is open, then the event loop. A file named on the command line opens when
// the window is first shown.
#include <QFileInfo>
#include <QStringList>

#include "gui/shell/mainwindow.h"
#include "gui/shell/workbenchapplication.h"

int main(int argc, char** argv) {
  tav2::WorkbenchApplication app(argc, argv);
  // The installed desktop entry (tav2.desktop), which names the icon.
  QGuiApplication::setDesktopFileName("tav2");
  QStringList arguments{QCoreApplication::applicationFilePath()};
  // Made absolute now: reading the options may change the current directory.
  if (argc > 1) arguments << QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  tav2::MainWindow mainWindow(arguments);
  mainWindow.showMaximized();
  mainWindow.OfferNewFile();
  return app.exec();
}
