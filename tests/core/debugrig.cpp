#include "debugrig.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/util/formatted.h"

namespace tav2::test {

std::string DataFile(const std::string& name) {
  std::ifstream in(std::string(TAV2_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), {}};
  std::string lines;
  for (char ch : text) {
    if (ch != '\r') lines += ch;
  }
  return lines;
}

std::string Program(const std::string& body) { return "##\nbegin " + body + "\n##\n"; }

DebugRig::DebugRig(const std::string& source, const std::string& microcode) {
  const std::string data = std::string(TAV2_SOURCE_DIR) + "/data/";
  MicrocodeParser parser(machine->mcrom);
  parser.loadAfterBuild = true;
  parser.SetIncludeDirectories(data + "include", data + "sources");
  const std::string microcodeFile = microcode.empty() ? "microdefs.mca" : microcode;
  EXPECT_TRUE(parser.ParseSource(DataFile(microcodeFile), microcodeFile));
  Assembler assembler(*machine);
  assembler.loadAfterBuild = true;
  assembler.runAfterLoad = true;
  assembler.SetIncludeDirectories(data + "include", data + "sources");
  if (!assembler.ParseSource(source, "program.asm")) {
    ADD_FAILURE() << assembler.Errors().front().ListLine();
  }
  device.inputAbort = &grid.inputAbort;
  processor = std::make_unique<Processor>(*machine, display, &terminal);
  terminal.Clear();
  debugger = std::make_unique<Debugger>(*machine, *processor, display, &grid, &keys);
  debugger->SetProgramText(source);
  debugger->Reset();
}

MachineSnapshot DebugRig::Snapshot() const {
  return {processor->State(), machine->halted, machine->memory, grid};
}

void DebugRig::Type(const std::string& text) {
  for (char ch : text) device.keys.push_back(ch == '\n' ? 13 : static_cast<unsigned char>(ch));
}

namespace {

ProcessorState WithoutRunFlags(ProcessorState state) {
  state.running = false;
  state.haltRequest = false;
  state.abort = false;
  state.showSteps = false;
  return state;
}

std::string StateDifference(const ProcessorState& e, const ProcessorState& a) {
  for (int r = 0; r < kRegisterCount; ++r) {
    const auto i = static_cast<std::size_t>(r);
    if (e.reg[i] != a.reg[i]) return Formatted("register %d: %04X, expected %04X", r, a.reg[i], e.reg[i]);
  }
  if (e.microSteps != a.microSteps || e.instructions != a.instructions) {
    return Formatted(
        "counters %llu/%llu, expected %llu/%llu", static_cast<unsigned long long>(a.instructions),
        static_cast<unsigned long long>(a.microSteps), static_cast<unsigned long long>(e.instructions),
        static_cast<unsigned long long>(e.microSteps));
  }
  if (e.phase != a.phase || e.entry != a.entry || e.nextIndex != a.nextIndex || e.remaining != a.remaining) {
    return Formatted("sequencer %d/%d/%d/%d, expected %d/%d/%d/%d", static_cast<int>(a.phase), a.entry,
                     a.nextIndex, a.remaining, static_cast<int>(e.phase), e.entry, e.nextIndex, e.remaining);
  }
  return WithoutRunFlags(e) == WithoutRunFlags(a) ? "" : "latches, loaded micro-instruction or decoding";
}

}  // namespace

std::string Difference(const MachineSnapshot& expected, const MachineSnapshot& actual) {
  const std::string state = StateDifference(expected.state, actual.state);
  if (!state.empty()) return state;
  if (expected.halted != actual.halted) return "halted flag";
  for (std::size_t address = 0; address < MainMemory::kWords; ++address) {
    const auto at = static_cast<uint16_t>(address);
    if (expected.memory.Read(at) != actual.memory.Read(at)) {
      return Formatted("memory %04X: %04X, expected %04X", at, actual.memory.Read(at),
                       expected.memory.Read(at));
    }
  }
  if (expected.grid.column != actual.grid.column || expected.grid.row != actual.grid.row) return "cursor";
  return expected.grid == actual.grid ? "" : "screen grid";
}

}  // namespace tav2::test
