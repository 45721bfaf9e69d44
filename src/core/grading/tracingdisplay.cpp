#include "core/grading/tracingdisplay.h"

namespace tav2 {

void TracingDisplay::Start(InstructionTrace* instructions, ClockTrace* clocks) {
  instructions_ = instructions;
  clocks_ = clocks;
  if (instructions_ != nullptr) instructions_->Start();
}

void TracingDisplay::MarkSource(Reg reg) {
  inner_.MarkSource(reg);
  if (clocks_ != nullptr) clocks_->Source(reg);
}

void TracingDisplay::MemoryRead(uint16_t address) {
  inner_.MemoryRead(address);
  if (clocks_ != nullptr) clocks_->MemoryRead(address);
}

void TracingDisplay::MarkDestination(Reg reg) {
  inner_.MarkDestination(reg);
  if (clocks_ != nullptr) clocks_->Destination(reg);
}

void TracingDisplay::MemoryWordWritten(uint16_t address) {
  inner_.MemoryWordWritten(address);
  if (instructions_ != nullptr) instructions_->WordWritten(address);
  if (clocks_ != nullptr) clocks_->WordWritten(address);
}

void TracingDisplay::ProcessEvents() {
  inner_.ProcessEvents();
  if (instructions_ != nullptr) instructions_->InstructionEnded();
  if (clocks_ != nullptr) clocks_->InstructionEnded();
}

}  // namespace tav2
