#pragma once
#include <cstdint>
#include <vector>

#include "sim/machine.h"
#include "sim/processordisplay.h"
#include "sim/processorstate.h"

namespace tav2 {

class Terminal;

// Executes one micro-instruction per clock: the read half, the write half
// (with the ALU) and the sequencer that chains the fetch, immediate,
// indirect, execute and write-back sequences.
class Engine {
 public:
  Engine(Machine& machine, ProcessorState& state, ProcessorDisplay& display);

  // The terminal whose services the instruction word 0xFF10 performs.
  void SetTerminal(Terminal* terminal) { terminal_ = terminal; }

  void ReadPhase();
  void WritePhase();
  // One clock; nothing while halted or aborted.
  void Step();

  // Enters Fetch with the display on, starts the fetch sequence and loads
  // its first micro-instruction (the end of a Reset).
  void RestartFetch();

 private:
  // A loaded micro-instruction with what the clock needs of it worked out
  // once: the bus source, the destinations and the memory side.
  struct MicroPlan {
    MicroInstruction mi;
    uint16_t destinations = 0;  // bit per Reg
    int8_t source = -1;         // Reg driving the bus, -1 for none
    uint8_t alu = 0;
    uint8_t memory = 0;  // kToBuffer | kFromBuffer | kRead | kWrite
    uint64_t stamp = 0;  // Mcrom generation + 1 it was made from; 0 never
  };
  enum : uint8_t { kToBuffer = 1, kFromBuffer = 2, kRead = 4, kWrite = 8 };

  static MicroPlan Compile(MicroInstruction raw, Operand op1, Operand op2);
  const MicroPlan& PlanFor(int entry, int index);

  void Sequencer();
  bool FinishSequence();
  void StartSequence(int entry);
  void LoadNext();
  void EnterPhase(Phase phase, bool showAlways = false);
  bool EnterExecute();
  void HaltCheck();
  void ShowDestinations(const MicroPlan& plan);

  Machine& machine_;
  ProcessorState& state_;
  ProcessorDisplay& display_;
  Terminal* terminal_ = nullptr;
  std::vector<MicroPlan> plans_;
  const MicroPlan* current_;
};

}  // namespace tav2
