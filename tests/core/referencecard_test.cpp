// The printable reference card agrees with the default micro-code and the
// ALU, and the manual leads to it.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "lang/tmcparser.h"
#include "sim/alufunctions.h"
#include "sim/mcrom.h"
#include "tempdir.h"

namespace tav2 {
namespace {

const std::string kHelp = TAV2_SOURCE_DIR "/data/help/";

// The rows of the card's table marked data-card="`name`".
std::string CardTable(const std::string& card, const std::string& name) {
  const std::size_t at = card.find("data-card=\"" + name + "\"");
  if (at == std::string::npos) return {};
  return card.substr(at, card.find("</table>", at) - at);
}

// Pairs of a code cell and the word cell after it.
std::map<std::string, std::string> CodedWords(const std::string& table, const std::string& codePattern) {
  const std::regex pair("<td>(" + codePattern + ")</td><td>(_?[A-Z][A-Z0-9]*)</td>");
  std::map<std::string, std::string> codes;
  for (std::sregex_iterator it(table.begin(), table.end(), pair), none; it != none; ++it) codes[(*it)[2]] = (*it)[1];
  return codes;
}

TEST(ReferenceCard, OpcodesAreThoseOfTheDefaultMicrocode) {
  const std::string card = test::ReadWhole(kHelp + "card.html");
  std::map<std::string, std::string> listed = CodedWords(CardTable(card, "instructions"), "[0-9A-F]{2}");
  for (const auto& [name, opcode] : CodedWords(CardTable(card, "branches"), "[0-9A-F]{2}")) listed[name] = opcode;
  Mcrom rom;
  TMCparser parser(rom);
  parser.LoadAfterBuild = true;
  ASSERT_TRUE(parser.ParseSourceFile(TAV2_SOURCE_DIR "/data/microdefs.~mc"));
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
  for (const auto& [name, opcode] : listed) EXPECT_TRUE(named.count(name) || name == "SYS") << name << " is not in the ROM";
  EXPECT_NE(card.find("TRAP15"), std::string::npos);
}

TEST(ReferenceCard, AluFunctionsAndServices) {
  const std::string card = test::ReadWhole(kHelp + "card.html");
  const std::map<std::string, std::string> functions = CodedWords(CardTable(card, "alu"), "[0-9]{1,2}");
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
