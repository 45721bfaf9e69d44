#pragma once
#include "core/grading/clocktrace.h"
#include "core/grading/instructiontrace.h"
#include "core/sim/processordisplay.h"

namespace tav2 {

// A processor display that passes everything on to another display and
// feeds the traces of a run: instruction ends and memory writes to the
// instruction trace, the bus source, destinations and memory side of each
// clock to the clock trace.
class TracingDisplay : public ProcessorDisplay {
 public:
  explicit TracingDisplay(ProcessorDisplay& inner) : inner_(inner) {}

  void MarkSource(Reg reg) override;
  void MarkMdrToMemory() override { inner_.MarkMdrToMemory(); }
  void MemoryRead(uint16_t address) override;
  void MarkDestination(Reg reg) override;
  void MarkMdrFromMemory() override { inner_.MarkMdrFromMemory(); }
  void MemoryWrite(uint16_t address) override { inner_.MemoryWrite(address); }
  void PcWritten(uint16_t pc) override { inner_.PcWritten(pc); }
  void MemoryWordWritten(uint16_t address) override;
  void MicroInstructionLoaded() override { inner_.MicroInstructionLoaded(); }
  void PhaseChanged(Phase phase) override { inner_.PhaseChanged(phase); }
  void WhitenForClock() override { inner_.WhitenForClock(); }
  void DimForRun() override { inner_.DimForRun(); }
  void RestoreDisplay() override { inner_.RestoreDisplay(); }
  void ShowRegisters() override { inner_.ShowRegisters(); }
  void Focus(RunButton button) override { inner_.Focus(button); }
  void ShowSourceLine(int position) override { inner_.ShowSourceLine(position); }
  void ClearSourceLine() override { inner_.ClearSourceLine(); }
  void MarkPc(uint16_t pc) override { inner_.MarkPc(pc); }
  // Instruction ends; the Resets before a traced run end no instruction,
  // so the traces are started after them.
  void ProcessEvents() override;
  void ShowError(const std::string& text) override { inner_.ShowError(text); }
  void ShowWarning(const std::string& text) override { inner_.ShowWarning(text); }

  // The run begins, with the traces to feed (either may be nullptr):
  // instruction ends count from here.
  void Start(InstructionTrace* instructions, ClockTrace* clocks);

 private:
  ProcessorDisplay& inner_;
  InstructionTrace* instructions_ = nullptr;
  ClockTrace* clocks_ = nullptr;
};

}  // namespace tav2
