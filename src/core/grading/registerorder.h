#pragma once
#include <string_view>

#include "core/sim/processorstate.h"

namespace tav2 {

// A register and the name the headless runner's dumps give it.
struct NamedRegister {
  Reg reg;
  std::string_view name;
};

// The registers in the order of the `--regs` line, which the case files,
// reports and traces keep too.
inline constexpr NamedRegister kRegisterOrder[kRegisterCount] = {
    {Reg::PC, "PC"}, {Reg::SP, "SP"}, {Reg::R1, "R1"}, {Reg::R2, "R2"},   {Reg::T1, "T1"},   {Reg::A, "A"},
    {Reg::B, "B"},   {Reg::C, "C"},   {Reg::IR, "IR"}, {Reg::MDR, "MDR"}, {Reg::MAR, "MAR"}, {Reg::SR, "SR"}};

// The dump name of a register.
constexpr std::string_view RegisterName(Reg reg) {
  for (const NamedRegister& named : kRegisterOrder) {
    if (named.reg == reg) return named.name;
  }
  return {};
}

}  // namespace tav2
