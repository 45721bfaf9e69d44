#include "core/lang/microcodeparser.h"

#include <algorithm>
#include <cctype>

#include "core/lang/keywordlists.h"
#include "core/lang/words.h"
#include "core/sim/alufunctions.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

constexpr int kMdrWriteBit = 19;
constexpr const char* kMnemonicExpected = " mnemonic expected";
constexpr uint32_t kAluCodeMask = 0x3Fu << lo_bit::kAluShift;

// The bits a register word sets as destination (write) and as source (read).
struct RegisterBits {
  std::string_view word;
  bool hi;
  int writeBit;
  int readBit;
};

constexpr RegisterBits kRegisterBits[] = {
    {"R1", false, 1, 0},    {"R2", false, 3, 2},
    {"A", false, 5, 4},     {"B", false, 7, 6},
    {"C", false, 9, 8},     {"PC", false, 11, 10},
    {"IR", false, 13, 12},  {"SP", false, 15, 14},
    {"T1", false, 17, 16},  {"MDR", false, kMdrWriteBit, 18},
    {"MAR", false, 23, 22}, {"MEM", false, lo_bit::kMemWrite, lo_bit::kMemRead},
    {"SR", true, 1, 0},     {"OP1", true, 3, 2},
    {"OP2", true, 5, 4}};

// Register words are compared without regard to case.
const RegisterBits* FindRegister(std::string_view word) {
  const auto found = std::find_if(std::begin(kRegisterBits), std::end(kRegisterBits),
                                  [&](const RegisterBits& r) { return Words::Same(r.word, word); });
  return found == std::end(kRegisterBits) ? nullptr : found;
}

bool IsDigit(int ch) { return ch >= '0' && ch <= '9'; }
bool IsWordStart(int ch) { return std::isalpha(ch) != 0 || ch == '"' || ch == '$' || ch == '_'; }

void SetBit(MicroInstruction& mi, bool hi, int bit) { (hi ? mi.hi : mi.lo) |= 1u << bit; }
void SetLoBit(MicroInstruction& mi, int bit) { SetBit(mi, false, bit); }

void SetDestination(MicroInstruction& mi, const RegisterBits& reg) { SetBit(mi, reg.hi, reg.writeBit); }

// A source after "MEM :=" moves MDR to memory; MEM as a source reads memory
// into MDR in the same step.
void SetSource(MicroInstruction& mi, const RegisterBits& reg) {
  if (reg.word == "MDR" && mi.Lo(lo_bit::kMemWrite)) {
    SetLoBit(mi, lo_bit::kMdrToBuffer);
  } else if (reg.word == "MEM") {
    SetLoBit(mi, lo_bit::kMemRead);
    SetLoBit(mi, lo_bit::kMdrFromBuffer);
    mi.lo &= ~(1u << kMdrWriteBit);
  } else {
    SetBit(mi, reg.hi, reg.readBit);
  }
}

void SetAluCode(MicroInstruction& mi, int code) {
  mi.lo = (mi.lo & ~kAluCodeMask) | (static_cast<uint32_t>(code) << lo_bit::kAluShift);
}

}  // namespace

void MicrocodeParser::ReadToken() {
  int ch = BeginToken();
  // A sign belongs to a number that follows it at once; otherwise reading
  // goes on as if it were not there.
  while (ch == '+' || ch == '-') {
    ReadChar();
    if (IsDigit(PeekChar())) {
      ReadSignedNumber(static_cast<char>(ch));
      return;
    }
    ch = BeginToken();
  }
  if (ch == 0) return;
  if (IsDigit(ch)) {
    ReadNumber();
  } else if (IsWordStart(ch)) {
    ReadWord();
  } else if (ch == ':') {
    ReadColon();
  } else if (ch == '#') {
    ReadHash();
  } else {
    // Opening brackets have no use here: read as unknown characters.
    ReadSpecial();
  }
}

void MicrocodeParser::ReadSignedNumber(char sign) {
  ReadNumber();
  token_.sign = sign;
  if (sign == '-') {
    token_.intValue = static_cast<int>(0u - static_cast<unsigned>(token_.intValue));
    token_.realValue = -token_.realValue;
  }
}

void MicrocodeParser::ReadColon() {
  ReadChar();
  if (PeekChar() == '=') {
    ReadChar();
    token_.kind = TokenKind::Assign;
    token_.text = ":=";
    return;
  }
  token_.kind = TokenKind::Colon;
  token_.text = ":";
  ReportAtToken("single colon not allowed");
}

// "#" starts a definition; "##" (or a "#" that ends the text) ends them.
void MicrocodeParser::ReadHash() {
  ReadChar();
  const int next = PeekChar();
  if (next == '#' || next == 0) {
    ReadChar();
    token_.kind = TokenKind::End;
    token_.text = "##";
  } else {
    token_.kind = TokenKind::Hash;
    token_.text = "#";
  }
}

void MicrocodeParser::ClassifyWord() {
  const KeywordLists& words = KeywordLists::Shared();
  if (words.IsOperandWord(token_.text)) {
    token_.kind = TokenKind::OperandWord;
  } else if (words.IsRegisterWord(token_.text)) {
    token_.kind = TokenKind::Register;
  } else if (words.IsAluFunction(token_.text)) {
    token_.kind = TokenKind::AluFunction;
  } else {
    token_.kind = TokenKind::Name;
    token_.intValue = 0;
  }
}

void MicrocodeParser::Parse() {
  for (pass_ = 1; pass_ <= 2 && Succeeded(); ++pass_) ParsePass();
}

void MicrocodeParser::ParsePass() {
  opcodes_.reset();
  names_.clear();
  ResetIncludes();
  if (!FindMarker("##")) return;
  ReadToken();  // the marker's second '#'
  ReadToken();
  PassOverUntil({TokenKind::Hash});
  while (token_.kind != TokenKind::End) {
    ParseDefinition();
    if (Storing()) StoreEntry();
  }
}

// Header "# mnemonic operands ; opcode", then the body. Once a header step
// has failed, the rest of the header line is passed over.
void MicrocodeParser::ParseDefinition() {
  statementOk_ = true;
  entry_ = McromEntry{};
  opcode_ = 0;
  entryName_.reset();
  Expect(TokenKind::Hash);
  if (statementOk_) ParseMnemonic();
  if (statementOk_) ParseOperands();
  if (statementOk_) Expect(TokenKind::Semicolon);
  if (statementOk_) ParseOpcode();
  if (!statementOk_) PassOverUntil({TokenKind::EndOfLine});
  Expect(TokenKind::EndOfLine);
  ParseBody();
}

// A header with nothing before its ';' or its line end has no mnemonic.
void MicrocodeParser::ParseMnemonic() {
  if (token_.kind == TokenKind::EndOfLine || token_.kind == TokenKind::Semicolon ||
      token_.kind == TokenKind::End) {
    ReportAtToken(kMnemonicExpected);
    return;
  }
  const std::string name = token_.text;
  entry_.SetName(name);
  if (FindName(name) != nullptr) {
    ReportAtToken(Formatted("opcode %s allready exists", name.c_str()));
  } else {
    names_.push_back({name, std::nullopt});
    entryName_ = names_.size() - 1;
  }
  ReadToken();
}

// OP1, OP2 and commas up to the ';': none is kind 0, with a comma kind 2,
// otherwise kind 1.
void MicrocodeParser::ParseOperands() {
  bool any = false;
  bool comma = false;
  while (token_.kind != TokenKind::Semicolon) {
    if (token_.kind == TokenKind::Comma) {
      comma = true;
    } else if (token_.kind != TokenKind::OperandWord) {
      ReportAtToken("wrong operands for instruction");
      return;
    }
    any = true;
    ReadToken();
  }
  entry_.operandKind = static_cast<uint8_t>(!any ? 0 : comma ? 2 : 1);
}

// Opcodes whose low byte is 0 are never stored and never count as defined,
// so any number of them may appear.
void MicrocodeParser::ParseOpcode() {
  if (token_.kind != TokenKind::Number || token_.numberForm != NumberForm::Hex) {
    ReportAtToken("microcode definition must be hex value");
    return;
  }
  opcode_ = token_.intValue;
  entry_.opcode = static_cast<uint32_t>(opcode_);
  const std::size_t lowByte = static_cast<std::size_t>(opcode_) & 0xFF;
  if (lowByte != 0 && opcodes_.test(lowByte)) {
    ReportAtToken(Formatted("opcode 0x%02X allready exists", static_cast<unsigned>(opcode_)));
  } else {
    opcodes_.set(lowByte);
  }
  ReadToken();
}

void MicrocodeParser::ParseBody() {
  entry_.count = 0;
  PassOverEndsOfLine();
  if (token_.kind == TokenKind::Equals) {
    ParseCopy();
    return;
  }
  while (token_.kind != TokenKind::Hash && token_.kind != TokenKind::End) ParseMicroCodeLine();
}

// "= name ;": the micro-program of an instruction defined earlier in the
// source; everything after it up to the next definition is passed over.
void MicrocodeParser::ParseCopy() {
  ReadToken();
  if (token_.kind != TokenKind::Name) {
    ReportAtToken("Defined instruction expected");
    return;
  }
  const std::string name = token_.text;
  if (const DefinedName* source = FindName(name)) {
    if (Storing()) CopyFromRom(*source);
  } else {
    ReportAtToken(Formatted("opcode for %s does not exist", name.c_str()));
    names_.push_back({name, std::nullopt});
  }
  ReadToken();
  Expect(TokenKind::Semicolon);
  PassOverUntil({TokenKind::Hash});
}

// Copies what this build wrote for the named instruction, never an older
// entry of the same name; a definition that was not written (opcode 0 or
// above 255, or the copy's own definition) cannot be copied.
void MicrocodeParser::CopyFromRom(const DefinedName& source) {
  if (!source.storedAt) {
    ReportAtToken("internal error in copying codes");
    return;
  }
  const McromEntry& stored = rom_.Entry(*source.storedAt);
  entry_.count = stored.count;
  entry_.program = stored.program;
}

// One micro-instruction: micro-operations up to the end of the line. A line
// after the sixteenth is reported and dropped.
void MicrocodeParser::ParseMicroCodeLine() {
  statementOk_ = true;
  PassOverEndsOfLine();
  if (token_.kind == TokenKind::Hash || token_.kind == TokenKind::End) return;
  micro_ = MicroInstruction{};
  const int line = token_.line;
  const int column = token_.column;
  while (token_.kind != TokenKind::EndOfLine && token_.kind != TokenKind::Hash &&
         token_.kind != TokenKind::End) {
    ParseMicroOperation();
    if (!statementOk_) PassOverUntil({TokenKind::EndOfLine, TokenKind::Hash});
  }
  if (entry_.count < McromEntry::kMaxMicroInstructions) {
    entry_.program[static_cast<std::size_t>(entry_.count++)] = micro_;
  } else {
    ErrorAt("Too much microcodes for this instruction", line, column);
  }
}

// "destination := source ;"; stops at its first error.
void MicrocodeParser::ParseMicroOperation() {
  const bool aluPending = ParseDestination();
  if (statementOk_) Expect(TokenKind::Assign);
  if (statementOk_) ParseOperationSource(aluPending);
  if (statementOk_) Expect(TokenKind::Semicolon);
}

// Sets the destination bit; true when the destination is ALU, whose source
// must then be an ALU function.
bool MicrocodeParser::ParseDestination() {
  if (!KeywordLists::Shared().IsRegisterWord(token_.text)) {
    ReportAtToken(token_.kind == TokenKind::Name ? UnknownWord("register")
                                                 : "Register, operand or 'ALU' expected");
    return false;
  }
  const RegisterBits* reg = FindRegister(token_.text);
  if (reg != nullptr) SetDestination(micro_, *reg);
  ReadToken();
  return reg == nullptr;
}

void MicrocodeParser::ParseOperationSource(bool aluPending) {
  const TokenKind kind = token_.kind;
  if (kind != TokenKind::Register && kind != TokenKind::AluFunction && kind != TokenKind::OperandWord) {
    if (kind == TokenKind::Name) {
      ReportAtToken(UnknownWord(aluPending ? "ALU function" : "register"));
    } else {
      ReportAtToken(aluPending ? "ALU-function expected" : "Register or operand expected");
    }
    return;
  }
  if (aluPending) {
    const int code = AluFunctionCode(token_.text);
    if (code == kAluNone) ReportAtToken("Unknown ALU-function");
    SetAluCode(micro_, code);
  } else if (const RegisterBits* reg = FindRegister(token_.text)) {
    SetSource(micro_, *reg);
  } else {
    ReportAtToken("Unknown or unreadable TAV-register");
  }
  ReadToken();
}

void MicrocodeParser::StoreEntry() {
  if (opcode_ < 1 || opcode_ > 255) return;
  rom_.SetEntry(opcode_, entry_);
  if (entryName_) names_[*entryName_].storedAt = opcode_;
}

void MicrocodeParser::PassOverUntil(std::initializer_list<TokenKind> kinds) {
  while (token_.kind != TokenKind::End && std::find(kinds.begin(), kinds.end(), token_.kind) == kinds.end()) {
    ReadToken();
  }
}

void MicrocodeParser::PassOverEndsOfLine() {
  while (token_.kind == TokenKind::EndOfLine) ReadToken();
}

// A word that names no register or ALU function where one belongs.
std::string MicrocodeParser::UnknownWord(const char* what) const {
  return Formatted("unknown %s \"%s\"", what, token_.text.c_str());
}

void MicrocodeParser::ReportAtToken(const std::string& text) { ErrorAt(text, token_.line, token_.column); }

MicrocodeParser::DefinedName* MicrocodeParser::FindName(std::string_view name) {
  const auto found = std::find_if(names_.begin(), names_.end(), [&](const DefinedName& defined) {
    return Words::Same(defined.name, name);
  });
  return found == names_.end() ? nullptr : &*found;
}

}  // namespace tav2
