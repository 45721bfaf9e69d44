#include "core/grading/programresult.h"

#include <algorithm>

namespace tav2 {

double ProgramResult::Points() const {
  double points = 0;
  for (const CaseResult& result : cases) points += result.points;
  return points;
}

double ProgramResult::MaxPoints() const {
  double points = 0;
  for (const CaseResult& result : cases) points += result.maxPoints;
  return points;
}

std::size_t ProgramResult::Passed() const {
  return static_cast<std::size_t>(
      std::count_if(cases.begin(), cases.end(), [](const CaseResult& result) { return result.passed; }));
}

}  // namespace tav2
