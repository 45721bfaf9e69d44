#include "core/lang/scanner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/lang/sourcefile.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

constexpr std::string_view kIncludeDirective = "#include";
constexpr std::size_t kMaxRadixDigits = 32;
constexpr std::size_t kMaxDecimalRead = 21;
constexpr std::size_t kMaxDecimalValid = 16;
constexpr std::size_t kWordCut = 33;
constexpr std::size_t kWordTooLong = 32;

char Upper(char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); }
bool IsDigit(int ch) { return ch >= '0' && ch <= '9'; }
bool IsLetter(int ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

// The text up to its first NUL, which ends any text.
std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

int ToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

void Scanner::SetIncludeDirectories(std::filesystem::path includeDir, std::filesystem::path workingDir) {
  includeDir_ = std::move(includeDir);
  workingDir_ = std::move(workingDir);
}

bool Scanner::ParseSource(std::string_view text, const std::string& fileName) {
  errors_.clear();
  succeeded_ = true;
  token_ = Token{};
  ResetIncludes();
  text_ = UpToNul(text);
  fileName_ = fileName;
  Rewind();
  Parse();
  text_.clear();
  return succeeded_;
}

bool Scanner::ParseSourceFile(const std::string& fileName) {
  errors_.clear();
  succeeded_ = true;
  token_ = Token{};
  ResetIncludes();
  text_.clear();
  fileName_ = fileName;
  Rewind();
  if (LoadSourceFile(fileName)) Parse();
  text_.clear();
  return succeeded_;
}

bool Scanner::LoadSourceFile(const std::string& name) {
  std::string message;
  std::optional<std::string> text = ReadSourceText(name, message);
  if (!text) {
    Error(message);
    return false;
  }
  text_ = std::move(*text);
  Rewind();
  fileName_ = name;
  return true;
}

// A file that is not a regular file counts as not found: it is never opened.
std::optional<std::string> Scanner::ReadSourceText(const std::string& name, std::string& message) {
  const SourceFile file = SourceFile::Read(name);
  switch (file.status) {
    case SourceFile::Status::kRead: return UpToNul(file.text);
    case SourceFile::Status::kTooLarge:
      message = Formatted("File %s too large (%s)", name.c_str(), file.TooLargeReason().c_str());
      return std::nullopt;
    case SourceFile::Status::kCannotOpen: break;
  }
  message = Formatted("File %s not found", name.c_str());
  return std::nullopt;
}

void Scanner::ResetIncludes() {
  // A pass that ended inside an included file goes back to the main text.
  if (!stack_.empty()) {
    fileName_ = std::move(stack_.front().fileName);
    text_ = std::move(stack_.front().text);
  }
  stack_.clear();
  included_.clear();
  pendingNewline_ = false;
  lastSynthetic_ = false;
}

void Scanner::Rewind() {
  pendingNewline_ = false;
  pos_ = 0;
  line_ = 1;
  column_ = 1;
}

// The next character of the text as it stands; the end of an included text
// gives a line end and reading goes on in the text that included it.
int Scanner::RawChar() {
  lastSynthetic_ = false;
  if (pendingNewline_) {
    pendingNewline_ = false;
    lastSynthetic_ = true;
    return '\n';
  }
  if (pos_ < text_.size()) {
    const auto ch = static_cast<unsigned char>(text_[pos_++]);
    if (ch == '\n') {
      ++line_;
      column_ = 1;
    } else {
      ++column_;
    }
    return ch;
  }
  if (stack_.empty()) return 0;
  FileStatus& status = stack_.back();
  fileName_ = std::move(status.fileName);
  text_ = std::move(status.text);
  pos_ = status.pos;
  line_ = status.line;
  column_ = status.column;
  stack_.pop_back();
  lastSynthetic_ = true;
  return '\n';
}

void Scanner::UnreadChar(int ch) {
  if (ch == 0) return;
  if (lastSynthetic_) {
    // The line end that closed an included text is given again as it was.
    lastSynthetic_ = false;
    pendingNewline_ = true;
    return;
  }
  if (ch == '\n') --line_;
  if (pos_ > 0) {
    --pos_;
    column_ = std::max(1, column_ - 1);
  }
}

int Scanner::PeekChar() {
  const int ch = ReadChar();
  UnreadChar(ch);
  return ch;
}

bool Scanner::StartsWithNoCase(std::size_t at, std::string_view prefix) const {
  return at <= text_.size() && EqualNoCase(std::string_view(text_).substr(at, prefix.size()), prefix);
}

int Scanner::ReadChar() {
  for (;;) {
    const int ch = RawChar();
    if (ch == '/') {
      const int next = RawChar();
      if (next == '/' || next == '*') {
        const int after = SkipComment(next);
        if (after != -1) return after;
        continue;
      }
      UnreadChar(next);
      return ch;
    }
    if (ch == '#' && StartsWithNoCase(pos_ - 1, kIncludeDirective)) {
      const int result = ReadInclude();
      if (result != -1) return result;
      continue;
    }
    return ch;
  }
}

// Skips a comment whose two opening characters were read. A line comment
// gives its line end (or 0 at the end); after a block comment reading goes
// on (-1). A block comment that never closes reports and gives 0.
int Scanner::SkipComment(int next) {
  if (next == '/') {
    int ch;
    do {
      ch = RawChar();
    } while (ch != '\n' && ch != 0);
    return ch;
  }
  int previous = 0;
  for (;;) {
    const int ch = RawChar();
    if (ch == 0) {
      ErrorAt("unexpected end of file", line_, 0);
      return 0;
    }
    if (previous == '*' && ch == '/') return -1;
    previous = ch;
  }
}

// Handles an #include directive whose '#' was read. Gives the character to
// return: the directive's own line end (0 when it ends the text) for a
// directive that includes nothing, or -1 when the included text was opened
// and reading goes on in it. Its errors stand at the directive's line.
int Scanner::ReadInclude() {
  directive_ = {line_, column_ - 1, static_cast<int>(pos_ - 1)};
  for (std::size_t i = 0; i < kIncludeDirective.size(); ++i) RawChar();
  int ch;
  do {
    ch = RawChar();
    if (ch == '\n' || ch == 0) {
      IncludeError("Include: syntax error");
      return ch;
    }
  } while (ch != '<' && ch != '"');
  const bool system = ch == '<';
  const int closing = system ? '>' : '"';
  do {
    ch = RawChar();
  } while (IsSpace(ch));
  std::string name;
  while (ch != closing && ch != '\n' && ch != 0 && name.size() < kMaxIncludeName) {
    name += static_cast<char>(ch);
    ch = RawChar();
  }
  if (ch != closing) IncludeError("Include: syntax error");
  // The directive's own line end is taken: the included text, or the line
  // end an ignored directive gives, stands in its place.
  while (ch != '\n' && ch != 0) ch = RawChar();
  if (!succeeded_) return ch;
  const std::filesystem::path fullName = (system ? includeDir_ : workingDir_) / name;
  if (includePolicy_ != nullptr) {
    if (const std::optional<std::string> refusal = includePolicy_->Refusal(fullName, name)) {
      IncludeError(*refusal);
      return ch;
    }
  }
  return OpenInclude(fullName) ? -1 : ch;
}

// Pushes the reading state and opens an include file; false when nothing
// was opened.
bool Scanner::OpenInclude(const std::filesystem::path& fullName) {
  const std::string name = fullName.string();
  const bool seen = std::any_of(included_.begin(), included_.end(),
                                [&](const std::string& other) { return EqualNoCase(other, name); });
  if (seen) return false;
  if (included_.size() >= kMaxIncludedFiles) {
    IncludeError("Too much includefiles");
    return false;
  }
  included_.push_back(name);
  if (stack_.size() >= kMaxIncludeDepth) {
    IncludeError("Internal parser filestack error: overflow");
    return false;
  }
  std::string message;
  std::optional<std::string> text = ReadSourceText(name, message);
  if (!text) {
    IncludeError(message);
    return false;
  }
  if (stack_.empty()) includePosition_ = static_cast<int>(pos_ > 0 ? pos_ - 1 : 0);
  stack_.push_back({fileName_, std::move(text_), pos_, line_, column_});
  text_ = std::move(*text);
  Rewind();
  fileName_ = name;
  return true;
}

void Scanner::IncludeError(const std::string& text) {
  const std::size_t before = errors_.size();
  ErrorAt(text, directive_.line, directive_.column);
  if (errors_.size() > before && stack_.empty()) errors_.back().position = directive_.position;
}

bool Scanner::FindMarker(std::string_view marker) {
  Rewind();
  for (;;) {
    if (RawChar() == 0) return false;
    if (StartsWithNoCase(pos_ - 1, marker)) return true;
  }
}

bool Scanner::IsWordChar(int ch) const { return IsLetter(ch) || IsDigit(ch) || ch == '_'; }

int Scanner::BeginToken() {
  token_.numberForm = NumberForm::Plain;
  token_.sign = 0;
  token_.realValue = 0;
  token_.intValue = 0;
  token_.text.clear();
  token_.start = pos_;
  int ch;
  do {
    ch = ReadChar();
  } while (IsSpace(ch));
  if (ch != 0) UnreadChar(ch);
  token_.line = line_;
  token_.column = column_;
  token_.offset = pos_;
  if (ch == 0) token_.kind = TokenKind::End;
  return ch;
}

void Scanner::ReadNumber() {
  token_.kind = TokenKind::Number;
  const int first = ReadChar();
  token_.text.assign(1, static_cast<char>(first));
  if (first == '0') {
    const int next = ReadChar();
    if (next == 'x' || next == 'X') {
      token_.text += static_cast<char>(next);
      ReadRadixNumber(16);
      return;
    }
    if (next == 'b' || next == 'B') {
      token_.text += static_cast<char>(next);
      ReadRadixNumber(2);
      return;
    }
    UnreadChar(next);
  }
  ReadDecimal(static_cast<char>(first));
}

// Hexadecimal digits after "0x", or decimal digits after "0b" of which the
// leading 0s and 1s make the value.
void Scanner::ReadRadixNumber(int base) {
  token_.numberForm = base == 16 ? NumberForm::Hex : NumberForm::Binary;
  uint32_t value = 0;
  bool binaryDigits = true;
  std::size_t digits = 0;
  for (;;) {
    const int ch = ReadChar();
    const bool digit = base == 16 ? std::isxdigit(ch) != 0 : IsDigit(ch);
    if (!digit) {
      UnreadChar(ch);
      break;
    }
    token_.text += static_cast<char>(ch);
    ++digits;
    if (base == 16) {
      value = value * 16 + static_cast<uint32_t>(IsDigit(ch) ? ch - '0' : std::toupper(ch) - 'A' + 10);
    } else if (binaryDigits && (ch == '0' || ch == '1')) {
      value = value * 2 + static_cast<uint32_t>(ch - '0');
    } else {
      binaryDigits = false;
    }
  }
  if (digits > kMaxRadixDigits) {
    ErrorAt("Too much digits in hex or binary number", token_.line, token_.column);
  }
  token_.intValue = static_cast<int32_t>(value);
  token_.realValue = token_.intValue;
}

void Scanner::ReadDecimal(char first) {
  while (token_.text.size() < kMaxDecimalRead) {
    const int ch = ReadChar();
    if (IsDigit(ch) || ch == '.') {
      token_.text += static_cast<char>(ch);
    } else if (ch == 'e' || ch == 'E') {
      token_.text += static_cast<char>(ch);
      const int next = ReadChar();
      if (next == '+' || next == '-' || IsDigit(next)) {
        token_.text += static_cast<char>(next);
      } else {
        UnreadChar(next);
      }
    } else {
      UnreadChar(ch);
      break;
    }
  }
  if (token_.text.size() > kMaxDecimalValid) {
    ErrorAt("invalid decimal value ", token_.line, token_.column);
  }
  const bool allDigits = std::all_of(token_.text.begin(), token_.text.end(), IsDigit);
  token_.numberForm = first == '0' ? NumberForm::Plain
                      : allDigits  ? NumberForm::DecimalInteger
                                   : NumberForm::DecimalReal;
  double value = 0;
  std::from_chars(token_.text.data(), token_.text.data() + token_.text.size(), value);
  token_.realValue = value;
  token_.intValue = ToInt(value);
}

void Scanner::ReadWord() {
  const int first = ReadChar();
  if (first == '"') {
    token_.kind = TokenKind::String;
    while (token_.text.size() < kMaxStringToken) {
      const int ch = ReadChar();
      if (ch == '"' || IsWordEnd(ch)) break;
      token_.text += static_cast<char>(ch);
    }
    return;
  }
  token_.text.assign(1, static_cast<char>(first));
  while (token_.text.size() < kWordCut) {
    const int ch = ReadChar();
    if (!IsWordChar(ch)) {
      UnreadChar(ch);
      break;
    }
    token_.text += static_cast<char>(ch);
  }
  if (token_.text.size() >= kWordTooLong) {
    token_.kind = TokenKind::Unknown;
    ErrorAt("word too long ", token_.line, token_.column);
    return;
  }
  ClassifyWord();
}

void Scanner::ReadSpecial() {
  const int ch = ReadChar();
  token_.text.assign(1, static_cast<char>(ch));
  switch (ch) {
    case '\n': token_.kind = TokenKind::EndOfLine; break;
    case ',': token_.kind = TokenKind::Comma; break;
    case ':': token_.kind = TokenKind::Colon; break;
    case ';': token_.kind = TokenKind::Semicolon; break;
    case '=': token_.kind = TokenKind::Equals; break;
    default: token_.kind = IsCloseBracket(ch) ? TokenKind::CloseBracket : TokenKind::Unknown; break;
  }
}

void Scanner::Expect(TokenKind kind) {
  if (token_.kind == kind) {
    ReadToken();
  } else {
    ErrorAt(std::string(ExpectationMessage(kind)), token_.line, token_.column);
  }
}

void Scanner::ErrorAt(const std::string& text, int line, int column) {
  succeeded_ = false;
  statementOk_ = false;
  if (errors_.size() >= kMaxErrors) return;
  BuildError error;
  error.message = text.substr(0, kMaxErrorText);
  error.fileName = std::filesystem::path(fileName_).filename().string();
  error.line = line;
  error.column = column;
  error.position = stack_.empty() ? static_cast<int>(token_.offset) : includePosition_;
  errors_.push_back(std::move(error));
}

void Scanner::ErrorAtPosition(const std::string& text, int position) {
  const std::size_t before = errors_.size();
  ErrorAt(text, 0, 0);
  if (errors_.size() > before && stack_.empty()) errors_.back().position = position;
}

}  // namespace tav2
