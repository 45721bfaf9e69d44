#include "core/lang/tokenkind.h"

namespace tav2 {

std::string_view ExpectationMessage(int kind) {
  switch (kind) {
    case 1:
    case 2:
    case 3: return " value expected";
    case kStringToken: return " String expected";
    case kCommaToken: return " ',' expected";
    case kColonToken: return "  ':' expected";
    case kEqualsToken: return " '=' expected";
    case kSemicolonToken: return " ';' expected";
    case kCloseBracketToken: return " ')' expected";
    case kLabelToken: return " label expected";
    case 4:
    case 6:
    case kNameToken: return " Name or label expected";
    case kAssignToken: return " ASSIGN expected";
    case kEndOfLineToken: return " RETURN expected";
    case kHashToken: return " '#' expected";
    case kRegisterToken: return " Register expected";
    case kAluFunctionToken: return " ALU functione expected";
    case kMnemonicToken:
    case kDirectiveToken: return " operation or directive expected";
    case 16:
    case kOpenBracketToken: return " '(' expected";
    case kAsmCloseBracketToken: return " ')' expected";
    case kPlusToken:
    case kMinusToken:
    case kTimesToken:
    case kDivideToken: return " operator expected";
    default: return "general syntax error";
  }
}

}  // namespace tav2
