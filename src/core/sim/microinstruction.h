#pragma once
#include <cstdint>

namespace tav2 {

// One micro-instruction: LO holds the register, memory and ALU bits, HI the
// SR and operand bits (bits 0-5).
struct MicroInstruction {
  uint32_t lo = 0;
  uint32_t hi = 0;

  int AluCode() const { return static_cast<int>(lo >> 26); }
  bool Lo(int bit) const { return (lo >> bit) & 1u; }
  bool Hi(int bit) const { return (hi >> bit) & 1u; }
  bool operator==(const MicroInstruction&) const = default;
};

// Bit numbers of the LO word that are not register read/write pairs.
namespace lo_bit {
constexpr int kMdrToBuffer = 20;    // MemDataBuffer := MDR
constexpr int kMdrFromBuffer = 21;  // MDR := MemDataBuffer
constexpr int kMemRead = 24;        // MemDataBuffer := memory[latch]
constexpr int kMemWrite = 25;       // memory[latch] := MemDataBuffer
constexpr int kAluShift = 26;
}  // namespace lo_bit

}  // namespace tav2
