#pragma once
// Helpers for the processor tests: micro-instructions written by bit
// number, a small hand-placed micro-code, a display that records what it is
// told, and a scripted terminal device.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/sim/machine.h"
#include "core/sim/processor.h"
#include "core/sim/processordisplay.h"
#include "core/sim/terminaldevice.h"

namespace tav2::test {

// Bit numbers of the LO word, by register (read bit; the write bit is +1).
namespace rd {
constexpr int R1 = 0, R2 = 2, A = 4, B = 6, C = 8, PC = 10, IR = 12, SP = 14, T1 = 16, MDR = 18, MAR = 22;
}
namespace wr {
constexpr int R1 = 1, R2 = 3, A = 5, B = 7, C = 9, PC = 11, IR = 13, SP = 15, T1 = 17, MDR = 19, MAR = 23;
}
// HI bits.
constexpr int kSrRead = 0, kSrWrite = 1, kOp1Read = 2, kOp1Write = 3, kOp2Read = 4, kOp2Write = 5;
// Memory bits.
constexpr int kMemReadToMdr[] = {24, 21};
constexpr int kMemWriteFromMdr[] = {20, 25};

MicroInstruction Mi(std::initializer_list<int> loBits, int alu = 0, std::initializer_list<int> hiBits = {});
McromEntry Entry(const std::string& name, uint32_t opcode, uint8_t operandKind,
                 std::initializer_list<MicroInstruction> program);

// Opcodes of the hand-placed micro-code.
constexpr uint8_t kAdd = 0x01, kMove = 0x02, kInc = 0x11, kLea = 0x20, kBeq = 0x37, kBra = 0x3F, kJmp = 0x40,
                  kNop = 0x60, kHalt = 0x6F, kStore = 0x81, kSys = 0xFF;

// A ROM holding only the named entries, each with its index as opcode.
Mcrom RomWith(std::initializer_list<std::pair<int, const char*>> names);

// Fetch, immediate, indirect and write-back sequences plus a few
// instructions, written micro-instruction by micro-instruction.
void InstallTestMicroCode(Mcrom& mcrom);

// Instruction words: opcode, op1 code, extension, indirect, op2 code.
constexpr uint16_t Word(uint8_t opcode, unsigned op1, bool ext, bool ind, unsigned op2) {
  return static_cast<uint16_t>(static_cast<unsigned>(opcode) << 8 | op1 << 5 | (ext ? 0x10u : 0u) |
                               (ind ? 0x08u : 0u) | op2);
}

// Writes words into memory from `address` on.
void Place(MainMemory& memory, uint16_t address, const std::vector<uint16_t>& words);

// Records every display call as a line of text.
class RecordingDisplay : public ProcessorDisplay {
 public:
  std::vector<std::string> log;
  std::function<void()> onProcessEvents;
  int processEventsCalls = 0;

  void MarkSource(Reg r) override;
  void MarkMdrToMemory() override { log.push_back("mdr to memory"); }
  void MemoryRead(uint16_t a) override;
  void MarkDestination(Reg r) override;
  void MarkMdrFromMemory() override { log.push_back("mdr from memory"); }
  void MemoryWrite(uint16_t a) override;
  void PcWritten(uint16_t pc) override;
  void MemoryWordWritten(uint16_t a) override;
  void MicroInstructionLoaded() override { log.push_back("loaded"); }
  void PhaseChanged(Phase p) override;
  void WhitenForClock() override { log.push_back("whiten"); }
  void DimForRun() override { log.push_back("dim"); }
  void RestoreDisplay() override { log.push_back("restore"); }
  void ShowRegisters() override { log.push_back("registers"); }
  void Focus(RunButton b) override;
  void ShowSourceLine(int position) override;
  void ClearSourceLine() override { log.push_back("clear line"); }
  void MarkPc(uint16_t pc) override;
  void ProcessEvents() override;
  void ShowError(const std::string& text) override { log.push_back("error " + text); }
  void ShowWarning(const std::string& text) override { log.push_back("warning " + text); }

  bool Contains(const std::string& line) const;
  int Count(const std::string& line) const;
};

// A terminal device fed from a script of keys; records what is drawn.
class ScriptedDevice : public TerminalDevice {
 public:
  std::vector<int> keys;            // the keys WaitKey returns, in order
  std::function<void()> onWaitKey;  // runs inside a wait, before the key is taken
  bool open = false;
  int opened = 0;
  int redraws = 0;
  int width = 710, height = 250;
  std::string caption;
  std::string echoed;          // characters put while a read service waited
  std::string written;         // characters put otherwise
  bool* inputAbort = nullptr;  // the grid's flag, to end a wait

  void Open() override {
    open = true;
    ++opened;
  }
  bool IsOpen() const override { return open; }
  int WaitKey() override;
  void DrawCell(int, int, uint8_t) override {}
  void DrawCursor(int, int, bool) override {}
  void Redraw() override { ++redraws; }
  void SetCaption(const std::string& text) override { caption = text; }
  int Width() const override { return width; }
  int Height() const override { return height; }
  void Resize(int w, int h) override {
    width = w;
    height = h;
  }
  void CharacterPut(uint8_t ch, bool echo) override { (echo ? echoed : written) += static_cast<char>(ch); }

 private:
  std::size_t next_ = 0;
};

// A machine with the test micro-code and a processor on a recording display.
struct Rig {
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  RecordingDisplay display;
  std::unique_ptr<Processor> processor;

  explicit Rig(Terminal* terminal = nullptr);
  ProcessorState& State() { return processor->State(); }
  RunControl& Control() { return processor->Control(); }
  uint16_t& operator[](Reg r) { return processor->State()[r]; }
};

}  // namespace tav2::test
