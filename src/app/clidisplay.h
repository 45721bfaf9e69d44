#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "sim/processordisplay.h"

namespace tav2 {

class RunControl;

// The processor's display in the headless runner: remembers the halt
// message and stops the run at an instruction end once the step limit is
// reached.
class CliDisplay : public ProcessorDisplay {
 public:
  void Watch(const ProcessorState& state, RunControl& control, std::optional<uint64_t> maxSteps) {
    state_ = &state;
    control_ = &control;
    maxSteps_ = maxSteps;
  }

  bool LimitReached() const { return limitReached_; }
  const std::string& Error() const { return error_; }

  void ProcessEvents() override;
  void ShowError(const std::string& text) override { error_ = text; }

 private:
  const ProcessorState* state_ = nullptr;
  RunControl* control_ = nullptr;
  std::optional<uint64_t> maxSteps_;
  bool limitReached_ = false;
  std::string error_;
};

}  // namespace tav2
