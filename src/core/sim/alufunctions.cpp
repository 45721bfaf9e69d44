#include "core/sim/alufunctions.h"

#include <array>

namespace tav2 {

namespace {
constexpr std::array<std::string_view, kLastAluFunction + 1> kNames = {
    "",     "_ADD", "_ADC", "_SUB", "_SUBC", "_MUL", "_DIV",  "_MOD",  "_AND",  "_OR",   "_XOR",
    "_INC", "_DEC", "_CLR", "_ASL", "_ASR",  "_LSL", "_LSR",  "_ROR",  "_ROL",  "_RORC", "_ROLC",
    "_TST", "_TSC", "_CLC", "_CLI", "_SEC",  "_SEI", "_ABCD", "_SBCD", "_NBCD", "_NEG",  "_CIV"};
}  // namespace

std::string_view AluFunctionName(int code) {
  if (code <= kAluNone || code > kLastAluFunction) return {};
  return kNames[static_cast<std::size_t>(code)];
}

int AluFunctionCode(std::string_view name) {
  for (int code = kAluAdd; code <= kLastAluFunction; ++code) {
    if (kNames[static_cast<std::size_t>(code)] == name) return code;
  }
  return kAluNone;
}

}  // namespace tav2
