#pragma once
#include <string_view>

namespace tav2 {

// Token kinds of both source languages.
enum class TokenKind {
  Unknown,
  Number,
  String,
  Comma,
  Colon,
  Equals,
  Semicolon,
  End,           // end of text or "##"
  CloseBracket,  // micro-code, where brackets have no use
  Label,         // a label the assembler knows
  Name,
  Assign,
  EndOfLine,
  Hash,  // "#" of a micro-code definition
  Register,
  AluFunction,
  OperandWord,
  Mnemonic,
  Directive,
  OpenBracket,
  AsmCloseBracket,
  Breakpoint,
  Plus,
  Minus,
  Times,
  Divide,
};

// The message an expectation of `kind` reports when another token stands.
std::string_view ExpectationMessage(TokenKind kind);

}  // namespace tav2
