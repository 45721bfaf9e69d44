#include "core/sim/alu.h"

namespace tav2 {

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

}  // namespace tav2
