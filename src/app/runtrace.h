#pragma once
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "clioptions.h"
#include "core/grading/clocktrace.h"
#include "core/grading/instructiontrace.h"
#include "core/grading/tracingdisplay.h"

namespace tav2 {

struct Machine;
struct ProcessorState;
class RunControl;

// The traces `run` writes when asked for: the files, the display that feeds
// them, and the run clock by clock when the micro-steps are traced.
class RunTrace {
 public:
  explicit RunTrace(ProcessorDisplay& inner) : inner_(inner), tracing_(inner) {}

  // Creates the trace files the options name; the one that cannot be
  // created, when one cannot.
  std::optional<std::string> Create(const CliOptions& options);
  // The display to run the processor with.
  ProcessorDisplay& Display() { return Active() ? tracing_ : inner_; }
  // The run begins, after its Reset.
  void Start(const Machine& machine, const ProcessorState& state);
  // Runs until `stopped` says the run is over (it is asked at instruction
  // ends): clock by clock, as a run whose micro-steps are traced goes.
  void RunByClocks(RunControl& control, ProcessorState& state, const std::function<bool()>& stopped);
  bool ByClocks() const { return clocks_ != nullptr; }
  // Writes the rest of the traces; the file that could not be written, if any.
  std::optional<std::string> Finish();

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using File = std::unique_ptr<std::FILE, FileCloser>;

  bool Active() const { return instructionFile_ || clockFile_; }

  ProcessorDisplay& inner_;
  TracingDisplay tracing_;
  std::string instructionName_;
  std::string clockName_;
  File instructionFile_;
  File clockFile_;
  std::unique_ptr<InstructionTrace> instructions_;
  std::unique_ptr<ClockTrace> clocks_;
};

}  // namespace tav2
