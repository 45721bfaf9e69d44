#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/sim/microinstruction.h"

namespace tav2 {

// One micro-code ROM entry: a mnemonic or sequence name (kept whole, at any
// length), its opcode (0 = undefined), the number of micro-instructions, the
// operand kind and the micro-program.
struct McromEntry {
  static constexpr int kMaxMicroInstructions = 16;

  std::string name;
  uint32_t opcode = 0;
  int32_t count = 0;
  uint8_t operandKind = 0;
  std::array<MicroInstruction, kMaxMicroInstructions> program{};

  const std::string& Name() const { return name; }
  std::string_view NameView() const { return name; }
  void SetName(std::string_view text) { name = text; }
  // The count limited to the 16 micro-instructions an entry holds.
  int UsableCount() const {
    return count < 0 ? 0 : count > kMaxMicroInstructions ? kMaxMicroInstructions : count;
  }
};

}  // namespace tav2
