#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tav2 {

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

  static constexpr std::array<Alias, 15> kAliases = {{
      {"R1", "Registers"},
      {"R2", "Registers"},
      {"T1", "Registers"},
      {"PC", "Registers"},
      {"SP", "Registers"},
      {"IR", "Registers"},
      {"MDR", "Registers"},
      {"MAR", "Registers"},
      {"SR", "Flags"},
      {"ALU", "ALU functions"},
      {"OP1", "Micro-operations"},
      {"OP2", "Micro-operations"},
      {"SYS", "Terminal services"},
      {"begin", "Labels"},
      {"include", "Include files"},
  }};

  // The anchor of a topic in the help file: lower case, blanks as '-'.
  static std::string Anchor(std::string_view title);
};

}  // namespace tav2
