#pragma once
#include <string>
#include <vector>

#include "core/grading/programresult.h"

namespace tav2 {

struct CaseFile;

// The readable report of a grading: per program its points, its build
// errors and every case, a failed one with what was expected and found at
// its first difference; and a summary line.
class TextReport {
 public:
  static std::string Program(const CaseFile& cases, const ProgramResult& result);
  static std::string Summary(const std::vector<ProgramResult>& results);
};

}  // namespace tav2
