#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/grading/casefile.h"
#include "core/grading/programresult.h"
#include "core/sim/mcrom.h"

namespace tav2 {

struct Machine;

// Grades programs against the cases of a case file. Each program gets a
// machine and translator of its own, built from a copy of the micro-code,
// so programs may be graded on several threads at once.
class ProgramGrader {
 public:
  // `microcode`: the ROM the programs are assembled against; `homeDir`
  // holds the include/ of <...> includes. With `confineIncludes` a program
  // may include only files inside its own directory or include/, and may
  // not itself lead out of its directory by a symbolic link.
  ProgramGrader(const CaseFile& cases, const Mcrom& microcode, std::filesystem::path homeDir,
                bool confineIncludes)
      : cases_(cases),
        microcode_(microcode),
        homeDir_(std::move(homeDir)),
        confineIncludes_(confineIncludes) {}

  ProgramResult Grade(const std::string& program) const;

 private:
  // A program assembled and loaded for one start address, or its errors.
  struct Build {
    std::optional<uint16_t> start;
    std::unique_ptr<Machine> machine;
    std::vector<std::string> errors;
  };

  std::vector<std::string> ReadSource(const std::string& program, std::string& source) const;
  Build Assemble(const std::string& program, const std::string& source, std::optional<uint16_t> start) const;

  const CaseFile& cases_;
  const Mcrom& microcode_;
  std::filesystem::path homeDir_;
  bool confineIncludes_;
};

}  // namespace tav2
