#include "sim/alu.h"

#include "sim/alufunctions.h"
#include "sim/processorstate.h"

namespace tav2 {

namespace {

void SetFlag(uint16_t& sr, uint16_t bit) { sr = static_cast<uint16_t>(sr | bit); }
void ClearFlag(uint16_t& sr, uint16_t mask) { sr = static_cast<uint16_t>(sr & mask); }
void PutFlag(uint16_t& sr, bool on, uint16_t bit, uint16_t clearMask) {
  if (on) {
    SetFlag(sr, bit);
  } else {
    ClearFlag(sr, clearMask);
  }
}

int32_t RotateRight(uint16_t a) { return (a >> 1) | ((a & 1) << 15); }
int32_t RotateLeft(uint16_t a) { return 2 * a + (a >> 15); }

}  // namespace

bool Alu::Condition(int k, uint16_t sr) {
  const bool c = sr & sr::kC, v = sr & sr::kV, z = sr & sr::kZ, n = sr & sr::kN;
  switch (k & 0xF) {
    case 0: return false;
    case 1: return c;
    case 2: return !c;
    case 3: return v;
    case 4: return !v;
    case 5: return n;
    case 6: return !n;
    case 7: return z;
    case 8: return !z;
    case 9: return !c && !z;
    case 10: return c || z;
    case 11: return n == v && !z;
    case 12: return n != v;
    case 13: return n == v;
    case 14: return z || n != v;
    default: return true;
  }
}

// BCD add of the four digits with the carry as carry in; the correction
// looks at each digit's own four bits. C and Z follow every digit.
int32_t Alu::AddBcd(uint16_t a, uint16_t b, uint16_t& sr) {
  int32_t r = sr & sr::kC;
  for (int32_t m = 0x000F; m <= 0xF000; m <<= 4) {
    r += (a & m) + (b & m);
    if ((r & m) > (0x9999 & m)) r += 0x6666 & m;
    PutFlag(sr, r > 0xFFFF, sr::kC, sr::kClearC);
    PutFlag(sr, r == 0, sr::kZ, sr::kClearZ);
  }
  return r & 0xFFFF;
}

int32_t Alu::SubtractBcd(uint16_t a, uint16_t b, uint16_t& sr) {
  int32_t r = -(sr & sr::kC);
  for (int32_t m = 0x000F; m <= 0xF000; m <<= 4) {
    r += (a & m) - (b & m);
    if ((r & m) > (0x9999 & m)) r -= 0x6666 & m;
  }
  PutFlag(sr, r < 0, sr::kC, sr::kClearC);
  PutFlag(sr, r == 0, sr::kZ, sr::kClearZ);
  return r & 0xFFFF;
}

int32_t Alu::NegateBcd(uint16_t a, uint16_t& sr) {
  const int32_t r = AddBcd(static_cast<uint16_t>(0x9999 - a), 1, sr);
  PutFlag(sr, r == 0, sr::kZ, sr::kClearZ);
  return r;
}

void Alu::GeneralUpdate(int function, uint16_t a, uint16_t b, int32_t r, uint16_t& sr) {
  if (r > 65535) SetFlag(sr, sr::kC);
  const bool overflow = function == kAluAdd && ((a ^ b) & 0x8000) == 0 && ((a ^ r) & 0x8000) != 0;
  PutFlag(sr, overflow, sr::kV, sr::kClearV);
  PutFlag(sr, (r & 0xFFFF) == 0, sr::kZ, sr::kClearZ);
  PutFlag(sr, (r & 0x8000) != 0, sr::kN, sr::kClearN);
}

uint16_t Alu::Evaluate(int function, uint16_t a, uint16_t b, bool generalUpdate, uint16_t& sr,
                       bool& conditionFailed) {
  conditionFailed = false;
  const int32_t carry = sr & sr::kC;
  int32_t r;
  switch (function) {
    case kAluAdd: r = a + b; break;
    case kAluAdc: r = a + b + carry; break;
    case kAluSub: r = a - b; break;
    case kAluSubc: r = a + carry - b; break;
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
    case kAluTsc:
      conditionFailed = !Condition(a >> 8, sr);
      return a;
    // The flag operations pass A through.
    case kAluClc: ClearFlag(sr, sr::kClearC); r = a; break;
    case kAluCli: ClearFlag(sr, sr::kClearI); r = a; break;
    case kAluSec: SetFlag(sr, sr::kC); r = a; break;
    case kAluSei: SetFlag(sr, sr::kI); r = a; break;
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
