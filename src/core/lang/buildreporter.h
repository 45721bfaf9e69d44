#pragma once
#include <string>

namespace tav2 {

// What a build tells its caller besides its error records: warnings and
// information for the message boxes, that main memory was loaded (memory
// views repaint), and that a new listing was written (an open listing
// editor reloads). Every notice does nothing unless overridden.
class BuildReporter {
 public:
  virtual ~BuildReporter() = default;

  virtual void ShowWarning(const std::string& text) { static_cast<void>(text); }
  virtual void ShowInfo(const std::string& text) { static_cast<void>(text); }
  virtual void MemoryLoaded() {}
  virtual void ListingWritten() {}
};

}  // namespace tav2
