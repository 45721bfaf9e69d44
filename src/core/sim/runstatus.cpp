#include "core/sim/runstatus.h"

#include "core/util/formatted.h"

namespace tav2 {

namespace {
std::string Counted(uint64_t count, const char* what) {
  return Formatted("%llu %s%s", static_cast<unsigned long long>(count), what, count == 1 ? "" : "s");
}
}  // namespace

double RunStatus::StepsPerInstruction() const {
  return instructions > 0 ? static_cast<double>(microSteps) / static_cast<double>(instructions) : 0.0;
}

std::string RunStatus::StateText() const {
  switch (state) {
    case RunState::Ready: return "Ready";
    case RunState::Running: return "Running";
    case RunState::WaitingForInput: return "Waiting for input";
    case RunState::StoppedAtBreakpoint:
      return line > 0 ? Formatted("Stopped at breakpoint (line %d)", line)
                      : Formatted("Stopped at breakpoint (%04X)", address);
    case RunState::StoppedByWatch:
      return Formatted("Stopped by watch (%04X %s)", address, written ? "written" : "read");
    case RunState::Halted: return "Halted (HALT)";
    case RunState::HaltedUnknownOperation: return "Halted (unknown operation 0x00)";
  }
  return {};
}

std::string RunStatus::CountersText() const {
  std::string text = Counted(instructions, "instruction") + ", " + Counted(microSteps, "micro-step");
  if (instructions > 0) {
    text += Formatted(", %.2f micro-steps per instruction", StepsPerInstruction());
  }
  return text;
}

std::string RunStatus::ShortCountersText() const {
  std::string text =
      Formatted("%llu instr, ", static_cast<unsigned long long>(instructions)) + Counted(microSteps, "step");
  if (instructions > 0) text += Formatted(", %.2f/instr", StepsPerInstruction());
  return text;
}

std::string RunStatus::Text() const { return StateText() + "  " + CountersText(); }

}  // namespace tav2
