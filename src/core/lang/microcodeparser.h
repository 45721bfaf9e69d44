#pragma once
#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/scanner.h"
#include "core/sim/mcrom.h"
#include "core/sim/mcromentry.h"
#include "core/sim/microinstruction.h"

namespace tav2 {

// The micro-code parser. A first pass checks the source; a second pass,
// run only after an error-free first one, repeats the checks and, with
// loadAfterBuild set, writes one ROM entry per definition whose opcode is
// 1..255. Entries the source does not define keep their contents.
class MicrocodeParser : public Scanner {
 public:
  explicit MicrocodeParser(Mcrom& rom) : rom_(rom) {}

 protected:
  void Parse() override;
  void ReadToken() override;
  void ClassifyWord() override;

 private:
  // A mnemonic defined (or named by a copy) in this pass, and the ROM entry
  // its definition was written to in this build.
  struct DefinedName {
    std::string name;
    std::optional<int> storedAt;
  };

  void ParsePass();
  void ParseDefinition();
  void ParseMnemonic();
  void ParseOperands();
  void ParseOpcode();
  void ParseBody();
  void ParseCopy();
  void CopyFromRom(const DefinedName& source);
  void ParseMicroCodeLine();
  void ParseMicroOperation();
  bool ParseDestination();
  void ParseOperationSource(bool aluPending);
  void StoreEntry();

  void ReadSignedNumber(char sign);
  void ReadColon();
  void ReadHash();

  // Passes over tokens up to one of `kinds` or the end of the text.
  void PassOverUntil(std::initializer_list<TokenKind> kinds);
  void PassOverEndsOfLine();
  std::string UnknownWord(const char* what) const;
  void ReportAtToken(const std::string& text);
  DefinedName* FindName(std::string_view name);
  // Pass 2 of a build that is still error-free and asked to load.
  bool Storing() const { return pass_ == 2 && Succeeded() && loadAfterBuild; }

  Mcrom& rom_;
  int pass_ = 1;
  McromEntry entry_;
  int opcode_ = 0;
  std::optional<std::size_t> entryName_;  // index in names_ of the definition's mnemonic
  MicroInstruction micro_;
  std::bitset<256> opcodes_;  // low bytes of the opcodes defined in this pass
  std::vector<DefinedName> names_;
};

}  // namespace tav2
