#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav2 {

// The hexadecimal address fields of the assembler options dialog.
class HexField {
 public:
  // "  %04X": two blanks and four upper-case digits.
  static std::string Text(uint16_t word);
  // Leading blanks and tabs skipped, an optional "0x" prefix, then the hexadecimal
  // digits up to the first other character; the low 16 bits of the number.
  // None when there is no digit.
  static std::optional<uint16_t> Read(std::string_view text);
};

}  // namespace tav2
