#pragma once
#include <cstdint>
#include <string>

#include "core/sim/mainmemory.h"
#include "core/sim/processorstate.h"

namespace tav2 {

enum class RunButton { Reset, Go, Halt };

// What the processor tells the windows: register highlights, memory-view
// marks, the source line, focus, messages, and the chance to process
// pending events. Every operation does nothing by default, so a display for
// the headless runner overrides only what it needs.
class ProcessorDisplay {
 public:
  virtual ~ProcessorDisplay() = default;

  // Read half of a clock (made only while stepping with ShowSteps).
  virtual void MarkSource(Reg) {}
  virtual void MarkMdrToMemory() {}
  virtual void MemoryRead(uint16_t /*address*/) {}
  // Write half of a clock (only while stepping).
  virtual void MarkDestination(Reg) {}
  virtual void MarkMdrFromMemory() {}
  virtual void MemoryWrite(uint16_t /*address*/) {}
  virtual void PcWritten(uint16_t /*pc*/) {}
  // A word of main memory changed (made on every write, also during Go).
  virtual void MemoryWordWritten(uint16_t /*address*/) {}
  // Sequence name, micro-instruction and registers (only while stepping).
  virtual void MicroInstructionLoaded() {}
  virtual void PhaseChanged(Phase) {}

  virtual void WhitenForClock() {}
  virtual void DimForRun() {}
  virtual void RestoreDisplay() {}
  virtual void ShowRegisters() {}
  virtual void Focus(RunButton) {}

  // The program editor's current line (position 0: no line) and the memory
  // views' PC mark.
  virtual void ShowSourceLine(int /*position*/) {}
  virtual void ClearSourceLine() {}
  virtual void MarkPc(uint16_t /*pc*/) {}

  // Called at every instruction end; Halt and Reset arrive from here.
  virtual void ProcessEvents() {}

  virtual void ShowError(const std::string& /*text*/) {}
  virtual void ShowWarning(const std::string& /*text*/) {}
};

// Writes a word of main memory and tells the display, so that the memory
// views redraw it: every write a program makes goes through here.
inline void WriteMemoryWord(MainMemory& memory, ProcessorDisplay& display, uint16_t address, uint16_t value) {
  memory.Write(address, value);
  display.MemoryWordWritten(address);
}

// The display of the headless runner and the benchmarks: shows nothing.
class SilentDisplay final : public ProcessorDisplay {};

}  // namespace tav2
