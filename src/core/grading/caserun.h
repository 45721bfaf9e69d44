#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/grading/runexit.h"
#include "core/sim/machine.h"
#include "core/sim/processorstate.h"

namespace tav2 {

struct TestCase;

// What one run of a case did: how it ended, what it wrote, the registers at
// its end and its counts. The machine holds its memory afterwards.
struct CaseRun {
  RunExit exit = RunExit::Halted;
  std::string output;
  std::array<uint16_t, kRegisterCount> registers{};
  uint64_t instructions = 0;
  uint64_t microSteps = 0;

  // Resets the processor on `machine` (built and loaded) and runs it as the
  // headless runner does, with the case's input, stack pointer and limits.
  // The run goes in slices; between them a steady clock is looked at, so
  // the wall-clock limit holds whatever the program does.
  static CaseRun Of(Machine& machine, const TestCase& testCase);
};

}  // namespace tav2
