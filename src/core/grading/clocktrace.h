#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/sim/processorstate.h"

namespace tav2 {

struct Machine;
class RunControl;

// The trace of a run clock by clock, one JSON object per micro-step (JSON
// Lines): its number, the instruction it belongs to, the phase and
// sequence, the micro-instruction's text, the register driving the bus and
// its value, the registers loaded from it, and the memory word read or
// written, such as
//   {"n":1,"instruction":1,"phase":"fetch","sequence":"Fetch","text":"MAR:=PC; ",
//    "source":"PC","bus":"0000","destinations":["MAR"]}
class ClockTrace {
 public:
  ClockTrace(std::FILE* out, const Machine& machine, const ProcessorState& state)
      : out_(out), machine_(machine), state_(state) {}

  // A clock begins: the loaded micro-instruction is the one it executes.
  void ClockStarts();
  void Source(Reg reg) { source_ = reg; }
  void Destination(Reg reg) { destinations_.push_back(reg); }
  void MemoryRead(uint16_t address) { read_ = address; }
  void WordWritten(uint16_t address);
  // The clock ended: its line is written.
  void ClockEnded();
  void InstructionEnded() { ++instructions_; }
  // False when writing the trace failed.
  bool Finish();

  // Runs the processor instruction by instruction as Go does, but each
  // clock with the display on, so that a display feeding this trace sees
  // its bus source and destinations; until `stopped` (asked before every
  // instruction) says the run is over or the run is aborted.
  void Run(RunControl& control, ProcessorState& state, const std::function<bool()>& stopped);

 private:
  std::FILE* out_;
  const Machine& machine_;
  const ProcessorState& state_;
  bool failed_ = false;
  uint64_t instructions_ = 0;
  uint64_t instruction_ = 0;  // of the running clock
  Phase phase_ = Phase::None;
  std::string sequence_;
  std::string text_;
  std::optional<Reg> source_;
  std::vector<Reg> destinations_;
  std::optional<uint16_t> read_;
  std::optional<std::pair<uint16_t, uint16_t>> written_;
};

}  // namespace tav2
