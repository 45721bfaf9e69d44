#pragma once
#include <string>

#include "core/sim/processordisplay.h"

namespace tav2 {

// The processor's display in the headless runner: remembers the halt
// message.
class CliDisplay : public ProcessorDisplay {
 public:
  const std::string& Error() const { return error_; }

  void ShowError(const std::string& text) override { error_ = text; }

 private:
  std::string error_;
};

}  // namespace tav2
