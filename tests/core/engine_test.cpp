#include <gtest/gtest.h>

#include "core/sim/alufunctions.h"
#include "support/casename.h"
#include "support/caseprinter.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

constexpr uint16_t kStart = 0x0100;

class EngineTest : public ::testing::Test {
 protected:
  Rig rig;

  void SetUp() override {
    rig.machine->startAddress = kStart;
    rig.Control().Reset();
  }
  void Program(const std::vector<uint16_t>& words) { Place(rig.machine->memory, kStart, words); }
  uint16_t Mem(uint16_t address) { return rig.machine->memory.Read(address); }
  // Runs one instruction of opcode 0x70 made of `program`, from a reset
  // with R1 and R2 given.
  void RunMicro(std::initializer_list<MicroInstruction> program, uint16_t r1, uint16_t r2 = 0) {
    rig.machine->mcrom.SetEntry(0x70, Entry("T", 0x70, 0, program));
    Program({0x7000});
    rig.Control().Reset();
    rig[Reg::R1] = r1;
    rig[Reg::R2] = r2;
    rig.Control().Instruction();
  }
  void Clock() {
    rig.Control().ClockPress();
    rig.Control().ClockRelease();
  }
};

struct PathCase {
  const char* name;
  std::vector<uint16_t> words;
  uint64_t microSteps;
  uint16_t r1After;
  uint16_t pcAfter;
};

void PrintTo(const PathCase& c, std::ostream* out) {
  CasePrinter(out)
      .Field("name", c.name)
      .Hex("words", c.words)
      .Field("microSteps", c.microSteps)
      .Hex("r1After", c.r1After)
      .Hex("pcAfter", c.pcAfter);
}

class SequencerPaths : public EngineTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(SequencerPaths, ReachTheOperand) {
  const PathCase& c = GetParam();
  Program(c.words);
  Place(rig.machine->memory, 0x0200, {0x0030});
  rig[Reg::R1] = 0x0001;
  rig[Reg::R2] = 0x0200;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R1], c.r1After);
  EXPECT_EQ(rig[Reg::PC], c.pcAfter);
  EXPECT_EQ(rig.State().microSteps, c.microSteps);
  EXPECT_EQ(rig.State().phase, Phase::Fetch);
  EXPECT_EQ(rig.State().entry, Mcrom::kFetchSequence);
  EXPECT_TRUE(rig.State().instructionDone);
}

const PathCase kPathCases[] = {
    {"register", {Word(kAdd, 1, false, false, 2)}, 6, 0x0201, kStart + 1},
    {"immediate", {Word(kAdd, 1, true, false, 0), 0x0010}, 9, 0x0011, kStart + 2},
    {"indirect", {Word(kAdd, 1, false, true, 2)}, 9, 0x0031, kStart + 1},
    {"immediate_indirect", {Word(kAdd, 1, true, true, 0), 0x0200}, 12, 0x0031, kStart + 2},
    {"load_address_skips_indirect", {Word(kLea, 1, true, true, 0), 0x0300}, 7, 0x0300, kStart + 2},
    {"register_operand_is_not_written_back", {Word(kInc, 0, false, false, 1)}, 5, 2, kStart + 1},
};

INSTANTIATE_TEST_SUITE_P(Engine, SequencerPaths, ::testing::ValuesIn(kPathCases), CaseNamed());

TEST_F(EngineTest, WriteBackStoresTheUpdatedMemoryOperand) {
  Program({Word(kInc, 0, true, true, 0), 0x0200});
  Place(rig.machine->memory, 0x0200, {0x0041});
  rig.display.log.clear();
  rig.Control().Instruction();
  EXPECT_EQ(Mem(0x0200), 0x0042);
  EXPECT_EQ(rig.State().microSteps, 3u + 3 + 3 + 2 + 2);
  EXPECT_TRUE(rig.display.Contains("word written 0200")) << "made also without ShowSteps";
  EXPECT_FALSE(rig.display.Contains("memory write 0200")) << "the marking is for stepping only";
}

TEST_F(EngineTest, TscEndsTheExecuteSequenceWhenTheConditionFails) {
  Program({Word(kBeq, 0, true, false, 0), 0x0010});
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], kStart + 2) << "Z clear: no branch";
  EXPECT_EQ(rig.State().microSteps, 3u + 3 + 1);
  rig.Control().Reset();
  rig.State().microSteps = 0;
  rig[Reg::SR] = sr::kZ;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], kStart + 2 + 0x10) << "Z set: branch taken";
  EXPECT_EQ(rig.State().microSteps, 3u + 3 + 4);
  Program({Word(kBra, 0, true, false, 0), 0xFFFE});
  rig.Control().Reset();
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], kStart) << "the always condition never ends the sequence";
}

TEST_F(EngineTest, OperandSubstitutionUsesTheDecodedRegisters) {
  Program({Word(kMove, 2, false, false, 6), Word(kMove, 7, false, false, 1)});
  rig[Reg::R1] = 0x0500;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R2], 0x7FFF) << "R2 := SP";
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], 0x0500) << "PC := R1";
  EXPECT_EQ(rig.machine->mcrom.Entry(kMove).program[0].lo, 0u) << "the ROM is never changed";
}

TEST_F(EngineTest, TransfersWithinAndAcrossMicroSteps) {
  RunMicro({Mi({rd::R1, wr::A}), Mi({wr::B})}, 0x1234);
  EXPECT_EQ(rig[Reg::B], 0x1234) << "the bus keeps its value when nothing is read";

  RunMicro({Mi({rd::R2, wr::B}), Mi({rd::R1, wr::C, wr::A}, kAluAdd)}, 0x0003, 0x0010);
  EXPECT_EQ(rig[Reg::A], 0x0003);
  EXPECT_EQ(rig[Reg::C], 0x0013) << "the ALU sees A written in the same step and replaces the bus value in C";

  RunMicro({Mi({rd::R1, wr::A}, kAluAdd), Mi({rd::R2, wr::B}), Mi({rd::C, wr::R2})}, 0x0010, 0x0020);
  EXPECT_EQ(rig[Reg::R2], 0x0030) << "the function stayed selected over two steps";
  EXPECT_EQ(rig[Reg::C], 0x0010) << "after reading C, C := A";
  EXPECT_EQ(rig.State().aluFunction, kAluNone);

  RunMicro({Mi({rd::R2, wr::MAR, wr::MDR, 20, 25})}, 0, 0x0400);
  EXPECT_EQ(Mem(0x0400), 0x7000) << "written to the new address while MDR still held the instruction";
  EXPECT_EQ(rig[Reg::MDR], 0x0400);

  Place(rig.machine->memory, 0x0400, {0xAAAA});
  RunMicro({Mi({rd::R2, wr::MAR, 24, 21})}, 0, 0x0400);
  EXPECT_EQ(rig[Reg::MDR], 0x7000) << "read from the old address (the fetched word)";
  EXPECT_EQ(rig.State().memAddressLatch, 0x0400);

  RunMicro({Mi({rd::R1, wr::MDR, 24, 21})}, 0x5555);
  EXPECT_EQ(rig[Reg::MDR], 0x7000) << "the memory load wins over a bus write to MDR";
}

TEST_F(EngineTest, GeneralFlagUpdateOnlyInExecuteOfLowOpcodes) {
  rig.machine->mcrom.SetEntry(0x05, Entry("T", 0x05, 0, {Mi({rd::R1, wr::A}, kAluInc)}));
  rig.machine->mcrom.SetEntry(0x25, Entry("T", 0x25, 0, {Mi({rd::R1, wr::A}, kAluInc)}));
  Program({0x0500, 0x2500, Word(kNop, 0, false, false, 0)});
  rig[Reg::R1] = 0xFFFF;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::C], 0x0000);
  EXPECT_EQ(rig[Reg::SR], sr::kC | sr::kZ);
  rig[Reg::SR] = 0;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::SR], 0) << "opcode above 0x1F: no general update";
  rig[Reg::SR] = sr::kN;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::SR], sr::kN) << "the fetch's _INC made no general update";
}

TEST_F(EngineTest, SequenceLengths) {
  Program({Word(kNop, 0, false, false, 0), 0x9900});
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 3u) << "an empty sequence ends at once";
  EXPECT_EQ(rig[Reg::PC], kStart + 1);
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 6u) << "an undefined opcode runs no execute sequence";
  EXPECT_FALSE(rig.machine->halted);

  McromEntry entry = Entry("LONG", 0x76, 0, {});
  entry.count = 1000;
  for (auto& mi : entry.program) mi = Mi({rd::R1, wr::A}, kAluInc);
  entry.program[15] = Mi({rd::C, wr::R1});
  rig.machine->mcrom.SetEntry(0x76, entry);
  Program({0x7600});
  rig.Control().Reset();
  rig.State().microSteps = 0;
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 3u + 16) << "an overlong count stops at sixteen";
  EXPECT_EQ(rig[Reg::R1], 1);

  rig.machine->mcrom.Clear();
  rig.Control().Reset();
  rig.display.log.clear();
  rig.Control().Instruction();
  EXPECT_TRUE(rig.machine->halted);
  EXPECT_EQ(rig.display.Count("error Unknown operation 0X00:Processor halted"), 1) << "an empty ROM";
}

TEST_F(EngineTest, ClockShowsSourcesOnPressAndDestinationsOnRelease) {
  rig.display.log.clear();
  rig.Control().ClockPress();
  EXPECT_EQ(rig.display.log, (std::vector<std::string>{"whiten", "source PC"}));
  rig.display.log.clear();
  rig.Control().ClockRelease();
  EXPECT_EQ(rig.display.log, (std::vector<std::string>{"destination A", "destination MAR", "loaded"}));
  EXPECT_FALSE(rig.State().showSteps);
  rig.display.log.clear();
  Place(rig.machine->memory, kStart, {0x6000});
  Clock();
  EXPECT_EQ(rig.display.log,
            (std::vector<std::string>{"whiten", "source C", "memory read 0100", "pc written 0101",
                                      "destination PC", "mdr from memory", "loaded"}));
}

TEST_F(EngineTest, ClockingThroughAnInstructionEndShowsItsLineAndPhases) {
  rig.machine->lineMap.Set(kStart + 1, 77);
  Program({Word(kNop, 0, false, false, 0)});
  rig.display.log.clear();
  for (int i = 0; i < 3; ++i) Clock();
  std::vector<std::string> seen;
  for (const std::string& line : rig.display.log) {
    if (line.rfind("phase", 0) == 0 || line.rfind("line", 0) == 0 || line.rfind("mark pc", 0) == 0) {
      seen.push_back(line);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"phase 3", "phase 5", "phase 1", "line 77", "mark pc 0101"}));
  EXPECT_TRUE(rig.State().instructionDone);
}

TEST_F(EngineTest, RomChangeIsSeenAtTheNextLoad) {
  Program({Word(kMove, 1, false, false, 2), Word(kMove, 1, false, false, 2)});
  rig[Reg::R2] = 0x0022;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R1], 0x0022) << "R1 := R2";
  rig[Reg::R1] = 0x0033;
  Clock();
  rig.machine->mcrom.SetEntry(kMove, Entry("MOVE", kMove, 2, {Mi({}, 0, {kOp1Read, kOp2Write})}));
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R2], 0x0033) << "the new micro-program (op2 := op1) ran";
}

}  // namespace
}  // namespace tav2
