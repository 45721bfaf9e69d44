#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tav2 {

struct Machine;
struct ProcessorState;

// The trace of a run, one JSON object per executed instruction (JSON
// Lines): its number, address, word and disassembly, all registers after
// it and the words it wrote, such as
//   {"n":1,"pc":"0010","word":"0230","text":"MOVE R1, 0001","regs":{"PC":"0012",...},"mem":[["0200","0001"]]}
// A trace may hold tens of millions of lines, so the lines are laid out
// here around their only free text, the disassembly, which the JSON
// library escapes (once per address and word).
class InstructionTrace {
 public:
  InstructionTrace(std::FILE* out, const Machine& machine, const ProcessorState& state);
  InstructionTrace(const InstructionTrace&) = delete;
  InstructionTrace& operator=(const InstructionTrace&) = delete;

  // The run begins (after its Reset) with the instruction at PC.
  void Start();
  // The running instruction wrote a word of memory.
  void WordWritten(uint16_t address);
  // The running instruction ended: its line is written, and the next one
  // begins at PC.
  void InstructionEnded();
  // Writes what is buffered (lines are written in blocks); false when
  // writing the trace failed.
  bool Finish();

 private:
  // The escaped disassembly of the instruction at an address, kept while
  // the words it was made from stay the same.
  struct Disassembly {
    bool valid = false;
    uint16_t word = 0;
    uint16_t extension = 0;
    int words = 0;
    std::string json;
  };

  void NoteInstruction();
  const std::string& TextAt(uint16_t address);
  void Append(std::string_view text);
  void AppendWord(uint16_t value);
  void Flush();

  std::FILE* out_;
  const Machine& machine_;
  const ProcessorState& state_;
  bool started_ = false;
  bool failed_ = false;
  uint64_t count_ = 0;
  uint16_t pc_ = 0;
  uint16_t word_ = 0;
  const std::string* text_ = nullptr;
  std::vector<std::pair<uint16_t, uint16_t>> written_;
  std::vector<Disassembly> disassembly_;
  std::vector<char> buffer_;  // lines not yet written
  std::size_t used_ = 0;
};

}  // namespace tav2
