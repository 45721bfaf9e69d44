#pragma once
#include <string_view>

namespace tav2 {

// Token kinds of both source languages.
enum TokenKind : int {
  kUnknownToken = 0,
  kNumberToken = 1,
  kStringToken = 5,
  kCommaToken = 8,
  kColonToken = 9,
  kEqualsToken = 11,
  kSemicolonToken = 12,
  kEndToken = 14,           // end of text or "##"
  kCloseBracketToken = 17,  // micro-code, where brackets have no use
  kLabelToken = 19,         // a label the assembler knows
  kNameToken = 23,
  kAssignToken = 25,
  kEndOfLineToken = 26,
  kHashToken = 27,  // "#" of a micro-code definition
  kRegisterToken = 29,
  kAluFunctionToken = 30,
  kOperandWordToken = 32,
  kMnemonicToken = 33,
  kDirectiveToken = 34,
  kOpenBracketToken = 35,
  kAsmCloseBracketToken = 36,
  kBreakpointToken = 37,
  kPlusToken = 38,
  kMinusToken = 39,
  kTimesToken = 40,
  kDivideToken = 41,
};

// The message an expectation of `kind` reports when another token stands.
std::string_view ExpectationMessage(int kind);

}  // namespace tav2
