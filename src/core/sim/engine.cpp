#include "sim/engine.h"

#include "sim/alu.h"
#include "sim/alufunctions.h"
#include "sim/terminal.h"

namespace tav2 {

namespace {

constexpr uint16_t kTerminalServiceWord = 0xFF10;
constexpr uint8_t kLastFlaggedOpcode = 0x1F;
const std::string kUnknownOperation = "Unknown operation 0X00:Processor halted";

constexpr uint16_t Bit(Reg r) { return static_cast<uint16_t>(1u << static_cast<unsigned>(r)); }

// LO bit pair (read bit, write bit at +1) of each register; SR's pair is HI bits 0/1.
constexpr int kReadBit[kRegisterCount] = {0, 2, 16, 4, 6, 8, 10, 14, 12, 18, -1, 22};

// Bus sources in their order of precedence.
constexpr Reg kSourceOrder[] = {Reg::R1, Reg::R2, Reg::T1, Reg::A,  Reg::B,   Reg::C,
                                Reg::PC, Reg::SP, Reg::IR, Reg::SR, Reg::MAR, Reg::MDR};

// The LO read bit of an operand register (its write bit is the next one).
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

Engine::Engine(Machine& machine, ProcessorState& state, ProcessorDisplay& display)
    : machine_(machine),
      state_(state),
      display_(display),
      plans_(static_cast<std::size_t>(Mcrom::kEntries * kOperandKinds * kOperandKinds *
                                      McromEntry::kMaxMicroInstructions)) {
  static const MicroPlan kNothing;
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

// Plans are cached per entry, operand pair and index, and made again when
// the micro-code ROM has changed since.
const Engine::MicroPlan& Engine::PlanFor(int entry, int index) {
  const auto op1 = static_cast<std::size_t>(state_.decoded.op1);
  const auto op2 = static_cast<std::size_t>(state_.decoded.op2);
  const std::size_t key =
      ((static_cast<std::size_t>(entry) * kOperandKinds + op1) * kOperandKinds + op2) *
          McromEntry::kMaxMicroInstructions +
      static_cast<std::size_t>(index);
  MicroPlan& plan = plans_[key];
  const uint64_t stamp = machine_.mcrom.Generation() + 1;
  if (plan.stamp != stamp) {
    plan = Compile(machine_.mcrom.Entry(entry).program[static_cast<std::size_t>(index)],
                   state_.decoded.op1, state_.decoded.op2);
    plan.stamp = stamp;
  }
  return plan;
}

void Engine::Step() {
  if (machine_.halted || state_.abort) return;
  ReadPhase();
  WritePhase();
}

void Engine::ReadPhase() {
  if (state_.abort) return;
  if (state_.aluFunction == kAluTsc) state_.aluFunction = kAluNone;
  const MicroPlan& plan = *current_;
  if (plan.source >= 0) {
    state_.bus = state_.reg[static_cast<std::size_t>(plan.source)];
    if (plan.source == static_cast<int8_t>(Reg::C)) state_.aluFunction = kAluNone;
  }
  if (plan.memory & kToBuffer) {
    state_.memDataBuffer = state_[Reg::MDR];
  } else if (plan.memory & kRead) {
    state_.memDataBuffer = machine_.memory.Read(state_.memAddressLatch);
  }
  if (plan.alu != kAluNone) state_.aluFunction = plan.alu;
  if (state_.showSteps) {
    if (plan.source >= 0) display_.MarkSource(static_cast<Reg>(plan.source));
    if (plan.memory & kToBuffer) {
      display_.MarkMdrToMemory();
    } else if (plan.memory & kRead) {
      display_.MemoryRead(state_.memAddressLatch);
    }
  }
}

void Engine::WritePhase() {
  if (state_.abort) return;
  const MicroPlan& plan = *current_;
  for (unsigned mask = plan.destinations; mask != 0; mask &= mask - 1) {
    state_.reg[static_cast<std::size_t>(__builtin_ctz(mask))] = state_.bus;
  }
  if (plan.destinations & Bit(Reg::MAR)) state_.memAddressLatch = state_.bus;
  if ((plan.destinations & Bit(Reg::PC)) && state_.showSteps) display_.PcWritten(state_[Reg::PC]);
  if (plan.memory & kFromBuffer) state_[Reg::MDR] = state_.memDataBuffer;
  if (plan.memory & kWrite) {
    machine_.memory.Write(state_.memAddressLatch, state_.memDataBuffer);
    if (state_.showSteps) display_.MemoryWrite(state_.memAddressLatch);
    display_.MemoryWordWritten(state_.memAddressLatch);
  }
  const bool generalUpdate =
      state_.phase == Phase::Execute && state_.decoded.opcode <= kLastFlaggedOpcode;
  state_[Reg::C] = Alu::Evaluate(state_.aluFunction, state_[Reg::A], state_[Reg::B], generalUpdate,
                                 state_[Reg::SR], state_.conditionFailed);
  if (state_.showSteps) ShowDestinations(plan);
  ++state_.microSteps;
  Sequencer();
}

void Engine::ShowDestinations(const MicroPlan& plan) {
  for (unsigned mask = plan.destinations; mask != 0; mask &= mask - 1) {
    display_.MarkDestination(static_cast<Reg>(__builtin_ctz(mask)));
  }
  if (plan.memory & kFromBuffer) display_.MarkMdrFromMemory();
}

void Engine::Sequencer() {
  --state_.remaining;
  ++state_.nextIndex;
  const bool goOn = state_.remaining > 0 &&
                    !(state_.phase == Phase::Execute && state_.conditionFailed);
  if (!goOn && !FinishSequence()) return;
  if (state_.instructionDone) display_.ProcessEvents();
  LoadNext();
  if (state_.showSteps) display_.MicroInstructionLoaded();
}

// Moves from the sequence that just ended to the next one; an empty sequence
// ends at once. Returns false when Abort, set during a terminal service, ends
// the step.
bool Engine::FinishSequence() {
  switch (state_.phase) {
    case Phase::Fetch:
      EnterPhase(Phase::Decode);
      state_.decoded = DecodedInstruction::Decode(state_[Reg::IR]);
      HaltCheck();
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

void Engine::StartSequence(int entry) {
  state_.entry = entry;
  state_.nextIndex = 0;
  state_.remaining = machine_.mcrom.Entry(entry).UsableCount();
}

// Loads the next micro-instruction of the running sequence; an empty
// sequence loads one that does nothing.
void Engine::LoadNext() {
  static const MicroPlan kNothing;
  current_ = state_.remaining > 0 ? &PlanFor(state_.entry, state_.nextIndex) : &kNothing;
  state_.loaded = current_->mi;
  state_.conditionFailed = false;
}

void Engine::EnterPhase(Phase phase, bool showAlways) {
  state_.phase = phase;
  if (state_.showSteps || showAlways) display_.PhaseChanged(phase);
  if (phase == Phase::Fetch && !state_.running) {
    display_.ShowSourceLine(machine_.lineMap.At(state_[Reg::PC]));
    display_.MarkPc(state_[Reg::PC]);
  }
}

bool Engine::EnterExecute() {
  EnterPhase(Phase::Execute);
  if (state_.decoded.indirect) state_.decoded.op2 = Operand::T1;
  if (state_[Reg::IR] == kTerminalServiceWord && terminal_ != nullptr) {
    terminal_->Service(state_, machine_.memory, display_);
  }
  return !state_.abort;
}

void Engine::HaltCheck() {
  const uint8_t opcode = state_.decoded.opcode;
  if (opcode != 0x00 && opcode != 0x6F) return;
  machine_.halted = true;
  state_.haltRequest = true;
  state_.conditionFailed = true;
  state_.instructionDone = true;
  if (opcode == 0x00) display_.ShowError(kUnknownOperation);
}

void Engine::RestartFetch() {
  EnterPhase(Phase::Fetch, true);
  StartSequence(Mcrom::kFetchSequence);
  LoadNext();
  display_.MicroInstructionLoaded();
}

}  // namespace tav2
