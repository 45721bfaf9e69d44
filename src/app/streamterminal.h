#pragma once
#include <cstdio>

#include "core/sim/headlessterminal.h"
#include "core/sim/processorstate.h"

namespace tav2 {

// The terminal of the headless runner: what programs write goes to standard
// output (code 13 as a line end), keys come from standard input (a line end
// as code 13). When the input ends during a wait, or standard output cannot
// be written, the run is aborted.
class StreamTerminal : public HeadlessTerminal {
 public:
  StreamTerminal(ScreenGrid& grid, ProcessorState& state, bool echo, std::FILE* in, std::FILE* out)
      : HeadlessTerminal(grid), state_(state), echo_(echo), in_(in), out_(out) {}

  bool InputEnded() const { return inputEnded_; }
  // The errno of the first write to standard output that failed; 0: none.
  int WriteError() const { return writeError_; }
  // Whether what was written so far ends with a line end (or nothing was written).
  bool AtLineStart() const { return atLineStart_; }
  // Ends the line the program's output left open, if it did.
  void EndLine();

  int WaitKey() override;
  void CharacterPut(uint8_t ch, bool echo) override;

 private:
  // Ends the run when the last write to standard output failed.
  void CheckWritten(bool written);

  ProcessorState& state_;
  bool echo_;
  std::FILE* in_;
  std::FILE* out_;
  bool inputEnded_ = false;
  int writeError_ = 0;
  bool atLineStart_ = true;
};

}  // namespace tav2
