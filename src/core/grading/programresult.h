#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/grading/caseresult.h"

namespace tav2 {

// The grade of one program: its build errors (when it did not build) and
// the result of every case, in the order of the case file.
struct ProgramResult {
  std::string program;  // as it was named
  std::vector<std::string> buildErrors;
  std::vector<CaseResult> cases;

  double Points() const;
  double MaxPoints() const;
  std::size_t Passed() const;
  std::size_t Failed() const { return cases.size() - Passed(); }
  // It built and passed every case.
  bool AllPassed() const { return buildErrors.empty() && Failed() == 0; }
};

}  // namespace tav2
