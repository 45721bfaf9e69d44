#include <gtest/gtest.h>

#include "sim/alufunctions.h"
#include "simsupport.h"

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
  void Define(uint8_t opcode, std::initializer_list<MicroInstruction> program) {
    rig.machine->mcrom.SetEntry(opcode, Entry("T", opcode, 0, program));
  }
  void Clock() {
    rig.Control().ClockPress();
    rig.Control().ClockRelease();
  }
};

TEST_F(EngineTest, PlainInstructionRunsFetchThenExecute) {
  Program({Word(kAdd, 1, false, false, 2)});
  rig[Reg::R1] = 5;
  rig[Reg::R2] = 7;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R1], 12);
  EXPECT_EQ(rig[Reg::PC], kStart + 1);
  EXPECT_EQ(rig.State().microSteps, 6u);
  EXPECT_EQ(rig.State().phase, Phase::Fetch);
  EXPECT_EQ(rig.State().entry, Mcrom::kFetchSequence);
  EXPECT_TRUE(rig.State().instructionDone);
}

struct PathCase {
  const char* name;
  std::vector<uint16_t> words;
  uint64_t microSteps;
  uint16_t r1After;
  uint16_t pcAfter;
};

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
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SequencerPaths,
    ::testing::Values(
        PathCase{"register", {Word(kAdd, 1, false, false, 2)}, 6, 0x0201, kStart + 1},
        PathCase{"immediate", {Word(kAdd, 1, true, false, 0), 0x0010}, 9, 0x0011, kStart + 2},
        PathCase{"indirect", {Word(kAdd, 1, false, true, 2)}, 9, 0x0031, kStart + 1},
        PathCase{"immediate_indirect", {Word(kAdd, 1, true, true, 0), 0x0200}, 12, 0x0031,
                 kStart + 2},
        PathCase{"load_address_skips_indirect", {Word(kLea, 1, true, true, 0), 0x0300}, 7, 0x0300,
                 kStart + 2}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(EngineTest, RegisterOperandOfWriteBackOpcodeIsNotWrittenBack) {
  Program({Word(kInc, 0, false, false, 1)});
  rig[Reg::R1] = 9;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R1], 10);
  EXPECT_EQ(rig.State().microSteps, 5u);
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
}

TEST_F(EngineTest, AlwaysConditionNeverEndsTheSequence) {
  Program({Word(kBra, 0, true, false, 0), 0xFFFE});
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], kStart);
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

TEST_F(EngineTest, BusKeepsItsValueWhenNothingIsRead) {
  Define(0x70, {Mi({rd::R1, wr::A}), Mi({wr::B})});
  Program({0x7000});
  rig[Reg::R1] = 0x1234;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::B], 0x1234);
}

TEST_F(EngineTest, AluSeesTheValuesWrittenInTheSameStep) {
  Define(0x71, {Mi({rd::R1, wr::C, wr::A}, kAluAdd)});
  Program({0x7100});
  rig[Reg::R1] = 0x0003;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::A], 0x0003);
  EXPECT_EQ(rig[Reg::C], 0x0003 + rig[Reg::B]) << "the ALU replaces the bus value written to C";
}

TEST_F(EngineTest, ReadingCResetsThePersistentFunction) {
  Define(0x72, {Mi({rd::R1, wr::A}, kAluAdd), Mi({rd::R2, wr::B}), Mi({rd::C, wr::R2})});
  Program({0x7200});
  rig[Reg::R1] = 0x0010;
  rig[Reg::R2] = 0x0020;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R2], 0x0030) << "the function stayed selected over two steps";
  EXPECT_EQ(rig[Reg::C], 0x0010) << "after reading C, C := A";
  EXPECT_EQ(rig.State().aluFunction, kAluNone);
}

TEST_F(EngineTest, MemoryWriteUsesTheAddressWrittenInTheSameStep) {
  Define(0x73, {Mi({rd::R2, wr::MAR, wr::MDR, 20, 25})});
  Program({0x7300});
  rig[Reg::R2] = 0x0400;
  rig.Control().Instruction();
  EXPECT_EQ(Mem(0x0400), 0x7300) << "MDR still held the instruction word when it was sent";
  EXPECT_EQ(rig[Reg::MDR], 0x0400);
}

TEST_F(EngineTest, MemoryReadUsesTheAddressOfAnEarlierStep) {
  Define(0x74, {Mi({rd::R2, wr::MAR, 24, 21})});
  Program({0x7400});
  Place(rig.machine->memory, 0x0400, {0xAAAA});
  rig[Reg::R2] = 0x0400;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::MDR], 0x7400) << "read from the old address (the fetched word)";
  EXPECT_EQ(rig.State().memAddressLatch, 0x0400);
}

TEST_F(EngineTest, MemoryLoadWinsOverABusWriteToMdr) {
  Define(0x75, {Mi({rd::R1, wr::MDR, 24, 21})});
  Program({0x7500});
  rig[Reg::R1] = 0x5555;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::MDR], 0x7500);
}

TEST_F(EngineTest, GeneralFlagUpdateOnlyInExecuteOfLowOpcodes) {
  Define(0x05, {Mi({rd::R1, wr::A}, kAluInc)});
  Define(0x25, {Mi({rd::R1, wr::A}, kAluInc)});
  Program({0x0500, 0x2500});
  rig[Reg::R1] = 0xFFFF;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::C], 0x0000);
  EXPECT_EQ(rig[Reg::SR], sr::kC | sr::kZ);
  rig[Reg::SR] = 0;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::SR], 0) << "opcode above 0x1F: no general update";
}

TEST_F(EngineTest, FetchPhaseAluLeavesFlagsAlone) {
  Program({Word(kNop, 0, false, false, 0)});
  rig[Reg::SR] = sr::kN;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::SR], sr::kN) << "the fetch's _INC made no general update";
}

TEST_F(EngineTest, EmptySequenceEndsAtOnce) {
  Program({Word(kNop, 0, false, false, 0), Word(kNop, 0, false, false, 0)});
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 3u);
  EXPECT_EQ(rig[Reg::PC], kStart + 1);
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 6u);
}

TEST_F(EngineTest, UndefinedOpcodeRunsNoExecuteSequence) {
  Program({0x9900});
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 3u);
  EXPECT_FALSE(rig.machine->halted);
}

TEST_F(EngineTest, OverlongCountStopsAtSixteen) {
  McromEntry entry = Entry("LONG", 0x76, 0, {});
  entry.count = 1000;
  for (auto& mi : entry.program) mi = Mi({rd::R1, wr::A}, kAluInc);
  entry.program[15] = Mi({rd::C, wr::R1});
  rig.machine->mcrom.SetEntry(0x76, entry);
  Program({0x7600});
  rig.Control().Instruction();
  EXPECT_EQ(rig.State().microSteps, 3u + 16);
  EXPECT_EQ(rig[Reg::R1], 1);
}

TEST_F(EngineTest, EmptyRomHaltsOnOpcodeZero) {
  rig.machine->mcrom.Clear();
  rig.Control().Reset();
  rig.display.log.clear();
  rig.Control().Instruction();
  EXPECT_TRUE(rig.machine->halted);
  EXPECT_EQ(rig.display.Count("error Unknown operation 0X00:Processor halted"), 1);
}

TEST_F(EngineTest, ClockShowsSourcesOnPressAndDestinationsOnRelease) {
  rig.display.log.clear();
  rig.Control().ClockPress();
  EXPECT_EQ(rig.display.log, (std::vector<std::string>{"whiten", "source PC"}));
  rig.display.log.clear();
  rig.Control().ClockRelease();
  EXPECT_EQ(rig.display.log,
            (std::vector<std::string>{"destination A", "destination MAR", "loaded"}));
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
  const std::vector<std::string> expected = {"phase 3", "phase 5", "phase 1", "line 77",
                                             "mark pc 0101"};
  std::vector<std::string> seen;
  for (const std::string& line : rig.display.log) {
    if (line.rfind("phase", 0) == 0 || line.rfind("line", 0) == 0 || line.rfind("mark pc", 0) == 0) {
      seen.push_back(line);
    }
  }
  EXPECT_EQ(seen, expected);
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
