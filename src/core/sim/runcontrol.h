#pragma once
#include <chrono>
#include <cstdint>
#include <optional>

#include "core/sim/engine.h"
#include "core/sim/machine.h"
#include "core/sim/processordisplay.h"
#include "core/sim/processorstate.h"
#include "core/sim/runstoptest.h"

namespace tav2 {

class Terminal;

// Reset, Clock, Instruction, Go and Halt. Go runs either to its end in one
// call (Go) or in slices driven by an event loop (BeginGo, then ContinueGo
// until it returns false); both keep the same order of stop tests.
class RunControl {
 public:
  static constexpr const char* kCannotClose = "Cannot close while CPU is running: Reset, then close";

  RunControl(Machine& machine, ProcessorState& state, Engine& engine, ProcessorDisplay& display)
      : machine_(machine), state_(state), engine_(engine), display_(display) {}

  // The terminal whose key wait a Reset ends.
  void SetTerminal(Terminal* terminal) { terminal_ = terminal; }
  // A further test Go makes after every instruction (nullptr: none).
  void SetStopTest(RunStopTest* test) { stopTest_ = test; }

  // `fromProcessorWindow`: the Reset made when the processor window opens
  // (it leaves the focus where it is).
  void Reset(bool fromProcessorWindow = false);
  void ClockPress();
  void ClockRelease();
  void Instruction();
  void Halt() { state_.haltRequest = true; }
  // Refuses (with a warning) while a program runs.
  bool CanClose();

  void Go();
  // Starts a run; false when the processor is running, halted or busy.
  bool BeginGo();
  // Runs instructions for about `budget`; false once the run has ended.
  bool ContinueGo(std::chrono::steady_clock::duration budget);
  bool GoActive() const { return goActive_; }

  // A run stops once the processor's micro-step count reaches `limit`, also
  // in the middle of an instruction; nullopt: no limit.
  void SetStepLimit(std::optional<uint64_t> limit) { stepLimit_ = limit; }
  bool StepLimitReached() const { return stepLimit_ && state_.microSteps >= *stepLimit_; }

  // Runs from wherever the sequencer stands to the next instruction end.
  void RunInstruction();

 private:
  bool ShouldStop() const;
  // Whether the next instruction might run past the step limit.
  bool NearStepLimit() const {
    return stepLimit_ && *stepLimit_ - state_.microSteps < Engine::kMaxStepsPerInstruction;
  }
  // Runs clock by clock to the next instruction end or the step limit.
  void RunInstructionByClocks();
  void FinishGo();
  void ResetOnce(bool fromProcessorWindow);

  Machine& machine_;
  ProcessorState& state_;
  Engine& engine_;
  ProcessorDisplay& display_;
  Terminal* terminal_ = nullptr;
  RunStopTest* stopTest_ = nullptr;
  bool goActive_ = false;      // a run has begun and not yet finished
  bool inSlice_ = false;       // ContinueGo is on the call stack
  bool testsPending_ = false;  // an instruction ran whose stop tests are due
  std::optional<uint64_t> stepLimit_;
};

}  // namespace tav2
