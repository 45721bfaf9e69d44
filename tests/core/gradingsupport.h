#pragma once
// Helpers for the grading tests: the default instruction set, and programs
// and a home directory in a temporary directory.
#include <filesystem>
#include <string>

#include "core/grading/casefile.h"
#include "core/grading/programresult.h"
#include "core/sim/mcrom.h"
#include "support/tempdir.h"

namespace tav2::test {

// The ROM of data/microdefs.mca, loaded once.
const Mcrom& DefaultRom();

// A temporary place with a home directory (home/include/) and programs.
class GradingPlace {
 public:
  GradingPlace();

  const TempDir& Dir() const { return dir_; }
  const std::filesystem::path& Home() const { return home_; }
  // Writes a program whose assembler text is `body` (between ## markers).
  std::string Program(const std::string& name, const std::string& body) const;
  // Grades `program` against the case file text `cases`.
  ProgramResult Grade(const std::string& cases, const std::string& program, bool confineIncludes = true);

 private:
  TempDir dir_;
  std::filesystem::path home_;
  CaseFile cases_;
};

}  // namespace tav2::test
