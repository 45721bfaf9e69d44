#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/grading/clocktrace.h"
#include "core/grading/instructiontrace.h"
#include "core/grading/registerorder.h"
#include "core/grading/tracingdisplay.h"
#include "gradingsupport.h"
#include "core/lang/assembler.h"
#include "core/util/formatted.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"

namespace tav2 {
namespace {

// Stops a run at the instruction end that reaches a number of micro-steps.
class LimitDisplay : public ProcessorDisplay {
 public:
  void Watch(const ProcessorState& state, RunControl& control, uint64_t maxSteps) {
    state_ = &state;
    control_ = &control;
    maxSteps_ = maxSteps;
  }
  bool Limited() const { return limited_; }
  void ProcessEvents() override {
    if (state_ == nullptr || state_->microSteps < maxSteps_) return;
    limited_ = true;
    control_->Halt();
  }

 private:
  const ProcessorState* state_ = nullptr;
  RunControl* control_ = nullptr;
  uint64_t maxSteps_ = 0;
  bool limited_ = false;
};

std::vector<std::string> Lines(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, got);
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct Traced {
  std::vector<std::string> instructions;
  std::vector<std::string> clocks;
  ProcessorState state;
};

// Runs `body` (traced by instructions, and by clocks when `byClocks`) to
// its halt or the step limit, with MOVE renamed once it is assembled.
Traced RunTraced(const std::string& body, bool byClocks, uint64_t maxSteps = UINT64_MAX,
                 const std::string& moveName = "MOVE") {
  auto machine = std::make_unique<Machine>();
  machine->mcrom = test::DefaultRom();
  Assembler assembler(*machine);
  assembler.loadAfterBuild = true;
  assembler.runAfterLoad = true;
  EXPECT_TRUE(assembler.ParseSource("##\n" + body + "\n##\n", "t.asm"));
  McromEntry move = machine->mcrom.Entry(0x02);
  move.SetName(moveName);
  machine->mcrom.SetEntry(0x02, move);

  LimitDisplay limit;
  TracingDisplay tracing(limit);
  Processor processor(*machine, tracing);
  ProcessorState& state = processor.State();
  RunControl& control = processor.Control();
  limit.Watch(state, control, maxSteps);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> instructionFile(std::tmpfile(), std::fclose);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> clockFile(std::tmpfile(), std::fclose);
  InstructionTrace instructions(instructionFile.get(), *machine, state);
  ClockTrace clocks(clockFile.get(), *machine, state);
  control.Reset();
  tracing.Start(&instructions, byClocks ? &clocks : nullptr);
  const auto stopped = [&] { return machine->halted || limit.Limited(); };
  if (byClocks) {
    clocks.Run(control, state, stopped);
  } else {
    do {
      control.Go();
    } while (!stopped());
  }
  EXPECT_TRUE(instructions.Finish());
  EXPECT_TRUE(clocks.Finish());
  return {Lines(instructionFile.get()), Lines(clockFile.get()), state};
}

constexpr const char* kProgram =
    "begin MOVE R1, 5\n STORE R1, (value)\n INC (value)\n ADD R1, (value)\n HALT\nvalue DAT 0";

nlohmann::ordered_json RegistersOf(const ProcessorState& state) {
  nlohmann::ordered_json registers = nlohmann::ordered_json::object();
  for (const NamedRegister& named : kRegisterOrder)
    registers[std::string(named.name)] = Formatted("%04X", state[named.reg]);
  return registers;
}

TEST(Trace, InstructionLinesAreTheSameOnTheGoPathAndClockByClock) {
  const Traced go = RunTraced(kProgram, false);
  const Traced clocked = RunTraced(kProgram, true);
  EXPECT_EQ(go.instructions, clocked.instructions);
  ASSERT_EQ(go.instructions.size(), go.state.instructions);
  for (std::size_t i = 0; i < go.instructions.size(); ++i) {
    const auto line = nlohmann::ordered_json::parse(go.instructions[i]);
    std::vector<std::string> keys;
    for (const auto& item : line.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"n", "pc", "word", "text", "regs", "mem"}));
    EXPECT_EQ(line["n"], i + 1);
  }
  const auto last = nlohmann::ordered_json::parse(go.instructions.back());
  EXPECT_EQ(last["text"], "HALT");
  EXPECT_EQ(last["regs"], RegistersOf(go.state));
  const auto inc = nlohmann::ordered_json::parse(go.instructions[2]);
  EXPECT_EQ(inc["text"], "INC (0009)");
  EXPECT_EQ(inc["mem"], nlohmann::ordered_json::parse(R"([["0009","0006"]])"));
  EXPECT_TRUE(go.clocks.empty());
  EXPECT_EQ(clocked.clocks.size(), clocked.state.microSteps);
}

TEST(Trace, AStepLimitedTraceEndsAtTheLimit) {
  const Traced traced = RunTraced("begin INC R1\n BRA begin", true, 30);
  ASSERT_EQ(traced.instructions.size(), 4u);
  EXPECT_EQ(traced.state.instructions, 4u);
  EXPECT_EQ(nlohmann::ordered_json::parse(traced.instructions.back())["regs"], RegistersOf(traced.state));
  ASSERT_EQ(traced.clocks.size(), 30u);
  const auto last = nlohmann::json::parse(traced.clocks.back());
  EXPECT_EQ(last, nlohmann::json::parse(R"({"n":30,"instruction":4,"phase":"execute","sequence":"BRA",
      "text":"PC:=C;","source":"C","bus":"0000","destinations":["PC"]})"));
  EXPECT_EQ(RunTraced("begin INC R1\n BRA begin", false, 30).instructions, traced.instructions);
}

TEST(Trace, TextsAreEscapedByTheJsonLibrary) {
  const Traced traced = RunTraced(kProgram, true, UINT64_MAX, "MO\"V\\E\x01");
  const auto line = nlohmann::json::parse(traced.instructions.front());
  EXPECT_EQ(line["text"], "MO\"V\\E\x01 R1, 0005");
  const auto clock = nlohmann::json::parse(traced.clocks[6]);
  EXPECT_EQ(clock["sequence"], "MO\"V\\E\x01");
}

}  // namespace
}  // namespace tav2
