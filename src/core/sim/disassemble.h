#pragma once
#include <cstdint>
#include <string>

namespace tav2 {

class MainMemory;
class Mcrom;
class ProgramLabels;

// Writes the one-instruction disassembly of the word at `address` into
// `text` and returns the number of words it takes (1 or 2). With `targets`
// a relative branch names where it goes, as the source does: the label
// there, or else the address, instead of the stored offset.
int Disassemble(const MainMemory& memory, const Mcrom& mcrom, uint16_t address, std::string& text,
                const ProgramLabels* targets = nullptr);

}  // namespace tav2
