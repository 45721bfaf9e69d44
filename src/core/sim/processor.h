#pragma once
#include "core/sim/engine.h"
#include "core/sim/machine.h"
#include "core/sim/processordisplay.h"
#include "core/sim/processorstate.h"
#include "core/sim/runcontrol.h"

namespace tav2 {

class Terminal;

// The processor of the processor window: its register file, engine and run
// control over the process-wide machine. Creating it does not Reset.
class Processor {
 public:
  Processor(Machine& machine, ProcessorDisplay& display, Terminal* terminal = nullptr)
      : engine_(machine, state_, display), control_(machine, state_, engine_, display) {
    engine_.SetTerminal(terminal);
    control_.SetTerminal(terminal);
  }
  Processor(const Processor&) = delete;
  Processor& operator=(const Processor&) = delete;

  ProcessorState& State() { return state_; }
  const ProcessorState& State() const { return state_; }
  Engine& StepEngine() { return engine_; }
  RunControl& Control() { return control_; }

 private:
  ProcessorState state_;
  Engine engine_;
  RunControl control_;
};

}  // namespace tav2
