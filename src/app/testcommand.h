#pragma once
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "clioptions.h"

namespace tav2 {

class Mcrom;
struct CaseFile;

// `tav2-cli test`: grades programs against a case file, prints the readable
// report and writes the JUnit, JSON and CSV reports asked for.
class TestCommand {
 public:
  TestCommand(std::filesystem::path homeDir, std::FILE* out, std::FILE* err)
      : homeDir_(std::move(homeDir)), out_(out), err_(err) {}

  // The exit status: 0 when every case of every program passed, 1 when any
  // failed, 64 for a case file that is not valid, 66 for one that cannot
  // be read, 73 for a report that cannot be written.
  int Run(const CliOptions& options);

 private:
  // Loads the case file's micro-code (or the start-up file); the exit
  // status when that failed.
  std::optional<int> LoadMicrocode(const CaseFile& cases, Mcrom& rom);
  bool WriteReport(const std::optional<std::string>& file, const std::string& text);

  std::filesystem::path homeDir_;
  std::FILE* out_;
  std::FILE* err_;
};

}  // namespace tav2
