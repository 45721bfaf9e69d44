#include "core/grading/jsonreport.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "core/grading/casefile.h"
#include "core/grading/registerorder.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

using Json = nlohmann::ordered_json;

Json Points(double points) {
  if (points == std::floor(points) && std::fabs(points) < 1e15) return static_cast<int64_t>(points);
  return points;
}

std::string Word(uint16_t value) { return Formatted("%04X", value); }

Json Words(const std::vector<uint16_t>& words) {
  Json list = Json::array();
  for (uint16_t word : words) list.push_back(Word(word));
  return list;
}

Json Expected(const TestCase& testCase) {
  Json expected = Json::object();
  expected["exit"] = RunExitName(testCase.exit);
  if (testCase.output) expected["output"] = *testCase.output;
  if (!testCase.outputContains.empty()) expected["output_contains"] = testCase.outputContains;
  if (!testCase.registers.empty()) {
    Json& registers = expected["registers"] = Json::object();
    for (const TestCase::RegisterValue& value : testCase.registers) {
      registers[std::string(RegisterName(value.reg))] = Word(value.value);
    }
  }
  if (!testCase.memory.empty()) {
    Json& memory = expected["memory"] = Json::object();
    for (const TestCase::MemoryWords& block : testCase.memory)
      memory[Word(block.address)] = Words(block.words);
  }
  if (testCase.maxInstructions) expected["max_instructions"] = *testCase.maxInstructions;
  return expected;
}

Json Actual(const TestCase& testCase, const CaseResult& result) {
  if (!result.ran) return nullptr;
  Json actual = Json::object();
  actual["exit"] = RunExitName(result.exit);
  actual["output"] = result.output;
  actual["output_bytes"] = result.outputBytes;
  Json& registers = actual["registers"] = Json::object();
  for (const NamedRegister& named : kRegisterOrder) {
    registers[std::string(named.name)] = Word(result.registers[static_cast<std::size_t>(named.reg)]);
  }
  if (!testCase.memory.empty()) {
    Json& memory = actual["memory"] = Json::object();
    for (std::size_t i = 0; i < testCase.memory.size(); ++i) {
      memory[Word(testCase.memory[i].address)] = Words(result.memory[i]);
    }
  }
  return actual;
}

Json Case(const TestCase& testCase, const CaseResult& result) {
  Json json = Json::object();
  json["name"] = testCase.name;
  json["passed"] = result.passed;
  json["points"] = Points(result.points);
  json["max_points"] = Points(result.maxPoints);
  json["expected"] = Expected(testCase);
  json["actual"] = Actual(testCase, result);
  json["instructions"] = result.instructions;
  json["micro_steps"] = result.microSteps;
  if (result.passed) {
    json["difference"] = nullptr;
  } else {
    json["difference"] = {
        {"message", result.message}, {"expected", result.expected}, {"actual", result.actual}};
  }
  return json;
}

Json Program(const CaseFile& cases, const ProgramResult& result) {
  Json json = Json::object();
  json["program"] = result.program;
  json["points"] = Points(result.Points());
  json["max_points"] = Points(result.MaxPoints());
  json["passed"] = result.Passed();
  json["failed"] = result.Failed();
  json["build_errors"] = result.buildErrors;
  Json& list = json["cases"] = Json::array();
  for (const CaseResult& caseResult : result.cases)
    list.push_back(Case(cases.cases[caseResult.caseIndex], caseResult));
  return json;
}

}  // namespace

std::string JsonReport::Text(const CaseFile& cases, const std::vector<ProgramResult>& results) {
  Json report = Json::object();
  report["case_file"] = cases.fileName;
  Json& programs = report["programs"] = Json::array();
  double points = 0;
  double maxPoints = 0;
  std::size_t passed = 0;
  for (const ProgramResult& result : results) {
    programs.push_back(Program(cases, result));
    points += result.Points();
    maxPoints += result.MaxPoints();
    if (result.AllPassed()) ++passed;
  }
  report["summary"] = {{"programs", results.size()},
                       {"passed", passed},
                       {"failed", results.size() - passed},
                       {"points", Points(points)},
                       {"max_points", Points(maxPoints)}};
  return report.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tav2
