#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tav2 {

class MainMemory;
class ProgramLabels;

// What a memory view's Go to address and Find value look for.
class MemorySearch {
 public:
  // A label of the loaded program, or a hexadecimal address of up to four
  // digits with an optional "0x"; none for anything else.
  static std::optional<uint16_t> AddressOf(std::string_view text, const ProgramLabels& labels);
  // The words a search text stands for: a hexadecimal word of up to four
  // digits, or else a text, one character a word as STR stores it (quotes
  // around it are dropped, so that "ABC" is searched as a text). Empty for
  // an empty text.
  static std::vector<uint16_t> WordsOf(std::string_view text);
  // The first address after `from` (wrapping round memory, `from` itself
  // last) where `words` stand in a row; none when they stand nowhere.
  static std::optional<uint16_t> Find(const MainMemory& memory, const std::vector<uint16_t>& words,
                                      uint16_t from);
};

}  // namespace tav2
