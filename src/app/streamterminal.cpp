#include "streamterminal.h"

#include <cerrno>

namespace tav2 {

namespace {
constexpr int kReturn = 13;
}  // namespace

int StreamTerminal::WaitKey() {
  CheckWritten(std::fflush(out_) == 0);
  if (writeError_ != 0) return 0;
  int ch = std::fgetc(in_);
  if (ch == '\r') {
    const int next = std::fgetc(in_);
    if (next != '\n' && next != EOF) std::ungetc(next, in_);
    ch = '\n';
  }
  if (ch == EOF) {
    inputEnded_ = true;
    grid_.inputAbort = true;
    state_.abort = true;
    return 0;
  }
  grid_.lastKey = ch == '\n' ? kReturn : ch;
  return grid_.lastKey;
}

void StreamTerminal::EndLine() {
  if (atLineStart_) return;
  std::fputc('\n', out_);
  atLineStart_ = true;
}

void StreamTerminal::CharacterPut(uint8_t ch, bool echo) {
  if (echo && !echo_) return;
  const int out = ch == kReturn ? '\n' : ch;
  CheckWritten(std::fputc(out, out_) != EOF);
  atLineStart_ = out == '\n';
}

void StreamTerminal::CheckWritten(bool written) {
  if (written || writeError_ != 0) return;
  writeError_ = errno != 0 ? errno : EIO;
  grid_.inputAbort = true;
  state_.abort = true;
}

}  // namespace tav2
