#pragma once
#include <cstdint>
#include <string_view>

namespace tav2 {

// Operand registers in their internal numbering (also the substitution codes).
enum class Operand : uint8_t { None = 0, R1 = 1, R2 = 2, T1 = 3, SP = 4, PC = 5 };
constexpr int kOperandKinds = 6;

// "R1", "R2", "T1", "SP", "PC"; empty for None.
std::string_view OperandName(Operand operand);

// The branches whose extension word holds an offset from the word after
// the instruction rather than an address.
constexpr bool IsRelativeBranch(int opcode) { return (opcode >= 0x30 && opcode <= 0x3F) || opcode == 0x53; }

// The fields of an instruction word.
struct DecodedInstruction {
  uint8_t opcode = 0;
  bool extension = false;
  bool indirect = false;
  bool writeBack = false;
  Operand op1 = Operand::None;
  Operand op2 = Operand::None;

  static DecodedInstruction Decode(uint16_t word);
  bool operator==(const DecodedInstruction&) const = default;

 private:
  static Operand ProgrammerRegister(unsigned code);
};

// Register codes 1, 2, 6 and 7 name R1, R2, SP and PC; the others none.
inline Operand DecodedInstruction::ProgrammerRegister(unsigned code) {
  switch (code) {
    case 1: return Operand::R1;
    case 2: return Operand::R2;
    case 6: return Operand::SP;
    case 7: return Operand::PC;
    default: return Operand::None;
  }
}

// Defined here: the sequencer decodes every instruction.
inline DecodedInstruction DecodedInstruction::Decode(uint16_t word) {
  constexpr uint8_t kLoadAddressOpcode = 0x20;
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
