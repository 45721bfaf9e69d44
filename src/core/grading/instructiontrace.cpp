#include "core/grading/instructiontrace.h"

#include <array>
#include <charconv>
#include <cstring>

#include <nlohmann/json.hpp>

#include "core/grading/registerorder.h"
#include "core/sim/disassemble.h"
#include "core/sim/machine.h"
#include "core/sim/processorstate.h"

namespace tav2 {

namespace {

// Lines are gathered up to this size, then written at once.
constexpr std::size_t kFlushSize = std::size_t{1} << 20;
// Room for one line beyond the gathered ones: a line with the longest
// disassembly and a few written words stays far below it; an instruction
// writing more flushes on the way.
constexpr std::size_t kLineRoom = 4096;
constexpr std::size_t kWrittenPerFlushCheck = 64;

// The registers part of a line with every value "0000"; the values are
// put in at the offsets kRegisterOffsets gives.
struct RegistersTemplate {
  std::array<char, 256> text{};
  std::size_t size = 0;
  std::array<std::size_t, kRegisterCount> offsets{};
};

constexpr RegistersTemplate MakeRegistersTemplate() {
  RegistersTemplate result;
  const auto append = [&](std::string_view part) {
    for (char ch : part) result.text[result.size++] = ch;
  };
  append(",\"regs\":{");
  for (std::size_t i = 0; i < kRegisterCount; ++i) {
    if (i > 0) append(",");
    append("\"");
    append(kRegisterOrder[i].name);
    append("\":\"");
    result.offsets[i] = result.size;
    append("0000\"");
  }
  append("},\"mem\":[");
  return result;
}

constexpr RegistersTemplate kRegisters = MakeRegistersTemplate();

constexpr char kHexDigits[] = "0123456789ABCDEF";

void PutWord(char* at, uint16_t value) {
  at[0] = kHexDigits[value >> 12];
  at[1] = kHexDigits[(value >> 8) & 15];
  at[2] = kHexDigits[(value >> 4) & 15];
  at[3] = kHexDigits[value & 15];
}

std::string_view TrimmedRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

InstructionTrace::InstructionTrace(std::FILE* out, const Machine& machine, const ProcessorState& state)
    : out_(out),
      machine_(machine),
      state_(state),
      disassembly_(MainMemory::kWords),
      buffer_(kFlushSize + kLineRoom) {}

void InstructionTrace::Start() {
  started_ = true;
  NoteInstruction();
}

void InstructionTrace::WordWritten(uint16_t address) {
  if (started_) written_.emplace_back(address, machine_.memory.Read(address));
}

void InstructionTrace::NoteInstruction() {
  pc_ = state_[Reg::PC];
  word_ = machine_.memory.Read(pc_);
  text_ = &TextAt(pc_);
  written_.clear();
}

const std::string& InstructionTrace::TextAt(uint16_t address) {
  Disassembly& entry = disassembly_[address];
  const uint16_t word = machine_.memory.Read(address);
  const uint16_t extension = machine_.memory.Read(static_cast<uint16_t>(address + 1));
  if (entry.valid && entry.word == word && (entry.words == 1 || entry.extension == extension))
    return entry.json;
  std::string text;
  entry.words = Disassemble(machine_.memory, machine_.mcrom, address, text);
  entry.json =
      nlohmann::json(TrimmedRight(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  entry.word = word;
  entry.extension = extension;
  entry.valid = true;
  return entry.json;
}

void InstructionTrace::Append(std::string_view text) {
  std::memcpy(buffer_.data() + used_, text.data(), text.size());
  used_ += text.size();
}

void InstructionTrace::AppendWord(uint16_t value) {
  PutWord(buffer_.data() + used_, value);
  used_ += 4;
}

void InstructionTrace::InstructionEnded() {
  if (!started_) return;
  if (used_ + text_->size() + kLineRoom / 2 > buffer_.size()) Flush();
  Append("{\"n\":");
  used_ = static_cast<std::size_t>(
      std::to_chars(buffer_.data() + used_, buffer_.data() + buffer_.size(), ++count_).ptr - buffer_.data());
  Append(",\"pc\":\"");
  AppendWord(pc_);
  Append("\",\"word\":\"");
  AppendWord(word_);
  Append("\",\"text\":");
  Append(*text_);
  char* registers = buffer_.data() + used_;
  Append(std::string_view(kRegisters.text.data(), kRegisters.size));
  for (std::size_t i = 0; i < kRegisterCount; ++i)
    PutWord(registers + kRegisters.offsets[i], state_[kRegisterOrder[i].reg]);
  for (std::size_t i = 0; i < written_.size(); ++i) {
    if (i % kWrittenPerFlushCheck == kWrittenPerFlushCheck - 1 && used_ + kLineRoom / 2 > buffer_.size())
      Flush();
    Append(i == 0 ? "[\"" : ",[\"");
    AppendWord(written_[i].first);
    Append("\",\"");
    AppendWord(written_[i].second);
    Append("\"]");
  }
  Append("]}\n");
  if (used_ >= kFlushSize) Flush();
  NoteInstruction();
}

void InstructionTrace::Flush() {
  if (!failed_ && used_ > 0 && std::fwrite(buffer_.data(), 1, used_, out_) != used_) failed_ = true;
  used_ = 0;
}

bool InstructionTrace::Finish() {
  Flush();
  if (!failed_ && std::fflush(out_) != 0) failed_ = true;
  return !failed_;
}

}  // namespace tav2
