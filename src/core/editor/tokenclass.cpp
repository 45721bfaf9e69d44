#include "core/editor/tokenclass.h"

namespace tav2 {

namespace {
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kPurple = 0x800080;
constexpr uint32_t kTeal = 0x808000;
constexpr uint32_t kNavy = 0x800000;
}  // namespace

TokenStyle StyleOf(TokenClass tokenClass) {
  switch (tokenClass) {
    case TokenClass::HashWord: return {kPurple, true, false};
    case TokenClass::Directive:
    case TokenClass::RegisterOrInstruction:
    case TokenClass::AssemblerRegister: return {kBlack, true, false};
    case TokenClass::FunctionWord: return {kTeal, false, true};
    case TokenClass::Number: return {kTeal, true, false};
    case TokenClass::Comment: return {kNavy, false, true};
    case TokenClass::Plain:
    case TokenClass::OutsideRegion: break;
  }
  return {kBlack, false, false};
}

}  // namespace tav2
