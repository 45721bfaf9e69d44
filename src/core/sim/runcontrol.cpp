#include "core/sim/runcontrol.h"

#include "core/sim/terminal.h"

namespace tav2 {

namespace {
// Instructions between two looks at the clock during a slice of Go.
constexpr unsigned kClockCheckInterval = 256;
}  // namespace

void RunControl::Reset(bool fromProcessorWindow) {
  ResetOnce(fromProcessorWindow);
  ResetOnce(fromProcessorWindow);
  // A run between two slices ends now, as an interrupted run would as soon
  // as Reset returned to it.
  if (goActive_ && !inSlice_) FinishGo();
}

void RunControl::ResetOnce(bool fromProcessorWindow) {
  if (state_.running) {
    state_.abort = true;
    if (terminal_ != nullptr) terminal_->AbortInput();
    state_.haltRequest = true;
    display_.Focus(RunButton::Reset);
    display_.ProcessEvents();
  }
  display_.ProcessEvents();
  for (Reg r :
       {Reg::A, Reg::B, Reg::C, Reg::SP, Reg::PC, Reg::R1, Reg::R2, Reg::MAR, Reg::MDR, Reg::T1, Reg::IR}) {
    state_[r] = 0;
  }
  state_.aluFunction = 0;
  state_.microSteps = 0;
  state_.instructions = 0;
  state_.running = false;
  state_.instructionDone = true;
  state_[Reg::SR] = 0;
  state_[Reg::SP] = machine_.defaultStackPointer;
  state_[Reg::PC] = machine_.startAddress;
  engine_.RestartFetch();
  state_.haltRequest = true;
  machine_.halted = false;
  display_.RestoreDisplay();
  display_.ShowRegisters();
  if (!fromProcessorWindow) display_.Focus(RunButton::Go);
  display_.ProcessEvents();
}

void RunControl::ClockPress() {
  if (state_.running) return;
  state_.abort = false;
  state_.showSteps = true;
  display_.WhitenForClock();
  if (!machine_.halted) engine_.ReadPhase();
}

void RunControl::ClockRelease() {
  if (state_.running) return;
  if (!machine_.halted) engine_.WritePhase();
  state_.showSteps = false;
}

void RunControl::Instruction() {
  if (state_.running || machine_.halted) return;
  state_.haltRequest = true;
  display_.RestoreDisplay();
  RunInstruction();
  display_.RestoreDisplay();
  display_.ShowRegisters();
}

bool RunControl::CanClose() {
  if (!state_.running) return true;
  display_.ShowWarning(kCannotClose);
  return false;
}

void RunControl::RunInstruction() {
  if (machine_.halted) return;
  state_.instructionDone = false;
  state_.showSteps = false;
  state_.abort = false;
  engine_.RunToInstructionEnd();
}

// The whole-instruction path cannot stop in the middle of an instruction;
// the instructions next to the step limit run on the clock path instead.
void RunControl::RunInstructionByClocks() {
  if (machine_.halted) return;
  state_.instructionDone = false;
  state_.showSteps = false;
  state_.abort = false;
  while (!state_.instructionDone && !machine_.halted && !state_.abort && !StepLimitReached()) engine_.Step();
}

void RunControl::Go() {
  if (!BeginGo()) return;
  while (ContinueGo(std::chrono::steady_clock::duration::max())) {}
}

bool RunControl::BeginGo() {
  display_.ShowRegisters();
  if (state_.running || machine_.halted || goActive_) return false;
  state_.haltRequest = false;
  state_.showSteps = false;
  display_.DimForRun();
  display_.Focus(RunButton::Halt);
  display_.ClearSourceLine();
  state_.running = true;
  goActive_ = true;
  testsPending_ = false;
  return true;
}

bool RunControl::ContinueGo(std::chrono::steady_clock::duration budget) {
  if (!goActive_) return false;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline =
      budget >= Clock::time_point::max() - start ? Clock::time_point::max() : start + budget;
  inSlice_ = true;
  for (unsigned count = 1;; ++count) {
    // The stop tests of an instruction come before the next one, also when a
    // slice ended in between and the events of that pause were handled.
    if ((testsPending_ && ShouldStop()) || StepLimitReached()) {
      inSlice_ = false;
      FinishGo();
      return false;
    }
    if (NearStepLimit()) {
      RunInstructionByClocks();
    } else {
      RunInstruction();
    }
    testsPending_ = true;
    if (count % kClockCheckInterval == 0 && Clock::now() >= deadline) break;
  }
  inSlice_ = false;
  return true;
}

bool RunControl::ShouldStop() const {
  if (state_.abort) return true;
  if (state_.haltRequest && state_.instructionDone) return true;
  if (!state_.instructionDone) return false;
  if (machine_.breakpoints.Contains(state_[Reg::PC])) return true;
  return stopTest_ != nullptr && stopTest_->StopAfterInstruction();
}

void RunControl::FinishGo() {
  goActive_ = false;
  state_.running = false;
  display_.RestoreDisplay();
  display_.ShowRegisters();
  const uint16_t pc = state_[Reg::PC];
  display_.ShowSourceLine(machine_.lineMap.At(machine_.halted ? static_cast<uint16_t>(pc - 1) : pc));
  display_.MarkPc(pc);
  display_.Focus(machine_.halted ? RunButton::Reset : RunButton::Go);
}

}  // namespace tav2
