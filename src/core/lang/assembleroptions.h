#pragma once
#include <cstdint>

namespace tav2 {

// The assembler defaults. Both are integers of which 16 bits are used; the
// dialog stores the word it read taken as signed, so 8000..FFFF become
// negative numbers, and the options file holds whatever number it gave.
struct AssemblerOptions {
  static constexpr int kDefaultProgramStart = 0;
  static constexpr int kDefaultStackPointer = 0x7FFF;

  int programStart = kDefaultProgramStart;
  int defaultStackPointer = kDefaultStackPointer;

  void SetProgramStart(uint16_t word) { programStart = Signed(word); }
  void SetDefaultStackPointer(uint16_t word) { defaultStackPointer = Signed(word); }
  uint16_t ProgramStartWord() const { return static_cast<uint16_t>(programStart); }
  uint16_t DefaultStackPointerWord() const { return static_cast<uint16_t>(defaultStackPointer); }

  static int Signed(uint16_t word) { return static_cast<int16_t>(word); }

  bool operator==(const AssemblerOptions&) const = default;
};

}  // namespace tav2
