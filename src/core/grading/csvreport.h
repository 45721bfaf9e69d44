#pragma once
#include <string>
#include <vector>

#include "core/grading/programresult.h"

namespace tav2 {

// A grading as CSV: a header line, then one line per program with
// program,points,max_points,passed,failed (a program name with a comma,
// quote or line end in double quotes).
class CsvReport {
 public:
  static std::string Text(const std::vector<ProgramResult>& results);
};

}  // namespace tav2
