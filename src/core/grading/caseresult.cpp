#include "core/grading/caseresult.h"

#include <algorithm>
#include <optional>

#include "core/grading/caserun.h"
#include "core/grading/registerorder.h"
#include "core/grading/shown.h"
#include "core/grading/testcase.h"
#include "core/util/formatted.h"
#include "core/sim/machine.h"

namespace tav2 {

namespace {

// How much of a line or text a difference shows.
constexpr std::size_t kShownBytes = 200;
// How many characters before the first different one a long line keeps.
constexpr std::size_t kShownBefore = 60;

struct Difference {
  std::string message;
  std::string expected;
  std::string actual;
};

std::string Word(uint16_t value) { return Formatted("%04X", value); }

// Line `lineStart` of `text`, with its line end, from around `column`;
// "(end of output)" where the text has no more.
std::string ShownLine(const std::string& text, std::size_t lineStart, std::size_t column) {
  if (lineStart >= text.size()) return "(end of output)";
  const std::size_t lineEnd = text.find('\n', lineStart);
  const std::size_t end = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
  const std::size_t from = lineStart + (column > kShownBefore ? column - kShownBefore : 0);
  const std::string line = Shown::Quoted(std::string_view(text).substr(from, end - from), kShownBytes);
  return from > lineStart ? "..." + line : line;
}

std::optional<Difference> OutputDifference(const std::string& expected, const std::string& actual) {
  const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  if (e == expected.end() && a == actual.end()) return std::nullopt;
  const auto at = static_cast<std::size_t>(e - expected.begin());
  const std::size_t lineStart = at == 0 ? 0 : expected.rfind('\n', at - 1) + 1;
  const auto line = static_cast<std::size_t>(std::count(expected.begin(), e, '\n')) + 1;
  const std::size_t column = at - lineStart;
  return Difference{Formatted("output differs at line %zu, column %zu", line, column + 1),
                    ShownLine(expected, lineStart, column), ShownLine(actual, lineStart, column)};
}

std::optional<Difference> LimitDifference(const TestCase& testCase, const CaseRun& run) {
  if (run.exit == RunExit::OutputLimit) {
    return Difference{"output limit reached", Formatted("at most %zu bytes of output", testCase.maxOutput),
                      Formatted("more than %zu bytes", testCase.maxOutput)};
  }
  if (run.exit == RunExit::TimeLimit) {
    return Difference{"time limit reached", Formatted("at most %g seconds", testCase.maxSeconds),
                      Formatted("more than %g seconds", testCase.maxSeconds)};
  }
  return std::nullopt;
}

std::optional<Difference> ExitDifference(const TestCase& testCase, const CaseRun& run) {
  if (run.exit == testCase.exit) return std::nullopt;
  std::string actual(RunExitName(run.exit));
  if (run.exit == RunExit::StepLimit)
    actual += Formatted(" (after %llu micro-steps)", static_cast<unsigned long long>(run.microSteps));
  return Difference{"exit differs", std::string(RunExitName(testCase.exit)), actual};
}

std::optional<Difference> ContainsDifference(const TestCase& testCase, const CaseRun& run) {
  for (const std::string& text : testCase.outputContains) {
    if (run.output.find(text) != std::string::npos) continue;
    return Difference{"output does not contain " + Shown::Quoted(text, kShownBytes / 4),
                      Shown::Quoted(text, kShownBytes), Shown::Quoted(run.output, kShownBytes)};
  }
  return std::nullopt;
}

std::optional<Difference> RegisterDifference(const TestCase& testCase, const CaseRun& run) {
  for (const TestCase::RegisterValue& expected : testCase.registers) {
    const uint16_t actual = run.registers[static_cast<std::size_t>(expected.reg)];
    if (actual == expected.value) continue;
    return Difference{"register " + std::string(RegisterName(expected.reg)) + " differs",
                      Word(expected.value), Word(actual)};
  }
  return std::nullopt;
}

std::optional<Difference> MemoryDifference(const TestCase& testCase, const Machine& machine) {
  for (const TestCase::MemoryWords& block : testCase.memory) {
    for (std::size_t i = 0; i < block.words.size(); ++i) {
      const auto address = static_cast<uint16_t>(block.address + i);
      const uint16_t actual = machine.memory.Read(address);
      if (actual == block.words[i]) continue;
      return Difference{"memory at " + Word(address) + " differs", Word(block.words[i]), Word(actual)};
    }
  }
  return std::nullopt;
}

std::optional<Difference> InstructionsDifference(const TestCase& testCase, const CaseRun& run) {
  if (!testCase.maxInstructions || run.instructions <= *testCase.maxInstructions) return std::nullopt;
  return Difference{"too many instructions",
                    Formatted("at most %llu", static_cast<unsigned long long>(*testCase.maxInstructions)),
                    Formatted("%llu", static_cast<unsigned long long>(run.instructions))};
}

std::optional<Difference> FirstDifference(const TestCase& testCase, const CaseRun& run,
                                          const Machine& machine) {
  if (auto difference = LimitDifference(testCase, run)) return difference;
  if (auto difference = ExitDifference(testCase, run)) return difference;
  if (testCase.output) {
    if (auto difference = OutputDifference(*testCase.output, run.output)) return difference;
  }
  if (auto difference = ContainsDifference(testCase, run)) return difference;
  if (auto difference = RegisterDifference(testCase, run)) return difference;
  if (auto difference = MemoryDifference(testCase, machine)) return difference;
  return InstructionsDifference(testCase, run);
}

}  // namespace

CaseResult CaseResult::Of(const TestCase& testCase, std::size_t caseIndex, const CaseRun& run,
                          const Machine& machine) {
  CaseResult result;
  result.caseIndex = caseIndex;
  result.maxPoints = testCase.points;
  if (std::optional<Difference> difference = FirstDifference(testCase, run, machine)) {
    result.message = std::move(difference->message);
    result.expected = std::move(difference->expected);
    result.actual = std::move(difference->actual);
  } else {
    result.passed = true;
    result.points = testCase.points;
  }
  result.ran = true;
  result.exit = run.exit;
  result.output = run.output.substr(0, kReportedOutput);
  result.outputBytes = run.output.size();
  result.registers = run.registers;
  for (const TestCase::MemoryWords& block : testCase.memory) {
    std::vector<uint16_t>& words = result.memory.emplace_back();
    for (std::size_t i = 0; i < block.words.size(); ++i) {
      words.push_back(machine.memory.Read(static_cast<uint16_t>(block.address + i)));
    }
  }
  result.instructions = run.instructions;
  result.microSteps = run.microSteps;
  return result;
}

CaseResult CaseResult::NotBuilt(const TestCase& testCase, std::size_t caseIndex) {
  CaseResult result;
  result.caseIndex = caseIndex;
  result.maxPoints = testCase.points;
  result.message = "build failed";
  return result;
}

}  // namespace tav2
