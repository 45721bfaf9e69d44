#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav2 {

// The hexadecimal fields of the assembler options dialog, and of the
// register and memory words edited in the processor window and the memory
// views.
class HexField {
 public:
  // "  %04X": two blanks and four upper-case digits.
  static std::string Text(uint16_t word);
  // Leading blanks and tabs skipped, an optional "0x" prefix, then the hexadecimal
  // digits up to the first other character; the low 16 bits of the number.
  // None when there is no digit.
  static std::optional<uint16_t> Read(std::string_view text);
  // A whole word as typed into an edit: blanks around it, an optional "0x"
  // prefix and one to four hexadecimal digits, nothing else. None otherwise.
  static std::optional<uint16_t> ReadWord(std::string_view text);
};

}  // namespace tav2
