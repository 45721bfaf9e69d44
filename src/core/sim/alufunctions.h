#pragma once
#include <string_view>

namespace tav2 {

// ALU function codes (LO bits 26-31 of a micro-instruction). Code 0 and
// codes above kLastAluFunction mean no function.
enum AluCode : int {
  kAluNone = 0,
  kAluAdd = 1,
  kAluAdc,
  kAluSub,
  kAluSubc,
  kAluMul,
  kAluDiv,
  kAluMod,
  kAluAnd,
  kAluOr,
  kAluXor,
  kAluInc,
  kAluDec,
  kAluClr,
  kAluAsl,
  kAluAsr,
  kAluLsl,
  kAluLsr,
  kAluRor,
  kAluRol,
  kAluRorc,
  kAluRolc,
  kAluTst,
  kAluTsc,
  kAluClc,
  kAluCli,
  kAluSec,
  kAluSei,
  kAluAbcd,
  kAluSbcd,
  kAluNbcd,
  kAluNeg,
  kAluCiv,
  kLastAluFunction = kAluCiv,
};

// "_ADD" .. "_CIV"; empty for codes without a function.
std::string_view AluFunctionName(int code);
// The code of a function name, compared exactly; 0 when it names none.
int AluFunctionCode(std::string_view name);

}  // namespace tav2
