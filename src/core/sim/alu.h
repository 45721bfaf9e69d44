#pragma once
#include <cstdint>

#include "core/sim/alufunctions.h"
#include "core/sim/processorstate.h"

namespace tav2 {

// The ALU: computes C from A and B for a function code and applies the
// function's own flag effect and, when asked, the general flag update.
// Evaluate runs on every clock, so it is defined here to be inlined.
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
  static void SetFlag(uint16_t& sr, uint16_t bit) { sr = static_cast<uint16_t>(sr | bit); }
  static void ClearFlag(uint16_t& sr, uint16_t mask) { sr = static_cast<uint16_t>(sr & mask); }
  static void PutFlag(uint16_t& sr, bool on, uint16_t bit, uint16_t clearMask) {
    if (on) {
      SetFlag(sr, bit);
    } else {
      ClearFlag(sr, clearMask);
    }
  }
  static int32_t RotateRight(uint16_t a) { return (a >> 1) | ((a & 1) << 15); }
  static int32_t RotateLeft(uint16_t a) { return 2 * a + (a >> 15); }

  static int32_t AddBcd(uint16_t a, uint16_t b, uint16_t& sr);
  static int32_t SubtractBcd(uint16_t a, uint16_t b, uint16_t& sr);
  static int32_t NegateBcd(uint16_t a, uint16_t& sr);
  static void GeneralUpdate(int function, uint16_t a, uint16_t b, int32_t r, uint16_t& sr);
};

// C is only ever set; V, Z and N are each set or cleared, and as Z and N
// are never both set at least one clear wipes bits 5-15.
inline void Alu::GeneralUpdate(int function, uint16_t a, uint16_t b, int32_t r, uint16_t& sr) {
  const bool carry = r > 65535;
  const bool overflow = function == kAluAdd && ((a ^ b) & 0x8000) == 0 && ((a ^ r) & 0x8000) != 0;
  const bool zero = (r & 0xFFFF) == 0;
  const bool negative = (r & 0x8000) != 0;
  sr = static_cast<uint16_t>((sr & (sr::kC | sr::kI)) | (carry ? sr::kC : 0) | (overflow ? sr::kV : 0) |
                             (zero ? sr::kZ : 0) | (negative ? sr::kN : 0));
}

[[gnu::always_inline]] inline uint16_t Alu::Evaluate(int function, uint16_t a, uint16_t b, bool generalUpdate,
                                                     uint16_t& sr, bool& conditionFailed) {
  conditionFailed = false;
  if (function == kAluNone) return a;
  int32_t r;
  switch (function) {
    case kAluAdd: r = a + b; break;
    case kAluAdc: r = a + b + (sr & sr::kC); break;
    case kAluSub: r = a - b; break;
    case kAluSubc: r = a + (sr & sr::kC) - b; break;
    // The product is taken as a signed 32-bit number, as the machine does.
    case kAluMul: r = static_cast<int32_t>(static_cast<uint32_t>(a) * b); break;
    // Division by zero passes A through.
    case kAluDiv: r = b != 0 ? a / b : a; break;
    case kAluMod: r = b != 0 ? a % b : a; break;
    case kAluAnd: r = a & b; break;
    case kAluOr: r = a | b; break;
    case kAluXor: r = a ^ b; break;
    case kAluInc: r = a + 1; break;
    case kAluDec: r = a - 1; break;
    case kAluClr: r = 0; break;
    case kAluAsl: r = 2 * a; break;
    case kAluAsr: r = (a >> 1) | (a & 0x8000); break;
    case kAluLsl:
      PutFlag(sr, a & 0x8000, sr::kC, sr::kClearC);
      r = 2 * a;
      break;
    case kAluLsr:
      PutFlag(sr, a & 1, sr::kC, sr::kClearC);
      r = a >> 1;
      break;
    case kAluRor: r = RotateRight(a); break;
    case kAluRol: r = RotateLeft(a); break;
    case kAluRorc:
      PutFlag(sr, a & 1, sr::kC, sr::kClearC);
      r = RotateRight(a);
      break;
    case kAluRolc:
      PutFlag(sr, a & 0x8000, sr::kC, sr::kClearC);
      r = RotateLeft(a);
      break;
    case kAluTst: r = a; break;
    case kAluTsc: conditionFailed = !Condition(a >> 8, sr); return a;
    // The flag operations pass A through.
    case kAluClc:
      ClearFlag(sr, sr::kClearC);
      r = a;
      break;
    case kAluCli:
      ClearFlag(sr, sr::kClearI);
      r = a;
      break;
    case kAluSec:
      SetFlag(sr, sr::kC);
      r = a;
      break;
    case kAluSei:
      SetFlag(sr, sr::kI);
      r = a;
      break;
    case kAluAbcd: r = AddBcd(a, b, sr); break;
    case kAluSbcd: r = SubtractBcd(a, b, sr); break;
    case kAluNbcd: r = NegateBcd(a, sr); break;
    case kAluNeg: r = -a; break;
    case kAluCiv: r = 0xFFFF - ((a >> 8) & 0xF); break;
    default: return a;  // no function: A passes, no flag changes
  }
  if (generalUpdate) GeneralUpdate(function, a, b, r, sr);
  return static_cast<uint16_t>(r);
}

}  // namespace tav2
