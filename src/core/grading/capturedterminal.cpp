#include "core/grading/capturedterminal.h"

namespace tav2 {

namespace {
constexpr int kReturn = 13;
}  // namespace

int CapturedTerminal::WaitKey() {
  if (next_ >= input_.size()) {
    inputEnded_ = true;
    Abort();
    return 0;
  }
  int ch = static_cast<unsigned char>(input_[next_++]);
  if (ch == '\r') {
    if (next_ < input_.size() && input_[next_] == '\n') ++next_;
    ch = '\n';
  }
  grid_.lastKey = ch == '\n' ? kReturn : ch;
  return grid_.lastKey;
}

// Echoes of typed keys are not kept, as the headless runner writes none.
void CapturedTerminal::CharacterPut(uint8_t ch, bool echo) {
  if (echo || outputLimitReached_) return;
  if (output_.size() >= maxOutput_) {
    outputLimitReached_ = true;
    Abort();
    return;
  }
  output_ += ch == kReturn ? '\n' : static_cast<char>(ch);
}

void CapturedTerminal::Abort() {
  grid_.inputAbort = true;
  state_.abort = true;
}

}  // namespace tav2
