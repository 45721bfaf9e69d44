#pragma once
#include <cstdint>

namespace tav2 {

// Why the last command of the debugger stopped where it did.
enum class StopKind : uint8_t {
  None,              // nothing stopped it early (or nothing has run)
  Finished,          // a step over or run to an address reached its goal
  HaltRequested,     // Halt was pressed
  Halted,            // the halt opcode 0x6F
  UnknownOperation,  // the opcode 0x00
  Breakpoint,        // PC reached a breakpoint
  Watch,             // a watched word was read or written
  InputEnded,        // the input ended while the program waited for a key
  StepLimit,         // the run's limit of micro-steps was reached
  Reset,             // Reset ended the run
};

struct StopReason {
  StopKind kind = StopKind::None;
  uint16_t address = 0;  // Breakpoint: PC; Watch: the watched word
  bool written = false;  // Watch: written (or read)
  bool operator==(const StopReason&) const = default;
};

}  // namespace tav2
