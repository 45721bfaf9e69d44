#include "runtrace.h"

namespace tav2 {

std::optional<std::string> RunTrace::Create(const CliOptions& options) {
  if (options.trace) {
    instructionName_ = *options.trace;
    instructionFile_.reset(std::fopen(instructionName_.c_str(), "wb"));
    if (!instructionFile_) return instructionName_;
  }
  if (options.traceClocks) {
    clockName_ = *options.traceClocks;
    clockFile_.reset(std::fopen(clockName_.c_str(), "wb"));
    if (!clockFile_) return clockName_;
  }
  return std::nullopt;
}

void RunTrace::Start(const Machine& machine, const ProcessorState& state) {
  if (instructionFile_)
    instructions_ = std::make_unique<InstructionTrace>(instructionFile_.get(), machine, state);
  if (clockFile_) clocks_ = std::make_unique<ClockTrace>(clockFile_.get(), machine, state);
  tracing_.Start(instructions_.get(), clocks_.get());
}

void RunTrace::RunByClocks(RunControl& control, ProcessorState& state, const std::function<bool()>& stopped) {
  clocks_->Run(control, state, stopped);
}

std::optional<std::string> RunTrace::Finish() {
  if (instructions_ && !instructions_->Finish()) return instructionName_;
  if (clocks_ && !clocks_->Finish()) return clockName_;
  if (instructionFile_ && std::fclose(instructionFile_.release()) != 0) return instructionName_;
  if (clockFile_ && std::fclose(clockFile_.release()) != 0) return clockName_;
  return std::nullopt;
}

}  // namespace tav2
