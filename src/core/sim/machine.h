#pragma once
#include <cstdint>

#include "core/sim/breakpointlist.h"
#include "core/sim/linemap.h"
#include "core/sim/mainmemory.h"
#include "core/sim/mcrom.h"
#include "core/sim/programlabels.h"

namespace tav2 {

// The process-wide machine: memory, micro-code ROM and the tables the
// assembler hands to the processor. It outlives any processor window.
struct Machine {
  MainMemory memory;
  Mcrom mcrom;
  bool halted = false;
  BreakpointList breakpoints;
  LineMap lineMap;
  ProgramLabels labels;  // of the program loaded last
  uint16_t startAddress = 0;
  uint16_t defaultStackPointer = 0x7FFF;
};

}  // namespace tav2
