#pragma once
#include <cstdint>
#include <string_view>

namespace tav2 {

// Operand registers in their internal numbering (also the substitution codes).
enum class Operand : uint8_t { None = 0, R1 = 1, R2 = 2, T1 = 3, SP = 4, PC = 5 };
constexpr int kOperandKinds = 6;

// "R1", "R2", "T1", "SP", "PC"; empty for None.
std::string_view OperandName(Operand operand);

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
};

}  // namespace tav2
