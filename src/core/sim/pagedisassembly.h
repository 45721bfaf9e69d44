#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tav2 {

struct Machine;

// The disassembly column of a memory page of 256 words: on each row the
// instruction that starts there, a relative branch naming its target (by
// the loaded program's label when it has one there), and the label of the
// row's address before it ("loop: BNE loop"). The rows that hold the
// further words of the instruction above stay empty but for a label. The
// page is read from its first row, so the same page always reads the same,
// whatever was disassembled before.
struct PageDisassembly {
  static constexpr int kRows = 256;

  std::array<std::string, kRows> rows;

  static PageDisassembly Of(const Machine& machine, uint16_t pageBase);
};

}  // namespace tav2
