#pragma once
#include <string>
#include <vector>

#include "core/grading/programresult.h"

namespace tav2 {

struct CaseFile;

// A grading as JUnit XML, as CI servers and course platforms read it: one
// testsuite per program (its points as properties), one testcase per case,
// a failure with its message and, for a failed case that ran, what the
// program wrote. Texts from a program pass through Shown (XML 1.0 cannot
// hold most control characters at all) and then the XML library's escaping.
class JunitReport {
 public:
  static std::string Text(const CaseFile& cases, const std::vector<ProgramResult>& results);
};

}  // namespace tav2
