#include <gtest/gtest.h>

#include <chrono>

#include "core/sim/runcontrol.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

constexpr uint16_t kStart = 0x0100;

// ADD R1, 1 / BRA back: an endless loop of two instructions.
class RunControlTest : public ::testing::Test {
 protected:
  Rig rig;

  void SetUp() override { Prepare(rig); }
  static void Prepare(Rig& loop) {
    loop.machine->startAddress = kStart;
    Place(loop.machine->memory, kStart,
          {Word(kAdd, 1, true, false, 0), 0x0001, Word(kBra, 0, true, false, 0), 0xFFFC});
    loop.Control().Reset();
  }
  void StopAfterInstructionEnds(int count, std::function<void()> action) {
    rig.display.onProcessEvents = [this, count, action, seen = 0]() mutable {
      if (rig.State().instructionDone && ++seen == count) action();
    };
  }
};

TEST_F(RunControlTest, ResetSetsTheDocumentedStateAndIsIdempotent) {
  rig.machine->defaultStackPointer = 0x6000;
  rig.Control().Instruction();
  ASSERT_GT(rig.State().microSteps, 0u);
  ASSERT_EQ(rig.State().instructions, 1u);
  rig[Reg::SR] = 0xFFFF;
  rig.State().aluFunction = 5;
  rig.display.log.clear();
  rig.Control().Reset();
  for (Reg r : {Reg::R1, Reg::R2, Reg::T1, Reg::A, Reg::B, Reg::C, Reg::IR, Reg::MDR, Reg::MAR, Reg::SR}) {
    EXPECT_EQ(rig[r], 0) << static_cast<int>(r);
  }
  EXPECT_EQ(rig[Reg::PC], kStart);
  EXPECT_EQ(rig[Reg::SP], 0x6000);
  EXPECT_EQ(rig.State().aluFunction, 0);
  EXPECT_EQ(rig.State().microSteps, 0u) << "the counters count from Reset";
  EXPECT_EQ(rig.State().instructions, 0u);
  EXPECT_EQ(rig.State().phase, Phase::Fetch);
  EXPECT_EQ(rig.State().entry, Mcrom::kFetchSequence);
  EXPECT_EQ(rig.State().loaded, rig.machine->mcrom.Entry(Mcrom::kFetchSequence).program[0]);
  EXPECT_TRUE(rig.State().haltRequest);
  EXPECT_TRUE(rig.State().instructionDone);
  EXPECT_FALSE(rig.State().running);
  EXPECT_EQ(rig.display.Count("focus Go"), 2);

  const ProcessorState once = rig.State();
  rig.Control().Reset(true);
  EXPECT_EQ(rig.display.Count("focus Go"), 2) << "a reset from the window leaves the focus alone";
  const ProcessorState& twice = rig.State();
  EXPECT_EQ(twice.reg, once.reg);
  EXPECT_EQ(twice.loaded, once.loaded);
  EXPECT_EQ(twice.phase, once.phase);
  EXPECT_EQ(twice.remaining, once.remaining);
  EXPECT_EQ(twice.haltRequest, once.haltRequest);
}

TEST_F(RunControlTest, InstructionInTheMiddleFinishesThatInstructionOnly) {
  for (int i = 0; i < 2; ++i) {
    rig.Control().ClockPress();
    rig.Control().ClockRelease();
  }
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::PC], kStart + 2);
  EXPECT_EQ(rig[Reg::R1], 1);
  EXPECT_EQ(rig.State().microSteps, 9u);
}

TEST_F(RunControlTest, HaltedProcessorIgnoresClockInstructionAndGo) {
  Place(rig.machine->memory, kStart, {0x6F00});
  rig.Control().Instruction();
  ASSERT_TRUE(rig.machine->halted);
  const ProcessorState before = rig.State();
  rig.display.log.clear();
  rig.Control().ClockPress();
  rig.Control().ClockRelease();
  rig.Control().Instruction();
  rig.Control().Go();
  EXPECT_EQ(rig.State().reg, before.reg);
  EXPECT_EQ(rig.State().microSteps, before.microSteps);
  EXPECT_TRUE(rig.display.Contains("whiten")) << "the clock still changes the display";
  rig.Control().Reset();
  EXPECT_FALSE(rig.machine->halted);
}

TEST_F(RunControlTest, HaltOpcodeStopsGoSilentlyAfterFetchOpcodeZeroWithItsMessage) {
  Place(rig.machine->memory, kStart, {Word(kNop, 0, false, false, 0), 0x6F00});
  rig.machine->lineMap.Set(kStart + 1, 40);
  rig.display.log.clear();
  rig.Control().Go();
  EXPECT_TRUE(rig.machine->halted);
  EXPECT_FALSE(rig.State().running);
  EXPECT_EQ(rig[Reg::PC], kStart + 2) << "PC as the fetch left it";
  EXPECT_EQ(rig[Reg::R2], 0) << "the halt's own execute sequence never ran";
  EXPECT_EQ(rig.State().entry, kHalt) << "its sequence was loaded all the same";
  EXPECT_TRUE(rig.display.Contains("line 40")) << "the halting instruction's line";
  EXPECT_EQ(rig.display.log.back(), "focus Reset");
  for (const std::string& line : rig.display.log) EXPECT_NE(line.rfind("error", 0), 0u) << line;

  Place(rig.machine->memory, kStart, {0x0000});
  rig.Control().Reset();
  rig.Control().Go();
  EXPECT_TRUE(rig.machine->halted);
  EXPECT_EQ(rig.display.Count("error Unknown operation 0X00:Processor halted"), 1);
}

TEST_F(RunControlTest, GoStopsOnABreakpointAndStartsFromOne) {
  rig.machine->breakpoints.Add(kStart + 2);
  rig.display.log.clear();
  rig.Control().Go();
  const std::vector<std::string> start(rig.display.log.begin(), rig.display.log.begin() + 4);
  EXPECT_EQ(start, (std::vector<std::string>{"registers", "dim", "focus Halt", "clear line"}));
  EXPECT_EQ(rig[Reg::PC], kStart + 2);
  EXPECT_EQ(rig[Reg::R1], 1);
  EXPECT_EQ(rig.display.log.back(), "focus Go");
  rig.Control().Go();
  EXPECT_EQ(rig[Reg::PC], kStart + 2) << "left the breakpoint, came round to it again";
  EXPECT_EQ(rig[Reg::R1], 2);
  EXPECT_EQ(rig.State().instructions, 3u);
}

TEST_F(RunControlTest, HaltDuringGoStopsAfterTheInstructionAndGoContinues) {
  StopAfterInstructionEnds(5, [this] { rig.Control().Halt(); });
  rig.Control().Go();
  EXPECT_EQ(rig.State().instructions, 5u);
  EXPECT_FALSE(rig.State().running);
  EXPECT_EQ(rig[Reg::R1], 3);
  EXPECT_EQ(rig[Reg::PC], kStart + 2);
  StopAfterInstructionEnds(2, [this] { rig.Control().Halt(); });
  rig.Control().Go();
  EXPECT_EQ(rig.State().instructions, 7u);
  EXPECT_EQ(rig[Reg::R1], 4);
}

TEST_F(RunControlTest, ResetDuringGoStopsTheRun) {
  StopAfterInstructionEnds(7, [this] { rig.Control().Reset(); });
  rig.Control().Go();
  EXPECT_FALSE(rig.State().running);
  EXPECT_FALSE(rig.Control().GoActive());
  EXPECT_EQ(rig[Reg::PC], kStart);
  EXPECT_EQ(rig[Reg::R1], 0);
  EXPECT_TRUE(rig.State().abort) << "Reset leaves Abort for the next command to clear";
  EXPECT_EQ(rig.display.log.back(), "focus Go");
  rig.display.onProcessEvents = nullptr;
  rig.Control().Instruction();
  EXPECT_EQ(rig[Reg::R1], 1) << "the next command runs normally";
}

TEST_F(RunControlTest, CommandsAreRefusedWhileRunning) {
  StopAfterInstructionEnds(3, [this] {
    const ProcessorState before = rig.State();
    rig.Control().ClockPress();
    rig.Control().ClockRelease();
    rig.Control().Instruction();
    rig.Control().Go();
    EXPECT_EQ(rig.State().microSteps, before.microSteps);
    EXPECT_FALSE(rig.Control().CanClose());
    rig.Control().Halt();
  });
  rig.Control().Go();
  EXPECT_EQ(rig.display.Count(std::string("warning ") + RunControl::kCannotClose), 1);
  EXPECT_TRUE(rig.Control().CanClose());
}

// A step limit stops Go at that very micro-step, also inside an
// instruction, in the state the same number of clocks leaves; a run that
// halts first is not affected.
TEST_F(RunControlTest, StepLimitStopsGoAtThatMicroStep) {
  for (const uint64_t limit : {0u, 1u, 8u, 9u, 10u, 100u, 1000u, 1001u}) {
    Rig limited;
    Prepare(limited);
    limited.Control().SetStepLimit(limit);
    EXPECT_EQ(limited.Control().StepLimitReached(), limit == 0);
    limited.Control().Go();
    EXPECT_EQ(limited.State().microSteps, limit);
    EXPECT_TRUE(limited.Control().StepLimitReached());
    EXPECT_FALSE(limited.State().running);
    EXPECT_FALSE(limited.Control().GoActive());
    limited.Control().Go();
    EXPECT_EQ(limited.State().microSteps, limit) << "at the limit Go runs nothing";

    Rig clocked;
    Prepare(clocked);
    for (uint64_t i = 0; i < limit; ++i) {
      clocked.Control().ClockPress();
      clocked.Control().ClockRelease();
    }
    EXPECT_EQ(limited.State().reg, clocked.State().reg) << limit;
    EXPECT_EQ(limited.State().phase, clocked.State().phase) << limit;
    EXPECT_EQ(limited.State().entry, clocked.State().entry) << limit;
    EXPECT_EQ(limited.State().nextIndex, clocked.State().nextIndex) << limit;
    EXPECT_EQ(limited.State().instructions, clocked.State().instructions) << limit;
  }
  Place(rig.machine->memory, kStart, {Word(kNop, 0, false, false, 0), 0x6F00});
  rig.Control().SetStepLimit(1000);
  rig.Control().Go();
  EXPECT_TRUE(rig.machine->halted);
  EXPECT_FALSE(rig.Control().StepLimitReached());
  rig.Control().SetStepLimit(std::nullopt);
  EXPECT_FALSE(rig.Control().StepLimitReached());
}

TEST_F(RunControlTest, SlicedGo) {
  constexpr std::chrono::nanoseconds kNoTime(0);
  rig.machine->breakpoints.Add(kStart + 2);
  ASSERT_TRUE(rig.Control().BeginGo());
  EXPECT_FALSE(rig.Control().BeginGo()) << "no second run";
  while (rig.Control().ContinueGo(kNoTime)) {}
  EXPECT_EQ(rig[Reg::PC], kStart + 2) << "the stop tests keep their order";
  EXPECT_EQ(rig.State().instructions, 1u);
  EXPECT_FALSE(rig.State().running);
  rig.machine->breakpoints.Clear();

  ASSERT_TRUE(rig.Control().BeginGo());
  EXPECT_TRUE(rig.Control().ContinueGo(kNoTime));
  const uint64_t done = rig.State().instructions;
  rig.Control().Halt();
  EXPECT_FALSE(rig.Control().ContinueGo(kNoTime)) << "a halt between slices stops at the next";
  EXPECT_EQ(rig.State().instructions, done);
  EXPECT_FALSE(rig.State().running);

  ASSERT_TRUE(rig.Control().BeginGo());
  EXPECT_TRUE(rig.Control().ContinueGo(kNoTime));
  rig.display.log.clear();
  rig.Control().Reset();
  EXPECT_FALSE(rig.Control().GoActive()) << "a reset between slices ends the run at once";
  EXPECT_EQ(rig[Reg::PC], kStart);
  EXPECT_EQ(rig.display.log.back(), "focus Go");
  EXPECT_FALSE(rig.Control().ContinueGo(kNoTime));
  EXPECT_TRUE(rig.Control().BeginGo()) << "a new run can start";
}

}  // namespace
}  // namespace tav2
