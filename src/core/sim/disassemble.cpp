#include "core/sim/disassemble.h"

#include "core/sim/decodedinstruction.h"
#include "core/util/formatted.h"
#include "core/sim/mainmemory.h"
#include "core/sim/mcrom.h"
#include "core/sim/programlabels.h"

namespace tav2 {

namespace {

// Where a relative branch at `address` with extension word `offset` goes:
// the offset counts from the word after the instruction.
std::string BranchTarget(uint16_t address, uint16_t offset, const ProgramLabels& targets) {
  const auto target = static_cast<uint16_t>(address + 2 + offset);
  if (const std::string* label = targets.FindAt(target)) return *label;
  return Formatted("%04X", target);
}

}  // namespace

int Disassemble(const MainMemory& memory, const Mcrom& mcrom, uint16_t address, std::string& text,
                const ProgramLabels* targets) {
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
    const uint16_t extension = memory.Read(static_cast<uint16_t>(address + 1));
    text += targets != nullptr && IsRelativeBranch(d.opcode) ? BranchTarget(address, extension, *targets)
                                                             : Formatted("%04X", extension);
  } else if (d.op2 != Operand::None) {
    text += OperandName(d.op2);
  }
  if (indirect) text += ")";
  return d.extension ? 2 : 1;
}

}  // namespace tav2
