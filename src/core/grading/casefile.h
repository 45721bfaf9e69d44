#pragma once
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/grading/testcase.h"

namespace tav2 {

// Why a case file could not be used: it cannot be read, or it is not a
// valid case file. The message names the file, and the line and column
// where there is one.
class CaseFileError : public std::runtime_error {
 public:
  enum class Kind { Unreadable, Invalid };

  CaseFileError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind Cause() const { return kind_; }

 private:
  Kind kind_;
};

// A TOML case file: the micro-code the programs are built against and the
// cases each program is run and checked with.
struct CaseFile {
  // The keys a case file may hold at its top, and in a case.
  static constexpr std::string_view kFileKeys[] = {"microcode", "max_steps", "max_output", "max_seconds",
                                                   "case"};
  static constexpr std::string_view kCaseKeys[] = {
      "name",  "input",     "points",     "output",           "output_contains",
      "exit",  "registers", "memory",     "max_instructions", "max_steps",
      "start", "sp",        "max_output", "max_seconds"};

  std::string fileName;  // as it was named
  // Resolved against the case file's directory; the home directory's
  // start-up micro-code when the file names none.
  std::optional<std::filesystem::path> microcode;
  std::vector<TestCase> cases;

  // Reads and checks a case file; throws CaseFileError.
  static CaseFile Read(const std::string& fileName);
  // Checks the text of a case file named `fileName`; throws CaseFileError.
  static CaseFile Parse(std::string_view text, const std::string& fileName);
};

}  // namespace tav2
