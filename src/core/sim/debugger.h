#pragma once
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "core/sim/executionobserver.h"
#include "core/sim/history.h"
#include "core/sim/keyreplaydevice.h"
#include "core/sim/machine.h"
#include "core/sim/memorywriteobserver.h"
#include "core/sim/processor.h"
#include "core/sim/processordisplay.h"
#include "core/sim/runspeed.h"
#include "core/sim/runstatus.h"
#include "core/sim/runstoptest.h"
#include "core/sim/screengrid.h"
#include "core/sim/sourcelines.h"
#include "core/sim/stopreason.h"
#include "core/sim/watchlist.h"

namespace tav2 {

// The debugger over a processor: Reset, Clock, Instruction and Go as the
// run control has them, plus a history to step back in, watchpoints, step
// over, run to an address, animated runs, edits of registers and memory
// words, and the status line. The processor window and `tav2-cli debug`
// both drive the processor through it; it owns no timer and no event loop.
//
// Wiring (the processor window; the headless runner alike):
//   Processor processor(machine, display);
//   KeyReplayDevice keys(screenDevice, grid);   // the terminal's device
//   Terminal terminal(grid, keys);
//   processor.StepEngine().SetTerminal(&terminal);
//   processor.Control().SetTerminal(&terminal);
//   Debugger debugger(machine, processor, display, &grid, &keys);
// The debugger hooks itself into the engine, main memory, the run control
// and the key device, and unhooks itself when destroyed.
//
// Commands: every command returns false (and changes nothing) while Busy():
// while a run is active, between ClockPress and ClockRelease, or while the
// processor is inside a clock (a terminal service waiting for a key). Reset
// and Halt are always accepted; Reset also ends a pressed clock, whose
// release is then refused.
//
// Running: Go, StepOver and RunTo begin a run at a speed (fixed for the
// run: to change it, Halt and begin again); the caller then
// calls ContinueRun until it returns false, every speed.Interval() (a
// zero-interval timer at full speed, where each call runs a slice of about
// `budget`; an animated run makes one instruction or one clock per call,
// with the display on). Halt and Reset end a run at once: the next
// ContinueRun returns false. LastStop() then says why the run ended, and
// Status() gives the status line (cheap: poll it a few times a second
// during a run, and after every command).
//
// Going back: BackClock and BackInstruction restore the machine: the
// registers, latches, sequencer, loaded micro-instruction, memory, screen
// grid and consumed keys. Afterwards the display is told what changed:
// MemoryWordWritten for each restored word, RestoreDisplay, ShowRegisters,
// PhaseChanged, MicroInstructionLoaded, MarkPc and ShowSourceLine; the
// screen device gets Redraw when the grid changed. The history is cleared
// by Reset and by a change of the micro-code; call ClearHistory after
// loading a program. Every change of memory or registers made while the
// program does not run must go through Poke and SetRegister, so that it
// becomes a step of the history.
class Debugger : private ExecutionObserver, private MemoryWriteObserver, private RunStopTest {
 public:
  static constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();

  // `grid` and `keys`: the terminal's screen and key device (nullptr: the
  // processor has no terminal).
  Debugger(Machine& machine, Processor& processor, ProcessorDisplay& display, ScreenGrid* grid = nullptr,
           KeyReplayDevice* keys = nullptr);
  ~Debugger() override;
  Debugger(const Debugger&) = delete;
  Debugger& operator=(const Debugger&) = delete;

  // --- The history (recording is on from the start).
  void SetRecording(bool on);
  bool Recording() const { return recording_; }
  void ClearHistory();
  bool CanGoBack() const;
  BackResult BackClock();
  BackResult BackInstruction();
  const History& Journal() const { return history_; }
  History& Journal() { return history_; }

  // --- Commands.
  // `fromProcessorWindow` as for RunControl::Reset.
  void Reset(bool fromProcessorWindow = false);
  // One clock, both halves with the display on; or the two halves apart
  // (the Clock button's press and release: a release only follows an
  // accepted press).
  bool Clock();
  bool ClockPress();
  bool ClockRelease();
  // To the next instruction end (the Instruction button).
  bool Instruction();
  // Edits; each becomes a step of the history.
  bool SetRegister(Reg r, uint16_t value);
  bool Poke(uint16_t address, uint16_t value);
  // Consecutive words from `address` on (wrapping at the end of memory), as
  // one edit: one step back undoes them all.
  bool PokeWords(uint16_t address, std::span<const uint16_t> values);

  // --- Runs. Each returns false (nothing begun) while Busy() or when the
  // processor is halted (LastStop() then says which halt).
  bool Go(RunSpeed speed = RunSpeed::Full());
  // Runs the instruction at PC; when it was a call (it lowered SP by one and
  // pushed the address of the next instruction) runs on until that address
  // is reached with SP back where it was. Inside an instruction (after
  // single clocks) it only runs that instruction to its end.
  bool StepOver(RunSpeed speed = RunSpeed::Full());
  // Runs until PC reaches `address` between two instructions (at least one
  // instruction runs).
  bool RunTo(uint16_t address, RunSpeed speed = RunSpeed::Full());
  // The micro-steps after which the runs begun from now on stop
  // (StopKind::StepLimit); kNoLimit: none.
  void SetStepLimit(uint64_t microSteps) { stepLimit_ = microSteps; }
  // Advances the active run; false once it has ended.
  bool ContinueRun(std::chrono::steady_clock::duration budget);
  // Advances the active run to its end, without pauses.
  void RunToEnd();
  void Halt();
  bool RunActive() const { return runActive_; }
  const RunSpeed& Speed() const { return speed_; }
  bool Busy() const;
  // Refuses (with the run control's warning) while the processor runs.
  bool CanClose();

  // --- Watchpoints (at most WatchList::kCapacity words).
  bool SetWatch(uint16_t address, WatchKind kind);
  bool RemoveWatch(uint16_t address);
  const WatchList& Watches() const { return watches_; }

  // --- Source lines: the text the program was assembled from (set it after
  // every build), to name lines (1-based) for addresses and addresses for
  // lines through the machine's line map.
  void SetProgramText(std::string_view text) { lines_ = SourceLines(text); }
  // 0: the address has no line.
  int LineOf(uint16_t address) const;
  // The first address of a line; none when the line produced no word.
  std::optional<uint16_t> AddressOfLine(int line) const;

  // --- State.
  RunStatus Status() const;
  const StopReason& LastStop() const { return lastStop_; }

 private:
  enum class Goal : uint8_t { Free, StepOver, ToAddress, InstructionEnd };

  // ExecutionObserver, MemoryWriteObserver and RunStopTest.
  void ClocksStarting() override { history_.ClocksStarting(); }
  void ServiceStarting() override { history_.ServiceStarting(); }
  void ServiceClockEnded() override { history_.ServiceClockEnded(); }
  void Restarted() override { history_.Clear(); }
  void WordWriting(uint16_t address, uint16_t oldValue) override;
  bool StopAfterInstruction() override { return GoalOrWatchStops(); }

  void Hook();
  bool BeginRun(Goal goal, uint16_t address, RunSpeed speed);
  bool AnimationStep();
  bool GoalOrWatchStops();
  void EndRun();
  StopReason EndOfRun();
  StopReason HaltStop() const;
  // After a command ran clocks: whether the input ended during a key wait
  // (and no Reset came since `resets`); then the service is undone.
  bool InputEnded(uint64_t resets, bool toInstructionStart);
  BackResult Back(BackResult (History::*step)());
  void ShowRestored();
  void ShowMachine();
  void StartCommand();

  Machine& machine_;
  ProcessorState& state_;
  Engine& engine_;
  RunControl& control_;
  ProcessorDisplay& display_;
  ScreenGrid* grid_;
  KeyReplayDevice* keys_;
  History history_;
  WatchList watches_;
  SourceLines lines_;
  bool recording_ = true;
  bool clockPressed_ = false;  // the read half of a clock ran, its write half not yet

  bool runActive_ = false;
  RunSpeed speed_;
  Goal goal_ = Goal::Free;
  uint16_t goalAddress_ = 0;  // ToAddress: the address; StepOver: the return address
  uint16_t startSp_ = 0;
  bool callJudged_ = false;  // StepOver: the first instruction was looked at
  bool goalReached_ = false;
  uint64_t stepLimit_ = kNoLimit;
  uint64_t runStartSteps_ = 0;
  bool limitReached_ = false;
  uint64_t resets_ = 0;     // Resets so far
  uint64_t runResets_ = 0;  // ... when the run began
  StopReason lastStop_;
};

}  // namespace tav2
