// The printable reference card agrees with the default micro-code and the
// ALU, and the manual leads to it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/lang/microcodeparser.h"
#include "core/sim/alufunctions.h"
#include "core/sim/mcrom.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

const std::string kHelp = TAV2_SOURCE_DIR "/data/help/";

// The rows of the card's table marked data-card="`name`".
std::string CardTable(const std::string& card, const std::string& name) {
  const std::size_t at = card.find("data-card=\"" + name + "\"");
  if (at == std::string::npos) return {};
  return card.substr(at, card.find("</table>", at) - at);
}

// Whether `text` is one or more characters, all of `allowed`.
bool AllOf(const std::string& text, const char* allowed) {
  return !text.empty() && text.find_first_not_of(allowed) == std::string::npos;
}

// Each word cell (a name in capitals, maybe after a "_") with the code in
// the cell before it, when that is made of `codeDigits`.
std::map<std::string, std::string> CodedWords(const std::string& table, const char* codeDigits) {
  std::vector<std::string> cells;
  for (std::size_t at = table.find("<td>"); at != std::string::npos; at = table.find("<td>", at + 1)) {
    cells.push_back(table.substr(at + 4, table.find("</td>", at) - at - 4));
  }
  std::map<std::string, std::string> codes;
  for (std::size_t i = 1; i < cells.size(); ++i) {
    const std::string word = cells[i];
    const std::string bare = word.substr(word.rfind('_', 0) == 0 ? 1 : 0);
    const bool name = AllOf(bare, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") && bare[0] >= 'A' && bare[0] <= 'Z';
    if (name && AllOf(cells[i - 1], codeDigits)) codes[word] = cells[i - 1];
  }
  return codes;
}

TEST(ReferenceCard, OpcodesAreThoseOfTheDefaultMicrocode) {
  const std::string card = test::ReadWhole(kHelp + "card.html");
  std::map<std::string, std::string> listed = CodedWords(CardTable(card, "instructions"), "0123456789ABCDEF");
  for (const auto& [name, opcode] : CodedWords(CardTable(card, "branches"), "0123456789ABCDEF"))
    listed[name] = opcode;
  Mcrom rom;
  MicrocodeParser parser(rom);
  parser.loadAfterBuild = true;
  ASSERT_TRUE(parser.ParseSourceFile(TAV2_SOURCE_DIR "/data/microdefs.mca"));
  std::set<std::string> named;
  for (int opcode = 1; opcode < Mcrom::kFetchSequence; ++opcode) {
    const std::string name(rom.Entry(opcode).NameView());
    const bool copiedTrap = opcode > 0xE0 && opcode <= 0xEF;  // one row for TRAP0 to TRAP15
    if (name.empty() || copiedTrap) continue;
    named.insert(name);
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", opcode);
    EXPECT_EQ(listed[name], hex) << name;
  }
  EXPECT_EQ(std::string(rom.Entry(0xFF).NameView()), "SYS");
  EXPECT_EQ(listed["SYS"], "FF");
  for (const auto& [name, opcode] : listed)
    EXPECT_TRUE(named.count(name) || name == "SYS") << name << " is not in the ROM";
  EXPECT_NE(card.find("TRAP15"), std::string::npos);
}

TEST(ReferenceCard, AluFunctionsAndServices) {
  const std::string card = test::ReadWhole(kHelp + "card.html");
  const std::map<std::string, std::string> functions = CodedWords(CardTable(card, "alu"), "0123456789");
  EXPECT_EQ(functions.size(), static_cast<std::size_t>(kLastAluFunction));
  for (int code = 1; code <= kLastAluFunction; ++code) {
    const std::string name(AluFunctionName(code));
    ASSERT_EQ(functions.count(name), 1u) << name;
    EXPECT_EQ(functions.at(name), std::to_string(code)) << name;
  }
  const std::string services = CardTable(card, "services");
  for (int service = 1; service <= 8; ++service) {
    EXPECT_NE(services.find("<tr><td>" + std::to_string(service) + "</td>"), std::string::npos) << service;
  }
  const std::string directives = CardTable(card, "directives");
  for (const char* word : {"DAT", "STR", "ORG", "EQU", "RES", "END", "#include"}) {
    EXPECT_NE(directives.find(word), std::string::npos) << word;
  }
}

TEST(ReferenceCard, TheManualAndTheCardLinkToEachOther) {
  EXPECT_NE(test::ReadWhole(kHelp + "TAV2.html").find("<a href=\"card.html\">"), std::string::npos);
  EXPECT_NE(test::ReadWhole(kHelp + "card.html").find("<a href=\"TAV2.html\">"), std::string::npos);
  EXPECT_NE(test::ReadWhole(kHelp + "card.html").find("@media print"), std::string::npos);
}

}  // namespace
}  // namespace tav2
