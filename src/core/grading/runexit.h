#pragma once
#include <optional>
#include <string_view>

namespace tav2 {

// How a graded run ended. A case file may expect the first four; the
// output and time limits always fail a case.
enum class RunExit { Halted, UnknownOperation, StepLimit, InputEnded, OutputLimit, TimeLimit };

// "halted", "unknown-operation", "step-limit", "input-ended", "output-limit", "time-limit".
std::string_view RunExitName(RunExit exit);
// The exit a case file names, when it is one a case may expect.
std::optional<RunExit> ExpectableRunExit(std::string_view name);
// The names a case file may use, for messages: "halted, unknown-operation, ...".
std::string_view ExpectableRunExitNames();

}  // namespace tav2
