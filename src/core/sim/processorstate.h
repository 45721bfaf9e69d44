#pragma once
#include <array>
#include <cstdint>

#include "core/sim/decodedinstruction.h"
#include "core/sim/mcrom.h"
#include "core/sim/microinstruction.h"

namespace tav2 {

// The twelve registers, numbered in the order in which a write half loads
// them from the bus.
enum class Reg : uint8_t { R1, R2, T1, A, B, C, PC, SP, IR, MDR, SR, MAR };
constexpr int kRegisterCount = 12;

// Sequencer phases; Decode is passed through within one step.
enum class Phase : uint8_t {
  None = 0,
  Fetch = 1,
  Immediate = 2,
  Decode = 3,
  Indirect = 4,
  Execute = 5,
  WriteBack = 6
};

// Status register bits and the masks that clear them (a clear also wipes
// bits 5-15).
namespace sr {
constexpr uint16_t kC = 0x01, kV = 0x02, kZ = 0x04, kN = 0x08, kI = 0x10;
constexpr uint16_t kClearC = 0x1E, kClearV = 0x1D, kClearZ = 0x1B, kClearN = 0x17, kClearI = 0x0F;
}  // namespace sr

// The register file, datapath latches, sequencer state and control flags of
// the processor.
struct ProcessorState {
  std::array<uint16_t, kRegisterCount> reg{};

  // Datapath latches.
  uint16_t bus = 0;
  uint16_t memAddressLatch = 0;
  uint16_t memDataBuffer = 0;
  uint8_t aluFunction = 0;
  bool conditionFailed = false;

  // Sequencer.
  Phase phase = Phase::None;
  int entry = Mcrom::kFetchSequence;  // the running McromEntry
  int nextIndex = 0;                  // next micro-instruction of it
  int remaining = 0;                  // micro-instructions still to run
  MicroInstruction loaded;            // executed by the next clock
  DecodedInstruction decoded;

  // Control flags.
  bool running = false;
  bool haltRequest = false;
  bool instructionDone = false;
  bool abort = false;
  bool showSteps = false;

  // Counters for statistics.
  uint64_t microSteps = 0;
  uint64_t instructions = 0;

  uint16_t& operator[](Reg r) { return reg[static_cast<std::size_t>(r)]; }
  uint16_t operator[](Reg r) const { return reg[static_cast<std::size_t>(r)]; }
  bool Flag(uint16_t bit) const { return (reg[static_cast<std::size_t>(Reg::SR)] & bit) != 0; }
  // Between two instructions: the fetch sequence has not begun.
  bool AtInstructionStart() const { return phase == Phase::Fetch && nextIndex == 0; }

  bool operator==(const ProcessorState&) const = default;
};

}  // namespace tav2
