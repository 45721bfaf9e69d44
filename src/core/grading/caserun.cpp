#include "core/grading/caserun.h"

#include <chrono>

#include "core/grading/capturedterminal.h"
#include "core/grading/testcase.h"
#include "core/sim/processor.h"
#include "core/sim/terminal.h"

namespace tav2 {

namespace {

using Clock = std::chrono::steady_clock;

// How long the processor runs between two looks at the clock.
constexpr auto kSlice = std::chrono::milliseconds(20);

// The processor's display in a graded run: notes a halt on an unknown
// operation and stops the run at an instruction end once the step limit is
// reached.
class CaseDisplay : public ProcessorDisplay {
 public:
  explicit CaseDisplay(uint64_t maxSteps) : maxSteps_(maxSteps) {}

  void Watch(const ProcessorState& state, RunControl& control) {
    state_ = &state;
    control_ = &control;
  }
  bool LimitReached() const { return limitReached_; }
  bool UnknownOperation() const { return unknownOperation_; }

  void ProcessEvents() override {
    if (state_ == nullptr || state_->microSteps < maxSteps_) return;
    limitReached_ = true;
    control_->Halt();
  }
  void ShowError(const std::string&) override { unknownOperation_ = true; }

 private:
  uint64_t maxSteps_;
  const ProcessorState* state_ = nullptr;
  RunControl* control_ = nullptr;
  bool limitReached_ = false;
  bool unknownOperation_ = false;
};

Clock::time_point DeadlineAfter(double seconds) {
  return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

CaseRun CaseRun::Of(Machine& machine, const TestCase& testCase) {
  machine.defaultStackPointer = testCase.stackPointer;
  CaseDisplay display(testCase.maxSteps);
  Processor processor(machine, display);
  ProcessorState& state = processor.State();
  RunControl& control = processor.Control();
  ScreenGrid grid;
  CapturedTerminal device(grid, state, testCase.input, testCase.maxOutput);
  Terminal terminal(grid, device);
  processor.StepEngine().SetTerminal(&terminal);
  control.SetTerminal(&terminal);
  terminal.Clear();
  display.Watch(state, control);

  control.Reset();
  const Clock::time_point deadline = DeadlineAfter(testCase.maxSeconds);
  bool timeLimit = false;
  // A stop on a breakpoint is resumed at once, as in the headless runner.
  for (bool going = control.BeginGo(); going;) {
    if (!control.ContinueGo(kSlice)) {
      if (machine.halted || device.InputEnded() || device.OutputLimitReached() || display.LimitReached())
        break;
      going = control.BeginGo();
    }
    if (going && Clock::now() >= deadline) {
      timeLimit = true;
      break;
    }
  }

  CaseRun run;
  if (device.OutputLimitReached()) {
    run.exit = RunExit::OutputLimit;
  } else if (device.InputEnded()) {
    run.exit = RunExit::InputEnded;
  } else if (machine.halted) {
    run.exit = display.UnknownOperation() ? RunExit::UnknownOperation : RunExit::Halted;
  } else {
    run.exit = timeLimit ? RunExit::TimeLimit : RunExit::StepLimit;
  }
  run.output = device.Output();
  run.registers = state.reg;
  run.instructions = state.instructions;
  run.microSteps = state.microSteps;
  return run;
}

}  // namespace tav2
