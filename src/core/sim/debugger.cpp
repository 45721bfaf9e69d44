#include "core/sim/debugger.h"

namespace tav2 {

Debugger::Debugger(Machine& machine, Processor& processor, ProcessorDisplay& display, ScreenGrid* grid,
                   KeyReplayDevice* keys)
    : machine_(machine),
      state_(processor.State()),
      engine_(processor.StepEngine()),
      control_(processor.Control()),
      display_(display),
      grid_(grid),
      keys_(keys),
      history_(machine, processor.State(), processor.StepEngine(), grid) {
  Hook();
}

Debugger::~Debugger() {
  engine_.SetObserver(nullptr);
  engine_.SetReadWatches(nullptr);
  machine_.memory.SetWriteObserver(nullptr);
  control_.SetStopTest(nullptr);
  if (keys_ != nullptr) keys_->SetTape(nullptr);
}

// Main memory reports to the debugger only while a history or a watch needs
// it, and the engine looks at its reads only while a watch is on reads: the
// Go path pays for nothing it does not use.
void Debugger::Hook() {
  engine_.SetObserver(recording_ ? this : nullptr);
  engine_.SetReadWatches(watches_.WatchesReads() ? &watches_ : nullptr);
  machine_.memory.SetWriteObserver(recording_ || !watches_.Empty() ? this : nullptr);
  control_.SetStopTest(this);
  if (keys_ != nullptr) keys_->SetTape(recording_ ? &history_.Keys() : nullptr);
}

void Debugger::SetRecording(bool on) {
  recording_ = on;
  history_.Clear();
  Hook();
}

void Debugger::ClearHistory() { history_.Clear(); }

bool Debugger::CanGoBack() const { return recording_ && !Busy() && history_.CanGoBack(); }

bool Debugger::Busy() const {
  return runActive_ || clockPressed_ || state_.running || (keys_ != nullptr && keys_->Waiting());
}

bool Debugger::CanClose() {
  if (!runActive_) return control_.CanClose();
  display_.ShowWarning(RunControl::kCannotClose);
  return false;
}

void Debugger::StartCommand() {
  lastStop_ = {};
  watches_.ClearHit();
}

void Debugger::WordWriting(uint16_t address, uint16_t oldValue) {
  if (recording_) history_.WordWriting(address, oldValue);
  if (!history_.Replaying()) watches_.NoteWrite(address);
}

// ---------------------------------------------------------------- commands

void Debugger::Reset(bool fromProcessorWindow) {
  ++resets_;
  StartCommand();
  clockPressed_ = false;
  control_.Reset(fromProcessorWindow);
  // A full-speed run inside a slice ends when the slice returns.
  if (!control_.GoActive()) runActive_ = false;
}

bool Debugger::Clock() { return ClockPress() && ClockRelease(); }

bool Debugger::ClockPress() {
  if (Busy()) return false;
  StartCommand();
  clockPressed_ = true;
  control_.ClockPress();
  return true;
}

bool Debugger::ClockRelease() {
  if (!clockPressed_) return false;
  clockPressed_ = false;
  const uint64_t resets = resets_;
  control_.ClockRelease();
  InputEnded(resets, false);
  return true;
}

bool Debugger::Instruction() {
  if (Busy()) return false;
  StartCommand();
  const uint64_t resets = resets_;
  control_.Instruction();
  InputEnded(resets, true);
  return true;
}

bool Debugger::InputEnded(uint64_t resets, bool toInstructionStart) {
  if (!state_.abort || resets != resets_) return false;
  if (recording_) {
    history_.UndoAbortedService(toInstructionStart);
    ShowRestored();
  }
  lastStop_ = {StopKind::InputEnded};
  return true;
}

bool Debugger::SetRegister(Reg r, uint16_t value) {
  if (Busy()) return false;
  StartCommand();
  if (recording_) history_.EditStarting();
  state_[r] = value;
  // The memory address latch follows MAR, as when a clock writes MAR.
  if (r == Reg::MAR) state_.memAddressLatch = value;
  if (recording_) history_.EditMade();
  display_.ShowRegisters();
  return true;
}

bool Debugger::Poke(uint16_t address, uint16_t value) { return PokeWords(address, std::span(&value, 1)); }

bool Debugger::PokeWords(uint16_t address, std::span<const uint16_t> values) {
  if (Busy()) return false;
  StartCommand();
  if (recording_) history_.EditStarting();
  for (std::size_t i = 0; i < values.size(); ++i)
    machine_.memory.Write(static_cast<uint16_t>(address + i), values[i]);
  if (recording_) history_.EditMade();
  watches_.ClearHit();
  for (std::size_t i = 0; i < values.size(); ++i)
    display_.MemoryWordWritten(static_cast<uint16_t>(address + i));
  return true;
}

// ---------------------------------------------------------------- history

BackResult Debugger::BackClock() { return Back(&History::BackClock); }

BackResult Debugger::BackInstruction() { return Back(&History::BackInstruction); }

BackResult Debugger::Back(BackResult (History::*step)()) {
  if (!recording_ || Busy()) return BackResult::Nothing;
  StartCommand();
  const BackResult result = (history_.*step)();
  if (result != BackResult::Nothing) ShowRestored();
  return result;
}

void Debugger::ShowRestored() {
  for (const uint16_t address : history_.RestoredWords()) display_.MemoryWordWritten(address);
  if (history_.ScreenRestored() && keys_ != nullptr && grid_ != nullptr) {
    keys_->Redraw();
    keys_->SetCaption(grid_->Caption());
  }
  ShowMachine();
}

void Debugger::ShowMachine() {
  display_.RestoreDisplay();
  display_.ShowRegisters();
  display_.PhaseChanged(state_.phase);
  display_.MicroInstructionLoaded();
  const uint16_t pc = state_[Reg::PC];
  display_.MarkPc(pc);
  display_.ShowSourceLine(machine_.lineMap.At(machine_.halted ? static_cast<uint16_t>(pc - 1) : pc));
}

// ---------------------------------------------------------------- runs

bool Debugger::Go(RunSpeed speed) { return BeginRun(Goal::Free, 0, speed); }

bool Debugger::StepOver(RunSpeed speed) {
  if (!state_.AtInstructionStart()) return BeginRun(Goal::InstructionEnd, 0, speed);
  const uint16_t pc = state_[Reg::PC];
  const bool extension = DecodedInstruction::Decode(machine_.memory.Read(pc)).extension;
  return BeginRun(Goal::StepOver, static_cast<uint16_t>(pc + (extension ? 2 : 1)), speed);
}

bool Debugger::RunTo(uint16_t address, RunSpeed speed) { return BeginRun(Goal::ToAddress, address, speed); }

bool Debugger::BeginRun(Goal goal, uint16_t address, RunSpeed speed) {
  if (Busy()) return false;
  StartCommand();
  if (machine_.halted) {
    lastStop_ = HaltStop();
    return false;
  }
  goal_ = goal;
  goalAddress_ = address;
  startSp_ = state_[Reg::SP];
  callJudged_ = false;
  goalReached_ = false;
  limitReached_ = false;
  runStartSteps_ = state_.microSteps;
  runResets_ = resets_;
  speed_ = speed;
  if (speed.Animated()) {
    state_.haltRequest = false;
    display_.Focus(RunButton::Halt);
  } else if (!control_.BeginGo()) {
    return false;
  }
  runActive_ = true;
  return true;
}

bool Debugger::ContinueRun(std::chrono::steady_clock::duration budget) {
  if (!runActive_) return false;
  if (speed_.Animated()) return AnimationStep();
  if (control_.ContinueGo(budget)) return true;
  EndRun();
  return false;
}

void Debugger::RunToEnd() {
  while (ContinueRun(std::chrono::steady_clock::duration::max())) {}
}

// One instruction or one clock with the display on; the stop tests follow
// every instruction end, as in a run at full speed.
bool Debugger::AnimationStep() {
  const uint64_t instructions = state_.instructions;
  if (speed_.unit == RunSpeed::Unit::Clocks) {
    control_.ClockPress();
    control_.ClockRelease();
  } else {
    control_.Instruction();
  }
  // Halt or Reset during a key wait of this step ended the run already.
  if (!runActive_) return false;
  const bool instructionEnded = state_.instructions != instructions;
  if (state_.abort || resets_ != runResets_ || machine_.halted ||
      (instructionEnded && (machine_.breakpoints.Contains(state_[Reg::PC]) || GoalOrWatchStops()))) {
    EndRun();
    return false;
  }
  return true;
}

bool Debugger::GoalOrWatchStops() {
  if (watches_.Hit()) return true;
  if (!runActive_) return false;
  switch (goal_) {
    case Goal::StepOver: {
      const uint16_t sp = state_[Reg::SP];
      if (!callJudged_) {
        callJudged_ = true;
        const bool call =
            sp == static_cast<uint16_t>(startSp_ - 1) && machine_.memory.Read(sp) == goalAddress_;
        if (!call) return goalReached_ = true;
      } else if (state_[Reg::PC] == goalAddress_ && static_cast<int16_t>(sp - startSp_) >= 0) {
        return goalReached_ = true;
      }
      break;
    }
    case Goal::ToAddress:
      if (state_[Reg::PC] == goalAddress_) return goalReached_ = true;
      break;
    case Goal::InstructionEnd: return goalReached_ = true;
    case Goal::Free: break;
  }
  if (stepLimit_ != kNoLimit && state_.microSteps - runStartSteps_ >= stepLimit_) return limitReached_ = true;
  return false;
}

void Debugger::Halt() {
  control_.Halt();
  if (!runActive_ || !speed_.Animated()) return;
  runActive_ = false;
  lastStop_ = {StopKind::HaltRequested};
  display_.Focus(RunButton::Go);
}

void Debugger::EndRun() {
  runActive_ = false;
  lastStop_ = EndOfRun();
  if (speed_.Animated()) display_.Focus(machine_.halted ? RunButton::Reset : RunButton::Go);
}

// The first reason that applies, in the order of the stop tests.
StopReason Debugger::EndOfRun() {
  if (resets_ != runResets_) return {StopKind::Reset};
  if (InputEnded(runResets_, speed_.unit != RunSpeed::Unit::Clocks)) return lastStop_;
  if (machine_.halted) return HaltStop();
  if (const std::optional<WatchHit>& hit = watches_.Hit())
    return {StopKind::Watch, hit->address, hit->written};
  const uint16_t pc = state_[Reg::PC];
  if (state_.AtInstructionStart() && machine_.breakpoints.Contains(pc)) return {StopKind::Breakpoint, pc};
  if (goalReached_) return {StopKind::Finished};
  if (limitReached_) return {StopKind::StepLimit};
  return {StopKind::HaltRequested};
}

StopReason Debugger::HaltStop() const {
  return {state_.decoded.opcode == 0x00 ? StopKind::UnknownOperation : StopKind::Halted};
}

// ---------------------------------------------------------------- watches

bool Debugger::SetWatch(uint16_t address, WatchKind kind) {
  if (!watches_.Set(address, kind)) return false;
  Hook();
  return true;
}

bool Debugger::RemoveWatch(uint16_t address) {
  if (!watches_.Remove(address)) return false;
  Hook();
  return true;
}

// ---------------------------------------------------------------- lines and status

int Debugger::LineOf(uint16_t address) const {
  const int position = machine_.lineMap.At(address);
  return position > 0 ? lines_.LineAt(position) : 0;
}

std::optional<uint16_t> Debugger::AddressOfLine(int line) const {
  const std::optional<int> start = lines_.StartOf(line);
  if (!start) return std::nullopt;
  return machine_.lineMap.FirstAddressAt(*start);
}

RunStatus Debugger::Status() const {
  RunStatus status;
  status.instructions = state_.instructions;
  status.microSteps = state_.microSteps;
  if (keys_ != nullptr && keys_->Waiting()) {
    status.state = RunState::WaitingForInput;
  } else if (runActive_ || state_.running) {
    status.state = RunState::Running;
  } else if (machine_.halted) {
    status.state =
        HaltStop().kind == StopKind::UnknownOperation ? RunState::HaltedUnknownOperation : RunState::Halted;
  } else if (lastStop_.kind == StopKind::Breakpoint) {
    status.state = RunState::StoppedAtBreakpoint;
    status.address = lastStop_.address;
    status.line = LineOf(lastStop_.address);
  } else if (lastStop_.kind == StopKind::Watch) {
    status.state = RunState::StoppedByWatch;
    status.address = lastStop_.address;
    status.written = lastStop_.written;
  }
  return status;
}

}  // namespace tav2
