#pragma once
#include <cstddef>
#include <string>

#include "core/sim/headlessterminal.h"
#include "core/sim/processorstate.h"

namespace tav2 {

// The terminal of a graded run: keys come from a case's input text (a line
// end as code 13), what the program writes is kept (code 13 as a line
// end) up to a limit. The run is aborted when the input ends during a wait
// or when the output would pass the limit.
class CapturedTerminal : public HeadlessTerminal {
 public:
  CapturedTerminal(ScreenGrid& grid, ProcessorState& state, std::string input, std::size_t maxOutput)
      : HeadlessTerminal(grid), state_(state), input_(std::move(input)), maxOutput_(maxOutput) {}

  const std::string& Output() const { return output_; }
  bool InputEnded() const { return inputEnded_; }
  bool OutputLimitReached() const { return outputLimitReached_; }

  int WaitKey() override;
  void CharacterPut(uint8_t ch, bool echo) override;

 private:
  void Abort();

  ProcessorState& state_;
  std::string input_;
  std::size_t next_ = 0;  // the next input character
  std::size_t maxOutput_;
  std::string output_;
  bool inputEnded_ = false;
  bool outputLimitReached_ = false;
};

}  // namespace tav2
