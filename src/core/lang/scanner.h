#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/includepolicy.h"
#include "core/lang/builderror.h"
#include "core/lang/tokenkind.h"

namespace tav2 {

// The scanner shared by the micro-code parser and the assembler: the text
// of one build read character by character with line, column and position
// counting, comments removed and #include files spliced in, tokens, expected
// tokens, and at most five error records.
class Scanner {
 public:
  static constexpr std::size_t kMaxErrors = 5;
  static constexpr std::size_t kMaxErrorText = 299;
  static constexpr std::size_t kMaxIncludeDepth = 16;
  static constexpr std::size_t kMaxIncludedFiles = 100;
  static constexpr std::size_t kMaxStringToken = 1000;
  static constexpr std::size_t kMaxWord = 31;
  static constexpr std::size_t kMaxIncludeName = 63;

  virtual ~Scanner() = default;

  // Request flags set by the caller before a build.
  bool loadAfterBuild = false;
  bool runAfterLoad = false;
  bool breakpointsOnly = false;

  // Directories of <...> and "..." includes.
  void SetIncludeDirectories(std::filesystem::path includeDir, std::filesystem::path workingDir);
  // Consulted before every include is opened; nullptr: every include is read.
  void SetIncludePolicy(const IncludePolicy* policy) { includePolicy_ = policy; }

  // One build of an editor's text, named by its file name; true on success.
  bool ParseSource(std::string_view text, const std::string& fileName);
  // One build of a file (the start-up micro-code); true on success.
  bool ParseSourceFile(const std::string& fileName);

  bool Succeeded() const { return succeeded_; }
  const std::vector<BuildError>& Errors() const { return errors_; }
  // The files the #include directives of the last pass named, as opened.
  const std::vector<std::string>& IncludedFiles() const { return included_; }

 protected:
  // How a number was written: with a leading 0 (plain), as a decimal
  // integer or real, or with a hex or binary radix.
  enum class NumberForm { Plain, DecimalInteger, DecimalReal, Hex, Binary };
  struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t start = 0;  // scanner position when reading of the token began
    NumberForm numberForm = NumberForm::Plain;
    std::string text;
    double realValue = 0;
    int intValue = 0;
    int line = 1;
    int column = 1;
    std::size_t offset = 0;  // of its first character in the current text
    char sign = 0;
  };

  virtual void Parse() = 0;
  virtual void ReadToken() = 0;
  // Gives a word of at most 31 characters its kind and value.
  virtual void ClassifyWord() = 0;
  virtual bool IsSpace(int ch) const { return (ch >= 1 && ch <= 9) || (ch >= 11 && ch <= 32); }
  virtual bool IsWordEnd(int ch) const { return ch == '#' || ch == 0; }
  virtual bool IsWordChar(int ch) const;
  virtual void ReadNumber();
  virtual void ReadSpecial();
  virtual void ReadWord();
  virtual bool IsOpenBracket(int ch) const { return ch == '(' || ch == '[' || ch == '{'; }
  virtual bool IsCloseBracket(int ch) const { return ch == ')' || ch == ']' || ch == '}'; }

  // The steps every token reader begins with: reset the value fields, skip
  // blanks, note where the token starts. Returns its first character (left
  // unread), or 0 at the end of the text (the token is then the end token).
  int BeginToken();

  int ReadChar();
  void UnreadChar(int ch);
  int PeekChar();
  bool FindMarker(std::string_view marker);
  void Rewind();
  // Empties the include stack and the included-file list (start of a pass);
  // a text left inside an included file goes back to the main text.
  void ResetIncludes();

  void Expect(TokenKind kind);
  void Error(const std::string& text) { ErrorAt(text, line_, column_); }
  void ErrorAt(const std::string& text, int line, int column);
  void ErrorAtPosition(const std::string& text, int position);

  bool IncludeOpen() const { return !stack_.empty(); }
  // The text being read now and the position of the next character in it.
  const std::string& CurrentText() const { return text_; }
  std::size_t Position() const { return pos_; }
  // Characters read since the start of the current text, from 1.
  int CharacterCount() const { return static_cast<int>(pos_) + 1; }

  Token token_;
  bool statementOk_ = true;

 private:
  // What is needed to go on reading a text after an include.
  struct FileStatus {
    std::string fileName;
    std::string text;
    std::size_t pos;
    int line;
    int column;
  };

  // Where an #include directive stands: its '#'.
  struct Directive {
    int line = 1;
    int column = 1;
    int position = 0;
  };

  bool LoadSourceFile(const std::string& name);
  // The text of a source file up to its first NUL; nullopt, with the
  // message saying why, when it cannot be read.
  static std::optional<std::string> ReadSourceText(const std::string& name, std::string& message);
  int RawChar();
  int SkipComment(int next);
  bool StartsWithNoCase(std::size_t at, std::string_view prefix) const;
  int ReadInclude();
  bool OpenInclude(const std::filesystem::path& fullName);
  // Reports at the #include directive being read.
  void IncludeError(const std::string& text);
  void ReadDecimal(char first);
  void ReadRadixNumber(int base);

  std::string text_;
  std::size_t pos_ = 0;  // index of the next character
  int line_ = 1;
  int column_ = 1;
  std::string fileName_;
  std::vector<FileStatus> stack_;
  std::vector<std::string> included_;
  bool lastSynthetic_ = false;   // the last character was the line end closing an include
  bool pendingNewline_ = false;  // that line end was unread
  int includePosition_ = 0;      // where the outermost include stands in the main text
  Directive directive_;          // the #include being read
  std::filesystem::path includeDir_;
  std::filesystem::path workingDir_;
  const IncludePolicy* includePolicy_ = nullptr;
  bool succeeded_ = true;
  std::vector<BuildError> errors_;
};

}  // namespace tav2
