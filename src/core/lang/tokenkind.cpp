#include "core/lang/tokenkind.h"

namespace tav2 {

std::string_view ExpectationMessage(TokenKind kind) {
  switch (kind) {
    case TokenKind::Number: return " value expected";
    case TokenKind::String: return " String expected";
    case TokenKind::Comma: return " ',' expected";
    case TokenKind::Colon: return "  ':' expected";
    case TokenKind::Equals: return " '=' expected";
    case TokenKind::Semicolon: return " ';' expected";
    case TokenKind::CloseBracket: return " ')' expected";
    case TokenKind::Label: return " label expected";
    case TokenKind::Name: return " Name or label expected";
    case TokenKind::Assign: return " ASSIGN expected";
    case TokenKind::EndOfLine: return " RETURN expected";
    case TokenKind::Hash: return " '#' expected";
    case TokenKind::Register: return " Register expected";
    case TokenKind::AluFunction: return " ALU functione expected";
    case TokenKind::Mnemonic:
    case TokenKind::Directive: return " operation or directive expected";
    case TokenKind::OpenBracket: return " '(' expected";
    case TokenKind::AsmCloseBracket: return " ')' expected";
    case TokenKind::Plus:
    case TokenKind::Minus:
    case TokenKind::Times:
    case TokenKind::Divide: return " operator expected";
    default: return "general syntax error";
  }
}

}  // namespace tav2
