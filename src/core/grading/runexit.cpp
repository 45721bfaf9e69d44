#include "core/grading/runexit.h"

namespace tav2 {

namespace {
constexpr RunExit kExpectable[] = {RunExit::Halted, RunExit::UnknownOperation, RunExit::StepLimit,
                                   RunExit::InputEnded};
}  // namespace

std::string_view RunExitName(RunExit exit) {
  switch (exit) {
    case RunExit::Halted: return "halted";
    case RunExit::UnknownOperation: return "unknown-operation";
    case RunExit::StepLimit: return "step-limit";
    case RunExit::InputEnded: return "input-ended";
    case RunExit::OutputLimit: return "output-limit";
    case RunExit::TimeLimit: return "time-limit";
  }
  return {};
}

std::optional<RunExit> ExpectableRunExit(std::string_view name) {
  for (RunExit exit : kExpectable) {
    if (RunExitName(exit) == name) return exit;
  }
  return std::nullopt;
}

std::string_view ExpectableRunExitNames() { return "halted, unknown-operation, step-limit, input-ended"; }

}  // namespace tav2
