#include "core/sim/engine.h"

#include "core/sim/alu.h"
#include "core/sim/alufunctions.h"
#include "core/sim/executionobserver.h"
#include "core/sim/terminal.h"
#include "core/sim/watchlist.h"

namespace tav2 {

namespace {

constexpr uint16_t kTerminalServiceWord = 0xFF10;
constexpr uint8_t kLastFlaggedOpcode = 0x1F;
constexpr const char* kUnknownOperation = "Unknown operation 0X00:Processor halted";

constexpr uint16_t Bit(Reg r) { return static_cast<uint16_t>(1u << static_cast<unsigned>(r)); }

// LO read bit of each register (its write bit is the next one); SR's pair
// is HI bits 0/1.
constexpr int kReadBit[kRegisterCount] = {0, 2, 16, 4, 6, 8, 10, 14, 12, 18, -1, 22};

// Bus sources in their order of precedence.
constexpr Reg kSourceOrder[] = {Reg::R1, Reg::R2, Reg::T1, Reg::A,  Reg::B,   Reg::C,
                                Reg::PC, Reg::SP, Reg::IR, Reg::SR, Reg::MAR, Reg::MDR};

int OperandReadBit(Operand op) {
  switch (op) {
    case Operand::R1: return 0;
    case Operand::R2: return 2;
    case Operand::T1: return 16;
    case Operand::SP: return 14;
    case Operand::PC: return 10;
    case Operand::None: break;
  }
  return -1;
}

// Overwrites the read/write pair of `op` in `lo` with the two bits `rw`.
uint32_t Substitute(uint32_t lo, Operand op, uint32_t rw) {
  const int bit = OperandReadBit(op);
  if (bit < 0) return lo;
  return (lo & ~(3u << bit)) | (rw << bit);
}

bool ReadBitSet(const MicroInstruction& mi, Reg r) {
  return r == Reg::SR ? mi.Hi(0) : mi.Lo(kReadBit[static_cast<int>(r)]);
}

bool WriteBitSet(const MicroInstruction& mi, Reg r) {
  return r == Reg::SR ? mi.Hi(1) : mi.Lo(kReadBit[static_cast<int>(r)] + 1);
}

}  // namespace

const Engine::MicroPlan Engine::kNothing{};

Engine::Engine(Machine& machine, ProcessorState& state, ProcessorDisplay& display)
    : machine_(machine),
      state_(state),
      display_(display),
      blocks_(static_cast<std::size_t>(Mcrom::kEntries * kOperandKinds * kOperandKinds)) {
  block_ = &blocks_.front();
  current_ = &kNothing;
}

Engine::MicroPlan Engine::Compile(MicroInstruction raw, Operand op1, Operand op2) {
  MicroPlan plan;
  uint32_t lo = raw.lo;
  if (raw.hi & 0x0C) lo = Substitute(lo, op1, (raw.hi >> 2) & 3u);
  if (raw.hi & 0x30) lo = Substitute(lo, op2, (raw.hi >> 4) & 3u);
  plan.mi = {lo, raw.hi};
  for (Reg r : kSourceOrder) {
    if (ReadBitSet(plan.mi, r)) {
      plan.source = static_cast<int8_t>(r);
      break;
    }
  }
  for (int r = 0; r < kRegisterCount; ++r) {
    if (WriteBitSet(plan.mi, static_cast<Reg>(r))) plan.destinations |= Bit(static_cast<Reg>(r));
  }
  plan.alu = static_cast<uint8_t>(plan.mi.AluCode());
  if (plan.mi.Lo(lo_bit::kMdrToBuffer)) plan.memory |= kToBuffer;
  if (plan.mi.Lo(lo_bit::kMdrFromBuffer)) plan.memory |= kFromBuffer;
  if (plan.mi.Lo(lo_bit::kMemRead)) plan.memory |= kRead;
  if (plan.mi.Lo(lo_bit::kMemWrite)) plan.memory |= kWrite;
  return plan;
}

// The plans of an entry for the decoded operand registers, made again when
// the micro-code has changed since they were made.
[[gnu::always_inline]] inline Engine::PlanBlock& Engine::BlockFor(int entry) {
  const auto op1 = static_cast<std::size_t>(state_.decoded.op1);
  const auto op2 = static_cast<std::size_t>(state_.decoded.op2);
  PlanBlock& block = blocks_[(static_cast<std::size_t>(entry) * kOperandKinds + op1) * kOperandKinds + op2];
  if (block.stamp != Stamp()) Fill(block, entry);
  return block;
}

void Engine::Fill(PlanBlock& block, int entry) {
  const McromEntry& source = machine_.mcrom.Entry(entry);
  for (std::size_t i = 0; i < block.plans.size(); ++i) {
    block.plans[i] = Compile(source.program[i], state_.decoded.op1, state_.decoded.op2);
  }
  block.stamp = Stamp();
}

// The read half without display: bus source, memory side, ALU function
// (a named function wins; reading C, or a _TSC left from the last clock,
// leaves none).
[[gnu::always_inline]] inline void Engine::ReadHalf(const MicroPlan& plan) {
  ProcessorState& s = state_;
  if (plan.source >= 0) s.bus = s.reg[static_cast<std::size_t>(plan.source)];
  if (plan.memory & kToBuffer) {
    s.memDataBuffer = s[Reg::MDR];
  } else if (plan.memory & kRead) {
    s.memDataBuffer = machine_.memory.Read(s.memAddressLatch);
    if (readWatches_ != nullptr) readWatches_->NoteRead(s.memAddressLatch);
  }
  if (plan.alu != kAluNone) {
    s.aluFunction = plan.alu;
  } else if (plan.source == static_cast<int8_t>(Reg::C) || s.aluFunction == kAluTsc) {
    s.aluFunction = kAluNone;
  }
}

// The write half without display, up to the sequencer: destinations, the
// MDR load and memory write, the ALU (`flagUpdate`: the general flag update
// applies, in the Execute phase of opcodes up to 0x1F).
[[gnu::always_inline]] inline void Engine::WriteHalf(const MicroPlan& plan, bool flagUpdate) {
  ProcessorState& s = state_;
  const uint16_t bus = s.bus;
  for (unsigned mask = plan.destinations; mask != 0; mask &= mask - 1) {
    s.reg[static_cast<std::size_t>(__builtin_ctz(mask))] = bus;
  }
  if (plan.destinations & Bit(Reg::MAR)) s.memAddressLatch = bus;
  if (plan.memory & kFromBuffer) s[Reg::MDR] = s.memDataBuffer;
  if (plan.memory & kWrite) WriteMemoryWord(machine_.memory, display_, s.memAddressLatch, s.memDataBuffer);
  s[Reg::C] = Alu::Evaluate(s.aluFunction, s[Reg::A], s[Reg::B], flagUpdate, s[Reg::SR], s.conditionFailed);
}

inline bool Engine::FlagUpdate() const {
  return state_.phase == Phase::Execute && state_.decoded.opcode <= kLastFlaggedOpcode;
}

void Engine::ReadPhase() {
  if (state_.abort) return;
  NoteClocksStarting();
  const MicroPlan& plan = *current_;
  ReadHalf(plan);
  if (!state_.showSteps) return;
  if (plan.source >= 0) display_.MarkSource(static_cast<Reg>(plan.source));
  if (plan.memory & kToBuffer) {
    display_.MarkMdrToMemory();
  } else if (plan.memory & kRead) {
    display_.MemoryRead(state_.memAddressLatch);
  }
}

void Engine::WritePhase() {
  if (state_.abort) return;
  const MicroPlan& plan = *current_;
  WriteHalf(plan, FlagUpdate());
  ++state_.microSteps;
  if (state_.showSteps) {
    if (plan.destinations & Bit(Reg::PC)) display_.PcWritten(state_[Reg::PC]);
    if (plan.memory & kWrite) display_.MemoryWrite(state_.memAddressLatch);
    for (unsigned mask = plan.destinations; mask != 0; mask &= mask - 1) {
      display_.MarkDestination(static_cast<Reg>(__builtin_ctz(mask)));
    }
    if (plan.memory & kFromBuffer) display_.MarkMdrFromMemory();
  }
  --state_.remaining;
  ++state_.nextIndex;
  Sequencer();
}

void Engine::Step() {
  if (machine_.halted || state_.abort) return;
  ReadPhase();
  WritePhase();
}

// The Instruction and Go path: whole clocks with the display off. The parts
// of a clock and the sequencer are forced inline (without it the compiler
// keeps them as calls, which halves the speed of a run). The rest
// of a sequence runs with its position in locals; foreign code (event
// processing, terminal services) runs only inside Sequencer, so halting,
// aborting and a micro-code change are looked for after it, and on entry.
void Engine::RunToInstructionEnd() {
  ProcessorState& s = state_;
  if (machine_.halted || s.abort) return;
  NoteClocksStarting();
  if (block_->stamp != Stamp()) block_ = &BlockFor(s.entry);
  for (;;) {
    const MicroPlan* plan = current_;
    const MicroPlan* const plans = block_->plans.data();
    const bool execute = s.phase == Phase::Execute;
    const bool flagUpdate = FlagUpdate();
    int index = s.nextIndex;
    int remaining = s.remaining;
    for (;;) {
      ReadHalf(*plan);
      WriteHalf(*plan, flagUpdate);
      ++index;
      if (--remaining <= 0 || (execute && s.conditionFailed)) break;
      plan = &plans[index];
    }
    s.microSteps += static_cast<uint64_t>(index - s.nextIndex);
    s.nextIndex = index;
    s.remaining = remaining;
    current_ = plan;
    s.loaded = plan->mi;
    Sequencer();
    if (s.instructionDone || machine_.halted || s.abort) return;
  }
}

// The sequencer, after the running sequence's count went down: go on with
// it or move to the next sequence, then load the next micro-instruction.
[[gnu::always_inline]] inline void Engine::Sequencer() {
  const bool goOn = state_.remaining > 0 && !(state_.phase == Phase::Execute && state_.conditionFailed);
  if (!goOn && !FinishSequence()) return;
  if (state_.instructionDone) display_.ProcessEvents();
  LoadNext();
  if (state_.showSteps) display_.MicroInstructionLoaded();
  if (serviceEnded_) EndServiceClock();
}

[[gnu::always_inline]] inline void Engine::EnterPhase(Phase phase, bool showAlways) {
  state_.phase = phase;
  if (state_.showSteps || showAlways || (phase == Phase::Fetch && !state_.running)) {
    ShowPhase(phase, showAlways);
  }
}

void Engine::ShowPhase(Phase phase, bool showAlways) {
  if (state_.showSteps || showAlways) display_.PhaseChanged(phase);
  if (phase == Phase::Fetch && !state_.running) {
    display_.ShowSourceLine(machine_.lineMap.At(state_[Reg::PC]));
    display_.MarkPc(state_[Reg::PC]);
  }
}

[[gnu::always_inline]] inline void Engine::StartSequence(int entry) {
  state_.entry = entry;
  state_.nextIndex = 0;
  state_.remaining = machine_.mcrom.Entry(entry).UsableCount();
  block_ = &BlockFor(entry);
}

// Moves from the sequence that just ended to the next one; an empty sequence
// ends at once. Returns false when Abort, set during a terminal service, ends
// the step.
[[gnu::always_inline]] inline bool Engine::FinishSequence() {
  switch (state_.phase) {
    case Phase::Fetch:
      EnterPhase(Phase::Decode);
      state_.decoded = DecodedInstruction::Decode(state_[Reg::IR]);
      if (state_.decoded.opcode == 0x00 || state_.decoded.opcode == 0x6F) Halt(state_.decoded.opcode);
      if (state_.decoded.extension) {
        EnterPhase(Phase::Immediate);
        StartSequence(Mcrom::kImmediateSequence);
        if (state_.remaining > 0) return true;
      }
      [[fallthrough]];
    case Phase::Immediate:
      if (state_.decoded.indirect) {
        EnterPhase(Phase::Indirect);
        StartSequence(Mcrom::kIndirectSequence);
        if (state_.remaining > 0) return true;
      }
      [[fallthrough]];
    case Phase::Indirect:
      if (!EnterExecute()) return false;
      StartSequence(state_.decoded.opcode);
      if (state_.remaining > 0) return true;
      [[fallthrough]];
    case Phase::Execute:
      if (state_.decoded.writeBack) {
        EnterPhase(Phase::WriteBack);
        StartSequence(Mcrom::kWriteBackSequence);
        if (state_.remaining > 0) return true;
      }
      [[fallthrough]];
    default:  // WriteBack ended (or no phase yet): the instruction ends
      state_.instructionDone = true;
      ++state_.instructions;
      EnterPhase(Phase::Fetch);
      StartSequence(Mcrom::kFetchSequence);
      return true;
  }
}

// Loads the next micro-instruction of the running sequence, as the
// micro-code holds it now; an empty sequence loads one that does nothing.
[[gnu::always_inline]] inline void Engine::LoadNext() {
  if (state_.remaining > 0) {
    if (block_->stamp != Stamp()) block_ = &BlockFor(state_.entry);
    current_ = &block_->plans[static_cast<std::size_t>(state_.nextIndex)];
  } else {
    current_ = &kNothing;
  }
  state_.loaded = current_->mi;
  state_.conditionFailed = false;
}

[[gnu::always_inline]] inline bool Engine::EnterExecute() {
  EnterPhase(Phase::Execute);
  if (state_.decoded.indirect) state_.decoded.op2 = Operand::T1;
  if (state_[Reg::IR] == kTerminalServiceWord && terminal_ != nullptr) {
    if (observer_ != nullptr) observer_->ServiceStarting();
    terminal_->Service(state_, machine_.memory, display_);
    serviceEnded_ = observer_ != nullptr && !state_.abort;
  }
  return !state_.abort;
}

void Engine::Halt(uint8_t opcode) {
  machine_.halted = true;
  state_.haltRequest = true;
  state_.conditionFailed = true;
  state_.instructionDone = true;
  if (opcode == 0x00) display_.ShowError(kUnknownOperation);
}

[[gnu::always_inline]] inline void Engine::NoteClocksStarting() {
  if (observer_ != nullptr && state_.instructions >= observeFrom_) observer_->ClocksStarting();
}

void Engine::EndServiceClock() {
  serviceEnded_ = false;
  if (observer_ != nullptr) observer_->ServiceClockEnded();
}

void Engine::RestartFetch() {
  if (observer_ != nullptr) observer_->Restarted();
  EnterPhase(Phase::Fetch, true);
  StartSequence(Mcrom::kFetchSequence);
  LoadNext();
  display_.MicroInstructionLoaded();
}

void Engine::Resume() {
  block_ = &BlockFor(state_.entry);
  current_ = state_.remaining > 0 ? &block_->plans[static_cast<std::size_t>(state_.nextIndex)] : &kNothing;
}

}  // namespace tav2
