#pragma once

namespace tav2 {

// What the engine tells a history of the run. Every call comes between two
// clocks, except the ServiceStarting, which comes inside the clock that
// performs a terminal service.
class ExecutionObserver {
 public:
  virtual ~ExecutionObserver() = default;

  // Clocks are about to run: before each single clock, and before each run
  // to an instruction end (so once per instruction of Instruction and Go);
  // only once the instruction count has reached the engine's ObserveFrom.
  virtual void ClocksStarting() = 0;
  // A terminal service is about to run; the clock that performs it ends
  // with ServiceClockEnded (unless the service was aborted).
  virtual void ServiceStarting() = 0;
  virtual void ServiceClockEnded() = 0;
  // A Reset restarted the fetch sequence.
  virtual void Restarted() = 0;
};

}  // namespace tav2
