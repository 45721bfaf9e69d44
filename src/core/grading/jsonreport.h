#pragma once
#include <string>
#include <vector>

#include "core/grading/programresult.h"

namespace tav2 {

struct CaseFile;

// The full result of a grading as JSON: per program its points and build
// errors, per case whether it passed, its points, what was expected, what
// the run did, and its first difference. Texts a program wrote are handed
// to the JSON library as bytes; bytes that are not UTF-8 come out as
// U+FFFD, control characters as \u escapes.
class JsonReport {
 public:
  static std::string Text(const CaseFile& cases, const std::vector<ProgramResult>& results);
};

}  // namespace tav2
