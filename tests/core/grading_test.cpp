#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/grading/confinedincludes.h"
#include "core/grading/jsonreport.h"
#include "core/grading/parallelgrading.h"
#include "core/grading/programgrader.h"
#include "gradingsupport.h"

namespace tav2 {
namespace {

struct ExitCase {
  std::string body;
  std::string limits;  // case file lines
  RunExit exit;
  std::string message;  // of the first difference, when the case fails
};

// How a run ends, and which ends a case may expect.
TEST(Grading, EndsOfARun) {
  const ExitCase cases[] = {
      {"begin HALT", "", RunExit::Halted, ""},
      {"begin DAT 0", "exit = \"unknown-operation\"", RunExit::UnknownOperation, ""},
      {"begin BRA begin", "max_steps = 50\nexit = \"step-limit\"", RunExit::StepLimit, ""},
      {"begin BRA begin", "max_steps = 50", RunExit::StepLimit, "exit differs"},
      {"begin SYS 2\n HALT", "exit = \"input-ended\"", RunExit::InputEnded, ""},
      {"begin MOVE R1, 'x\nagain SYS 1\n BRA again", "max_output = 10\nexit = \"step-limit\"",
       RunExit::OutputLimit, "output limit reached"},
      {"begin BRA begin", "max_steps = 1000000000000000000\nmax_seconds = 0.05\nexit = \"step-limit\"",
       RunExit::TimeLimit, "time limit reached"},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.body);
    test::GradingPlace place;
    const ProgramResult result = place.Grade("[[case]]\n" + c.limits + "\n", place.Program("p.asm", c.body));
    ASSERT_EQ(result.cases.size(), 1u);
    const CaseResult& run = result.cases[0];
    EXPECT_TRUE(run.ran);
    EXPECT_EQ(run.exit, c.exit);
    EXPECT_EQ(run.passed, c.message.empty());
    EXPECT_EQ(run.message, c.message);
  }
}

TEST(Grading, OutputIsCutAtTheLimitAndTheNextCaseRunsAsUsual) {
  test::GradingPlace place;
  const std::string program = place.Program("p.asm",
                                            "begin SYS 2\n CMP R1, 'f\n BNE once\nagain SYS 1\n BRA again\n"
                                            "once SYS 1\n HALT");
  const ProgramResult result = place.Grade(
      "[[case]]\ninput = \"f\"\nmax_output = 5\n[[case]]\ninput = \"s\"\noutput = \"s\"\n", program);
  ASSERT_EQ(result.cases.size(), 2u);
  EXPECT_EQ(result.cases[0].exit, RunExit::OutputLimit);
  EXPECT_EQ(result.cases[0].output, "fffff");
  EXPECT_EQ(result.cases[0].outputBytes, 5u);
  EXPECT_TRUE(result.cases[1].passed) << result.cases[1].message;
}

TEST(Grading, EveryCaseStartsFromTheProgramAsLoaded) {
  test::GradingPlace place;
  const std::string program =
      place.Program("p.asm", "begin INC (count)\n MOVE R1, (count)\n HALT\ncount DAT 0");
  const ProgramResult result =
      place.Grade("[[case]]\nregisters = { R1 = 1 }\n[[case]]\nregisters = { R1 = 1 }\n", program);
  EXPECT_EQ(result.Passed(), 2u);
}

struct DifferenceCase {
  std::string expectation;
  std::string message;
  std::string expected;
  std::string actual;
};

TEST(Grading, FirstDifferenceWithExpectedAndActual) {
  // The program writes "ab\ncd" and keeps 5 in R1 and at 0x0100.
  const std::string body =
      "begin MOVE R2, first\n SYS 3\n MOVE R1, 13\n SYS 1\n MOVE R2, second\n SYS 3\n MOVE R1, 5\n"
      " STORE R1, (0x0100)\n HALT\nfirst STR \"ab\"\nsecond STR \"cd\"";
  const std::string longLine(100, 'a');
  const DifferenceCase cases[] = {
      {"output = \"ab\\ncx\"", "output differs at line 2, column 2", "\"cx\"", "\"cd\""},
      {"output = \"ab\\ncd\\nef\"", "output differs at line 2, column 3", "\"cd\\n\"", "\"cd\""},
      {"output = \"ab\\n\"", "output differs at line 2, column 1", "(end of output)", "\"cd\""},
      {"output = \"ab\"", "output differs at line 1, column 3", "\"ab\"", "\"ab\\n\""},
      {"output = \"ab\\n" + longLine + "\"", "output differs at line 2, column 1", "\"" + longLine + "\"",
       "\"cd\""},
      {"output_contains = [\"ab\", \"zz\"]", "output does not contain \"zz\"", "\"zz\"", "\"ab\\ncd\""},
      {"registers = { R1 = 5, SP = 0x7FFE }", "register SP differs", "7FFE", "7FFF"},
      {"memory = { \"0x00FF\" = [0, 5, 1] }", "memory at 0101 differs", "0001", "0000"},
      {"max_instructions = 2", "too many instructions", "at most 2", "9"},
      {"exit = \"input-ended\"", "exit differs", "input-ended", "halted"},
  };
  test::GradingPlace place;
  const std::string program = place.Program("p.asm", body);
  for (const DifferenceCase& c : cases) {
    SCOPED_TRACE(c.expectation);
    const ProgramResult result = place.Grade("[[case]]\n" + c.expectation + "\n", program);
    ASSERT_EQ(result.cases.size(), 1u);
    const CaseResult& r = result.cases[0];
    ASSERT_FALSE(r.passed);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.expected, c.expected);
    EXPECT_EQ(r.actual, c.actual);
  }
}

TEST(Grading, LongLinesShowTheirDifferentPart) {
  test::GradingPlace place;
  const std::string text(150, 'a');
  const std::string program =
      place.Program("p.asm", "begin MOVE R2, text\n SYS 3\n HALT\ntext STR \"" + text + "\"");
  const ProgramResult result = place.Grade("[[case]]\noutput = \"" + text + "b\"\n", program);
  const CaseResult& r = result.cases[0];
  EXPECT_EQ(r.message, "output differs at line 1, column 151");
  EXPECT_EQ(r.expected, "...\"" + std::string(60, 'a') + "b\"");
  EXPECT_EQ(r.actual, "...\"" + std::string(60, 'a') + "\"");
}

TEST(Grading, ProgramsThatDoNotBuildFailEveryCase) {
  test::GradingPlace place;
  const std::string cases = "[[case]]\n[[case]]\npoints = 3\n";
  const ProgramResult broken = place.Grade(cases, place.Program("p.asm", "begin ADDUP R1, 1"));
  ASSERT_EQ(broken.buildErrors.size(), 1u);
  EXPECT_EQ(broken.buildErrors[0], "p.asm: line 2: \tunknown instruction \"ADDUP\"");
  const std::string missing = (place.Dir().Path() / "missing.asm").string();
  const ProgramResult absent = place.Grade(cases, missing);
  EXPECT_EQ(absent.buildErrors, std::vector<std::string>{"can't open file: " + missing});
  for (const ProgramResult* result : {&broken, &absent}) {
    ASSERT_EQ(result->cases.size(), 2u);
    for (const CaseResult& r : result->cases) {
      EXPECT_FALSE(r.ran);
      EXPECT_EQ(r.message, "build failed");
    }
    EXPECT_EQ(result->Points(), 0);
    EXPECT_EQ(result->MaxPoints(), 4);
    EXPECT_FALSE(result->AllPassed());
  }
}

struct IncludeCase {
  std::string name;
  std::string error;  // empty: the program builds and writes "ok"
};

// What a submission may include while it is graded. The refused files
// would make the program write "SECRET" if they were read.
TEST(Grading, IncludesAreConfinedToTheSubmission) {
  test::GradingPlace place;
  const std::string leak = "begin MOVE R2, text\n SYS 3\n HALT\ntext STR \"SECRET\"\n";
  const std::string fine = "begin MOVE R2, text\n SYS 3\n HALT\ntext STR \"ok\"\n";
  place.Dir().Write("secret.inc", leak);
  place.Dir().Dir("sub/inner");
  place.Dir().Write("sub/part.inc", fine);
  place.Dir().Write("home/include/lib.inc", fine);
  const std::filesystem::path root = place.Dir().Path();
  std::filesystem::create_symlink(root / "secret.inc", root / "sub/link.inc");
  std::filesystem::create_directory_symlink(root, root / "sub/up");
  std::filesystem::create_symlink(root / "sub/part.inc", root / "sub/inner-link.inc");
  ASSERT_EQ(mkfifo((root / "sub/fifo.inc").c_str(), 0600), 0);
  const IncludeCase cases[] = {
      {"\"part.inc\"", ""},
      {"\"inner/../part.inc\"", ""},
      {"\"inner-link.inc\"", ""},
      {"<lib.inc>", ""},
      {"\"/etc/passwd\"", "include outside the submission: /etc/passwd"},
      {"\"../secret.inc\"", "include outside the submission: ../secret.inc"},
      {"\"inner/../../secret.inc\"", "include outside the submission: inner/../../secret.inc"},
      {"\"link.inc\"", "include outside the submission: link.inc"},
      {"\"up/secret.inc\"", "include outside the submission: up/secret.inc"},
      {"\"fifo.inc\"", "include outside the submission: fifo.inc"},
      {"\"inner\"", "include outside the submission: inner"},
      {"<../../secret.inc>", "include outside the submission: ../../secret.inc"},
      {"\"missing.inc\"", "File " + (root / "sub/missing.inc").string() + " not found"},
  };
  for (const IncludeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string program = place.Dir().Write("sub/p.asm", "##\n#include " + c.name + "\n##\n").string();
    const ProgramResult result = place.Grade("[[case]]\noutput = \"ok\"\n", program);
    if (c.error.empty()) {
      EXPECT_TRUE(result.AllPassed());
    } else {
      ASSERT_EQ(result.buildErrors.size(), 1u);
      EXPECT_EQ(result.buildErrors[0], "p.asm: line 2: \t" + c.error);
    }
  }
  const std::string outside = place.Dir().Write("sub/p.asm", "##\n#include \"../secret.inc\"\n##\n").string();
  const ProgramResult open = place.Grade("[[case]]\noutput = \"SECRET\"\n", outside, false);
  EXPECT_TRUE(open.AllPassed());
}

TEST(Grading, AProgramLinkedFromOutsideIsRefused) {
  test::GradingPlace place;
  const std::filesystem::path root = place.Dir().Path();
  place.Program("elsewhere.asm", "begin HALT");
  place.Dir().Dir("sub");
  std::filesystem::create_symlink(root / "elsewhere.asm", root / "sub/p.asm");
  const std::string program = (root / "sub/p.asm").string();
  EXPECT_EQ(place.Grade("[[case]]\n", program).buildErrors,
            std::vector<std::string>{"program outside the submission: " + program});
  EXPECT_TRUE(place.Grade("[[case]]\n", program, false).AllPassed());
}

TEST(Grading, ResultsDoNotDependOnTheNumberOfThreads) {
  test::GradingPlace place;
  const std::vector<std::string> bodies = {"begin HALT", "begin BRA begin", "begin SYS 6\n SYS 5\n HALT",
                                           "begin ADDUP", "begin MOVE R1, 7\n HALT"};
  std::vector<std::string> programs;
  for (int copy = 0; copy < 3; ++copy) {
    for (std::size_t i = 0; i < bodies.size(); ++i) {
      programs.push_back(place.Program("p" + std::to_string(copy) + std::to_string(i) + ".asm", bodies[i]));
    }
  }
  const CaseFile cases = CaseFile::Parse(
      "[[case]]\ninput = \"12\\n\"\nmax_steps = 5000\n[[case]]\nregisters = { R1 = 7 }\nmax_steps = 5000\n",
      "cases.toml");
  const ProgramGrader grader(cases, test::DefaultRom(), place.Home(), true);
  std::vector<std::string> reportOrder;
  const auto one = ParallelGrading::Run(grader, programs, 1, [](const ProgramResult&) {});
  const auto four = ParallelGrading::Run(
      grader, programs, 4, [&](const ProgramResult& result) { reportOrder.push_back(result.program); });
  EXPECT_EQ(reportOrder, programs);
  EXPECT_EQ(JsonReport::Text(cases, one), JsonReport::Text(cases, four));
  EXPECT_EQ(four[2].cases[0].output, "12");
}

}  // namespace
}  // namespace tav2
