#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/sim/engine.h"
#include "core/sim/keytape.h"
#include "core/sim/machine.h"
#include "core/sim/processordisplay.h"
#include "core/sim/processorstate.h"
#include "core/sim/screengrid.h"
#include "core/sim/screenjournal.h"

namespace tav2 {

// How far a step back went.
enum class BackResult : uint8_t {
  Done,          // to where it was asked to go
  ReachedStart,  // the target lay before the history: to its start
  Nothing,       // already at the start of the history: nothing changed
};

// The history of the machine for stepping back: a checkpoint of the
// processor state now and then, undo records of what the clocks change
// besides it (memory words, the screen grid), and the keys the program
// consumed.
//
// A checkpoint is taken at the start of every kCheckpointInterval-th
// instruction, after every clock that performed a terminal service, and
// after every edit of the state. Going back restores the latest checkpoint
// at or before the target, undoes the records made after it, and runs the
// clocks from there up to the target again, with the display off and on an
// engine of its own. This replay is exact: it never passes a terminal
// service (a checkpoint follows each), and everything else a clock does
// depends on the state and memory alone.
//
// The history is fed by the engine (as its ExecutionObserver) and by main
// memory (as its MemoryWriteObserver) through the Debugger, which owns it.
// It begins at the first clock or edit after it was cleared, and a Reset or
// a change of the micro-code clears it. It holds at least `depth`
// instructions, unless the records of so many would need more than the
// byte limit; older instructions are forgotten.
class History {
 public:
  static constexpr uint64_t kCheckpointInterval = 64;
  static constexpr uint64_t kDefaultDepth = 100'000;
  static constexpr std::size_t kDefaultByteLimit = std::size_t{48} << 20;

  // `engine` is the processor's own, taken up again after each step back;
  // `grid` the terminal's screen (nullptr: no terminal).
  History(Machine& machine, ProcessorState& state, Engine& engine, ScreenGrid* grid);
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  void SetDepth(uint64_t instructions) { depth_ = instructions; }
  void SetByteLimit(std::size_t bytes) { byteLimit_ = bytes; }

  // Forgets everything; the next clock or edit begins a new history.
  void Clear();
  // Whether a step back would change anything.
  bool CanGoBack() const;

  // One clock back; an edit made since the last clock counts as one.
  BackResult BackClock();
  // Back to the start of the instruction (of the previous one when the
  // processor stands between two); an edit made since the last clock
  // counts as one.
  BackResult BackInstruction();
  // After a terminal service was aborted (the input ended) the machine
  // goes back to the start of the clock that performed it, or of its
  // instruction: the service then never happened.
  void UndoAbortedService(bool toInstructionStart);

  // An edit of the state (a register or a memory word) is about to be made
  // and has been made; the edit becomes a step of the history.
  void EditStarting();
  void EditMade();

  // From the engine and main memory. The engine calls ClocksStarting once
  // the next regular checkpoint is due (and at the first clock).
  void ClocksStarting();
  void ServiceStarting();
  void ServiceClockEnded();
  void WordWriting(uint16_t address, uint16_t oldValue);

  KeyTape& Keys() { return keys_; }
  // True while a step back restores or replays: the memory writes then are
  // not the program's.
  bool Replaying() const { return replaying_; }
  // The words the last step back wrote, and whether it changed the screen.
  const std::vector<uint16_t>& RestoredWords() const { return restoredWords_; }
  bool ScreenRestored() const { return screenRestored_; }

  // Bytes held by the records, and the instructions they reach back.
  std::size_t Bytes() const;
  uint64_t InstructionsHeld() const;

 private:
  struct Checkpoint {
    ProcessorState state;
    bool halted = false;
    bool edit = false;   // made by an edit: the state differs from the clocks' result
    uint64_t words = 0;  // marks of the records
    uint64_t screens = 0;
    uint64_t keys = 0;
  };
  struct WordChange {
    uint16_t address;
    uint16_t old;
  };

  void EnsureStarted();
  bool Stale() const;
  void Push(bool edit);
  void Trim();
  void DropOldest();
  uint64_t WordsMark() const { return wordBase_ + words_.size(); }
  bool AtEditOnly() const;
  BackResult UndoEdit();
  // Index of the latest checkpoint before `end` at or before `microSteps`;
  // none: `end`.
  std::size_t LatestAtOrBefore(uint64_t microSteps, std::size_t end) const;
  // Index of the latest checkpoint at or before the start of instruction
  // number `instruction`; none: checkpoints_.size().
  std::size_t LatestBeforeInstruction(uint64_t instruction) const;
  void Restore(std::size_t index);
  void ReplayToMicroStep(uint64_t microSteps);
  void ReplayToInstruction(uint64_t instruction);
  void Finish();

  Machine& machine_;
  ProcessorState& state_;
  Engine& engine_;
  ScreenGrid* grid_;
  SilentDisplay silentDisplay_;
  Engine replay_;

  bool started_ = false;
  uint64_t generation_ = 0;  // of the micro-code the history began with
  uint64_t depth_ = kDefaultDepth;
  std::size_t byteLimit_ = kDefaultByteLimit;

  std::deque<Checkpoint> checkpoints_;
  std::deque<WordChange> words_;
  uint64_t wordBase_ = 0;  // mark of words_.front()
  ScreenJournal screens_;
  KeyTape keys_;

  bool inService_ = false;
  ScreenGrid beforeService_;
  bool replaying_ = false;
  bool restoring_ = false;  // undoing memory records: the writes are not recorded
  std::vector<uint16_t> restoredWords_;
  bool screenRestored_ = false;
};

}  // namespace tav2
