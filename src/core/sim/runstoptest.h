#pragma once

namespace tav2 {

// A further reason for Go to stop, asked after every instruction of a run
// (after the halt, Halt and breakpoint tests).
class RunStopTest {
 public:
  virtual ~RunStopTest() = default;
  virtual bool StopAfterInstruction() = 0;
};

}  // namespace tav2
