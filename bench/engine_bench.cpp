// Runs a hand-placed loop on the Go path with the silent display and prints
// the micro-steps per second, with the debugger's history recording off and
// on, turn about, and the ratio of the best runs of each.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "recordingcomparison.h"
#include "core/sim/alufunctions.h"
#include "core/sim/debugger.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"

namespace {

using namespace tav2;

MicroInstruction Mi(std::initializer_list<int> loBits, int alu = 0, std::initializer_list<int> hiBits = {}) {
  MicroInstruction mi;
  for (int bit : loBits) mi.lo |= 1u << bit;
  mi.lo |= static_cast<uint32_t>(alu) << 26;
  for (int bit : hiBits) mi.hi |= 1u << bit;
  return mi;
}

void Define(Mcrom& mcrom, int index, const char* name, std::initializer_list<MicroInstruction> program) {
  McromEntry entry;
  entry.SetName(name);
  entry.opcode = static_cast<uint32_t>(index);
  entry.count = static_cast<int32_t>(program.size());
  int i = 0;
  for (const MicroInstruction& mi : program) entry.program[static_cast<std::size_t>(i++)] = mi;
  mcrom.SetEntry(index, entry);
}

// Register bits: R1 0/1, R2 2/3, A 4/5, B 6/7, C 8/9, PC 10/11, IR 12/13,
// T1 16/17, MDR 18/19, MAR 22/23; memory read into MDR 24+21; HI op1 2/3, op2 4/5.
void InstallMicroCode(Mcrom& mcrom) {
  const MicroInstruction next = Mi({10, 23, 5}, kAluInc);
  const MicroInstruction read = Mi({24, 21, 8, 11});
  Define(mcrom, Mcrom::kFetchSequence, "Fetch", {next, read, Mi({18, 13})});
  Define(mcrom, Mcrom::kImmediateSequence, "Immediate", {next, read, Mi({18, 17})});
  Define(mcrom, Mcrom::kIndirectSequence, "Indirect", {Mi({23}, 0, {4}), Mi({24, 21}), Mi({18, 17})});
  Define(mcrom, 0x01, "ADD", {Mi({5}, 0, {2}), Mi({7}, kAluAdd, {4}), Mi({8}, 0, {3})});
  Define(mcrom, 0x02, "MOVE", {Mi({}, 0, {4, 3})});
  Define(mcrom, 0x3F, "BRA", {Mi({12, 5}, kAluTsc), Mi({10, 5}), Mi({16, 7}, kAluAdd), Mi({8, 11})});
}

bench::Measurement Run(bool recording, uint64_t target) {
  auto machine = std::make_unique<Machine>();
  InstallMicroCode(machine->mcrom);
  // loop: ADD R1, 1 / MOVE R2, (0x0200) / BRA loop
  const uint16_t program[] = {0x0130, 0x0001, 0x0258, 0x0200, 0x3F10, 0xFFFA};
  for (uint16_t i = 0; i < 6; ++i) machine->memory.Write(i, program[i]);

  SilentDisplay display;
  Processor processor(*machine, display);
  Debugger debugger(*machine, processor, display);
  debugger.SetRecording(recording);
  debugger.Reset();
  const auto start = std::chrono::steady_clock::now();
  debugger.Go();
  while (processor.State().microSteps < target && debugger.ContinueRun(std::chrono::milliseconds(10))) {}
  debugger.Halt();
  debugger.ContinueRun(std::chrono::milliseconds(10));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {processor.State().microSteps, processor.State().instructions, seconds, debugger.Journal().Bytes()};
}

}  // namespace

int main(int argc, char** argv) {
  const uint64_t target = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000ull;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  bench::CompareRecording(rounds, [target](bool recording) { return Run(recording, target); });
  return 0;
}
