#include <gtest/gtest.h>

#include "core/sim/alufunctions.h"
#include "core/sim/breakpointlist.h"
#include "core/sim/decodedinstruction.h"
#include "core/sim/disassemble.h"
#include "core/sim/machine.h"
#include "core/sim/microinstructiontext.h"
#include "support/caseprinter.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using test::Mi;

struct DecodeCase {
  uint16_t word;
  uint8_t opcode;
  Operand op1;
  bool extension = false;
  bool indirect = false;
  bool writeBack = false;
  Operand op2;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Hex("word", c.word)
      .Hex("opcode", c.opcode)
      .Field("op1", OperandName(c.op1))
      .Field("extension", c.extension)
      .Field("indirect", c.indirect)
      .Field("writeBack", c.writeBack)
      .Field("op2", OperandName(c.op2));
}

class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, DecodesEveryField) {
  const DecodeCase& c = GetParam();
  const DecodedInstruction d = DecodedInstruction::Decode(c.word);
  EXPECT_EQ(d.opcode, c.opcode);
  EXPECT_EQ(d.op1, c.op1);
  EXPECT_EQ(d.extension, c.extension);
  EXPECT_EQ(d.indirect, c.indirect);
  EXPECT_EQ(d.writeBack, c.writeBack);
  EXPECT_EQ(d.op2, c.op2);
}

const DecodeCase kDecodeCases[] = {
    {.word = 0x1224, .opcode = 0x12, .op1 = Operand::R1, .op2 = Operand::T1},
    {.word = 0x0150, .opcode = 0x01, .op1 = Operand::R2, .extension = true, .op2 = Operand::T1},
    {.word = 0x0100, .opcode = 0x01, .op1 = Operand::None, .op2 = Operand::None},
    {.word = 0x01E7, .opcode = 0x01, .op1 = Operand::PC, .op2 = Operand::PC},
    {.word = 0x01C6, .opcode = 0x01, .op1 = Operand::SP, .op2 = Operand::SP},
    {.word = 0x0161, .opcode = 0x01, .op1 = Operand::None, .op2 = Operand::R1},
    {.word = 0x0185, .opcode = 0x01, .op1 = Operand::None, .op2 = Operand::T1},
    {.word = 0x2008, .opcode = 0x20, .op1 = Operand::None, .op2 = Operand::None},
    {.word = 0x1808,
     .opcode = 0x18,
     .op1 = Operand::None,
     .indirect = true,
     .writeBack = true,
     .op2 = Operand::None},
    {.word = 0x2808, .opcode = 0x28, .op1 = Operand::None, .indirect = true, .op2 = Operand::None},
    {.word = 0x1800, .opcode = 0x18, .op1 = Operand::None, .op2 = Operand::None},
    {.word = 0x0F0A, .opcode = 0x0F, .op1 = Operand::None, .indirect = true, .op2 = Operand::R2},
};

INSTANTIATE_TEST_SUITE_P(Decoding, DecodeTable, ::testing::ValuesIn(kDecodeCases));

TEST(Disassemble, OperandFormsAndTheirLengths) {
  using namespace test;
  auto machine = std::make_unique<Machine>();
  std::string text;
  const auto at = [&](uint16_t address) {
    return Disassemble(machine->memory, machine->mcrom, address, text);
  };
  for (uint16_t word : {uint16_t{0x0000}, uint16_t{0x0130}, uint16_t{0xFF10}, uint16_t{0x6F00}}) {
    machine->memory.Write(0x10, word);
    EXPECT_EQ(at(0x10), 1);
    EXPECT_EQ(text, "-") << "an empty ROM names no word";
  }
  InstallTestMicroCode(machine->mcrom);
  const std::tuple<std::vector<uint16_t>, int, const char*> cases[] = {
      {{Word(kAdd, 1, false, false, 2)}, 1, "ADD R1, R2"},
      {{Word(kAdd, 2, true, false, 0), 0x00AB}, 2, "ADD R2, 00AB"},
      {{Word(kAdd, 1, true, true, 0), 0x1234}, 2, "ADD R1, (1234)"},
      {{Word(kInc, 0, false, true, 6)}, 1, "INC (SP)"},
      {{Word(kInc, 0, false, false, 7)}, 1, "INC PC"},
      {{Word(kNop, 0, false, false, 0)}, 1, "NOP "},
      {{Word(kLea, 1, false, true, 0)}, 1, "LEA R1, ()"},
      {{Word(kLea, 1, false, false, 0)}, 1, "LEA R1, ()"},
      {{Word(kLea, 1, false, false, 2)}, 1, "LEA R1, (R2)"},
      {{Word(kSys, 0, true, false, 0), 0x0003}, 2, "SYS 0003"},
  };
  for (const auto& [words, length, expected] : cases) {
    Place(machine->memory, 0x0100, words);
    EXPECT_EQ(at(0x0100), length) << expected;
    EXPECT_EQ(text, expected);
  }
  machine->memory.Write(0xFFFF, Word(kJmp, 0, true, false, 0));
  machine->memory.Write(0x0000, 0x4321);
  EXPECT_EQ(at(0xFFFF), 2);
  EXPECT_EQ(text, "JMP 4321") << "the extension word wraps to address zero";
}

TEST(MicroInstructionText, BinaryTextPutsEachBitInItsColumn) {
  EXPECT_EQ(MicroInstructionBinary(Mi({})), std::string(38, '0'));
  const std::string text = MicroInstructionBinary(Mi({0, 25}, 0b100011, {0, 5}));
  EXPECT_EQ(text,
            "10000000000000000000000001"
            "100011"
            "100001");
  EXPECT_EQ(text.size(), 38u);
}

TEST(MicroInstructionText, TextCases) {
  struct Case {
    MicroInstruction mi;
    bool showOperands;
    const char* text;
  };
  constexpr bool kWithOperands = true, kWithoutOperands = false;
  const Case cases[] = {
      {Mi({10, 23, 5}, kAluInc), kWithoutOperands, "A:=MAR:=PC;  ALU:=_INC; "},
      {Mi({21, 24}), kWithoutOperands, "MDR:=MEM;"},
      {Mi({20, 25}), kWithoutOperands, "MEM:=MDR;"},
      {Mi({1, 0}), kWithoutOperands, "R1 :=R1; "},
      {Mi({}, kAluAbcd), kWithoutOperands, " ALU:="},
      {Mi({}, kAluCiv), kWithoutOperands, " ALU:=_CIV; "},
      {Mi({}, 40), kWithoutOperands, " ALU:="},
      {Mi({4, 6}), kWithoutOperands, ""},
      {Mi({}, 0, {3}), kWithoutOperands, ""},
      {Mi({}, 0, {3}), kWithOperands, "op1:="},
      {Mi({9}, 0, {1, 2, 4, 5}), kWithOperands, "C:=SR:=op2:=op1; op2; "},
      {Mi({17, 13, 19, 22, 18, 12}, 0, {0}), kWithoutOperands, "T1:=IR:=MDR:=IR; MDR; SR; MAR; "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MicroInstructionText(c.mi, c.showOperands), c.text);
  }
}

TEST(AluFunctions, NamesAndCodesRoundTrip) {
  for (int code = kAluAdd; code <= kLastAluFunction; ++code) {
    EXPECT_EQ(AluFunctionCode(AluFunctionName(code)), code);
  }
  EXPECT_EQ(AluFunctionName(kAluClr), "_CLR");
  EXPECT_EQ(AluFunctionName(0), "");
  EXPECT_EQ(AluFunctionName(33), "");
  EXPECT_EQ(AluFunctionCode("_add"), 0);
  EXPECT_EQ(AluFunctionCode("ADD"), 0);
}

TEST(Mcrom, FindsFirstEqualNameFromEntryOne) {
  auto machine = std::make_unique<Machine>();
  Mcrom& mcrom = machine->mcrom;
  mcrom.SetEntry(0, test::Entry("ADD", 0, 0, {}));
  EXPECT_FALSE(mcrom.Find("ADD").has_value());
  mcrom.SetEntry(9, test::Entry("ADD", 9, 2, {}));
  mcrom.SetEntry(5, test::Entry("ADD", 5, 2, {}));
  EXPECT_EQ(mcrom.Find("ADD"), 5);
  EXPECT_FALSE(mcrom.Find("add").has_value());
  EXPECT_EQ(mcrom.Find("add", false), 5);
  EXPECT_FALSE(mcrom.Find("").has_value());
  McromEntry entry;
  entry.SetName("ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(entry.Name(), "ABCDEFGHIJKLMNOPQRST") << "a name is kept whole";
  mcrom.SetEntry(7, entry);
  EXPECT_EQ(mcrom.Find("ABCDEFGHIJKLMNOPQRST"), 7);
  EXPECT_FALSE(mcrom.Find("ABCDEFGHIJKLMNOP").has_value()) << "its first sixteen characters are another name";
  entry.count = 99;
  EXPECT_EQ(entry.UsableCount(), 16);
  entry.count = -3;
  EXPECT_EQ(entry.UsableCount(), 0);
}

TEST(BreakpointList, HoldsSixtyFiveAddressesAndNoMore) {
  BreakpointList list;
  for (int i = 0; i < 70; ++i) EXPECT_EQ(list.Add(static_cast<uint16_t>(i * 2)), i < 65);
  EXPECT_EQ(list.Count(), 65);
  EXPECT_TRUE(list.Contains(128));
  EXPECT_FALSE(list.Contains(130));
  list.Clear();
  EXPECT_FALSE(list.Contains(0));
}

TEST(BreakpointList, RemoveTakesEveryEntryOfAnAddressAndKeepsTheOrder) {
  BreakpointList list;
  for (int address : {5, 7, 5, 9}) list.Add(static_cast<uint16_t>(address));
  EXPECT_TRUE(list.Remove(5));
  EXPECT_FALSE(list.Contains(5));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(0), 7);
  EXPECT_EQ(list.At(1), 9);
  EXPECT_FALSE(list.Remove(5));
  EXPECT_EQ(list.Count(), 2);
}

}  // namespace
}  // namespace tav2
