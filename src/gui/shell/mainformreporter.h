#pragma once
#include <string>

#include "lang/buildreporter.h"

namespace tav2 {

class TMainform;

// Passes the assembler's messages and notices to the main window: warnings
// and information to its message boxes, loaded memory to the memory views,
// a new listing to the open listing editor.
class MainformReporter : public BuildReporter {
 public:
  explicit MainformReporter(TMainform& mainform) : mainform_(mainform) {}

  void ShowWarning(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  void MemoryLoaded() override;
  void ListingWritten() override;

 private:
  TMainform& mainform_;
};

}  // namespace tav2
