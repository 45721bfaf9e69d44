#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/sim/microinstruction.h"

namespace tav2 {

// The three header lines that label the columns of the binary text.
constexpr std::array<std::string_view, 3> kBinaryHeaderAbove = {"R1  A.  C.  IR  T1  DRu MEM    SR  op2",
                                                                "  R2  B.  PC  SP  DRi MAR ALU..  op1  ",
                                                                "RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW "};

// 38 characters '0'/'1': LO bits 0-25, the ALU code from its most
// significant bit, HI bits 0-5.
std::string MicroInstructionBinary(const MicroInstruction& mi);

// The micro-instruction as text ("A:=MAR:=PC;  ALU:=_INC; "); op1 and op2
// appear only when `showOperands` is set.
std::string MicroInstructionText(const MicroInstruction& mi, bool showOperands);

}  // namespace tav2
