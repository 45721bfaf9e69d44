#pragma once
#include <cstdint>

namespace tav2 {

// The ALU: computes C from A and B for a function code and applies the
// function's own flag effect and, when asked, the general flag update.
class Alu {
 public:
  // Returns the new C. `generalUpdate` holds in the Execute phase of opcodes
  // up to 0x1F. `conditionFailed` is cleared, and set by _TSC when its
  // condition is false.
  static uint16_t Evaluate(int function, uint16_t a, uint16_t b, bool generalUpdate, uint16_t& sr,
                           bool& conditionFailed);

  // The condition k (0-15) of _TSC on the flags in `sr`.
  static bool Condition(int k, uint16_t sr);

 private:
  static int32_t AddBcd(uint16_t a, uint16_t b, uint16_t& sr);
  static int32_t SubtractBcd(uint16_t a, uint16_t b, uint16_t& sr);
  static int32_t NegateBcd(uint16_t a, uint16_t& sr);
  static void GeneralUpdate(int function, uint16_t a, uint16_t b, int32_t r, uint16_t& sr);
};

}  // namespace tav2
