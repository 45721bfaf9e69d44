#include "core/lang/keywordlists.h"

#include <cctype>
#include <string>

namespace tav2 {

namespace {

constexpr std::string_view kAluFunctions[] = {
    "_ADD", "_ADC", "_SUB",  "_SUBC", "_MUL",  "_DIV",  "_MOD",  "_TSC", "_INC", "_DEC", "_CLI",
    "_SEC", "_CLC", "_SEI",  "_AND",  "_OR",   "_XOR",  "_TST",  "_LSR", "_LSL", "_ROR", "_ROL",
    "_ASR", "_ASL", "_RORC", "_ROLC", "_ABCD", "_SBCD", "_NBCD", "_NEG", "_CIV", "_CLR"};
constexpr std::string_view kRegisters[] = {"A",  "B",   "C",   "R1",  "R2",  "T1", "PC",  "SP",
                                           "IR", "MEM", "MDR", "MAR", "ALU", "SR", "OP1", "OP2"};
constexpr std::string_view kOperands[] = {"OP1", "OP2"};
constexpr std::string_view kProgrammerRegisters[] = {"R1", "R2", "PC", "SP", "IR", "SR"};

// The first 8 characters of a word in upper case.
std::string LookupKey(std::string_view word) {
  std::string key(word.substr(0, 8));
  for (char& ch : key) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return key;
}

template <std::size_t N>
void AddAll(WordList& list, const std::string_view (&words)[N]) {
  for (std::string_view word : words) list.Add(word);
}

}  // namespace

const KeywordLists& KeywordLists::Shared() {
  static const KeywordLists lists;
  return lists;
}

KeywordLists::KeywordLists() {
  AddAll(aluFunctions_, kAluFunctions);
  AddAll(registers_, kRegisters);
  AddAll(operands_, kOperands);
  AddAll(programmerRegisters_, kProgrammerRegisters);
}

bool KeywordLists::IsRegisterWord(std::string_view word) const {
  return registers_.Contains(LookupKey(word));
}
bool KeywordLists::IsOperandWord(std::string_view word) const { return operands_.Contains(LookupKey(word)); }
bool KeywordLists::IsProgrammerRegister(std::string_view word) const {
  return programmerRegisters_.Contains(LookupKey(word));
}

}  // namespace tav2
