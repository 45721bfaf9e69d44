#include "core/sim/memoryrowtext.h"

#include <bitset>

#include "core/sim/mainmemory.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

std::string Binary(uint16_t word) { return std::bitset<16>(word).to_string(); }

// The control codes of Latin-1: below 0x20 and from DEL to 0x9F.
bool IsControlCode(uint8_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

std::string Character(uint8_t code) {
  return std::string(1, IsControlCode(code) ? ' ' : static_cast<char>(code));
}

}  // namespace

MemoryRowText MemoryRowText::Of(const MainMemory& memory, uint16_t address) {
  const uint16_t word = memory.Read(address);
  return {Formatted("%04X", address), Formatted("%04X", word), Formatted("%6d", static_cast<int16_t>(word)),
          Character(static_cast<uint8_t>(word)), Binary(word)};
}

}  // namespace tav2
