#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tav2 {

class Mcrom;

// The topics of the help file (its sections) and the words that lead to
// them. Topic 0 is never matched.
class HelpTopics {
 public:
  struct Alias {
    std::string_view word;
    std::string_view title;
  };

  static constexpr std::array<std::string_view, 40> kTitles = {
      "no topic at all",
      "Main window",
      "Editor",
      "Processor window",
      "Memory view",
      "Microcode ROM view",
      "Terminal screen",
      "Environment options",
      "Assembler options",
      "Editor options",
      "Terminal options",
      "File commands",
      "Edit commands",
      "Search commands",
      "Build buttons",
      "Run control",
      "Breakpoints",
      "Microcode language",
      "Micro-operations",
      "Sequences",
      "Assembly language",
      "Labels",
      "Expressions",
      "Operands",
      "Directives",
      "DAT",
      "STR",
      "ORG",
      "EQU",
      "RES",
      "END",
      "Include files",
      "Instruction set",
      "Arithmetic instructions",
      "Branch instructions",
      "Stack instructions",
      "Registers",
      "Flags",
      "ALU functions",
      "Terminal services",
  };

  static constexpr std::array<Alias, 19> kAliases = {{
      {"R1", "Registers"},          {"R2", "Registers"},          {"T1", "Registers"},
      {"PC", "Registers"},          {"SP", "Registers"},          {"IR", "Registers"},
      {"MDR", "Registers"},         {"MAR", "Registers"},         {"A", "Registers"},
      {"B", "Registers"},           {"C", "Registers"},           {"SR", "Flags"},
      {"ALU", "ALU functions"},     {"OP1", "Micro-operations"},  {"OP2", "Micro-operations"},
      {"MEM", "Micro-operations"},  {"SYS", "Terminal services"}, {"begin", "Labels"},
      {"include", "Include files"},
  }};

  // Words with an entry of their own in the index of the help file, each
  // under the title "<word> <kind>" (so "ADD instruction", anchor
  // "add-instruction"): the mnemonics of the default instruction set but
  // SYS, which leads to the terminal services, the sequence names and the
  // ALU functions.
  struct IndexWords {
    std::string_view kind;
    std::span<const std::string_view> words;
  };
  static constexpr std::array<std::string_view, 74> kMnemonics = {
      "ADD",   "MOVE",  "SUB",    "CMP",    "MUL",    "DIV",    "MOD",    "AND",   "OR",    "XOR",   "ADC",
      "SUBC",  "ABCD",  "SBCD",   "CLR",    "INC",    "DEC",    "NEG",    "NOT",   "ASL",   "ASR",   "LSL",
      "LSR",   "ROL",   "ROR",    "ROLC",   "RORC",   "TST",    "NBCD",   "LEA",   "BCS",   "BCC",   "BVS",
      "BVC",   "BMI",   "BPL",    "BEQ",    "BNE",    "BHI",    "BLS",    "BGT",   "BLT",   "BGE",   "BLE",
      "BRA",   "JMP",   "PUSH",   "POP",    "JSR",    "BSR",    "NOP",    "RTS",   "CLC",   "SEC",   "CLI",
      "SEI",   "HALT",  "STORE",  "TRAP0",  "TRAP1",  "TRAP2",  "TRAP3",  "TRAP4", "TRAP5", "TRAP6", "TRAP7",
      "TRAP8", "TRAP9", "TRAP10", "TRAP11", "TRAP12", "TRAP13", "TRAP14", "TRAP15"};
  static constexpr std::array<std::string_view, 4> kSequenceNames = {"Fetch", "Immediate", "Indirect",
                                                                     "WriteBack"};
  static constexpr std::array<std::string_view, 32> kAluFunctions = {
      "_ADD", "_ADC", "_SUB", "_SUBC", "_MUL", "_DIV",  "_MOD",  "_AND",  "_OR",   "_XOR",  "_INC",
      "_DEC", "_CLR", "_ASL", "_ASR",  "_LSL", "_LSR",  "_ROR",  "_ROL",  "_RORC", "_ROLC", "_TST",
      "_TSC", "_CLC", "_CLI", "_SEC",  "_SEI", "_ABCD", "_SBCD", "_NBCD", "_NEG",  "_CIV"};
  static constexpr std::array<IndexWords, 3> kIndex = {{
      {"instruction", kMnemonics},
      {"sequence", kSequenceNames},
      {"function", kAluFunctions},
  }};

  // The help topic for a word: a topic title it names, the title of an
  // alias it equals, or the title of its own entry in the index.
  static std::optional<std::string> For(std::string_view word);
  // As above; a mnemonic of the loaded micro-code that has no topic (one of
  // the user's own instructions) leads to the instruction set.
  static std::optional<std::string> For(std::string_view word, const Mcrom& rom);

  // The anchor of a topic in the help file: lower case, blanks as '-'.
  static std::string Anchor(std::string_view title);
};

}  // namespace tav2
