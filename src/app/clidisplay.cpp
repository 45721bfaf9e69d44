#include "clidisplay.h"

#include "sim/runcontrol.h"

namespace tav2 {

void CliDisplay::ProcessEvents() {
  if (!maxSteps_ || state_ == nullptr || state_->microSteps < *maxSteps_) return;
  limitReached_ = true;
  control_->Halt();
}

}  // namespace tav2
