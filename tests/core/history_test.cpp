#include <gtest/gtest.h>

#include <random>

#include "debugrig.h"
#include "core/sim/history.h"

namespace tav2 {
namespace {

using namespace test;

// Every example, with the micro-code it is run with, and keys for those
// that read: two numbers, a line, keys to echo.
struct Example {
  const char* file;
  const char* microcode;
};
const Example kExamples[] = {{"adc.asm", ""},
                             {"bcd.asm", ""},
                             {"bits.asm", ""},
                             {"breakpoints.asm", ""},
                             {"compare.asm", ""},
                             {"count.asm", ""},
                             {"echo.asm", ""},
                             {"factorial.asm", ""},
                             {"hello.asm", ""},
                             {"includes.asm", ""},
                             {"inplace.asm", ""},
                             {"jumptable.asm", ""},
                             {"primes.asm", ""},
                             {"screen.asm", ""},
                             {"stackparams.asm", ""},
                             {"sum.asm", ""},
                             {"swap.asm", "sources/swap.mca"},
                             {"tiny.asm", "sources/tiny.mca"},
                             {"trap.asm", ""},
                             {"upper.asm", ""},
                             {"variables.asm", ""}};
const char kKeys[] = "12\n-30\nHello, world\nxyz.\n";

// Runs `clocks` clocks one by one; the number that ran (fewer once halted).
uint64_t Clocks(DebugRig& rig, uint64_t clocks) {
  const uint64_t before = rig.State().microSteps;
  for (uint64_t i = 0; i < clocks && !rig.machine->halted; ++i) rig.debugger->Clock();
  return rig.State().microSteps - before;
}

// Forward `n` clocks, back as many, forward again: back at the snapshot,
// then the same machine and the same output as the first time.
void CheckClocksThereAndBack(DebugRig& rig, uint64_t n, const std::string& what) {
  const MachineSnapshot before = rig.Snapshot();
  const std::size_t keysBefore = rig.device.keys.size();
  const std::string writtenBefore = rig.device.written;
  const uint64_t ran = Clocks(rig, n);
  const MachineSnapshot forward = rig.Snapshot();
  const std::string output = rig.device.written.substr(writtenBefore.size());
  for (uint64_t i = 0; i < ran; ++i) {
    ASSERT_EQ(rig.debugger->BackClock(), BackResult::Done) << what << ", back " << i;
  }
  ASSERT_EQ(Difference(before, rig.Snapshot()), "") << what << ": " << ran << " clocks back";
  ASSERT_EQ(Clocks(rig, ran), ran) << what;
  ASSERT_EQ(Difference(forward, rig.Snapshot()), "") << what << ": " << ran << " clocks forward again";
  EXPECT_EQ(rig.device.written.substr(writtenBefore.size() + output.size()), output) << what;
  EXPECT_EQ(rig.device.keys.size(), keysBefore) << what << ": keys are replayed, not asked for again";
}

// The same with whole instructions (the Go path) forward and back, from
// the next instruction start on.
void CheckInstructionsThereAndBack(DebugRig& rig, uint64_t n, const std::string& what) {
  if (!rig.State().AtInstructionStart()) rig.debugger->Instruction();
  const MachineSnapshot before = rig.Snapshot();
  uint64_t ran = 0;
  while (ran < n && !rig.machine->halted) {
    rig.debugger->Instruction();
    ++ran;
  }
  const MachineSnapshot forward = rig.Snapshot();
  for (uint64_t i = 0; i < ran; ++i) {
    ASSERT_EQ(rig.debugger->BackInstruction(), BackResult::Done) << what << ", back " << i;
  }
  ASSERT_EQ(Difference(before, rig.Snapshot()), "") << what << ": " << ran << " instructions back";
  for (uint64_t i = 0; i < ran; ++i) rig.debugger->Instruction();
  ASSERT_EQ(Difference(forward, rig.Snapshot()), "") << what << ": forward again";
}

// Clock counts that stay inside an instruction, cross instruction ends,
// checkpoints (every 64 instructions) and terminal services.
// clang-format off
const uint64_t kClockCounts[] = {
    1,
    2,
    7,
    40,
    333,
    1500,
    6000,
};
// clang-format on

TEST(History, EveryExampleGoesBackExactlyByClocks) {
  for (const Example& example : kExamples) {
    SCOPED_TRACE(example.file);
    for (const uint64_t prefix : {uint64_t{0}, uint64_t{5}, uint64_t{123}}) {
      DebugRig rig(DataFile(std::string("sources/") + example.file), example.microcode);
      rig.Type(kKeys);
      Clocks(rig, prefix);
      for (const uint64_t n : kClockCounts) {
        CheckClocksThereAndBack(rig, n, std::string(example.file) + " after " + std::to_string(prefix));
        if (HasFatalFailure()) return;
      }
    }
  }
}

TEST(History, EveryExampleGoesBackExactlyByInstructions) {
  for (const Example& example : kExamples) {
    SCOPED_TRACE(example.file);
    DebugRig rig(DataFile(std::string("sources/") + example.file), example.microcode);
    rig.Type(kKeys);
    Clocks(rig, 3);
    for (const uint64_t n : {uint64_t{1}, uint64_t{3}, uint64_t{70}, uint64_t{400}}) {
      CheckInstructionsThereAndBack(rig, n, example.file);
      if (HasFatalFailure()) return;
    }
  }
}

// Instructions forward on the Go path, the same number of clocks back: both
// paths record alike.
TEST(History, GoForwardClocksBack) {
  DebugRig rig(DataFile("sources/sum.asm"));
  rig.Type("12\n30\n");
  const MachineSnapshot start = rig.Snapshot();
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  ASSERT_TRUE(rig.machine->halted);
  const uint64_t clocks = rig.State().microSteps;
  for (uint64_t i = 0; i < clocks; ++i) ASSERT_EQ(rig.debugger->BackClock(), BackResult::Done) << i;
  EXPECT_EQ(Difference(start, rig.Snapshot()), "");
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Nothing);
}

// Random words in the default instruction set, terminal services among
// them: whatever they do, back and forward again are exact.
TEST(History, RandomProgramsGoBackExactly) {
  // clang-format off
  const uint8_t opcodes[] = {
      0x01,
      0x02,
      0x03,
      0x04,
      0x05,
      0x06,
      0x07,
      0x08,
      0x09,
      0x0A,
      0x0B,
      0x0C,
      0x0D,
      0x0E,
      0x10,
      0x11,
      0x12,
      0x13,
      0x14,
      0x15,
      0x18,
      0x1B,
      0x1D,
      0x1E,
      0x20,
      0x31,
      0x36,
      0x37,
      0x3F,
      0x40,
      0x41,
      0x42,
      0x50,
      0x53,
      0x60,
      0x61,
      0x62,
      0x63,
      0xE0,
      0x81,
  };
  // clang-format on
  for (unsigned seed = 1; seed <= 12; ++seed) {
    DebugRig rig(Program("HALT"));
    std::mt19937 random(seed);
    for (uint16_t address = 0; address < 0x400; ++address) {
      uint16_t word = static_cast<uint16_t>(random());
      if (random() % 8 != 0)
        word = static_cast<uint16_t>(opcodes[random() % std::size(opcodes)] << 8 | (word & 0xFF));
      if (random() % 16 == 0) {
        rig.machine->memory.Write(address++, 0xFF10);  // SYS n
        word = static_cast<uint16_t>(1 + random() % 8);
      }
      rig.machine->memory.Write(address, word);
    }
    rig.Type(kKeys);
    rig.Type(kKeys);
    rig.debugger->Reset();
    for (const uint64_t n : {uint64_t{3}, uint64_t{90}, uint64_t{2500}}) {
      CheckClocksThereAndBack(rig, n, "seed " + std::to_string(seed));
      if (HasFatalFailure()) return;
      CheckInstructionsThereAndBack(rig, n / 8 + 1, "seed " + std::to_string(seed));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(History, BackPastTheStartStopsThere) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  const MachineSnapshot start = rig.Snapshot();
  EXPECT_FALSE(rig.debugger->CanGoBack());
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Nothing);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Nothing);
  EXPECT_EQ(Difference(start, rig.Snapshot()), "") << "nothing to go back to changes nothing";
  rig.debugger->Instruction();
  rig.debugger->Clock();
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done) << "to the start of the second instruction";
  EXPECT_EQ(rig.State().instructions, 1u);
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done);
  EXPECT_EQ(Difference(start, rig.Snapshot()), "");
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Nothing);
}

// A history that begins inside an instruction cannot reach that
// instruction's start: it stops at its own.
TEST(History, BackToAnInstructionBeforeTheHistoryReachesItsStart) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  rig.debugger->SetRecording(false);
  Clocks(rig, 2);
  rig.debugger->SetRecording(true);
  const MachineSnapshot start = rig.Snapshot();
  Clocks(rig, 3);
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::ReachedStart);
  EXPECT_EQ(Difference(start, rig.Snapshot()), "");
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Nothing);
}

TEST(History, EditsAreStepsOfTheHistory) {
  DebugRig rig(Program("MOVE R1, 1\n STORE R1, (data)\n HALT\ndata DAT 7"));
  const uint16_t data = 5;
  ASSERT_EQ(rig.machine->memory.Read(data), 7);
  rig.debugger->Instruction();
  const MachineSnapshot beforeEdits = rig.Snapshot();
  ASSERT_TRUE(rig.debugger->SetRegister(Reg::R1, 0x1234));
  const MachineSnapshot afterRegister = rig.Snapshot();
  ASSERT_TRUE(rig.debugger->Poke(data, 0x0099));
  ASSERT_TRUE(rig.debugger->SetRegister(Reg::MAR, 0x0042));
  EXPECT_EQ(rig.State().memAddressLatch, 0x0042) << "the latch follows MAR";
  rig.debugger->Instruction();
  EXPECT_EQ(rig.machine->memory.Read(data), 0x1234) << "the run goes on from the edited state";

  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done);
  EXPECT_EQ(rig.Reg(Reg::MAR), 0x0042) << "back over the instruction, not yet over the edits";
  EXPECT_EQ(rig.machine->memory.Read(data), 0x0099);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done) << "one edit back";
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done) << "the next";
  EXPECT_EQ(Difference(afterRegister, rig.Snapshot()), "");
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done);
  EXPECT_EQ(Difference(beforeEdits, rig.Snapshot()), "");
}

// Clearing a page of a memory view is one edit, also across the end of memory.
TEST(History, WordsPokedTogetherAreOneEdit) {
  DebugRig rig(Program("MOVE R1, 1\n HALT"));
  rig.debugger->Instruction();
  rig.machine->memory.Write(0xFFFF, 0x1111);
  rig.machine->memory.Write(0x0000, 0x2222);
  rig.debugger->ClearHistory();
  rig.debugger->Instruction();
  const MachineSnapshot before = rig.Snapshot();
  const uint16_t words[] = {7, 8, 9};
  ASSERT_TRUE(rig.debugger->PokeWords(0xFFFF, words));
  EXPECT_EQ(rig.machine->memory.Read(0xFFFF), 7);
  EXPECT_EQ(rig.machine->memory.Read(0x0000), 8);
  EXPECT_EQ(rig.machine->memory.Read(0x0001), 9);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(Difference(before, rig.Snapshot()), "");
}

TEST(History, AnEditInsideAnInstructionIsUndoneAlone) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  rig.debugger->Instruction();
  Clocks(rig, 2);
  const MachineSnapshot beforeEdit = rig.Snapshot();
  rig.debugger->SetRegister(Reg::R1, 40);
  Clocks(rig, 2);
  const MachineSnapshot afterClocks = rig.Snapshot();
  Clocks(rig, 1);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(Difference(afterClocks, rig.Snapshot()), "") << "replayed from the edit";
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(rig.Reg(Reg::R1), 40);
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(Difference(beforeEdit, rig.Snapshot()), "");
}

TEST(History, KeysAreReadAgainFromTheTape) {
  DebugRig rig(DataFile("sources/echo.asm"));
  rig.Type("ab\n");
  while (!rig.machine->halted) rig.debugger->Instruction();
  const std::string written = rig.device.written;
  ASSERT_NE(written.find("You typed: ab"), std::string::npos) << written;
  const MachineSnapshot halted = rig.Snapshot();
  while (rig.debugger->BackInstruction() == BackResult::Done) {}
  EXPECT_EQ(rig.State().instructions, 0u);
  rig.device.keys.clear();  // the device has no key left: the tape must give them
  while (!rig.machine->halted) rig.debugger->Instruction();
  EXPECT_EQ(Difference(halted, rig.Snapshot()), "");
  EXPECT_EQ(rig.device.written, written + written) << "the same output again";
}

TEST(History, TheScreenComesBackAcrossAClearAndAScroll) {
  DebugRig rig(Program("MOVE R1, 65\nloop SYS 1\n MOVE R1, 13\n SYS 1\n MOVE R1, 66\n BRA loop"));
  for (int i = 0; i < 400; ++i) rig.debugger->Instruction();
  ASSERT_EQ(rig.grid.Cell(0, rig.grid.lines - 3), 'B') << "the screen has scrolled";
  const MachineSnapshot scrolled = rig.Snapshot();
  rig.debugger->Poke(0x0100, 0xFF10);
  rig.debugger->Poke(0x0101, 8);  // SYS 8: clear
  rig.debugger->SetRegister(Reg::PC, 0x0100);
  rig.debugger->Instruction();
  ASSERT_EQ(rig.grid.Cell(0, 0), ' ');
  for (int i = 0; i < 4; ++i) rig.debugger->BackInstruction();
  EXPECT_EQ(Difference(scrolled, rig.Snapshot()), "");
  for (int i = 0; i < 390; ++i) rig.debugger->BackInstruction();
  EXPECT_EQ(rig.grid.Cell(0, 0), 'A');
  EXPECT_EQ(rig.grid.Cell(0, 1), 'B');
  EXPECT_EQ(rig.grid.Cell(0, 3), ' ');
}

TEST(History, ResetLoadingAndMicroCodeClearIt) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  rig.debugger->Instruction();
  ASSERT_TRUE(rig.debugger->CanGoBack());
  rig.debugger->Reset();
  EXPECT_FALSE(rig.debugger->CanGoBack());
  EXPECT_EQ(rig.State().instructions, 0u) << "the counters start again at Reset";
  EXPECT_EQ(rig.State().microSteps, 0u);

  rig.debugger->Instruction();
  rig.debugger->ClearHistory();
  EXPECT_FALSE(rig.debugger->CanGoBack());

  rig.debugger->Instruction();
  ASSERT_TRUE(rig.debugger->CanGoBack());
  McromEntry nop = rig.machine->mcrom.Entry(0x60);
  rig.machine->mcrom.SetEntry(0x60, nop);
  EXPECT_FALSE(rig.debugger->CanGoBack()) << "the micro-code changed";
  const MachineSnapshot now = rig.Snapshot();
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Nothing);
  EXPECT_EQ(Difference(now, rig.Snapshot()), "");
}

TEST(History, RecordingOffKeepsNoHistory) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  rig.debugger->SetRecording(false);
  rig.debugger->Instruction();
  EXPECT_FALSE(rig.debugger->CanGoBack());
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Nothing);
  EXPECT_EQ(rig.debugger->Journal().Bytes(), 0u);
}

// The prime sieve writes a word every few instructions: its history of
// 100,000 instructions stays far below 64 MB, and older ones are dropped.
TEST(History, HoldsTheDepthWithinItsBytes) {
  DebugRig rig(DataFile("sources/primes.asm"));
  rig.debugger->SetStepLimit(3'000'000);
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  ASSERT_EQ(rig.debugger->LastStop().kind, StopKind::StepLimit);
  const History& history = rig.debugger->Journal();
  EXPECT_GE(history.InstructionsHeld(), History::kDefaultDepth);
  EXPECT_LT(history.InstructionsHeld(), History::kDefaultDepth + 2 * History::kCheckpointInterval);
  EXPECT_LT(history.Bytes(), std::size_t{64} << 20);
  const uint64_t instructions = rig.State().instructions;
  for (uint64_t i = 0; i < History::kDefaultDepth; ++i) {
    ASSERT_EQ(rig.debugger->BackInstruction(), BackResult::Done) << i;
  }
  EXPECT_EQ(rig.State().instructions, instructions - History::kDefaultDepth);
}

TEST(History, TheByteLimitDropsOldInstructions) {
  DebugRig rig(Program("MOVE R2, 0x1000\nloop STORE R1, (R2)\n INC R2\n BRA loop"));
  rig.debugger->Journal().SetByteLimit(64 * 1024);
  for (int i = 0; i < 60000; ++i) rig.debugger->Instruction();
  EXPECT_LE(rig.debugger->Journal().Bytes(), 64u * 1024);
  EXPECT_GT(rig.debugger->Journal().InstructionsHeld(), 1000u);
  EXPECT_EQ(rig.debugger->BackInstruction(), BackResult::Done);
}

}  // namespace
}  // namespace tav2
