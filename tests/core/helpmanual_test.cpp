#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/lang/helptopics.h"
#include "core/lang/microcodeparser.h"
#include "core/lang/scanner.h"
#include "core/sim/alufunctions.h"
#include "core/sim/mcrom.h"

namespace tav2 {
namespace {

// The help file as the help window reads it.
std::string HelpHtml() {
  std::ifstream in(TAV2_SOURCE_DIR "/data/help/TAV2.html", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The quoted values after each `opening`, with their offsets.
std::vector<std::pair<std::string, std::size_t>> Values(const std::string& html, const std::string& opening) {
  std::vector<std::pair<std::string, std::size_t>> values;
  for (std::size_t at = html.find(opening); at != std::string::npos; at = html.find(opening, at + 1)) {
    const std::size_t value = at + opening.size();
    values.emplace_back(html.substr(value, html.find('"', value) - value), at);
  }
  return values;
}

TEST(HelpManual, AnchorsLinksAndTopics) {
  const std::string html = HelpHtml();
  ASSERT_NE(html.find("</html>"), std::string::npos) << TAV2_SOURCE_DIR "/data/help/TAV2.html";
  const auto wide = std::find_if(html.begin(), html.end(), [](char ch) { return (ch & 0x80) != 0; });
  EXPECT_EQ(wide, html.end()) << "the file is plain ASCII; non-ASCII byte at " << (wide - html.begin());

  const auto anchors = Values(html, "<a name=\"");
  std::map<std::string, int> count;
  for (const auto& [name, at] : anchors) ++count[name];
  for (const auto& [name, n] : count) EXPECT_EQ(n, 1) << "anchor defined twice: " << name;
  const auto links = Values(html, "href=\"#");
  ASSERT_FALSE(links.empty());
  for (const auto& [target, at] : links) EXPECT_EQ(count.count(target), 1u) << "#" << target;

  // A section runs from its anchor to the next anchor among `ends`.
  const auto section = [&](const std::string& name, const std::set<std::string>& ends) {
    const auto start =
        std::find_if(anchors.begin(), anchors.end(), [&](const auto& a) { return a.first == name; });
    if (start == anchors.end()) return std::string();
    const auto stop =
        std::find_if(start + 1, anchors.end(), [&](const auto& a) { return ends.count(a.first) > 0; });
    return html.substr(start->second, (stop == anchors.end() ? html.size() : stop->second) - start->second);
  };
  std::set<std::string> topics, others;
  for (std::size_t i = 1; i < HelpTopics::kTitles.size(); ++i)
    topics.insert(HelpTopics::Anchor(HelpTopics::kTitles[i]));
  for (const auto& [name, n] : count) {
    if (name != "contents") others.insert(name);
  }
  const std::string contents = section("contents", others);
  for (const std::string& anchor : topics) {
    EXPECT_EQ(count[anchor], 1) << "every topic has its anchor: " << anchor;
    EXPECT_NE(contents.find("href=\"#" + anchor + "\""), std::string::npos) << "contents link " << anchor;
  }
  // Context help leads these words to their titles, so the section there
  // should speak of them.
  for (const HelpTopics::Alias& alias : HelpTopics::kAliases) {
    EXPECT_NE(section(HelpTopics::Anchor(alias.title), topics).find(alias.word), std::string::npos)
        << alias.word << " in " << alias.title;
  }
}

// The text of the entry at an anchor: up to the next anchor.
std::string Entry(const std::string& html, const std::string& anchor) {
  const std::size_t at = html.find("<a name=\"" + anchor + "\"");
  if (at == std::string::npos) return {};
  return html.substr(at, html.find("<a name=", at + 1) - at);
}

// Ctrl+F1 on every word of the languages reaches an entry of the manual that
// names it: the mnemonics of the default micro-code, the directives, the
// register words and the ALU functions; the index lists them all.
TEST(HelpManual, EveryWordOfTheLanguagesReachesItsEntry) {
  const std::string html = HelpHtml();
  const std::string index = html.substr(html.find("<a name=\"index\""));
  std::vector<std::string> words = {"DAT", "STR", "ORG", "EQU", "RES", "END", "include", "A",
                                    "B",   "C",   "R1",  "R2",  "T1",  "PC",  "SP",      "IR",
                                    "MEM", "MDR", "MAR", "ALU", "SR",  "OP1", "OP2"};
  for (int code = 1; code <= kLastAluFunction; ++code) words.emplace_back(AluFunctionName(code));
  Mcrom rom;
  MicrocodeParser parser(rom);
  parser.loadAfterBuild = true;
  ASSERT_TRUE(parser.ParseSourceFile(TAV2_SOURCE_DIR "/data/microdefs.mca"));
  for (int opcode = 1; opcode < Mcrom::kEntries; ++opcode) {
    if (!rom.Entry(opcode).NameView().empty()) words.emplace_back(rom.Entry(opcode).NameView());
  }
  ASSERT_GE(words.size(), 23u + 32u + 79u);
  for (const std::string& word : words) {
    const std::optional<std::string> topic = HelpTopics::For(word);
    ASSERT_TRUE(topic.has_value()) << "no help topic for " << word;
    const std::string entry = Entry(html, HelpTopics::Anchor(*topic));
    EXPECT_FALSE(entry.empty()) << word << ": no anchor " << HelpTopics::Anchor(*topic);
    EXPECT_NE(entry.find(word), std::string::npos) << word << " is not named in its entry " << *topic;
    EXPECT_NE(index.find("<code>" + (word == "include" ? "#include" : word) + "</code>"), std::string::npos)
        << word << " is not in the index";
  }
}

TEST(HelpManual, OwnMnemonicsLeadToTheInstructionSet) {
  Mcrom rom;
  McromEntry own;
  own.SetName("INC2");
  rom.SetEntry(0x1F, own);
  own.SetName("ADD");
  rom.SetEntry(0x01, own);
  EXPECT_EQ(HelpTopics::For(" inc2 ", rom), "Instruction set");
  EXPECT_EQ(HelpTopics::For("ADD", rom), "ADD instruction") << "the default entry comes first";
  EXPECT_EQ(HelpTopics::For("dat", rom), "DAT");
  EXPECT_EQ(HelpTopics::For("INC3", rom), std::nullopt);
  EXPECT_EQ(HelpTopics::For("", rom), std::nullopt);
  EXPECT_EQ(HelpTopics::For("INC2"), std::nullopt) << "without the ROM: no topic";
}

}  // namespace
}  // namespace tav2
