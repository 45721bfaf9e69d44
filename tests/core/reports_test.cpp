#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "core/grading/csvreport.h"
#include "core/grading/jsonreport.h"
#include "core/grading/junitreport.h"
#include "core/grading/programgrader.h"
#include "core/grading/shown.h"
#include "core/grading/textreport.h"
#include "gradingsupport.h"

namespace tav2 {
namespace {

constexpr const char* kCases = R"(
[[case]]
name = "greets"
output = "hi"
points = 2

[[case]]
name = "greets <loudly> & \"twice\""
output = "HI"
)";

// A program that writes "hi", one that does not build, and one writing
// every byte value and "]]>".
class Reports : public ::testing::Test {
 protected:
  void SetUp() override {
    cases = CaseFile::Parse(kCases, "cases.toml");
    programs = {
        place.Program("hi.asm", "begin MOVE R2, text\n SYS 3\n HALT\ntext STR \"hi\""),
        place.Program("broken.asm", "begin ADDUP"),
        place.Program("bytes.asm",
                      "begin CLR R1\nnext SYS 1\n INC R1\n CMP R1, 256\n BLT next\n MOVE R2, tail\n SYS 3\n"
                      " HALT\ntail STR \"]]>\"")};
    const ProgramGrader grader(cases, test::DefaultRom(), place.Home(), true);
    for (const std::string& program : programs) results.push_back(grader.Grade(program));
  }

  static std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += i == 13 ? '\n' : static_cast<char>(i);
    return bytes + "]]>";
  }

  test::GradingPlace place;
  CaseFile cases;
  std::vector<std::string> programs;
  std::vector<ProgramResult> results;
};

TEST_F(Reports, JunitReadsBackWithOneSuitePerProgram) {
  pugi::xml_document document;
  const std::string text = JunitReport::Text(cases, results);
  ASSERT_TRUE(document.load_string(text.c_str())) << text;
  const pugi::xml_node suites = document.child("testsuites");
  EXPECT_STREQ(suites.attribute("name").value(), "cases.toml");
  EXPECT_EQ(suites.attribute("tests").as_int(), 6);
  EXPECT_EQ(suites.attribute("failures").as_int(), 5);
  std::vector<pugi::xml_node> suite;
  for (pugi::xml_node node : suites.children("testsuite")) suite.push_back(node);
  ASSERT_EQ(suite.size(), 3u);
  for (std::size_t i = 0; i < suite.size(); ++i) {
    EXPECT_EQ(suite[i].attribute("name").value(), programs[i]);
    EXPECT_EQ(suite[i].attribute("tests").as_int(), 2);
  }
  EXPECT_EQ(suite[0].attribute("failures").as_int(), 1);
  EXPECT_STREQ(suite[0]
                   .child("properties")
                   .find_child_by_attribute("property", "name", "points")
                   .attribute("value")
                   .value(),
               "2");
  EXPECT_STREQ(suite[0]
                   .child("properties")
                   .find_child_by_attribute("property", "name", "max_points")
                   .attribute("value")
                   .value(),
               "3");

  const pugi::xml_node passed = suite[0].child("testcase");
  EXPECT_STREQ(passed.attribute("name").value(), "greets");
  EXPECT_EQ(passed.attribute("classname").value(), programs[0]);
  EXPECT_FALSE(passed.child("failure"));
  const pugi::xml_node failed = passed.next_sibling("testcase");
  EXPECT_STREQ(failed.attribute("name").value(), "greets <loudly> & \"twice\"");
  EXPECT_STREQ(failed.child("failure").attribute("message").value(), "output differs at line 1, column 1");
  EXPECT_STREQ(failed.child("failure").text().get(), "expected: \"HI\"\nactual:   \"hi\"\n");
  EXPECT_STREQ(failed.child("system-out").text().get(), "hi");

  const pugi::xml_node unbuilt = suite[1].child("testcase").child("failure");
  EXPECT_STREQ(unbuilt.attribute("message").value(), "build failed");
  EXPECT_STREQ(unbuilt.text().get(), "broken.asm: line 2: \tunknown instruction \"ADDUP\"\n");
  EXPECT_FALSE(suite[1].child("testcase").child("system-out"));
}

TEST_F(Reports, EveryByteAProgramWritesLeavesWellFormedReports) {
  ASSERT_EQ(results[2].cases[0].output, AllBytes());

  pugi::xml_document document;
  const std::string xml = JunitReport::Text(cases, results);
  ASSERT_TRUE(document.load_string(xml.c_str()));
  const pugi::xml_node out = document.child("testsuites").last_child().child("testcase").child("system-out");
  EXPECT_EQ(std::string(out.text().get()), Shown::Text(AllBytes()));
  EXPECT_TRUE(std::string(out.text().get()).ends_with("\\xFE\\xFF]]>"));

  const std::string text = JsonReport::Text(cases, results);
  nlohmann::json json;
  ASSERT_NO_THROW(json = nlohmann::json::parse(text));
  const std::string output = json["programs"][2]["cases"][0]["actual"]["output"];
  // The 128 ASCII codes come back as written, every other byte as U+FFFD.
  EXPECT_EQ(output.substr(0, 128), AllBytes().substr(0, 128));
  std::string replaced;
  for (int i = 128; i < 256; ++i) replaced += "\xEF\xBF\xBD";
  EXPECT_EQ(output.substr(128), replaced + "]]>");
  EXPECT_EQ(json["programs"][2]["cases"][0]["actual"]["output_bytes"], 259);
}

TEST_F(Reports, JsonHoldsTheWholeResult) {
  const nlohmann::json json = nlohmann::json::parse(JsonReport::Text(cases, results));
  EXPECT_EQ(json["case_file"], "cases.toml");
  EXPECT_EQ(json["summary"],
            nlohmann::json::parse(R"({"programs":3,"passed":0,"failed":3,"points":2,"max_points":9})"));
  const nlohmann::json& hi = json["programs"][0];
  EXPECT_EQ(hi["program"], programs[0]);
  EXPECT_EQ(hi["points"], 2);
  EXPECT_EQ(hi["passed"], 1);
  EXPECT_EQ(hi["failed"], 1);
  const nlohmann::json& failed = hi["cases"][1];
  EXPECT_EQ(failed["passed"], false);
  EXPECT_EQ(failed["points"], 0);
  EXPECT_EQ(failed["max_points"], 1);
  EXPECT_EQ(failed["expected"], nlohmann::json::parse(R"({"exit":"halted","output":"HI"})"));
  EXPECT_EQ(failed["actual"]["exit"], "halted");
  EXPECT_EQ(failed["actual"]["output"], "hi");
  EXPECT_EQ(failed["actual"]["registers"].size(), 12u);
  EXPECT_EQ(failed["actual"]["registers"]["IR"], "6F00");
  EXPECT_EQ(failed["instructions"], 3);
  EXPECT_GT(failed["micro_steps"], 3);
  EXPECT_EQ(failed["difference"]["message"], "output differs at line 1, column 1");
  const nlohmann::json& broken = json["programs"][1];
  EXPECT_EQ(broken["build_errors"][0], "broken.asm: line 2: \tunknown instruction \"ADDUP\"");
  EXPECT_TRUE(broken["cases"][0]["actual"].is_null());
}

TEST_F(Reports, CsvAndTextReports) {
  EXPECT_EQ(CsvReport::Text(results), "program,points,max_points,passed,failed\n" + programs[0] +
                                          ",2,3,1,1\n" + programs[1] + ",0,3,0,2\n" + programs[2] +
                                          ",0,3,0,2\n");
  ProgramResult odd;
  odd.program = "a,\"b\".asm";
  EXPECT_EQ(CsvReport::Text({odd}), "program,points,max_points,passed,failed\n\"a,\"\"b\"\".asm\",0,0,0,0\n");

  EXPECT_EQ(TextReport::Program(cases, results[0]),
            programs[0] +
                ": 2 of 3 points, 1 of 2 cases passed\n"
                "  passed  greets\n"
                "  FAILED  greets <loudly> & \"twice\": output differs at line 1, column 1\n"
                "            expected: \"HI\"\n"
                "            actual:   \"hi\"\n");
  EXPECT_EQ(TextReport::Summary(results),
            "3 programs: 0 passed every case, 3 did not; 2 of 9 points in all\n");
}

}  // namespace
}  // namespace tav2
