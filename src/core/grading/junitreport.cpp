#include "core/grading/junitreport.h"

#include <sstream>

#include <pugixml.hpp>

#include "core/grading/casefile.h"
#include "core/grading/shown.h"

namespace tav2 {

namespace {

std::string FailureText(const ProgramResult& program, const CaseResult& result) {
  std::string text;
  if (!result.ran) {
    for (const std::string& error : program.buildErrors) text += error + "\n";
    return text;
  }
  return "expected: " + result.expected + "\nactual:   " + result.actual + "\n";
}

void AddProperty(pugi::xml_node properties, const char* name, const std::string& value) {
  pugi::xml_node property = properties.append_child("property");
  property.append_attribute("name") = name;
  property.append_attribute("value") = value.c_str();
}

void AddCase(pugi::xml_node suite, const TestCase& testCase, const ProgramResult& program,
             const CaseResult& result) {
  pugi::xml_node node = suite.append_child("testcase");
  node.append_attribute("name") = Shown::Line(testCase.name).c_str();
  node.append_attribute("classname") = Shown::Line(program.program).c_str();
  if (result.passed) return;
  pugi::xml_node failure = node.append_child("failure");
  failure.append_attribute("message") = Shown::Line(result.message).c_str();
  failure.text() = Shown::Text(FailureText(program, result)).c_str();
  if (result.ran && !result.output.empty()) {
    node.append_child("system-out").text() = Shown::Text(result.output).c_str();
  }
}

}  // namespace

std::string JunitReport::Text(const CaseFile& cases, const std::vector<ProgramResult>& results) {
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  pugi::xml_node suites = document.append_child("testsuites");
  suites.append_attribute("name") = Shown::Line(cases.fileName).c_str();
  std::size_t tests = 0;
  std::size_t failures = 0;
  for (const ProgramResult& program : results) {
    pugi::xml_node suite = suites.append_child("testsuite");
    suite.append_attribute("name") = Shown::Line(program.program).c_str();
    suite.append_attribute("tests") = program.cases.size();
    suite.append_attribute("failures") = program.Failed();
    suite.append_attribute("errors") = 0;
    suite.append_attribute("skipped") = 0;
    pugi::xml_node properties = suite.append_child("properties");
    AddProperty(properties, "points", Shown::Points(program.Points()));
    AddProperty(properties, "max_points", Shown::Points(program.MaxPoints()));
    for (const CaseResult& result : program.cases)
      AddCase(suite, cases.cases[result.caseIndex], program, result);
    tests += program.cases.size();
    failures += program.Failed();
  }
  suites.append_attribute("tests") = tests;
  suites.append_attribute("failures") = failures;
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

}  // namespace tav2
