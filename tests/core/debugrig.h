#pragma once
// A machine with the default instruction set (or an example's own
// micro-code), a program assembled from a source, and a debugger over a
// processor whose terminal reads scripted keys; and a snapshot of the whole
// machine to compare with after going back.
#include <memory>
#include <string>
#include <vector>

#include "core/sim/debugger.h"
#include "core/sim/keyreplaydevice.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"
#include "core/sim/terminal.h"
#include "support/simsupport.h"

namespace tav2::test {

// Everything a step back restores.
struct MachineSnapshot {
  ProcessorState state;
  bool halted = false;
  MainMemory memory;
  ScreenGrid grid;
};

// The first difference between two snapshots, as text; empty when none.
// The run control's flags (running, halt request, abort, show steps) are
// not the machine's and are left out.
std::string Difference(const MachineSnapshot& expected, const MachineSnapshot& actual);

struct DebugRig {
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  RecordingDisplay display;
  std::unique_ptr<Processor> processor;
  ScreenGrid grid;
  ScriptedDevice device;
  KeyReplayDevice keys{device, grid};
  Terminal terminal{grid, keys};
  std::unique_ptr<Debugger> debugger;

  // Loads the micro-code of data/`microcode` (the default instruction set
  // when empty), then assembles `source` (a text with its "##" markers)
  // and resets. Build errors fail the test.
  explicit DebugRig(const std::string& source, const std::string& microcode = "");

  ProcessorState& State() { return processor->State(); }
  uint16_t Reg(tav2::Reg r) { return processor->State()[r]; }
  MachineSnapshot Snapshot() const;
  // Keys for the read services, a line end as 13.
  void Type(const std::string& text);
};

// A file of data/, read whole.
std::string DataFile(const std::string& name);
// "##\nbegin <body>\n##\n": a program in the default instruction set.
std::string Program(const std::string& body);

}  // namespace tav2::test
