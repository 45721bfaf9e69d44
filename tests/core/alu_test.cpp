#include <gtest/gtest.h>

#include "core/sim/alu.h"
#include "core/sim/alufunctions.h"
#include "core/sim/processorstate.h"
#include "support/casename.h"
#include "support/caseprinter.h"

namespace tav2 {
namespace {

struct AluCase {
  const char* name;
  int function;
  uint16_t a, b;
  uint16_t srBefore;
  bool generalUpdate;
  uint16_t c;
  uint16_t srAfter;
};

void PrintTo(const AluCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("name", c.name)
      .Field("function", c.function)
      .Hex("a", c.a)
      .Hex("b", c.b)
      .Hex("srBefore", c.srBefore)
      .Field("generalUpdate", c.generalUpdate)
      .Hex("c", c.c)
      .Hex("srAfter", c.srAfter);
}

class AluTable : public ::testing::TestWithParam<AluCase> {};

TEST_P(AluTable, ResultAndFlags) {
  const AluCase& k = GetParam();
  uint16_t sr = k.srBefore;
  bool conditionFailed = true;
  EXPECT_EQ(Alu::Evaluate(k.function, k.a, k.b, k.generalUpdate, sr, conditionFailed), k.c);
  EXPECT_EQ(sr, k.srAfter);
  EXPECT_FALSE(conditionFailed) << "only _TSC leaves the condition failed";
}

constexpr uint16_t C = sr::kC, V = sr::kV, Z = sr::kZ, N = sr::kN, I = sr::kI;

// Whether the ALU makes its general flag update (in the execute phase).
constexpr bool kGeneralUpdate = true, kNoGeneralUpdate = false;

const AluCase kAluCases[] = {
    {"inc wraps: carry and zero", kAluInc, 0xFFFF, 0, 0, kGeneralUpdate, 0x0000, C | Z},
    {"inc outside execute: flags untouched", kAluInc, 0xFFFF, 0, N, kNoGeneralUpdate, 0x0000, N},
    {"add overflow keeps carry", kAluAdd, 0x7FFF, 0x0001, C, kGeneralUpdate, 0x8000, C | V | N},
    {"add without overflow", kAluAdd, 0x0001, 0x0002, V | Z, kGeneralUpdate, 0x0003, 0},
    {"sub never sets carry", kAluSub, 1, 2, 0, kGeneralUpdate, 0xFFFF, N},
    {"sub keeps carry", kAluSub, 5, 5, C, kGeneralUpdate, 0x0000, C | Z},
    {"adc adds carry", kAluAdc, 1, 2, C, kGeneralUpdate, 0x0004, C},
    {"subc", kAluSubc, 5, 7, C, kGeneralUpdate, 0xFFFF, C | N},
    {"mul low word", kAluMul, 0x0100, 0x0100, 0, kGeneralUpdate, 0x0000, C | Z},
    {"mul of 2^31 or more sets no carry", kAluMul, 0xFFFF, 0xFFFF, 0, kGeneralUpdate, 0x0001, 0},
    {"div", kAluDiv, 100, 7, 0, kGeneralUpdate, 14, 0},
    {"div by zero passes A", kAluDiv, 0x1234, 0, 0, kGeneralUpdate, 0x1234, 0},
    {"mod", kAluMod, 100, 7, 0, kGeneralUpdate, 2, 0},
    {"mod by zero passes A", kAluMod, 0x8001, 0, 0, kGeneralUpdate, 0x8001, N},
    {"and", kAluAnd, 0xF0F0, 0x0FF0, 0, kGeneralUpdate, 0x00F0, 0},
    {"or", kAluOr, 0xF000, 0x000F, 0, kGeneralUpdate, 0xF00F, N},
    {"xor to zero", kAluXor, 0xAAAA, 0xAAAA, 0, kGeneralUpdate, 0, Z},
    {"dec", kAluDec, 0, 0, 0, kGeneralUpdate, 0xFFFF, N},
    {"clr", kAluClr, 0x1234, 0, N, kGeneralUpdate, 0, Z},
    {"asl carries out", kAluAsl, 0x8001, 0, 0, kGeneralUpdate, 0x0002, C},
    {"asr keeps the sign bit", kAluAsr, 0x8000, 0, 0, kGeneralUpdate, 0xC000, N},
    {"asr of a positive word", kAluAsr, 0x0003, 0, 0, kGeneralUpdate, 0x0001, 0},
    {"lsl own carry", kAluLsl, 0x8000, 0, 0, kNoGeneralUpdate, 0x0000, C},
    {"lsr own carry", kAluLsr, 0x0001, 0, 0, kNoGeneralUpdate, 0x0000, C},
    {"lsr clears carry", kAluLsr, 0x8002, 0, C, kNoGeneralUpdate, 0x4001, 0},
    {"lsr sets carry", kAluLsr, 0x0003, 0, 0, kNoGeneralUpdate, 0x0001, C},
    {"rol", kAluRol, 0x8001, 0, 0, kNoGeneralUpdate, 0x0003, 0},
    {"ror", kAluRor, 0x0001, 0, 0, kNoGeneralUpdate, 0x8000, 0},
    {"rolc clears carry", kAluRolc, 0x4000, 0, C, kNoGeneralUpdate, 0x8000, 0},
    {"rorc sets carry", kAluRorc, 0x0001, 0, 0, kNoGeneralUpdate, 0x8000, C},
    {"tst", kAluTst, 0x8000, 0, 0, kGeneralUpdate, 0x8000, N},
    {"clc", kAluClc, 0x0005, 0, C | N, kGeneralUpdate, 0x0005, 0},
    {"sec", kAluSec, 0x0000, 0, 0, kGeneralUpdate, 0x0000, C | Z},
    {"cli", kAluCli, 0x0001, 0, I | C, kNoGeneralUpdate, 0x0001, C},
    {"sei", kAluSei, 0x0001, 0, 0, kNoGeneralUpdate, 0x0001, I},
    {"neg", kAluNeg, 0x0001, 0, 0, kGeneralUpdate, 0xFFFF, N},
    {"civ", kAluCiv, 0x0300, 0, 0, kNoGeneralUpdate, 0xFFFC, 0},
    {"civ uses bits 11-8 only", kAluCiv, 0xFF00, 0, 0, kNoGeneralUpdate, 0xFFF0, 0},
    {"no function passes A", kAluNone, 0x1234, 0x1111, 0xFFE1, kGeneralUpdate, 0x1234, 0xFFE1},
    {"codes above 32 pass A", 40, 0x4321, 0, N, kGeneralUpdate, 0x4321, N},
    {"abcd", kAluAbcd, 0x0019, 0x0001, 0, kNoGeneralUpdate, 0x0020, 0},
    {"abcd with carry in", kAluAbcd, 0x0099, 0x0000, C, kNoGeneralUpdate, 0x0100, 0},
    {"abcd carries out", kAluAbcd, 0x9999, 0x0001, 0, kNoGeneralUpdate, 0x0000, C},
    {"abcd zero", kAluAbcd, 0, 0, 0, kNoGeneralUpdate, 0, Z},
    {"abcd looks at the digit's own bits", kAluAbcd, 0x0009, 0x0009, 0, kNoGeneralUpdate, 0x0012, 0},
    {"sbcd", kAluSbcd, 0x0020, 0x0001, 0, kNoGeneralUpdate, 0x0019, 0},
    {"sbcd borrows", kAluSbcd, 0x0000, 0x0001, 0, kNoGeneralUpdate, 0x9999, C},
    {"sbcd equal", kAluSbcd, 0x0042, 0x0042, 0, kNoGeneralUpdate, 0x0000, Z},
    {"nbcd", kAluNbcd, 0x0001, 0, 0, kNoGeneralUpdate, 0x9999, 0},
    {"nbcd of zero", kAluNbcd, 0x0000, 0, 0, kNoGeneralUpdate, 0x0000, C | Z},
    {"bcd in execute: general update never sets carry", kAluAbcd, 0x5000, 0x5000, 0, kGeneralUpdate, 0x0000,
     C | Z},
};

INSTANTIATE_TEST_SUITE_P(Functions, AluTable, ::testing::ValuesIn(kAluCases), test::CaseNamed());

TEST(Alu, ClearingAFlagWipesTheUnusedBits) {
  uint16_t sr = 0xFFE1;
  bool failed = false;
  Alu::Evaluate(kAluClc, 0, 0, false, sr, failed);
  EXPECT_EQ(sr, 0x0000);
}

TEST(Alu, TscSetsConditionFailedWithoutTouchingFlags) {
  struct Case {
    int k;
    uint16_t sr;
    bool holds;
  };
  constexpr bool kHolds = true, kFails = false;
  // clang-format off
  const Case cases[] = {
      {0, 0, kFails},
      {1, C, kHolds},
      {1, 0, kFails},
      {2, 0, kHolds},
      {3, V, kHolds},
      {4, V, kFails},
      {5, N, kHolds},
      {6, N, kFails},
      {7, Z, kHolds},
      {7, 0, kFails},
      {8, 0, kHolds},
      {9, 0, kHolds},
      {9, C, kFails},
      {9, Z, kFails},
      {10, Z, kHolds},
      {10, C, kHolds},
      {10, 0, kFails},
      {11, N | V, kHolds},
      {11, N | V | Z, kFails},
      {11, N, kFails},
      {12, N, kHolds},
      {12, N | V, kFails},
      {13, V | N, kHolds},
      {13, V, kFails},
      {14, Z, kHolds},
      {14, V, kHolds},
      {14, N | V, kFails},
      {15, 0, kHolds},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "condition " << c.k << " sr " << c.sr);
    uint16_t sr = c.sr;
    bool failed = !c.holds;
    const uint16_t a = static_cast<uint16_t>(0x3000 | (c.k << 8) | 0x42);
    EXPECT_EQ(Alu::Evaluate(kAluTsc, a, 0, true, sr, failed), a);
    EXPECT_EQ(failed, !c.holds);
    EXPECT_EQ(sr, c.sr);
  }
}

}  // namespace
}  // namespace tav2
