#include "support/simsupport.h"

#include <algorithm>

#include "core/sim/alufunctions.h"
#include "core/util/formatted.h"

namespace tav2::test {

MicroInstruction Mi(std::initializer_list<int> loBits, int alu, std::initializer_list<int> hiBits) {
  MicroInstruction mi;
  for (int bit : loBits) mi.lo |= 1u << bit;
  mi.lo |= static_cast<uint32_t>(alu) << 26;
  for (int bit : hiBits) mi.hi |= 1u << bit;
  return mi;
}

McromEntry Entry(const std::string& name, uint32_t opcode, uint8_t operandKind,
                 std::initializer_list<MicroInstruction> program) {
  McromEntry entry;
  entry.SetName(name);
  entry.opcode = opcode;
  entry.operandKind = operandKind;
  entry.count = static_cast<int32_t>(program.size());
  std::copy(program.begin(), program.end(), entry.program.begin());
  return entry;
}

Mcrom RomWith(std::initializer_list<std::pair<int, const char*>> names) {
  Mcrom rom;
  for (const auto& [index, name] : names)
    rom.SetEntry(index, Entry(name, static_cast<uint32_t>(index), 0, {}));
  return rom;
}

void InstallTestMicroCode(Mcrom& mcrom) {
  const MicroInstruction pcToMarAndInc = Mi({rd::PC, wr::MAR, wr::A}, kAluInc);
  const MicroInstruction readMemAndAdvance = Mi({24, 21, rd::C, wr::PC});
  mcrom.SetEntry(Mcrom::kFetchSequence,
                 Entry("Fetch", 0xF0, 0, {pcToMarAndInc, readMemAndAdvance, Mi({rd::MDR, wr::IR})}));
  mcrom.SetEntry(Mcrom::kImmediateSequence,
                 Entry("Immediate", 0xF1, 0, {pcToMarAndInc, readMemAndAdvance, Mi({rd::MDR, wr::T1})}));
  mcrom.SetEntry(
      Mcrom::kIndirectSequence,
      Entry("Indirect", 0xF2, 0, {Mi({wr::MAR}, 0, {kOp2Read}), Mi({24, 21}), Mi({rd::MDR, wr::T1})}));
  mcrom.SetEntry(Mcrom::kWriteBackSequence,
                 Entry("WriteBack", 0xF3, 0, {Mi({rd::T1, wr::MDR}), Mi({20, 25})}));
  mcrom.SetEntry(kAdd, Entry("ADD", kAdd, 2,
                             {Mi({wr::A}, 0, {kOp1Read}), Mi({wr::B}, kAluAdd, {kOp2Read}),
                              Mi({rd::C}, 0, {kOp1Write})}));
  mcrom.SetEntry(kMove, Entry("MOVE", kMove, 2, {Mi({}, 0, {kOp2Read, kOp1Write})}));
  mcrom.SetEntry(kInc,
                 Entry("INC", kInc, 1, {Mi({wr::A}, kAluInc, {kOp2Read}), Mi({rd::C}, 0, {kOp2Write})}));
  mcrom.SetEntry(kLea, Entry("LEA", kLea, 2, {Mi({}, 0, {kOp2Read, kOp1Write})}));
  const std::initializer_list<MicroInstruction> branch = {Mi({rd::IR, wr::A}, kAluTsc), Mi({rd::PC, wr::A}),
                                                          Mi({rd::T1, wr::B}, kAluAdd), Mi({rd::C, wr::PC})};
  mcrom.SetEntry(kBeq, Entry("BEQ", kBeq, 1, branch));
  mcrom.SetEntry(kBra, Entry("BRA", kBra, 1, branch));
  mcrom.SetEntry(kJmp, Entry("JMP", kJmp, 1, {Mi({wr::PC}, 0, {kOp2Read})}));
  mcrom.SetEntry(kNop, Entry("NOP", kNop, 0, {}));
  mcrom.SetEntry(kHalt, Entry("HALT", kHalt, 0, {Mi({rd::PC, wr::R2})}));
  mcrom.SetEntry(kSys, Entry("SYS", kSys, 1, {}));
}

void Place(MainMemory& memory, uint16_t address, const std::vector<uint16_t>& words) {
  for (uint16_t word : words) memory.Write(address++, word);
}

namespace {
const char* const kRegNames[] = {"R1", "R2", "T1", "A", "B", "C", "PC", "SP", "IR", "MDR", "SR", "MAR"};
const char* Name(Reg r) { return kRegNames[static_cast<int>(r)]; }
}  // namespace

void RecordingDisplay::MarkSource(Reg r) { log.push_back(std::string("source ") + Name(r)); }
void RecordingDisplay::MemoryRead(uint16_t a) { log.push_back(Formatted("memory read %04X", a)); }
void RecordingDisplay::MarkDestination(Reg r) { log.push_back(std::string("destination ") + Name(r)); }
void RecordingDisplay::MemoryWrite(uint16_t a) { log.push_back(Formatted("memory write %04X", a)); }
void RecordingDisplay::PcWritten(uint16_t pc) { log.push_back(Formatted("pc written %04X", pc)); }
void RecordingDisplay::MemoryWordWritten(uint16_t a) { log.push_back(Formatted("word written %04X", a)); }
void RecordingDisplay::PhaseChanged(Phase p) { log.push_back(Formatted("phase %d", static_cast<int>(p))); }
void RecordingDisplay::Focus(RunButton b) {
  log.push_back(b == RunButton::Reset ? "focus Reset" : b == RunButton::Go ? "focus Go" : "focus Halt");
}
void RecordingDisplay::ShowSourceLine(int position) { log.push_back(Formatted("line %d", position)); }
void RecordingDisplay::MarkPc(uint16_t pc) { log.push_back(Formatted("mark pc %04X", pc)); }
void RecordingDisplay::ProcessEvents() {
  ++processEventsCalls;
  if (onProcessEvents) onProcessEvents();
}

bool RecordingDisplay::Contains(const std::string& line) const { return Count(line) > 0; }
int RecordingDisplay::Count(const std::string& line) const {
  return static_cast<int>(std::count(log.begin(), log.end(), line));
}

int ScriptedDevice::WaitKey() {
  if (onWaitKey) onWaitKey();
  if (inputAbort != nullptr && *inputAbort) return 0;
  return next_ < keys.size() ? keys[next_++] : 0;
}

Rig::Rig(Terminal* terminal) {
  InstallTestMicroCode(machine->mcrom);
  processor = std::make_unique<Processor>(*machine, display, terminal);
}

}  // namespace tav2::test
