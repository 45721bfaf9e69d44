#pragma once
// Makes one step of the checked file writes fail while it lives, as a full
// disk, a failing device or a vanished directory would.
#include <filesystem>
#include <string>
#include <utility>

#include "core/util/atomicfilewriter.h"

namespace tav2::test {

class WriteFault : public AtomicFileWriter::FaultHook {
 public:
  // `step` fails with `error` for each file whose name ends in `nameEnding`
  // (every file when it is empty).
  WriteFault(AtomicFileWriter::Step step, int error, std::string nameEnding = {})
      : step_(step), error_(error), nameEnding_(std::move(nameEnding)) {
    AtomicFileWriter::InstallFaultHook(this);
  }
  ~WriteFault() override { AtomicFileWriter::InstallFaultHook(nullptr); }
  WriteFault(const WriteFault&) = delete;
  WriteFault& operator=(const WriteFault&) = delete;

  int ErrorFor(AtomicFileWriter::Step step, const std::filesystem::path& file) override {
    if (step != step_ || !file.string().ends_with(nameEnding_)) return 0;
    ++failures_;
    return error_;
  }
  // How many steps were made to fail.
  int Failures() const { return failures_; }

 private:
  AtomicFileWriter::Step step_;
  int error_;
  std::string nameEnding_;
  int failures_ = 0;
};

}  // namespace tav2::test
