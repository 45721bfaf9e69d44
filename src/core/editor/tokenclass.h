#pragma once
#include <cstdint>

namespace tav2 {

// The colouring classes of words and stretches of source text.
enum class TokenClass : int {
  Plain = 0,                  // between tokens, unlisted words, outside the region
  HashWord = 1,               // "#" followed by letters, digits and "#" ("##" included)
  Directive = 3,              // assembler directives
  FunctionWord = 5,           // micro-code ALU functions; the assembler word BEGIN
  Number = 7,                 // numbers
  Comment = 8,                // "//" to the line end, "/*" to "*/"
  RegisterOrInstruction = 9,  // micro-code registers; assembler instruction names
  AssemblerRegister = 10,     // assembler registers
  OutsideRegion = 11,         // text outside the region (shown plain; spans never carry it)
};

// How a class is shown. `colour` is a 24-bit value with red in the low byte
// (0x0000FF is red); Rgb() gives it as 0xRRGGBB.
struct TokenStyle {
  uint32_t colour = 0;
  bool bold = false;
  bool italic = false;

  uint32_t Rgb() const { return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF); }
  bool operator==(const TokenStyle&) const = default;
};

TokenStyle StyleOf(TokenClass tokenClass);

}  // namespace tav2
