#include "gui/shell/mainwindowreporter.h"

#include "gui/shell/mainwindow.h"

namespace tav2 {

void MainWindowReporter::ShowWarning(const std::string& text) {
  mainWindow_.ShowWarning(QString::fromStdString(text));
}

void MainWindowReporter::ShowInfo(const std::string& text) {
  mainWindow_.ShowInfo(QString::fromStdString(text));
}

void MainWindowReporter::MemoryLoaded() { mainWindow_.MemoryLoaded(); }

void MainWindowReporter::ListingWritten() { mainWindow_.ReloadAssemblerOutput(); }

}  // namespace tav2
