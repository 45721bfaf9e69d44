#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/grading/runexit.h"
#include "core/sim/processorstate.h"

namespace tav2 {

struct CaseRun;
struct Machine;
struct TestCase;

// The grade of one case for one program: passed or not, the points, the
// first difference from what the case expects, and what the run did.
struct CaseResult {
  // Reports keep this much of a run's output (the check used all of it).
  static constexpr std::size_t kReportedOutput = 16 * 1024;

  std::size_t caseIndex = 0;  // in the case file
  bool passed = false;
  double points = 0;
  double maxPoints = 0;
  // The first difference: what differs, and what was expected and found
  // there, as texts a report shows as they are. Empty when passed.
  std::string message;
  std::string expected;
  std::string actual;

  // What the run did; nothing ran when the program did not build.
  bool ran = false;
  RunExit exit = RunExit::Halted;
  std::string output;  // its first kReportedOutput bytes
  std::size_t outputBytes = 0;
  std::array<uint16_t, kRegisterCount> registers{};
  std::vector<std::vector<uint16_t>> memory;  // at the case's memory expectations, in order
  uint64_t instructions = 0;
  uint64_t microSteps = 0;

  // Checks a run (`machine` holds its memory) against the case.
  static CaseResult Of(const TestCase& testCase, std::size_t caseIndex, const CaseRun& run,
                       const Machine& machine);
  // A case of a program that did not build.
  static CaseResult NotBuilt(const TestCase& testCase, std::size_t caseIndex);
};

}  // namespace tav2
