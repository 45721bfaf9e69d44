#pragma once
#include <string_view>

#include "core/lang/wordlist.h"

namespace tav2 {

// The keyword lists shared by the micro-code parser and the syntax
// colouring, built once. The register, operand and programmer-register
// lookups take the word's first 8 characters in upper case; ALU function
// names match only as written (in capitals).
class KeywordLists {
 public:
  static const KeywordLists& Shared();

  bool IsAluFunction(std::string_view word) const { return aluFunctions_.Contains(word); }
  bool IsRegisterWord(std::string_view word) const;
  bool IsOperandWord(std::string_view word) const;
  bool IsProgrammerRegister(std::string_view word) const;

 private:
  KeywordLists();

  WordList aluFunctions_{16};
  WordList registers_{16};
  WordList operands_{1};
  WordList programmerRegisters_{16};
};

}  // namespace tav2
