#include "core/sim/microinstructiontext.h"

#include "core/sim/alufunctions.h"

namespace tav2 {

namespace {

struct BitText {
  bool hi;
  int bit;
  std::string_view text;
  bool operand;  // op1/op2: shown only on request
};

constexpr BitText kDestinations[] = {
    {false, 1, "R1 :=", false},  {false, 3, "R2:=", false},  {false, 17, "T1:=", false},
    {false, 5, "A:=", false},    {false, 7, "B:=", false},   {false, 9, "C:=", false},
    {false, 11, "PC:=", false},  {false, 15, "SP:=", false}, {false, 13, "IR:=", false},
    {false, 19, "MDR:=", false}, {true, 1, "SR:=", false},   {false, 23, "MAR:=", false},
    {true, 3, "op1:=", true},    {true, 5, "op2:=", true}};

constexpr BitText kSources[] = {
    {false, 0, "R1; ", false},   {false, 2, "R2; ", false},   {false, 16, "T1; ", false},
    {false, 8, "C; ", false},    {false, 10, "PC; ", false},  {false, 14, "SP; ", false},
    {false, 12, "IR; ", false},  {false, 18, "MDR; ", false}, {true, 0, "SR; ", false},
    {false, 22, "MAR; ", false}, {true, 2, "op1; ", true},    {true, 4, "op2; ", true}};

constexpr BitText kMemory[] = {{false, 21, "MDR:=", false},
                               {false, 25, "MEM:=", false},
                               {false, 24, "MEM;", false},
                               {false, 20, "MDR;", false}};

template <std::size_t N>
void AppendSetBits(std::string& text, const MicroInstruction& mi, const BitText (&table)[N],
                   bool showOperands) {
  for (const BitText& entry : table) {
    if (entry.operand && !showOperands) continue;
    if (entry.hi ? mi.Hi(entry.bit) : mi.Lo(entry.bit)) text += entry.text;
  }
}

}  // namespace

std::string MicroInstructionBinary(const MicroInstruction& mi) {
  std::string text;
  text.reserve(38);
  for (int bit = 0; bit < 26; ++bit) text += mi.Lo(bit) ? '1' : '0';
  const int alu = mi.AluCode();
  for (int bit = 5; bit >= 0; --bit) text += ((alu >> bit) & 1) ? '1' : '0';
  for (int bit = 0; bit < 6; ++bit) text += mi.Hi(bit) ? '1' : '0';
  return text;
}

std::string MicroInstructionText(const MicroInstruction& mi, bool showOperands) {
  std::string text;
  AppendSetBits(text, mi, kDestinations, showOperands);
  AppendSetBits(text, mi, kSources, showOperands);
  AppendSetBits(text, mi, kMemory, showOperands);
  const int alu = mi.AluCode();
  if (alu != kAluNone) {
    text += " ALU:=";
    if (alu <= kAluSei || alu == kAluCiv) {
      text += AluFunctionName(alu);
      text += "; ";
    }
  }
  return text;
}

}  // namespace tav2
