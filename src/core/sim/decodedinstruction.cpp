#include "core/sim/decodedinstruction.h"

namespace tav2 {

std::string_view OperandName(Operand operand) {
  switch (operand) {
    case Operand::R1: return "R1";
    case Operand::R2: return "R2";
    case Operand::T1: return "T1";
    case Operand::SP: return "SP";
    case Operand::PC: return "PC";
    case Operand::None: break;
  }
  return {};
}

}  // namespace tav2
