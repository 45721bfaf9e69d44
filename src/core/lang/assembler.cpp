#include "core/lang/assembler.h"

#include "core/sim/decodedinstruction.h"
#include "core/lang/uppercased.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

constexpr std::string_view kListingLineEnd = "\r\n";
constexpr std::size_t kMaxStrCharacters = 253;
constexpr std::size_t kMaxListedCharacters = 1000;
// A quote at the end of a line stands for the first character of a line
// break, carriage return, and leaves the line end in place.
constexpr int kCarriageReturn = 13;

struct NamedCode {
  std::string_view name;
  int code;
};
constexpr NamedCode kRegisters[] = {{"R1", 1}, {"R2", 2}, {"SP", 6}, {"PC", 7}};
constexpr NamedCode kDirectives[] = {{"DAT", 1}, {"STR", 2}, {"ORG", 3}, {"EQU", 4}, {"RES", 5}, {"END", 6}};

// The code of `upperWord` in `table`, or 0.
template <std::size_t N>
int CodeOf(const NamedCode (&table)[N], std::string_view upperWord) {
  for (const NamedCode& entry : table) {
    if (entry.name == upperWord) return entry.code;
  }
  return 0;
}

BuildReporter& SilentReporter() {
  static BuildReporter silent;
  return silent;
}

bool IsDigit(int ch) { return ch >= '0' && ch <= '9'; }
bool IsLetter(int ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

// Integer arithmetic of expressions wraps at 32 bits.
int Wrapped(int64_t value) { return static_cast<int>(static_cast<uint32_t>(value)); }

bool StartsOperand(TokenKind kind) {
  switch (kind) {
    case TokenKind::Name:
    case TokenKind::Label:
    case TokenKind::Register:
    case TokenKind::Number:
    case TokenKind::String:
    case TokenKind::OpenBracket:
    case TokenKind::Plus:
    case TokenKind::Minus: return true;
    default: return false;
  }
}

bool StartsIndirectExpression(TokenKind kind) {
  return kind == TokenKind::Number || kind == TokenKind::Label || kind == TokenKind::Name;
}

bool StartsExpression(TokenKind kind) {
  return StartsIndirectExpression(kind) || kind == TokenKind::Plus || kind == TokenKind::Minus;
}

// Operands an opcode requires: 0, 1, 2, or -1 when not checked.
int RequiredOperands(int opcode) {
  if (opcode == 0x20) return 2;
  if (opcode == 0xFF) return 1;
  switch (opcode >> 4) {
    case 0x0:
    case 0x8: return 2;
    case 0x1:
    case 0x3:
    case 0x4:
    case 0x5:
    case 0x9:
    case 0xB:
    case 0xC:
    case 0xD: return 1;
    case 0x6:
    case 0x7:
    case 0xE: return 0;
    default: return -1;
  }
}

// The line from `start` as the listing shows it: up to the first control
// character other than TAB, or character above 127, at most 1000 characters.
std::string ListedText(const std::string& text, std::size_t start) {
  std::size_t end = start;
  while (end < text.size() && end - start < kMaxListedCharacters) {
    const auto ch = static_cast<unsigned char>(text[end]);
    if ((ch < 32 && ch != '\t') || ch > 127) break;
    ++end;
  }
  return text.substr(start, end - start);
}

}  // namespace

Assembler::Assembler(Machine& machine) : machine_(machine), reporter_(&SilentReporter()) {}

void Assembler::SetReporter(BuildReporter* reporter) {
  reporter_ = reporter != nullptr ? reporter : &SilentReporter();
}

void Assembler::Parse() {
  results_.Clear();
  machine_.breakpoints.Clear();
  OpenListing();
  labels_.Clear();
  lineLabels_.Clear();
  codeSeen_ = false;
  BuildMnemonicIndex();
  RunPass(1);
  if (Succeeded()) RunPass(2);
  const bool listed = KeepListing();
  if (Succeeded()) ReportOutcome();
  results_.Clear();
  if (Succeeded() && listed) reporter_->ListingWritten();
}

// The mnemonics are the names of ROM entries 1..255, the first of equal
// names winning; indexed once per build instead of searched per word.
void Assembler::BuildMnemonicIndex() {
  mnemonics_.clear();
  for (int index = 1; index < Mcrom::kEntries; ++index) {
    const std::string_view name = machine_.mcrom.Entry(index).NameView();
    if (!name.empty()) mnemonics_.emplace(UpperCased(name), index);
  }
}

void Assembler::RunPass(int pass) {
  pass_ = pass;
  StartPass();
  while (!endReached_ && token_.kind != TokenKind::End) ParseLine();
}

// Reading starts after the first "##", or at the start of a text without
// one; what stands before the first line counts as its line end.
void Assembler::StartPass() {
  locationCounter_ = static_cast<uint16_t>(programStart);
  ResetIncludes();
  endReached_ = false;
  if (FindMarker("##")) {
    ReadToken();
  } else {
    Rewind();
    token_ = Token{};
  }
  token_.kind = TokenKind::EndOfLine;
}

void Assembler::ParseLine() {
  line_ = Line{};
  statementOk_ = true;
  SkipToLineEnd();
  if (token_.kind == TokenKind::End) {
    endReached_ = true;
    return;
  }
  BeginLine();
  if (token_.kind == TokenKind::Breakpoint) {
    line_.breakpoint = true;
    ReadToken();
  }
  Token labelToken;
  if (token_.kind == TokenKind::Name || token_.kind == TokenKind::Label) {
    line_.label = token_.text;
    labelToken = token_;
    ReadToken();
  }
  if (token_.kind == TokenKind::Mnemonic) line_.opcode = token_.intValue;
  if (token_.kind == TokenKind::Directive) line_.directive = token_.intValue;
  if (line_.opcode != 0 || line_.directive != kNoDirective) {
    codeSeen_ = true;
    ReadToken();
    if (StartsOperand(token_.kind)) ParseOperands();
  } else if (!line_.label.empty() && ReportUnknownInstruction(labelToken)) {
    SkipToLineEnd();
  }
  if (!AtLineEnd()) {
    Expect(TokenKind::Semicolon);
    SkipToLineEnd();
  }
  FinishLine();
}

// A word where an instruction belongs that names none: the second word of
// the line ("loop DEX R2"), or the first when operands follow it ("DEX R2").
// True when it reported one.
bool Assembler::ReportUnknownInstruction(const Token& label) {
  if (token_.kind == TokenKind::Name || token_.kind == TokenKind::Label) {
    Report(Formatted("unknown instruction \"%s\"", token_.text.c_str()));
    return true;
  }
  if (StartsOperand(token_.kind) && token_.kind != TokenKind::String) {
    ErrorAt(Formatted("unknown instruction \"%s\"", label.text.c_str()), label.line, label.column);
    return true;
  }
  return false;
}

// What stands where an operand was expected, for the messages.
std::string Assembler::Found() const {
  if (AtLineEnd()) return "found the end of the line";
  if (token_.kind == TokenKind::String) return "found the string \"" + token_.text + "\"";
  return "found \"" + token_.text + "\"";
}

bool Assembler::AtLineEnd() const {
  return token_.kind == TokenKind::EndOfLine || token_.kind == TokenKind::End;
}

void Assembler::SkipToLineEnd() {
  while (!AtLineEnd()) ReadToken();
}

// Notes where the line starts and passes its line end. A line read from an
// included file is placed at the #include line of the main text, the only
// text an editor shows.
void Assembler::BeginLine() {
  const std::size_t start = Position();
  if (!IncludeOpen()) mainLineStart_ = start;
  line_.position = static_cast<int>(mainLineStart_);
  if (pass_ == 2 && listingOpen_ && Succeeded()) line_.text = ListedText(CurrentText(), start);
  Expect(TokenKind::EndOfLine);
}

void Assembler::FinishLine() {
  line_.address = locationCounter_;
  if (pass_ == 1) {
    DefineLabel();
    MarkBreakpoint();
  }
  if (line_.directive != kNoDirective) ApplyDirective();
  if (line_.opcode != 0) {
    if (pass_ == 1) CheckOperandCount();
    line_.instructionWord = InstructionWord();
    AdvanceForInstruction();
  }
  if (pass_ == 2 && Succeeded()) {
    NoteLineLabel();
    ListAndEmit();
  }
}

// The labels of lines, not the constants EQU defines, name addresses.
void Assembler::NoteLineLabel() {
  if (!line_.label.empty() && line_.directive != kEqu) lineLabels_.Add(line_.address, line_.label);
}

void Assembler::ReadToken() {
  const int ch = BeginToken();
  if (ch == 0) return;
  if (IsDigit(ch)) {
    ReadNumber();
  } else if (IsLetter(ch) || ch == '"' || ch == '$' || ch == '_') {
    ReadWord();
  } else if (IsOpenBracket(ch)) {
    ReadSingle(TokenKind::OpenBracket);
  } else if (IsCloseBracket(ch)) {
    ReadSingle(TokenKind::AsmCloseBracket);
  } else {
    switch (ch) {
      case '#': ReadHash(); break;
      case '\'': ReadCharacterLiteral(); break;
      case '*': ReadSingle(TokenKind::Times); break;
      case '+': ReadSingle(TokenKind::Plus); break;
      case '-': ReadSingle(TokenKind::Minus); break;
      case '/': ReadSingle(TokenKind::Divide); break;
      case ';': ReadComment(); break;
      case '~': ReadLocation(); break;
      default: ReadSpecial(); break;
    }
  }
}

void Assembler::ReadSingle(TokenKind kind) {
  token_.text.assign(1, static_cast<char>(ReadChar()));
  token_.kind = kind;
}

// "##" (or a "#" that ends the text) ends the program; a single "#" is a
// breakpoint mark.
void Assembler::ReadHash() {
  ReadChar();
  const int next = ReadChar();
  if (next == '#' || next == 0) {
    token_.kind = TokenKind::End;
    token_.text = "##";
    return;
  }
  UnreadChar(next);
  token_.kind = TokenKind::Breakpoint;
  token_.text = "#";
}

// 'c: the character after the quote is the value; there is no closing quote.
void Assembler::ReadCharacterLiteral() {
  ReadChar();
  int ch = ReadChar();
  if (ch == 0) {
    token_.kind = TokenKind::End;
    return;
  }
  if (ch == '\n') {
    UnreadChar(ch);
    ch = kCarriageReturn;
  }
  token_.kind = TokenKind::Number;
  token_.intValue = ch;
  token_.realValue = ch;
  token_.text = Formatted("'%c'", ch);
}

// A comment runs to the end of the line; the line end stays for the next token.
void Assembler::ReadComment() {
  token_.text.assign(1, static_cast<char>(ReadChar()));
  token_.kind = TokenKind::Semicolon;
  int ch;
  do {
    ch = ReadChar();
  } while (ch != '\n' && ch != 0);
  UnreadChar(ch);
}

// "~" is the address of the current line.
void Assembler::ReadLocation() {
  token_.text.assign(1, static_cast<char>(ReadChar()));
  token_.kind = TokenKind::Number;
  token_.intValue = locationCounter_;
  token_.realValue = locationCounter_;
}

void Assembler::ClassifyWord() {
  const std::string upper = UpperCased(token_.text);
  if (const int code = CodeOf(kRegisters, upper)) {
    token_.kind = TokenKind::Register;
    token_.intValue = code;
  } else if (const auto mnemonic = mnemonics_.find(upper); mnemonic != mnemonics_.end()) {
    token_.kind = TokenKind::Mnemonic;
    token_.intValue = mnemonic->second;
  } else if (const int directive = CodeOf(kDirectives, upper)) {
    token_.kind = TokenKind::Directive;
    token_.intValue = directive;
  } else {
    token_.kind = labels_.Find(token_.text) != nullptr ? TokenKind::Label : TokenKind::Name;
  }
}

void Assembler::ParseOperands() {
  switch (line_.directive) {
    case kDat: ParseDataList(); break;
    case kStr:
      if (token_.kind == TokenKind::String) {
        line_.hasString = true;
        line_.stringText = token_.text.substr(0, kMaxStrCharacters);
        ReadToken();
      }
      break;
    default: ParseOperandForms(); break;
  }
}

void Assembler::ParseDataList() {
  line_.data.push_back(static_cast<uint16_t>(Expression()));
  while (token_.kind == TokenKind::Comma) {
    ReadToken();
    line_.data.push_back(static_cast<uint16_t>(Expression()));
  }
}

// expr, (expr), (Rx), Rx, or Rx followed by a comma and a second operand.
// A lone register is operand 2; only a register stands before a comma.
void Assembler::ParseOperandForms() {
  line_.operandCount = 1;
  if (token_.kind == TokenKind::OpenBracket) {
    ParseIndirect();
    return;
  }
  if (token_.kind != TokenKind::Register) {
    const Token first = token_;
    ParseImmediate();
    if (token_.kind == TokenKind::Comma && statementOk_) {
      ErrorAt(Formatted("first operand: register expected before ',', found \"%s\"", first.text.c_str()),
              first.line, first.column);
      SkipToLineEnd();
    }
    return;
  }
  const unsigned reg = static_cast<unsigned>(token_.intValue);
  ReadToken();
  if (token_.kind != TokenKind::Comma) {
    line_.op2 = reg;
    return;
  }
  ReadToken();
  line_.op1 = reg;
  line_.operandCount = 2;
  ParseSecondOperand();
}

void Assembler::ParseSecondOperand() {
  if (token_.kind == TokenKind::Register) {
    line_.op2 = static_cast<unsigned>(token_.intValue);
    ReadToken();
  } else if (token_.kind == TokenKind::OpenBracket) {
    ParseIndirect();
  } else if (StartsExpression(token_.kind)) {
    ParseImmediate();
  } else {
    Report("Unvalid second operand: register, bracket or value expected, " + Found());
  }
}

// (Rx) or (expr), any bracket kind opening and closing.
void Assembler::ParseIndirect() {
  ReadToken();
  line_.indirect = true;
  if (token_.kind == TokenKind::Register) {
    line_.op2 = static_cast<unsigned>(token_.intValue);
    ReadToken();
  } else if (StartsIndirectExpression(token_.kind)) {
    ParseImmediate();
  } else {
    Report("Unvalid indirect operand: register or value expected, " + Found());
    return;
  }
  Expect(TokenKind::AsmCloseBracket);
}

// While an error is pending every expression gives 1, defined.
void Assembler::ParseImmediate() {
  undefinedLabelUsed_ = false;
  const int value = Expression();
  if (!undefinedLabelUsed_ || !Succeeded()) line_.value = value;
  line_.extension = true;
}

// expression = [+|-] term { (+|-) term }; term = factor { (*|/) factor }.
// Operators of one level combine from left to right. A leading minus
// negates the first factor. Once an error is pending no operator changes a
// value and every expression gives 1.

int Assembler::Expression() {
  const bool negate = token_.kind == TokenKind::Minus;
  if (negate || token_.kind == TokenKind::Plus) ReadToken();
  int value = Term(negate);
  while (token_.kind == TokenKind::Plus || token_.kind == TokenKind::Minus) {
    const TokenKind op = token_.kind;
    ReadToken();
    value = Combine(value, op, Term(false));
  }
  return Succeeded() ? value : 1;
}

int Assembler::Term(bool negateFirst) {
  int value = Factor();
  if (negateFirst) value = Wrapped(-static_cast<int64_t>(value));
  while (token_.kind == TokenKind::Times || token_.kind == TokenKind::Divide) {
    const TokenKind op = token_.kind;
    ReadToken();
    value = Combine(value, op, Factor());
  }
  return value;
}

// A number (also a character literal or "~"), a known label, or a new name,
// which enters the label list as not yet defined.
int Assembler::Factor() {
  int value = 0;
  if (token_.kind == TokenKind::Number) {
    value = token_.intValue;
  } else if (token_.kind == TokenKind::Label || token_.kind == TokenKind::Name) {
    value = LabelValue(token_.text);
  } else {
    Report("syntax error in immediate operand: value expected, " + Found());
    return value;
  }
  ReadToken();
  return value;
}

int Assembler::LabelValue(const std::string& name) {
  LabelList::Labelitem* label = labels_.Find(name);
  if (label == nullptr) label = &labels_.Append(name, std::nullopt);
  if (label->value) return *label->value;
  undefinedLabelUsed_ = true;
  if (pass_ == 2) Report(Formatted("Undefined constant or label: %s", name.c_str()));
  return kUndefinedStandIn;
}

int Assembler::Combine(int left, TokenKind op, int right) {
  if (!Succeeded()) return left;
  switch (op) {
    case TokenKind::Plus: return Wrapped(static_cast<int64_t>(left) + right);
    case TokenKind::Minus: return Wrapped(static_cast<int64_t>(left) - right);
    case TokenKind::Times: return Wrapped(static_cast<int64_t>(left) * right);
    default:
      if (right == 0) {
        Report("expression: divide by zero");
        return left;
      }
      return Wrapped(static_cast<int64_t>(left) / right);
  }
}

void Assembler::DefineLabel() {
  if (line_.label.empty()) return;
  LabelList::Labelitem* label = labels_.Find(line_.label);
  if (label == nullptr) {
    labels_.Append(line_.label, line_.address);
  } else if (!label->value) {
    label->value = line_.address;
  } else {
    Report(Formatted("label %s allready exists", line_.label.c_str()));
  }
}

// The breakpoint list holds 65 addresses; further marks are ignored.
void Assembler::MarkBreakpoint() {
  if (line_.breakpoint) machine_.breakpoints.Add(line_.address);
}

// The effect of a directive on the location counter and the labels, the
// same in both passes (EQU in pass 1 only).
void Assembler::ApplyDirective() {
  switch (line_.directive) {
    case kDat: locationCounter_ = static_cast<uint16_t>(locationCounter_ + line_.data.size()); break;
    case kStr:
      if (!line_.hasString) {
        Report("STRING: no quoted string found");
      } else {
        locationCounter_ = static_cast<uint16_t>(locationCounter_ + line_.stringText.size() + 1);
      }
      break;
    case kOrg:
      if (!line_.value) {
        Report("ORG: unvalid operand");
      } else {
        locationCounter_ = static_cast<uint16_t>(*line_.value);
      }
      break;
    case kEqu:
      if (pass_ == 1) DefineByEqu();
      break;
    case kRes:
      if (!line_.value) {
        Report("RES: unvalid operand");
      } else {
        locationCounter_ = static_cast<uint16_t>(locationCounter_ + *line_.value);
      }
      break;
    case kEnd: endReached_ = true; break;
  }
}

void Assembler::DefineByEqu() {
  if (line_.label.empty()) {
    Report("EQU: syntaxerror");
  } else if (!line_.value) {
    Report("EQU: unvalid operand");
  } else {
    labels_.Find(line_.label)->value = line_.value;
  }
}

// Reported at the end of the instruction's line.
void Assembler::CheckOperandCount() {
  const int required = RequiredOperands(line_.opcode);
  if (required < 0 || line_.operandCount == required) return;
  const char* message = required == 2   ? "This instruction needs 2 operands!"
                        : required == 1 ? "This instruction needs 1 operand!"
                                        : "This instruction does not have operand(s)!";
  ErrorAtPosition(message, static_cast<int>(token_.offset));
}

uint16_t Assembler::InstructionWord() const {
  const bool indirect = line_.indirect || line_.opcode == 0x20;
  return static_cast<uint16_t>(static_cast<unsigned>(line_.opcode) << 8 | (line_.op1 & 7u) << 5 |
                               (line_.extension ? 0x10u : 0u) | (indirect ? 0x08u : 0u) | (line_.op2 & 7u));
}

void Assembler::AdvanceForInstruction() {
  locationCounter_ = static_cast<uint16_t>(locationCounter_ + (line_.extension ? 2 : 1));
  if (IsRelativeBranch(line_.opcode) && line_.value) {
    line_.value = Wrapped(static_cast<int64_t>(*line_.value) - locationCounter_);
  }
}

void Assembler::ListAndEmit() {
  machine_.lineMap.Set(line_.address, line_.position);
  if (listingOpen_) {
    listing_ += ListingLine();
    listing_ += kListingLineEnd;
  }
  EmitWords();
}

std::string Assembler::ListingLine() const {
  const char* text = line_.text.c_str();
  if (line_.opcode != 0) {
    if (line_.extension) {
      return Formatted("%04X\t%04X\t%04X\t%s", line_.address, line_.instructionWord,
                       static_cast<uint16_t>(line_.value.value_or(0)), text);
    }
    return Formatted("%04X\t%04X\t\t%s", line_.address, line_.instructionWord, text);
  }
  if (line_.directive != kNoDirective && line_.directive != kEqu) {
    return Formatted("%04X\t\t\t%s", line_.address, text);
  }
  return Formatted("\t\t\t%s", text);
}

void Assembler::EmitWords() {
  uint16_t address = line_.address;
  if (line_.opcode != 0) {
    Emit(address, line_.instructionWord);
    if (line_.extension)
      Emit(static_cast<uint16_t>(address + 1), static_cast<uint16_t>(line_.value.value_or(0)));
    return;
  }
  switch (line_.directive) {
    case kDat:
      for (const uint16_t value : line_.data) Emit(address++, value);
      break;
    case kStr:
      for (const char ch : line_.stringText) Emit(address++, static_cast<unsigned char>(ch));
      Emit(address, 0);
      break;
    case kRes:
      for (int i = 0; i < line_.value.value_or(0) && Succeeded(); ++i) Emit(address++, 0);
      break;
  }
}

// After the first error nothing more is emitted; a second word for one
// address is an error and is dropped.
void Assembler::Emit(uint16_t address, uint16_t value) {
  if (!Succeeded()) return;
  if (!results_.Add(address, value)) {
    ErrorAtPosition(Formatted("Memory overwrite in code at address 0X%04X: %04X", address, value), 0);
  }
}

void Assembler::OpenListing() {
  listing_.clear();
  listingOpen_ = !breakpointsOnly && listingSink_;
  listingLost_ = false;
}

// Hands the listing gathered during the build to the sink, also that of a
// failed build (empty, or ending at the first error of pass 2); true when
// it was kept.
bool Assembler::KeepListing() {
  if (!listingOpen_) return false;
  listingLost_ = !listingSink_(listing_, IncludedFiles());
  listing_.clear();
  listingOpen_ = false;
  return !listingLost_;
}

void Assembler::ReportOutcome() {
  if (!codeSeen_) {
    reporter_->ShowWarning("No code");
  } else if (loadAfterBuild) {
    if (results_.Empty()) {
      reporter_->ShowWarning("LOAD: no data found");
    } else {
      Load();
    }
  } else if (!breakpointsOnly && !listingLost_) {
    reporter_->ShowInfo("Program assembled");
  }
}

void Assembler::Load() {
  for (const AssembledWords::Tuplet& word : results_.Tuplets())
    machine_.memory.Write(word.address, word.value);
  machine_.labels = lineLabels_;
  reporter_->MemoryLoaded();
  if (const LabelList::Labelitem* begin = labels_.Find("begin"); begin != nullptr && begin->value) {
    machine_.startAddress = static_cast<uint16_t>(*begin->value);
  } else {
    machine_.startAddress = static_cast<uint16_t>(programStart);
    reporter_->ShowWarning("LOAD: No begin label found");
  }
  if (!runAfterLoad) reporter_->ShowInfo("Program loaded");
}

}  // namespace tav2
