#pragma once
#include <cstdint>
#include <string>

namespace tav2 {

// The processor's state as the status line shows it.
enum class RunState : uint8_t {
  Ready,
  Running,
  WaitingForInput,
  StoppedAtBreakpoint,
  StoppedByWatch,
  Halted,                  // by HALT
  HaltedUnknownOperation,  // by the opcode 0x00
};

// What the status line shows: the state with its details, and the counters
// since Reset.
struct RunStatus {
  RunState state = RunState::Ready;
  int line = 0;          // StoppedAtBreakpoint: the source line (0: not known)
  uint16_t address = 0;  // StoppedAtBreakpoint: PC; StoppedByWatch: the watched word
  bool written = false;  // StoppedByWatch: written (or read)
  uint64_t instructions = 0;
  uint64_t microSteps = 0;

  bool operator==(const RunStatus&) const = default;

  // 0 before the first instruction has ended.
  double StepsPerInstruction() const;

  // "Ready", "Running", "Waiting for input", "Stopped at breakpoint (line
  // 12)", "Stopped by watch (0100 written)", "Halted (HALT)", "Halted
  // (unknown operation 0x00)".
  std::string StateText() const;
  // "12 instructions, 345 micro-steps, 28.75 micro-steps per instruction"
  // (without the last part before the first instruction has ended).
  std::string CountersText() const;
  // The same in short, for the processor window's narrow field: "12 instr,
  // 345 steps, 28.75/instr".
  std::string ShortCountersText() const;
  // Both, as one line: the state, two spaces, the counters.
  std::string Text() const;
};

}  // namespace tav2
