#include "sim/decodedinstruction.h"

namespace tav2 {

namespace {

constexpr uint8_t kLoadAddressOpcode = 0x20;

// Register codes 1, 2, 6 and 7 name R1, R2, SP and PC; the others none.
Operand ProgrammerRegister(unsigned code) {
  switch (code) {
    case 1: return Operand::R1;
    case 2: return Operand::R2;
    case 6: return Operand::SP;
    case 7: return Operand::PC;
    default: return Operand::None;
  }
}

}  // namespace

std::string_view OperandName(Operand operand) {
  switch (operand) {
    case Operand::R1: return "R1";
    case Operand::R2: return "R2";
    case Operand::T1: return "T1";
    case Operand::SP: return "SP";
    case Operand::PC: return "PC";
    case Operand::None: break;
  }
  return {};
}

DecodedInstruction DecodedInstruction::Decode(uint16_t word) {
  DecodedInstruction d;
  d.opcode = static_cast<uint8_t>(word >> 8);
  d.extension = (word >> 4) & 1u;
  const bool indirectBit = (word >> 3) & 1u;
  d.indirect = indirectBit && d.opcode != kLoadAddressOpcode;
  d.writeBack = indirectBit && d.opcode >= 0x10 && d.opcode <= 0x1F;
  d.op1 = ProgrammerRegister((word >> 5) & 7u);
  const unsigned op2Code = word & 7u;
  d.op2 = ProgrammerRegister(op2Code);
  if (d.op2 == Operand::None && (op2Code != 0 || d.extension)) d.op2 = Operand::T1;
  return d;
}

}  // namespace tav2
