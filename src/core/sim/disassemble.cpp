#include "core/sim/disassemble.h"

#include "core/sim/decodedinstruction.h"
#include "core/util/formatted.h"
#include "core/sim/mainmemory.h"
#include "core/sim/mcrom.h"

namespace tav2 {

int Disassemble(const MainMemory& memory, const Mcrom& mcrom, uint16_t address, std::string& text) {
  const DecodedInstruction d = DecodedInstruction::Decode(memory.Read(address));
  const McromEntry& entry = mcrom.Entry(d.opcode);
  if (entry.opcode == 0) {
    text.assign(1, '-');
    return 1;
  }
  text = entry.Name() + " ";
  if (d.op1 != Operand::None) {
    text += OperandName(d.op1);
    text += ", ";
  }
  const bool indirect = d.indirect || entry.opcode == 0x20;
  if (indirect) text += "(";
  if (d.extension) {
    text += Formatted("%04X", memory.Read(static_cast<uint16_t>(address + 1)));
  } else if (d.op2 != Operand::None) {
    text += OperandName(d.op2);
  }
  if (indirect) text += ")";
  return d.extension ? 2 : 1;
}

}  // namespace tav2
