#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/sim/machine.h"
#include "core/sim/mcromlisting.h"
#include "core/sim/processor.h"
#include "support/caseprinter.h"

namespace tav2 {
namespace {

std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(TAV2_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The default instruction set, loaded from its source, running small
// programs to their HALT.
class InstructionSet : public ::testing::Test {
 protected:
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  SilentDisplay display;
  Processor processor{*machine, display};

  void SetUp() override {
    MicrocodeParser parser(machine->mcrom);
    parser.loadAfterBuild = true;
    ASSERT_TRUE(parser.ParseSource(ReadData("microdefs.mca"), "microdefs.mca"));
  }

  // Assembles `body` after "begin" and loads it; false on build errors.
  bool Load(const std::string& body) {
    Assembler assembler(*machine);
    assembler.loadAfterBuild = true;
    assembler.runAfterLoad = true;
    const std::string source = "##\nbegin " + body + "\n HALT\n##\n";
    if (!assembler.ParseSource(source, "t.asm")) {
      ADD_FAILURE() << source << assembler.Errors().front().ListLine();
      return false;
    }
    return true;
  }
  // Loads `body` and runs it; false when it did not halt.
  bool Run(const std::string& body) {
    if (!Load(body)) return false;
    processor.Control().Reset();
    processor.Control().Go();
    return machine->halted;
  }
  uint16_t R(Reg r) { return processor.State()[r]; }
};

// The start-up file is made by the build, in the home directory next to the
// programs.
std::string ReadStartUpFile() {
  std::ifstream in(std::string(TAV2_HOME) + "/microdefs.~mc", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(InstructionSet, StartUpFileDefinesTheSameRom) {
  auto other = std::make_unique<Machine>();
  MicrocodeParser parser(other->mcrom);
  parser.loadAfterBuild = true;
  ASSERT_TRUE(parser.ParseSource(ReadStartUpFile(), "microdefs.~mc"));
  EXPECT_EQ(McromListing::Of(other->mcrom).entries, McromListing::Of(machine->mcrom).entries);
}

// Until the start-up file differs on purpose, the build makes it a copy of
// the source; no second copy is kept beside the source.
TEST(DefaultMicrocode, StartUpFileIsACopyOfTheSource) {
  EXPECT_EQ(ReadStartUpFile(), ReadData("microdefs.mca"));
  EXPECT_FALSE(std::ifstream(std::string(TAV2_SOURCE_DIR) + "/data/microdefs.~mc").is_open());
}

// The source doubles as the reference of the machine: a comment above every
// definition, and on every micro-instruction of the sequences and of the
// first instruction of each kind.
TEST(DefaultMicrocode, EveryDefinitionIsCommented) {
  const std::set<std::string> explained = {
      "Fetch", "Immediate", "Indirect", "WriteBack", "ADD", "MOVE", "CMP", "CLR", "INC", "NOT",   "TST",
      "LEA",   "BCS",       "JMP",      "PUSH",      "POP", "JSR",  "BSR", "RTS", "CLC", "STORE", "TRAP0"};
  std::istringstream lines(ReadData("microdefs.mca"));
  std::string line, previous, definition;
  bool inDefinitions = false;
  int definitions = 0;
  std::set<std::string> seen;
  while (std::getline(lines, line)) {
    if (line.rfind("##", 0) == 0) {
      inDefinitions = !inDefinitions;
    } else if (inDefinitions && line.rfind("#", 0) == 0) {
      definition = line.substr(1, line.find_first_of(" ;") - 1);
      ++definitions;
      EXPECT_EQ(previous.rfind("//", 0), 0u) << "no comment above " << line;
    } else if (inDefinitions && explained.count(definition) && !line.empty() && line.rfind("//", 0) != 0) {
      seen.insert(definition);
      EXPECT_NE(line.find("//"), std::string::npos) << definition << ": " << line;
    }
    previous = line;
  }
  EXPECT_EQ(definitions, 79);
  EXPECT_EQ(seen.size(), explained.size());
}

struct Case {
  const char* program;
  uint16_t r1;
  uint16_t flags;  // N Z V C of SR after the last flag-setting instruction
};

void PrintTo(const Case& c, std::ostream* out) {
  test::CasePrinter(out).Field("program", c.program).Hex("r1", c.r1).Hex("flags", c.flags);
}

class Arithmetic : public InstructionSet, public ::testing::WithParamInterface<Case> {};

TEST_P(Arithmetic, ResultAndFlags) {
  const Case& c = GetParam();
  ASSERT_TRUE(Run(c.program)) << c.program;
  EXPECT_EQ(R(Reg::R1), c.r1) << c.program;
  EXPECT_EQ(R(Reg::SR) & 0x0F, c.flags) << c.program;
}

const Case kArithmeticCases[] = {
    {"MOVE R1, 5\n ADD R1, 7", 12, 0},
    {"MOVE R1, 0x7FFF\n ADD R1, 1", 0x8000, 0x0A},
    {"MOVE R1, 0xFFFF\n ADD R1, 1", 0, 0x05},
    {"MOVE R1, 0", 0, 0x04},
    {"MOVE R1, -3", 0xFFFD, 0x08},
    {"MOVE R1, 3\n SUB R1, 5", 0xFFFE, 0x08},
    {"MOVE R1, 9\n CMP R1, 9", 9, 0x04},
    {"MOVE R1, 6\n MUL R1, 7", 42, 0},
    {"MOVE R1, 45\n DIV R1, 7", 6, 0},
    {"MOVE R1, 45\n MOD R1, 7", 3, 0},
    {"MOVE R1, 0x0FF0\n AND R1, 0x00FF", 0x00F0, 0},
    {"MOVE R1, 0x0F00\n OR R1, 0x00F0", 0x0FF0, 0},
    {"MOVE R1, 0xFFFF\n XOR R1, 0x00FF", 0xFF00, 0x08},
    {"SEC\n MOVE R1, 1\n ADC R1, 1", 3, 0x01},
    {"SEC\n MOVE R1, 5\n SUBC R1, 2", 4, 0x01},
    {"CLC\n MOVE R1, 0x0199\n ABCD R1, 0x0001", 0x0200, 0},
    {"CLC\n MOVE R1, 0x0200\n SBCD R1, 0x0001", 0x0199, 0},
    {"MOVE R1, 7\n CLR R1", 0, 0x04},
    {"MOVE R1, 7\n INC R1", 8, 0},
    {"MOVE R1, 0\n DEC R1", 0xFFFF, 0x08},
    {"MOVE R1, 5\n NEG R1", 0xFFFB, 0x08},
    {"MOVE R1, 0x00F0\n NOT R1", 0xFF0F, 0x08},
    {"MOVE R1, 0x4001\n ASL R1", 0x8002, 0x08},
    {"MOVE R1, 0x8000\n ASR R1", 0xC000, 0x08},
    {"CLC\n MOVE R1, 0x8001\n LSL R1", 0x0002, 0x01},
    {"MOVE R1, 0x0003\n LSR R1", 0x0001, 0x01},
    {"MOVE R1, 0x8001\n ROL R1", 0x0003, 0x01},
    {"MOVE R1, 0x0001\n ROR R1", 0x8000, 0x08},
    {"MOVE R1, 0x8000\n TST R1", 0x8000, 0x08},
    {"CLC\n MOVE R1, 0x0001\n NBCD R1", 0x9999, 0x08},
    {"LEA R1, (0x1234)", 0x1234, 0},
    {"MOVE R2, 0x0200\n LEA R1, (R2)", 0x0200, 0},
};

INSTANTIATE_TEST_SUITE_P(DefaultMicrocode, Arithmetic, ::testing::ValuesIn(kArithmeticCases));

TEST_F(InstructionSet, MemoryOperandsAndWriteBack) {
  ASSERT_TRUE(
      Run("MOVE R2, 0x0300\n MOVE R1, 0x0041\n STORE R1, (R2)\n INC (0x0300)\n"
          " MOVE R1, (0x0300)"));
  EXPECT_EQ(machine->memory.Read(0x0300), 0x0042);
  EXPECT_EQ(R(Reg::R1), 0x0042);
}

TEST_F(InstructionSet, BranchesFollowTheirConditions) {
  struct BranchCase {
    const char* setup;
    const char* branch;
    bool taken;
  };
  constexpr bool kTaken = true, kNotTaken = false;
  const BranchCase cases[] = {{"MOVE R1, 0", "BEQ", kTaken},
                              {"MOVE R1, 1", "BEQ", kNotTaken},
                              {"MOVE R1, 1", "BNE", kTaken},
                              {"MOVE R1, -1", "BMI", kTaken},
                              {"MOVE R1, 1", "BPL", kTaken},
                              {"SEC", "BCS", kTaken},
                              {"CLC", "BCC", kTaken},
                              {"CLC", "BCS", kNotTaken},
                              {"MOVE R1, 2\n CMP R1, 3", "BLT", kTaken},
                              {"MOVE R1, 3\n CMP R1, 2", "BGT", kTaken},
                              {"MOVE R1, 3\n CMP R1, 3", "BGE", kTaken},
                              {"MOVE R1, 3\n CMP R1, 3", "BLE", kTaken},
                              {"MOVE R1, 4\n CMP R1, 3", "BLE", kNotTaken},
                              {"MOVE R1, 0x7FFF\n ADD R1, 1", "BVS", kTaken},
                              {"MOVE R1, 1", "BVC", kTaken},
                              {"NOP", "BRA", kTaken}};
  for (const BranchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.setup << " " << c.branch);
    const std::string body =
        std::string(c.setup) + "\n LEA R2, (1)\n " + c.branch + " over\n LEA R2, (2)\nover NOP";
    ASSERT_TRUE(Run(body)) << body;
    EXPECT_EQ(R(Reg::R2), c.taken ? 1 : 2);
  }
}

TEST_F(InstructionSet, StackSubroutinesAndTraps) {
  ASSERT_TRUE(
      Run("MOVE R1, 7\n PUSH R1\n CLR R1\n POP R2\n JSR routine\n BSR routine\n TRAP3\n JMP done\n"
          "routine INC R1\n RTS\n"
          "done NOP\n HALT\n ORG 0xFFFC\n DAT routine"));
  EXPECT_EQ(R(Reg::R2), 7);
  EXPECT_EQ(R(Reg::R1), 3) << "two calls and a trap to the routine";
  EXPECT_EQ(R(Reg::SP), 0x7FFF) << "every push was popped";
}

// Instruction (and Go) runs whole clocks on a fast path of its own; at every
// instruction end it must leave the processor exactly as single clocks do.
TEST_F(InstructionSet, WholeInstructionsMatchSingleClocks) {
  ASSERT_TRUE(
      Load("MOVE R1, 5\n MOVE R2, table\nloop INC (count)\n ADD R2, (table)\n ASR R2\n DEC R1\n"
           " CMP R1, 0\n BGT loop\n JSR routine\n TRAP1\n HALT\n"
           "routine LEA R2, (count)\n STORE R1, (R2)\n RTS\n"
           "table DAT 7\ncount DAT 0\n ORG 0xFFFE\n DAT routine"));
  auto clocked = std::make_unique<Machine>(*machine);
  SilentDisplay clockedDisplay;
  Processor byClock(*clocked, clockedDisplay);
  processor.Control().Reset();
  byClock.Control().Reset();
  const ProcessorState& fast = processor.State();
  const ProcessorState& slow = byClock.State();
  int instructions = 0;
  while (!machine->halted) {
    ASSERT_LT(++instructions, 1000) << "the program ends";
    processor.Control().Instruction();
    for (int guard = 0; slow.microSteps < fast.microSteps && !clocked->halted; ++guard) {
      ASSERT_LT(guard, 100) << "single clocks advance; after instruction " << instructions;
      byClock.Control().ClockPress();
      byClock.Control().ClockRelease();
    }
    ASSERT_EQ(fast.reg, slow.reg) << "after instruction " << instructions;
    ASSERT_EQ(fast.microSteps, slow.microSteps) << "after instruction " << instructions;
    ASSERT_EQ(fast.aluFunction, slow.aluFunction) << "after instruction " << instructions;
    ASSERT_EQ(fast.phase, slow.phase) << "after instruction " << instructions;
    ASSERT_EQ(fast.loaded, slow.loaded) << "after instruction " << instructions;
    ASSERT_EQ(clocked->halted, machine->halted) << "after instruction " << instructions;
  }
  EXPECT_GT(instructions, 20);
  for (int address = 0; address < 0x10000; ++address) {
    const auto at = static_cast<uint16_t>(address);
    ASSERT_EQ(machine->memory.Read(at), clocked->memory.Read(at)) << address;
  }
}

TEST_F(InstructionSet, FlagInstructionsTouchOnlyTheirFlag) {
  ASSERT_TRUE(Run("MOVE R1, -1\n SEC\n SEI"));
  EXPECT_EQ(R(Reg::SR) & 0x19, 0x19) << "N from MOVE, C and I set";
  ASSERT_TRUE(Run("SEC\n SEI\n CLC\n CLI"));
  EXPECT_EQ(R(Reg::SR) & 0x11, 0);
}

}  // namespace
}  // namespace tav2
