#include <gtest/gtest.h>

#include <chrono>

#include "debugrig.h"
#include "core/util/formatted.h"
#include "core/sim/runspeed.h"
#include "core/sim/runstatus.h"
#include "core/sim/sourcelines.h"

namespace tav2 {
namespace {

using namespace test;

constexpr auto kForever = std::chrono::steady_clock::duration::max();

TEST(RunStatus, TextsOfEveryState) {
  struct Case {
    RunStatus status;
    const char* text;
  };
  const Case cases[] = {
      {{RunState::Ready}, "Ready  0 instructions, 0 micro-steps"},
      {{.state = RunState::Running, .instructions = 1, .microSteps = 9},
       "Running  1 instruction, 9 micro-steps, 9.00 micro-steps per instruction"},
      {{.state = RunState::WaitingForInput, .instructions = 3, .microSteps = 10},
       "Waiting for input  3 instructions, 10 micro-steps, 3.33 micro-steps per instruction"},
      {{.state = RunState::StoppedAtBreakpoint, .line = 12, .address = 0x0010, .microSteps = 1},
       "Stopped at breakpoint (line 12)  0 instructions, 1 micro-step"},
      {{.state = RunState::StoppedAtBreakpoint, .address = 0x0010},
       "Stopped at breakpoint (0010)  0 instructions, 0 micro-steps"},
      {{.state = RunState::StoppedByWatch, .address = 0x01A0, .written = true},
       "Stopped by watch (01A0 written)  0 instructions, 0 micro-steps"},
      {{.state = RunState::StoppedByWatch, .address = 0x01A0},
       "Stopped by watch (01A0 read)  0 instructions, 0 micro-steps"},
      {{RunState::Halted}, "Halted (HALT)  0 instructions, 0 micro-steps"},
      {{RunState::HaltedUnknownOperation}, "Halted (unknown operation 0x00)  0 instructions, 0 micro-steps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.status.Text(), c.text);
  }
}

TEST(RunStatus, ShortCounters) {
  struct Case {
    uint64_t instructions, microSteps;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "0 instr, 0 steps"},
      {0, 1, "0 instr, 1 step"},
      {3, 10, "3 instr, 10 steps, 3.33/instr"},
      {1234567, 98765432, "1234567 instr, 98765432 steps, 80.00/instr"},
  };
  for (const Case& c : cases) {
    RunStatus status;
    status.instructions = c.instructions;
    status.microSteps = c.microSteps;
    EXPECT_EQ(status.ShortCountersText(), c.text);
  }
}

TEST(RunSpeed, OfferedSpeedsAndTheirIntervals) {
  std::string texts;
  for (const RunSpeed& speed : RunSpeed::Offered()) {
    texts += speed.Text() + " " + std::to_string(speed.Interval().count()) + "; ";
  }
  EXPECT_EQ(texts,
            "Full speed 0; 1 instruction per second 1000; 2 instructions per second 500; "
            "5 instructions per second 200; 10 instructions per second 100; 20 instructions per second 50; "
            "50 instructions per second 20; 1 clock per second 1000; 2 clocks per second 500; "
            "5 clocks per second 200; 10 clocks per second 100; ");
  EXPECT_FALSE(RunSpeed::Full().Animated());
  EXPECT_TRUE(RunSpeed::ClocksPerSecond(2).Animated());
}

TEST(SourceLines, LinesAndPositions) {
  const SourceLines lines("ab\n\ncd\n");
  EXPECT_EQ(lines.Count(), 3);
  // clang-format off
  const std::pair<int, int> cases[] = {
      {0, 1},
      {2, 1},
      {3, 2},
      {4, 3},
      {6, 3},
      {7, 3},
      {8, 0},
      {-1, 0},
  };
  // clang-format on
  for (const auto& [position, line] : cases) EXPECT_EQ(lines.LineAt(position), line) << position;
  EXPECT_EQ(lines.StartOf(1), 0);
  EXPECT_EQ(lines.StartOf(3), 4);
  EXPECT_EQ(lines.StartOf(4), std::nullopt);
  EXPECT_EQ(lines.StartOf(0), std::nullopt);
}

TEST(Debugger, LinesAndAddresses) {
  DebugRig rig(DataFile("sources/breakpoints.asm"));
  EXPECT_EQ(rig.debugger->LineOf(0), 9) << "begin CLR R1";
  EXPECT_EQ(rig.debugger->LineOf(3), 11) << "# loop ADD R1, R2";
  EXPECT_EQ(rig.debugger->AddressOfLine(11), 3);
  EXPECT_EQ(rig.debugger->AddressOfLine(10), 1) << "MOVE R2, 5 and its immediate word";
  EXPECT_EQ(rig.debugger->AddressOfLine(1), std::nullopt) << "text before the program";
  EXPECT_EQ(rig.debugger->AddressOfLine(500), std::nullopt);
  EXPECT_EQ(rig.debugger->LineOf(0x4000), 0);
}

TEST(Debugger, StatusFollowsTheMachine) {
  DebugRig rig(DataFile("sources/breakpoints.asm"));
  EXPECT_EQ(rig.debugger->Status().StateText(), "Ready");
  ASSERT_TRUE(rig.debugger->Go());
  rig.display.onProcessEvents = [&] {
    EXPECT_EQ(rig.debugger->Status().state, RunState::Running);
    rig.display.onProcessEvents = nullptr;
  };
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop(), (StopReason{StopKind::Breakpoint, 3}));
  EXPECT_EQ(rig.debugger->Status().StateText(), "Stopped at breakpoint (line 11)");
  EXPECT_EQ(rig.debugger->Status().instructions, 2u);
  EXPECT_EQ(rig.debugger->Status().microSteps, rig.State().microSteps);
  rig.debugger->Instruction();
  EXPECT_EQ(rig.debugger->Status().StateText(), "Ready") << "a step clears the stop";
  while (rig.debugger->Go()) rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Halted);
  EXPECT_EQ(rig.debugger->Status().StateText(), "Halted (HALT)");
  rig.debugger->BackInstruction();
  EXPECT_EQ(rig.debugger->Status().StateText(), "Ready");
}

TEST(Debugger, UnknownOperationAndWaitingForInput) {
  DebugRig rig(Program("SYS 2\n DAT 0"));
  rig.device.keys = {'x'};
  rig.device.onWaitKey = [&] {
    EXPECT_EQ(rig.debugger->Status().StateText(), "Waiting for input");
    EXPECT_TRUE(rig.debugger->Busy());
    EXPECT_FALSE(rig.debugger->Instruction());
    EXPECT_FALSE(rig.debugger->Clock());
    EXPECT_FALSE(rig.debugger->Go());
    EXPECT_FALSE(rig.debugger->Poke(0x10, 1));
    EXPECT_FALSE(rig.debugger->SetRegister(Reg::R1, 1));
    EXPECT_EQ(rig.debugger->BackClock(), BackResult::Nothing);
  };
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.Reg(Reg::R1), 'x');
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::UnknownOperation);
  EXPECT_EQ(rig.debugger->Status().StateText(), "Halted (unknown operation 0x00)");
  EXPECT_FALSE(rig.debugger->Go()) << "a halted processor does not run";
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::UnknownOperation);
}

// data is at 0x0008 in each program below.
constexpr uint16_t kData = 0x0008;
const char kTouchesData[] = "MOVE R1, 5\n MOVE R2, (data)\n STORE R1, (data)\n NOP\n HALT\ndata DAT 0";

// A read is any memory read of a clock: STORE's indirect sequence reads its
// operand before the word is written.
TEST(Debugger, WatchesStopAfterTheInstructionThatTouchedTheWord) {
  struct Case {
    WatchKind kind;
    StopReason first;
    uint16_t pc;  // where the run stands then
    StopReason second;
  };
  const StopReason read{.kind = StopKind::Watch, .address = kData};
  const Case cases[] = {
      {WatchKind::Read, read, 4, read},
      {WatchKind::Write, {.kind = StopKind::Watch, .address = kData, .written = true}, 6, {StopKind::Halted}},
      {WatchKind::ReadWrite, read, 4, read},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "watch kind " << static_cast<int>(c.kind));
    DebugRig rig(Program(kTouchesData));
    ASSERT_EQ(rig.machine->memory.Read(kData), 0);
    ASSERT_TRUE(rig.debugger->SetWatch(kData, c.kind));
    rig.debugger->Go();
    rig.debugger->RunToEnd();
    EXPECT_EQ(rig.debugger->LastStop(), c.first);
    EXPECT_EQ(rig.Reg(Reg::PC), c.pc);
    EXPECT_TRUE(rig.State().AtInstructionStart());
    rig.debugger->Go();
    rig.debugger->RunToEnd();
    EXPECT_EQ(rig.debugger->LastStop(), c.second);
  }
}

TEST(Debugger, WatchesStopAnimatedRunsAndReadServicesWrite) {
  DebugRig rig(DataFile("sources/echo.asm"));
  rig.Type("hi\n");
  uint16_t marker = 0x0010;
  while (rig.machine->memory.Read(marker) != 0xFFFF) ++marker;
  const auto buffer = static_cast<uint16_t>(marker - 80);
  rig.debugger->SetWatch(static_cast<uint16_t>(buffer + 1), WatchKind::Write);
  ASSERT_TRUE(rig.debugger->Go(RunSpeed::ClocksPerSecond(10)));
  int steps = 0;
  while (rig.debugger->ContinueRun(kForever)) ++steps;
  EXPECT_EQ(rig.debugger->LastStop(), (StopReason{StopKind::Watch, static_cast<uint16_t>(buffer + 1), true}));
  EXPECT_EQ(rig.machine->memory.Read(buffer), 'h') << "read service 4 stored the line";
  EXPECT_EQ(rig.Reg(Reg::PC), 8) << "after SYS 4";
  EXPECT_TRUE(rig.State().AtInstructionStart());
  EXPECT_EQ(static_cast<uint64_t>(steps) + 1, rig.State().microSteps) << "one clock per step";
  EXPECT_EQ(rig.debugger->Status().StateText(),
            "Stopped by watch (" + Formatted("%04X", buffer + 1) + " written)");
}

TEST(Debugger, SixteenWatchesAtMost) {
  DebugRig rig(Program(kTouchesData));
  for (uint16_t i = 0; i < WatchList::kCapacity; ++i)
    ASSERT_TRUE(rig.debugger->SetWatch(0x100 + i, WatchKind::Write));
  EXPECT_FALSE(rig.debugger->SetWatch(kData, WatchKind::Read));
  EXPECT_EQ(rig.debugger->Watches().Count(), WatchList::kCapacity);
  EXPECT_EQ(rig.debugger->Watches().KindAt(kData), std::nullopt);
  EXPECT_TRUE(rig.debugger->SetWatch(0x100, WatchKind::Read)) << "a watched word changes its kind";
  EXPECT_EQ(rig.debugger->Watches().KindAt(0x100), WatchKind::Read);
  EXPECT_FALSE(rig.debugger->RemoveWatch(kData));
  EXPECT_TRUE(rig.debugger->RemoveWatch(0x100));
  EXPECT_TRUE(rig.debugger->SetWatch(kData, WatchKind::Read));
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Watch);
}

// The routine is at 0x0010.
const char kCalls[] =
    "MOVE R1, 0\n JSR routine\n MOVE R2, 9\n PUSH R2\n TRAP1\n HALT\n ORG 0x10\n"
    "routine INC R1\n CMP R1, 3\n BGE done\n JSR routine\ndone RTS\n ORG 0xFFFE\n DAT routine";

TEST(Debugger, StepOverRunsACallToItsReturn) {
  DebugRig rig(Program(kCalls));
  rig.debugger->Instruction();
  ASSERT_TRUE(rig.debugger->StepOver());
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Finished);
  EXPECT_EQ(rig.Reg(Reg::PC), 4) << "after JSR routine, whose recursive calls return to the same place";
  EXPECT_EQ(rig.Reg(Reg::R1), 3);
  EXPECT_EQ(rig.Reg(Reg::SP), 0x7FFF);
  const uint64_t instructions = rig.State().instructions;
  rig.debugger->StepOver();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.State().instructions, instructions + 1) << "MOVE is no call";
  rig.debugger->StepOver();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.State().instructions, instructions + 2) << "PUSH of a value that is no return address";
  rig.machine->breakpoints.Add(0x13);  // BGE done
  rig.debugger->StepOver();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop(), (StopReason{StopKind::Breakpoint, 0x13}))
      << "a breakpoint inside stops it";
  rig.machine->breakpoints.Clear();
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Halted);
  rig.debugger->BackInstruction();
  rig.debugger->BackInstruction();
  EXPECT_EQ(rig.Reg(Reg::PC), 0x17) << "RTS";
  rig.debugger->Reset();
  rig.debugger->SetRegister(Reg::PC, 7);
  rig.debugger->SetRegister(Reg::R1, 5);
  rig.debugger->StepOver(RunSpeed::InstructionsPerSecond(50));
  int steps = 0;
  while (rig.debugger->ContinueRun(kForever)) ++steps;
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Finished) << "TRAP1 is a call too";
  EXPECT_EQ(rig.Reg(Reg::PC), 8);
  EXPECT_EQ(steps + 1, 5) << "TRAP1, INC, CMP, BGE, RTS one by one";
}

TEST(Debugger, StepOverInsideAnInstructionEndsIt) {
  DebugRig rig(Program(kCalls));
  rig.debugger->Instruction();
  rig.debugger->Clock();
  rig.debugger->Clock();
  rig.debugger->StepOver();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Finished);
  EXPECT_EQ(rig.State().instructions, 2u);
  EXPECT_EQ(rig.Reg(Reg::PC), 0x10) << "in the routine JSR called";
}

TEST(Debugger, RunToAnAddress) {
  DebugRig rig(DataFile("sources/breakpoints.asm"));
  rig.machine->breakpoints.Clear();
  const std::optional<uint16_t> dec = rig.debugger->AddressOfLine(12);
  ASSERT_EQ(dec, 4);
  ASSERT_TRUE(rig.debugger->RunTo(*dec));
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Finished);
  EXPECT_EQ(rig.Reg(Reg::PC), 4);
  EXPECT_EQ(rig.Reg(Reg::R1), 5);
  rig.debugger->RunTo(*dec);
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.Reg(Reg::R1), 9) << "from the address itself: once more round the loop";
  rig.machine->breakpoints.Add(3);
  rig.debugger->RunTo(0x0100);
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop(), (StopReason{StopKind::Breakpoint, 3}));
}

TEST(Debugger, AnimatedRunsMakeOneStepACall) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n ADD R1, 3\n HALT"));
  ASSERT_TRUE(rig.debugger->Go(RunSpeed::InstructionsPerSecond(5)));
  EXPECT_EQ(rig.debugger->Speed(), RunSpeed::InstructionsPerSecond(5));
  EXPECT_EQ(rig.debugger->Status().state, RunState::Running);
  EXPECT_FALSE(rig.debugger->CanClose());
  for (uint64_t i = 1; i <= 3; ++i) {
    rig.display.log.clear();
    ASSERT_TRUE(rig.debugger->ContinueRun(kForever));
    EXPECT_EQ(rig.State().instructions, i);
    EXPECT_TRUE(rig.display.Contains("registers")) << "each step is shown";
  }
  EXPECT_FALSE(rig.debugger->ContinueRun(kForever));
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Halted);
  EXPECT_FALSE(rig.debugger->RunActive());
  EXPECT_TRUE(rig.debugger->CanClose());
}

TEST(Debugger, HaltAndResetEndAnimatedRunsAtOnce) {
  DebugRig rig(Program("ADD R1, 1\n BRA begin"));
  rig.debugger->Go(RunSpeed::ClocksPerSecond(1));
  rig.debugger->ContinueRun(kForever);
  rig.debugger->Halt();
  EXPECT_FALSE(rig.debugger->RunActive());
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::HaltRequested);
  EXPECT_FALSE(rig.debugger->ContinueRun(kForever));
  EXPECT_EQ(rig.State().microSteps, 1u);
  EXPECT_EQ(rig.debugger->Status().StateText(), "Ready");

  rig.debugger->Go(RunSpeed::InstructionsPerSecond(1));
  rig.debugger->ContinueRun(kForever);
  rig.debugger->Reset();
  EXPECT_FALSE(rig.debugger->RunActive());
  EXPECT_FALSE(rig.debugger->ContinueRun(kForever));
  EXPECT_EQ(rig.State().microSteps, 0u);
}

TEST(Debugger, ResetDuringAFullSpeedRunEndsIt) {
  DebugRig rig(Program("ADD R1, 1\n BRA begin"));
  rig.debugger->Go();
  int ends = 0;
  rig.display.onProcessEvents = [&] {
    if (++ends == 50) rig.debugger->Reset();
  };
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::Reset);
  EXPECT_EQ(rig.debugger->Status().StateText(), "Ready");
  EXPECT_FALSE(rig.debugger->CanGoBack());
}

TEST(Debugger, StepLimitEndsARun) {
  DebugRig rig(Program("ADD R1, 1\n BRA begin"));
  rig.debugger->SetStepLimit(1000);
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::StepLimit);
  EXPECT_GE(rig.State().microSteps, 1000u);
  EXPECT_LT(rig.State().microSteps, 1020u);
  rig.debugger->SetStepLimit(Debugger::kNoLimit);
  rig.debugger->Go();
  rig.debugger->ContinueRun(std::chrono::milliseconds(1));
  rig.debugger->Halt();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::HaltRequested);
}

// The input ends inside a read service: the service never happened, and the
// machine stands at the start of its instruction (or of its clock).
TEST(Debugger, InputEndedUndoesTheWaitingService) {
  DebugRig rig(DataFile("sources/echo.asm"));
  rig.Type("ab");
  int waits = 0;
  rig.device.onWaitKey = [&] {
    if (++waits > 2) {
      rig.grid.inputAbort = true;
      rig.State().abort = true;
    }
  };
  rig.debugger->Instruction();
  rig.debugger->Instruction();
  rig.debugger->Instruction();
  const MachineSnapshot beforeRead = rig.Snapshot();
  ASSERT_EQ(rig.machine->memory.Read(rig.Reg(Reg::PC)), 0xFF10) << "SYS 4 is next";
  rig.debugger->Go();
  rig.debugger->RunToEnd();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::InputEnded);
  EXPECT_EQ(Difference(beforeRead, rig.Snapshot()), "") << "the line read so far is undone";
  EXPECT_FALSE(rig.State().abort);

  waits = 0;
  rig.debugger->Instruction();
  EXPECT_EQ(rig.debugger->LastStop().kind, StopKind::InputEnded);
  EXPECT_EQ(Difference(beforeRead, rig.Snapshot()), "");

  waits = 0;
  for (int i = 0; i < 3; ++i) rig.debugger->Clock();
  const MachineSnapshot beforeClock = rig.Snapshot();
  while (rig.debugger->LastStop().kind != StopKind::InputEnded) {
    ASSERT_LT(rig.State().microSteps, 100u);
    rig.debugger->Clock();
  }
  EXPECT_EQ(rig.Reg(Reg::IR), 0xFF10) << "before the clock of the service";
  EXPECT_FALSE(rig.State().AtInstructionStart());
  EXPECT_NE(Difference(beforeClock, rig.Snapshot()), "");
}

TEST(Debugger, AClockIsPressedAndReleasedAsOneCommand) {
  DebugRig rig(Program("MOVE R1, 1\n ADD R1, 2\n HALT"));
  rig.debugger->Instruction();
  EXPECT_FALSE(rig.debugger->ClockRelease()) << "no press before it";
  const MachineSnapshot before = rig.Snapshot();
  ASSERT_TRUE(rig.debugger->ClockPress());
  EXPECT_TRUE(rig.debugger->Busy());
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Nothing) << "not inside a clock";
  EXPECT_FALSE(rig.debugger->Instruction());
  EXPECT_FALSE(rig.debugger->Poke(0x20, 1));
  EXPECT_TRUE(rig.debugger->ClockRelease());
  EXPECT_FALSE(rig.debugger->Busy());
  EXPECT_EQ(rig.debugger->BackClock(), BackResult::Done);
  EXPECT_EQ(Difference(before, rig.Snapshot()), "");
  rig.debugger->ClockPress();
  rig.debugger->Reset();
  EXPECT_FALSE(rig.debugger->ClockRelease()) << "Reset ended the clock";
  EXPECT_EQ(rig.State().microSteps, 0u);
}

// Runs begun on the run control itself (not through the debugger) still
// stop on watches.
TEST(Debugger, WatchesStopGoOfTheRunControl) {
  DebugRig rig(Program(kTouchesData));
  rig.debugger->SetWatch(kData, WatchKind::Write);
  rig.processor->Control().Go();
  EXPECT_EQ(rig.Reg(Reg::PC), 6);
}

}  // namespace
}  // namespace tav2
