#pragma once
#include <cstdint>
#include <functional>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/lang/buildreporter.h"
#include "core/lang/labellist.h"
#include "core/lang/assembledwords.h"
#include "core/lang/scanner.h"
#include "core/sim/machine.h"

namespace tav2 {

// The assembler: translates an assembler source into memory words in two
// passes against the mnemonics of the loaded micro-code. Every build
// rewrites the breakpoint list and the line map; unless only breakpoints
// are asked for it writes the listing; when asked to load it writes main
// memory, the start address and the labels of the program's lines.
class Assembler : public Scanner {
 public:
  // What a label not defined yet stands for in an expression: one above the
  // largest address. The expression's value is then undefined itself.
  static constexpr int kUndefinedStandIn = 0x10000;

  explicit Assembler(Machine& machine);

  // First address of each pass, and the entry address of a program without
  // a `begin` label (16 bits used).
  int programStart = 0;

  // Takes the listing of a build (every line ended by CR LF) with the files
  // the build's includes read, and keeps it: writes a file, or holds it for
  // standard output. False when it could not; the sink reports why.
  using ListingSink =
      std::function<bool(std::string_view listing, const std::vector<std::string>& includedFiles)>;
  // Where the listing goes; none: no listing is made.
  void SetListingSink(ListingSink sink) { listingSink_ = std::move(sink); }
  // Receives the warnings, information and notices of each build; nullptr:
  // they are dropped.
  void SetReporter(BuildReporter* reporter);

 protected:
  void Parse() override;
  void ReadToken() override;
  void ClassifyWord() override;

 private:
  enum Directive { kNoDirective, kDat, kStr, kOrg, kEqu, kRes, kEnd };

  // What one source line holds and produces.
  struct Line {
    uint16_t address = 0;
    int position = 0;  // text position of the line's first character
    std::string text;  // the line as the listing shows it
    bool breakpoint = false;
    std::string label;
    int opcode = 0;
    int directive = kNoDirective;
    unsigned op1 = 0;
    unsigned op2 = 0;
    bool extension = false;
    bool indirect = false;
    std::optional<int> value;  // of the operand; none without one or while a label in it is undefined
    bool hasString = false;
    std::string stringText;      // of a STR line
    std::vector<uint16_t> data;  // of a DAT line
    int operandCount = 0;
    uint16_t instructionWord = 0;
  };

  void BuildMnemonicIndex();
  void RunPass(int pass);
  void StartPass();
  void ParseLine();
  void SkipToLineEnd();
  bool ReportUnknownInstruction(const Token& label);
  std::string Found() const;
  bool AtLineEnd() const;
  void BeginLine();
  void FinishLine();

  void ReadSingle(TokenKind kind);
  void ReadHash();
  void ReadCharacterLiteral();
  void ReadComment();
  void ReadLocation();

  void ParseOperands();
  void ParseDataList();
  void ParseOperandForms();
  void ParseSecondOperand();
  void ParseIndirect();
  void ParseImmediate();
  int Expression();
  int Term(bool negateFirst);
  int Factor();
  int LabelValue(const std::string& name);
  int Combine(int left, TokenKind op, int right);

  void DefineLabel();
  void NoteLineLabel();
  void MarkBreakpoint();
  void ApplyDirective();
  void DefineByEqu();
  void CheckOperandCount();
  uint16_t InstructionWord() const;
  void AdvanceForInstruction();
  void ListAndEmit();
  std::string ListingLine() const;
  void EmitWords();
  void Emit(uint16_t address, uint16_t value);

  void OpenListing();
  bool KeepListing();
  void ReportOutcome();
  void Load();
  // Reports at the current token.
  void Report(const std::string& text) { ErrorAt(text, token_.line, token_.column); }

  Machine& machine_;
  BuildReporter* reporter_;
  ListingSink listingSink_;
  bool listingOpen_ = false;
  bool listingLost_ = false;  // the sink could not keep this build's listing
  std::string listing_;
  std::unordered_map<std::string, int> mnemonics_;  // upper-case name -> ROM index
  LabelList labels_;
  ProgramLabels lineLabels_;  // of this build's lines, for the program's views once loaded
  AssembledWords results_;
  int pass_ = 1;
  uint16_t locationCounter_ = 0;
  bool endReached_ = false;
  bool codeSeen_ = false;
  bool undefinedLabelUsed_ = false;  // by the expression being read
  std::size_t mainLineStart_ = 0;    // start of the last line that began in the main text
  Line line_;
};

}  // namespace tav2
