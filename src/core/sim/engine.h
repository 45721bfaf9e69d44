#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/sim/machine.h"
#include "core/sim/processordisplay.h"
#include "core/sim/processorstate.h"

namespace tav2 {

class ExecutionObserver;
class Terminal;
class WatchList;

// Executes one micro-instruction per clock: the read half, the write half
// (with the ALU) and the sequencer that chains the fetch, immediate,
// indirect, execute and write-back sequences.
class Engine {
 public:
  // The most clocks one instruction takes: a full fetch, immediate,
  // indirect, execute and write-back sequence.
  static constexpr uint64_t kMaxStepsPerInstruction = 5 * McromEntry::kMaxMicroInstructions;

  Engine(Machine& machine, ProcessorState& state, ProcessorDisplay& display);

  // The terminal whose services the instruction word 0xFF10 performs.
  void SetTerminal(Terminal* terminal) { terminal_ = terminal; }
  // Who hears of clocks, terminal services and restarts (nullptr: nobody).
  // It hears of clocks starting only once the instruction count has reached
  // the mark it sets with ObserveFrom (at first 0), so that the Go path
  // pays for no call it does not need.
  void SetObserver(ExecutionObserver* observer) { observer_ = observer; }
  void ObserveFrom(uint64_t instructions) { observeFrom_ = instructions; }
  // The watches that every memory read of a clock is noted in (nullptr:
  // none, which keeps the reads free of any test).
  void SetReadWatches(WatchList* watches) { readWatches_ = watches; }

  void ReadPhase();
  void WritePhase();
  // One clock; nothing while halted or aborted.
  void Step();
  // Clocks until an instruction ends or the run is aborted, with the
  // step-by-step display off (the Instruction and Go path).
  void RunToInstructionEnd();

  // Enters Fetch with the display on, starts the fetch sequence and loads
  // its first micro-instruction (the end of a Reset).
  void RestartFetch();

  // Takes up the running sequence where the state says it stands, after the
  // state was set from outside (a step back in the history).
  void Resume();

 private:
  // A micro-instruction after operand substitution, with what a clock needs
  // of it worked out once: the bus source, the destinations, the memory side.
  struct MicroPlan {
    MicroInstruction mi;
    uint16_t destinations = 0;  // bit per Reg
    int8_t source = -1;         // Reg driving the bus, -1 for none
    uint8_t alu = 0;
    uint8_t memory = 0;  // kToBuffer | kFromBuffer | kRead | kWrite
  };
  // The plans of one entry for one pair of operand registers, and the
  // micro-code generation (+1) they were made from.
  struct PlanBlock {
    uint64_t stamp = 0;
    std::array<MicroPlan, McromEntry::kMaxMicroInstructions> plans;
  };
  enum : uint8_t { kToBuffer = 1, kFromBuffer = 2, kRead = 4, kWrite = 8 };
  // Loaded by an empty sequence: does nothing.
  static const MicroPlan kNothing;

  static MicroPlan Compile(MicroInstruction raw, Operand op1, Operand op2);
  PlanBlock& BlockFor(int entry);
  void Fill(PlanBlock& block, int entry);
  uint64_t Stamp() const { return machine_.mcrom.Generation() + 1; }

  void ReadHalf(const MicroPlan& plan);
  void WriteHalf(const MicroPlan& plan, bool flagUpdate);
  bool FlagUpdate() const;
  void Sequencer();
  bool FinishSequence();
  void StartSequence(int entry);
  void LoadNext();
  void EnterPhase(Phase phase, bool showAlways = false);
  void ShowPhase(Phase phase, bool showAlways);
  bool EnterExecute();
  // The halt opcodes 0x00 (with its message) and 0x6F, found at Decode.
  void Halt(uint8_t opcode);
  void NoteClocksStarting();
  void EndServiceClock();

  Machine& machine_;
  ProcessorState& state_;
  ProcessorDisplay& display_;
  Terminal* terminal_ = nullptr;
  ExecutionObserver* observer_ = nullptr;
  uint64_t observeFrom_ = 0;
  WatchList* readWatches_ = nullptr;
  bool serviceEnded_ = false;  // the running clock performed a terminal service
  std::vector<PlanBlock> blocks_;
  PlanBlock* block_;          // of the running sequence
  const MicroPlan* current_;  // the loaded micro-instruction
};

}  // namespace tav2
