#pragma once
#include <cstdint>
#include <string>

namespace tav2 {

class MainMemory;
class Mcrom;

// Writes the one-instruction disassembly of the word at `address` into
// `text` and returns the number of words it takes (1 or 2).
int Disassemble(const MainMemory& memory, const Mcrom& mcrom, uint16_t address, std::string& text);

}  // namespace tav2
