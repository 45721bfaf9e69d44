#include "core/grading/textreport.h"

#include <algorithm>

#include "core/grading/casefile.h"
#include "core/grading/shown.h"
#include "core/util/formatted.h"

namespace tav2 {

std::string TextReport::Program(const CaseFile& cases, const ProgramResult& result) {
  std::string text =
      Formatted("%s: %s of %s points, %zu of %zu cases passed\n", Shown::Line(result.program).c_str(),
                Shown::Points(result.Points()).c_str(), Shown::Points(result.MaxPoints()).c_str(),
                result.Passed(), result.cases.size());
  if (!result.buildErrors.empty()) {
    text += "  build errors:\n";
    for (const std::string& error : result.buildErrors) text += "    " + Shown::Line(error) + "\n";
  }
  for (const CaseResult& caseResult : result.cases) {
    const std::string name = Shown::Line(cases.cases[caseResult.caseIndex].name);
    if (caseResult.passed) {
      text += "  passed  " + name + "\n";
      continue;
    }
    text += "  FAILED  " + name + ": " + Shown::Line(caseResult.message) + "\n";
    if (!caseResult.expected.empty() || !caseResult.actual.empty()) {
      text += "            expected: " + Shown::Line(caseResult.expected) + "\n";
      text += "            actual:   " + Shown::Line(caseResult.actual) + "\n";
    }
  }
  return text;
}

std::string TextReport::Summary(const std::vector<ProgramResult>& results) {
  double points = 0;
  double maxPoints = 0;
  for (const ProgramResult& result : results) {
    points += result.Points();
    maxPoints += result.MaxPoints();
  }
  const auto passed = static_cast<std::size_t>(std::count_if(
      results.begin(), results.end(), [](const ProgramResult& result) { return result.AllPassed(); }));
  return Formatted("%zu %s: %zu passed every case, %zu did not; %s of %s points in all\n", results.size(),
                   results.size() == 1 ? "program" : "programs", passed, results.size() - passed,
                   Shown::Points(points).c_str(), Shown::Points(maxPoints).c_str());
}

}  // namespace tav2
