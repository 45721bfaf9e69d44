#include "core/grading/clocktrace.h"

#include <nlohmann/json.hpp>

#include "core/grading/registerorder.h"
#include "core/util/formatted.h"
#include "core/sim/machine.h"
#include "core/sim/microinstructiontext.h"
#include "core/sim/runcontrol.h"

namespace tav2 {

namespace {

const char* PhaseName(Phase phase) {
  switch (phase) {
    case Phase::Fetch: return "fetch";
    case Phase::Immediate: return "immediate";
    case Phase::Decode: return "decode";
    case Phase::Indirect: return "indirect";
    case Phase::Execute: return "execute";
    case Phase::WriteBack: return "write-back";
    case Phase::None: break;
  }
  return "none";
}

std::string Word(uint16_t value) { return Formatted("%04X", value); }

}  // namespace

void ClockTrace::ClockStarts() {
  instruction_ = instructions_ + 1;
  phase_ = state_.phase;
  sequence_ = machine_.mcrom.Entry(state_.entry).Name();
  text_ = MicroInstructionText(state_.loaded, false);
  text_.erase(text_.find_last_not_of(' ') + 1);
  source_.reset();
  destinations_.clear();
  read_.reset();
  written_.reset();
}

void ClockTrace::WordWritten(uint16_t address) { written_.emplace(address, machine_.memory.Read(address)); }

void ClockTrace::ClockEnded() {
  nlohmann::ordered_json line = {{"n", state_.microSteps},
                                 {"instruction", instruction_},
                                 {"phase", PhaseName(phase_)},
                                 {"sequence", sequence_},
                                 {"text", text_}};
  line["source"] = source_ ? nlohmann::ordered_json(RegisterName(*source_)) : nullptr;
  if (source_) line["bus"] = Word(state_.bus);
  nlohmann::ordered_json& destinations = line["destinations"] = nlohmann::ordered_json::array();
  for (Reg reg : destinations_) destinations.push_back(RegisterName(reg));
  if (read_) line["read"] = Word(*read_);
  if (written_) line["write"] = {Word(written_->first), Word(written_->second)};
  const std::string text = line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
  if (!failed_ && std::fwrite(text.data(), 1, text.size(), out_) != text.size()) failed_ = true;
}

void ClockTrace::Run(RunControl& control, ProcessorState& state, const std::function<bool()>& stopped) {
  while (!state.abort && !stopped()) {
    state.instructionDone = false;
    do {
      ClockStarts();
      control.ClockPress();
      control.ClockRelease();
      ClockEnded();
    } while (!state.instructionDone && !state.abort);
  }
}

bool ClockTrace::Finish() {
  if (!failed_ && std::fflush(out_) != 0) failed_ = true;
  return !failed_;
}

}  // namespace tav2
