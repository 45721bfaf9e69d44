#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/grading/casefile.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

CaseFile Parse(const std::string& text) { return CaseFile::Parse(text, "cases.toml"); }

TEST(CaseFile, ReadsEveryField) {
  const CaseFile file = Parse(R"(
microcode = "mine.mca"
max_steps = 500
max_output = 64
max_seconds = 2.5

[[case]]
name = "all"
input = "12\n30\n"
points = 2.5
output = "Sum: 42"
output_contains = ["Sum", "42"]
exit = "input-ended"
registers = { R1 = 0x000B, sr = 4, PC = -1 }
memory = { "0x0200" = [1, -2, 0xFFFF], "0300" = [] }
max_instructions = 0
max_steps = 7
start = 0x0100
sp = 0x4000
max_output = 3
max_seconds = 1
)");
  ASSERT_EQ(file.cases.size(), 1u);
  EXPECT_EQ(file.microcode, std::filesystem::path("mine.mca"));
  const TestCase& c = file.cases[0];
  EXPECT_EQ(c.name, "all");
  EXPECT_EQ(c.input, "12\n30\n");
  EXPECT_EQ(c.points, 2.5);
  EXPECT_EQ(c.output, "Sum: 42");
  EXPECT_EQ(c.outputContains, (std::vector<std::string>{"Sum", "42"}));
  EXPECT_EQ(c.exit, RunExit::InputEnded);
  ASSERT_EQ(c.registers.size(), 3u);
  EXPECT_EQ(c.registers[0].reg, Reg::R1);
  EXPECT_EQ(c.registers[0].value, 0x000B);
  EXPECT_EQ(c.registers[1].reg, Reg::SR);
  EXPECT_EQ(c.registers[1].value, 4);
  EXPECT_EQ(c.registers[2].reg, Reg::PC);
  EXPECT_EQ(c.registers[2].value, 0xFFFF);
  ASSERT_EQ(c.memory.size(), 2u);
  EXPECT_EQ(c.memory[0].address, 0x0200);
  EXPECT_EQ(c.memory[0].words, (std::vector<uint16_t>{1, 0xFFFE, 0xFFFF}));
  EXPECT_EQ(c.memory[1].address, 0x0300);
  EXPECT_TRUE(c.memory[1].words.empty());
  EXPECT_EQ(c.maxInstructions, 0u);
  EXPECT_EQ(c.maxSteps, 7u);
  EXPECT_EQ(c.start, 0x0100);
  EXPECT_EQ(c.stackPointer, 0x4000);
  EXPECT_EQ(c.maxOutput, 3u);
  EXPECT_EQ(c.maxSeconds, 1);
}

TEST(CaseFile, DefaultsAndLimitsOfTheFile) {
  const CaseFile plain = Parse("[[case]]\n[[case]]\nname = \"second\"\n");
  ASSERT_EQ(plain.cases.size(), 2u);
  EXPECT_FALSE(plain.microcode);
  const TestCase& c = plain.cases[0];
  EXPECT_EQ(c.name, "case 1");
  EXPECT_EQ(plain.cases[1].name, "second");
  EXPECT_EQ(c.points, 1);
  EXPECT_EQ(c.exit, RunExit::Halted);
  EXPECT_FALSE(c.output);
  EXPECT_FALSE(c.maxInstructions);
  EXPECT_FALSE(c.start);
  EXPECT_EQ(c.stackPointer, 0x7FFF);
  EXPECT_EQ(c.maxSteps, 100'000'000u);
  EXPECT_EQ(c.maxOutput, 1'000'000u);
  EXPECT_EQ(c.maxSeconds, 10);

  const CaseFile limited =
      Parse("max_steps = 9\nmax_output = 8\nmax_seconds = 7\n[[case]]\n[[case]]\nmax_steps = 1\n");
  EXPECT_EQ(limited.cases[0].maxSteps, 9u);
  EXPECT_EQ(limited.cases[0].maxOutput, 8u);
  EXPECT_EQ(limited.cases[0].maxSeconds, 7);
  EXPECT_EQ(limited.cases[1].maxSteps, 1u);
  EXPECT_EQ(limited.cases[1].maxOutput, 8u);
}

struct BadFile {
  std::string text;
  std::string message;
};

TEST(CaseFile, RefusesBadFilesNamingLineColumnAndKey) {
  const BadFile cases[] = {
      {"[[case]]\npoints =\n",
       "cases.toml:2:9: Error while parsing key-value pair: expected value, saw '\\n'"},
      {"", "cases.toml: no cases (each case starts with [[case]])"},
      {"max_steps = 5\n", "cases.toml: no cases (each case starts with [[case]])"},
      {"[case]\nname = \"x\"\n",
       "cases.toml:1:1: case must be a list of tables, each starting with [[case]]"},
      {"outptu = 1\n[[case]]\n",
       "cases.toml:1:1: unknown key outptu (a case file takes microcode, max_steps, max_output, max_seconds, "
       "case)"},
      {"[[case]]\n  outptu = \"x\"\n",
       "cases.toml:2:3: unknown key outptu (a case takes name, input, points, output, output_contains, exit, "
       "registers, memory, max_instructions, max_steps, start, sp, max_output, max_seconds)"},
      {"[[case]]\nexit = \"halt\"\n",
       "cases.toml:2:8: exit must be one of halted, unknown-operation, step-limit, input-ended, not "
       "\"halt\""},
      {"[[case]]\nexit = \"output-limit\"\n",
       "cases.toml:2:8: exit must be one of halted, unknown-operation, step-limit, input-ended, not "
       "\"output-limit\""},
      {"[[case]]\ninput = 12\n", "cases.toml:2:9: input must be a text in quotes"},
      {"[[case]]\nname = true\n", "cases.toml:2:8: name must be a text in quotes"},
      {"[[case]]\noutput_contains = \"x\"\n",
       "cases.toml:2:19: output_contains must be a list of texts, such as [\"one\", \"two\"]"},
      {"[[case]]\noutput_contains = [\"x\", 1]\n",
       "cases.toml:2:25: output_contains's items must be a text in quotes"},
      {"[[case]]\npoints = -1\n", "cases.toml:2:10: points must be a number from 0 to 1.79769e+308"},
      {"[[case]]\npoints = nan\n", "cases.toml:2:10: points must be a number from 0 to 1.79769e+308"},
      {"[[case]]\nmax_steps = 0\n", "cases.toml:2:13: max_steps must be a whole number of 1 or more"},
      {"max_steps = 1.5\n[[case]]\n", "cases.toml:1:13: max_steps must be a whole number of 1 or more"},
      {"[[case]]\nmax_output = 0\n", "cases.toml:2:14: max_output must be a whole number of 1 or more"},
      {"[[case]]\nmax_instructions = -1\n",
       "cases.toml:2:20: max_instructions must be a whole number of 0 or more"},
      {"[[case]]\nmax_seconds = 0\n", "cases.toml:2:15: max_seconds must be more than 0"},
      {"[[case]]\nmax_seconds = 1e7\n", "cases.toml:2:15: max_seconds must be a number from 0 to 1e+06"},
      {"[[case]]\nstart = 0x10000\n", "cases.toml:2:9: start must be a word: 0 to 0xFFFF, or -32768 to -1"},
      {"[[case]]\nsp = \"0x100\"\n", "cases.toml:2:6: sp must be a word: 0 to 0xFFFF, or -32768 to -1"},
      {"[[case]]\nregisters = 1\n",
       "cases.toml:2:13: registers must be a table such as { R1 = 0x000B, SR = 0x0004 }"},
      {"[[case]]\nregisters = { R9 = 1 }\n",
       "cases.toml:2:15: unknown register R9 (registers are PC, SP, R1, R2, T1, A, B, C, IR, MDR, MAR, SR)"},
      {"[[case]]\nregisters = { R1 = -32769 }\n",
       "cases.toml:2:20: register R1 must be a word: 0 to 0xFFFF, or -32768 to -1"},
      {"[[case]]\nmemory = [1]\n",
       "cases.toml:2:10: memory must be a table such as { \"0x0200\" = [1, 2, 3] }"},
      {"[[case]]\nmemory = { \"0x1G\" = [1] }\n",
       "cases.toml:2:12: memory address 0x1G must be a hex word such as \"0x0200\""},
      {"[[case]]\nmemory = { \"10000\" = [1] }\n",
       "cases.toml:2:12: memory address 10000 must be a hex word such as \"0x0200\""},
      {"[[case]]\nmemory = { \"0x0200\" = 1 }\n",
       "cases.toml:2:23: memory at 0x0200 must be a list of words"},
      {"[[case]]\nmemory = { \"0x0200\" = [1, 70000] }\n",
       "cases.toml:2:27: a word of memory at 0x0200 must be a word: 0 to 0xFFFF, or -32768 to -1"},
  };
  for (const BadFile& bad : cases) {
    SCOPED_TRACE(bad.text);
    try {
      Parse(bad.text);
      ADD_FAILURE() << "accepted: ";
    } catch (const CaseFileError& error) {
      EXPECT_EQ(error.Cause(), CaseFileError::Kind::Invalid);
      EXPECT_EQ(error.what(), bad.message);
    }
  }
}

TEST(CaseFile, ReadsFromDiskWithMicrocodeBesideIt) {
  test::TempDir dir;
  const std::filesystem::path file = dir.Write("cases.toml", "microcode = \"mc/mine.mca\"\n[[case]]\n");
  const CaseFile cases = CaseFile::Read(file.string());
  EXPECT_EQ(cases.fileName, file.string());
  EXPECT_EQ(cases.microcode, dir.Path() / "mc/mine.mca");
  ASSERT_EQ(cases.cases.size(), 1u);
}

TEST(CaseFile, UnreadableFilesAreTold) {
  test::TempDir dir;
  for (const std::filesystem::path& file : {dir.Path() / "missing.toml", dir.Dir("folder.toml")}) {
    try {
      CaseFile::Read(file.string());
      ADD_FAILURE() << "read: " << file;
    } catch (const CaseFileError& error) {
      EXPECT_EQ(error.Cause(), CaseFileError::Kind::Unreadable);
      EXPECT_EQ(error.what(), "can't open file: " + file.string());
    }
  }
}

}  // namespace
}  // namespace tav2
