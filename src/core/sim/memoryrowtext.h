#pragma once
#include <cstdint>
#include <string>

namespace tav2 {

class MainMemory;

// The texts a memory view shows on the row of one word: the address, the
// word in hexadecimal, as a signed decimal number, as a character (one
// Latin-1 byte; control codes show as a blank) and in binary.
struct MemoryRowText {
  std::string address;
  std::string hex;
  std::string decimal;
  std::string ascii;
  std::string binary;

  static MemoryRowText Of(const MainMemory& memory, uint16_t address);
  bool operator==(const MemoryRowText&) const = default;
};

}  // namespace tav2
