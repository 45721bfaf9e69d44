#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/grading/programresult.h"

namespace tav2 {

class ProgramGrader;

// Grades many programs on several threads. Every program is graded on its
// own machine, so the results are the same for any number of threads.
class ParallelGrading {
 public:
  // Grades `programs` on `jobs` threads (at least one). `ready` is called on
  // the calling thread with each result in the order of `programs`, as soon
  // as it and all before it are done. Gives all results in that order.
  static std::vector<ProgramResult> Run(const ProgramGrader& grader, const std::vector<std::string>& programs,
                                        unsigned jobs,
                                        const std::function<void(const ProgramResult&)>& ready);
};

}  // namespace tav2
