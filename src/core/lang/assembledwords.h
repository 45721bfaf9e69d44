#pragma once
#include <bitset>
#include <cstdint>
#include <vector>

namespace tav2 {

// The words one assembly produces, with their addresses; an address holds
// at most one word.
class AssembledWords {
 public:
  struct Tuplet {
    uint16_t address;
    uint16_t value;
  };

  void Clear();
  // Adds a word; false, and nothing stored, when its address already has one.
  bool Add(uint16_t address, uint16_t value);
  bool Empty() const { return tuplets_.empty(); }
  const std::vector<Tuplet>& Tuplets() const { return tuplets_; }

 private:
  std::vector<Tuplet> tuplets_;
  std::bitset<65536> used_;
};

}  // namespace tav2
