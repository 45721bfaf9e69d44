#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/microinstruction.h"

namespace tav2 {

// One micro-code ROM entry: a mnemonic or sequence name in a fixed
// 16-character field, its opcode (0 = undefined), the number of
// micro-instructions, the operand kind and the micro-program.
struct McromEntry {
  static constexpr std::size_t kNameSize = 16;
  static constexpr int kMaxMicroInstructions = 16;

  std::array<char, kNameSize> name{};
  uint32_t opcode = 0;
  int32_t count = 0;
  uint8_t operandKind = 0;
  std::array<MicroInstruction, kMaxMicroInstructions> program{};

  // The name as text: at most 16 characters, up to the first NUL.
  std::string Name() const { return std::string(NameView()); }
  std::string_view NameView() const;
  // Stores a name, cut to 16 characters and padded with NULs.
  void SetName(std::string_view text);
  // The count limited to the 16 micro-instructions an entry holds.
  int UsableCount() const { return count < 0 ? 0 : count > kMaxMicroInstructions ? kMaxMicroInstructions : count; }
};

}  // namespace tav2
