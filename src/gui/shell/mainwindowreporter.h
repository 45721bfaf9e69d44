#pragma once
#include <string>

#include "core/lang/buildreporter.h"

namespace tav2 {

class MainWindow;

// Passes the assembler's messages and notices to the main window: warnings
// and information to its message boxes, loaded memory to the memory views,
// a new listing to the open listing editor.
class MainWindowReporter : public BuildReporter {
 public:
  explicit MainWindowReporter(MainWindow& mainWindow) : mainWindow_(mainWindow) {}

  void ShowWarning(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  void MemoryLoaded() override;
  void ListingWritten() override;

 private:
  MainWindow& mainWindow_;
};

}  // namespace tav2
