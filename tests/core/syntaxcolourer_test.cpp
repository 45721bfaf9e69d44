#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/editor/colourregion.h"
#include "core/editor/syntaxcolourer.h"
#include "core/editor/tokenclass.h"
#include "core/sim/mcrom.h"
#include "support/simsupport.h"
#include "support/casename.h"
#include "support/caseprinter.h"

namespace tav2 {

void PrintTo(const ColourSpan& span, std::ostream* out) {
  *out << "{" << span.start << ", " << span.length << ", class " << static_cast<int>(span.tokenClass) << "}";
}

namespace {

using TC = TokenClass;

// A ROM with a few instruction names; "load" is stored in lower case and
// entry 0 is never an instruction.
Mcrom TestRom() {
  return test::RomWith({{0, "ZERO"}, {0x01, "ADD"}, {0x02, "MOVE"}, {0x6F, "HALT"}, {0x70, "load"}});
}

// The span of the `occurrence`-th (from 0) `needle` in `text`.
ColourSpan SpanOf(const std::string& text, const std::string& needle, TokenClass tokenClass,
                  int occurrence = 0) {
  std::size_t at = text.find(needle);
  for (int i = 0; i < occurrence; ++i) at = text.find(needle, at + 1);
  EXPECT_NE(at, std::string::npos) << needle;
  return {static_cast<int>(at), static_cast<int>(needle.size()), tokenClass};
}

class ColouringTest : public ::testing::Test {
 protected:
  Mcrom rom = TestRom();
  SyntaxColourer assembler{rom, EditKind::AssemblerSource};
  SyntaxColourer microcode{rom, EditKind::MicrocodeSource};
};

TEST(ColourRegion, SpansFromTheFirstToTheLastMarker) {
  const std::pair<const char*, std::optional<ColourRegion>> cases[] = {
      {"MOVE R1, 2", std::nullopt},
      {"##ab##", std::nullopt},
      {"##abc##", ColourRegion{0, 7}},
      {"x\n##\nab\n## y", ColourRegion{2, 10}},
      {"## a ## b ## c", ColourRegion{0, 12}},
      {"######", std::nullopt},
      {"#######", ColourRegion{0, 7}},
      {"# a # b #", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, region] : cases) EXPECT_EQ(ColourRegion::Find(text), region) << text;
  EXPECT_EQ((TokenStyle{0x0000FF, false, false}.Rgb()), 0xFF0000u)
      << "a style's colour has red in the low byte";
}

TEST_F(ColouringTest, ClassifiesAssemblerWords) {
  const std::pair<const char*, TC> cases[] = {
      {"SP", TC::AssemblerRegister},
      {"r1", TC::AssemblerRegister},
      {"sr", TC::AssemblerRegister},
      {"MOVE", TC::RegisterOrInstruction},
      {"halt", TC::RegisterOrInstruction},
      {"load", TC::Plain},  // the ROM name is compared with the upper-case word
      {"ZERO", TC::Plain},  // entry 0 is no instruction
      {"12", TC::Number},
      {"0FFH", TC::Number},
      {"9abc", TC::Number},
      {"ORG", TC::Directive},
      {"end", TC::Directive},
      {"none", TC::Directive},
      {"Dat", TC::Directive},
      {"BEGIN", TC::FunctionWord},
      {"begin", TC::FunctionWord},
      {"T1", TC::Plain},
      {"MDR", TC::Plain},
      {"_ADD", TC::Plain},
      {"R3", TC::Plain},
      {"SPX", TC::Plain},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(assembler.ClassifyWord(word), expected) << word;
}

TEST_F(ColouringTest, ClassifiesMicrocodeWords) {
  const std::pair<const char*, TC> cases[] = {
      {"MDR", TC::RegisterOrInstruction},
      {"mar", TC::RegisterOrInstruction},
      {"Op2", TC::RegisterOrInstruction},
      {"A", TC::RegisterOrInstruction},
      {"alu", TC::RegisterOrInstruction},
      {"MEM", TC::RegisterOrInstruction},
      {"MDRXXXXXXX", TC::Plain},
      {"0x1F", TC::Number},
      {"0X", TC::Number},
      {"15", TC::Plain},
      {"1x2", TC::Plain},
      {"_ADD", TC::FunctionWord},
      {"_rorc", TC::FunctionWord},
      {"_CIV", TC::FunctionWord},
      {"_ADDX", TC::Plain},
      {"MOVE", TC::Plain},
      {"ORG", TC::Plain},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(microcode.ClassifyWord(word), expected) << word;
}

TEST_F(ColouringTest, OtherKindsHaveNoWordClasses) {
  for (const char* word : {"SP", "MOVE", "12", "0x1F", "_ADD", "ORG"}) {
    EXPECT_EQ(assembler.ClassifyWord(word, EditKind::TextFile), TC::Plain) << word;
    EXPECT_EQ(assembler.ClassifyWord(word, EditKind::AssemblerListing), TC::Plain) << word;
  }
}

TEST_F(ColouringTest, AssemblerRegionIsColouredTokenByToken) {
  const std::string text =
      "title SP 12\n"
      "##\n"
      "ORG 100\n"
      "begin: MOVE R1, 0FFH ; SP note\n"
      "// MOVE here\n"
      "  DAT 7 /* block\n"
      "MOVE */ HALT #\n"
      "##\n"
      "after SP";
  const std::vector<ColourSpan> expected = {
      SpanOf(text, "##", TC::HashWord),
      SpanOf(text, "ORG", TC::Directive),
      SpanOf(text, "100", TC::Number),
      SpanOf(text, "begin", TC::FunctionWord),
      SpanOf(text, "MOVE", TC::RegisterOrInstruction),
      SpanOf(text, "R1", TC::AssemblerRegister),
      SpanOf(text, "0FFH", TC::Number),
      SpanOf(text, "SP", TC::AssemblerRegister, 1),
      SpanOf(text, "// MOVE here", TC::Comment),
      SpanOf(text, "DAT", TC::Directive),
      SpanOf(text, "7", TC::Number),
      SpanOf(text, "/* block", TC::Comment),
      SpanOf(text, "MOVE */", TC::Comment),
      SpanOf(text, "HALT", TC::RegisterOrInstruction),
      {static_cast<int>(text.find("HALT #")) + 5, 1, TC::HashWord},
      SpanOf(text, "##", TC::HashWord, 1),
  };
  EXPECT_EQ(assembler.ColourText(text), expected);
}

// An expected span, named by the text it covers: the `occurrence`-th (from
// 0) `covered` of the case's text.
struct Covered {
  const char* covered;
  TokenClass tokenClass;
  int occurrence = 0;
};

void PrintTo(const Covered& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("covered", c.covered)
      .Field("tokenClass", c.tokenClass)
      .Field("occurrence", c.occurrence);
}

struct TextCase {
  const char* name;
  EditKind kind;
  const char* text;
  std::vector<Covered> spans;
};

void PrintTo(const TextCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("name", c.name)
      .Field("kind", c.kind)
      .Field("text", c.text)
      .Field("spans", c.spans);
}

class ColouredText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ColouredText, GivesTheExpectedSpans) {
  const TextCase& c = GetParam();
  const Mcrom rom = TestRom();
  std::vector<ColourSpan> expected;
  for (const Covered& span : c.spans)
    expected.push_back(SpanOf(c.text, span.covered, span.tokenClass, span.occurrence));
  EXPECT_EQ(SyntaxColourer(rom, c.kind).ColourText(c.text), expected);
}

constexpr EditKind kAsm = EditKind::AssemblerSource;
constexpr EditKind kMc = EditKind::MicrocodeSource;

INSTANTIATE_TEST_SUITE_P(
    SyntaxColourer, ColouredText,
    ::testing::Values(
        TextCase{"MicrocodeRegion",
                 kMc,
                 "##\n#include <defs>\n_ADD MDR 0x1F 15 MOVE\n##",
                 {{"##", TC::HashWord},
                  {"#include", TC::HashWord},
                  {"_ADD", TC::FunctionWord},
                  {"MDR", TC::RegisterOrInstruction},
                  {"0x1F", TC::Number},
                  {"##", TC::HashWord, 1}}},
        TextCase{"HashWordRunsOverLettersDigitsAndHashes",
                 kMc,
                 "##\n#a1#b_c\n##",
                 {{"##", TC::HashWord}, {"#a1#b", TC::HashWord}, {"##", TC::HashWord, 1}}},
        TextCase{"MarkersEnclosingTwoCharacters", kAsm, "## S##", {}},
        TextCase{"MarkersEnclosingThreeCharacters",
                 kAsm,
                 "## SP##",
                 {{"##", TC::HashWord}, {"SP", TC::AssemblerRegister}, {"##", TC::HashWord, 1}}},
        TextCase{"NoMarkers", kAsm, "ORG 100\nMOVE SP, 12 // note\n", {}},
        TextCase{"OutsideTheRegionOnMarkerLines",
                 kAsm,
                 "SP ##\nSP\n## SP",
                 {{"##", TC::HashWord}, {"SP", TC::AssemblerRegister, 1}, {"##", TC::HashWord, 1}}},
        TextCase{"SlashStarSlashIsACompleteComment",
                 kAsm,
                 "##\n/*/ MOVE\n##",
                 {{"##", TC::HashWord},
                  {"/*/", TC::Comment},
                  {"MOVE", TC::RegisterOrInstruction},
                  {"##", TC::HashWord, 1}}},
        TextCase{"UnterminatedCommentRunsToTheRegionEnd",
                 kAsm,
                 "##\n/* x\nSP ## SP",
                 {{"##", TC::HashWord}, {"/* x", TC::Comment}, {"SP ##", TC::Comment}}},
        TextCase{"OpenerCommentsDownToTheNextCommentMark",
                 kAsm,
                 "##\n/*MOVE\nSP\nHALT */\nSP\n##",
                 {{"##", TC::HashWord},
                  {"/*MOVE", TC::Comment},
                  {"SP", TC::Comment},
                  {"HALT */", TC::Comment},
                  {"SP", TC::AssemblerRegister, 1},
                  {"##", TC::HashWord, 1}}},
        TextCase{"LoneSlashOpensNothing",
                 kAsm,
                 "##\n/MOVE\nSP\nHALT */\n##",
                 {{"##", TC::HashWord},
                  {"MOVE", TC::RegisterOrInstruction},
                  {"SP", TC::AssemblerRegister},
                  {"HALT", TC::RegisterOrInstruction},
                  {"##", TC::HashWord, 1}}},
        TextCase{
            "ListingHasCommentsAndHashWordsOnly",
            EditKind::AssemblerListing,
            "##\nMOVE 12 #a // x\n##",
            {{"##", TC::HashWord}, {"#a", TC::HashWord}, {"// x", TC::Comment}, {"##", TC::HashWord, 1}}}),
    test::CaseNamed());

TEST_F(ColouringTest, CommentStateIsHandedFromLineToLine) {
  const std::optional<ColourRegion> region = ColourRegion{0, 100};
  const LineColouring opener = assembler.ColourLine("SP /* a", 10, region, LineState::Normal);
  EXPECT_EQ(opener.spans, (std::vector<ColourSpan>{{0, 2, TC::AssemblerRegister}, {3, 4, TC::Comment}}));
  EXPECT_EQ(opener.endState, LineState::InBlockComment);
  const LineColouring inside = assembler.ColourLine("MOVE SP", 18, region, opener.endState);
  EXPECT_EQ(inside.spans, (std::vector<ColourSpan>{{0, 7, TC::Comment}}));
  EXPECT_EQ(inside.endState, LineState::InBlockComment);
  const LineColouring closer = assembler.ColourLine("b */ HALT", 26, region, inside.endState);
  EXPECT_EQ(closer.spans, (std::vector<ColourSpan>{{0, 4, TC::Comment}, {5, 4, TC::RegisterOrInstruction}}));
  EXPECT_EQ(closer.endState, LineState::Normal);
  const LineColouring slashes = assembler.ColourLine("// a /* b", 10, region, LineState::Normal);
  EXPECT_EQ(slashes.spans, (std::vector<ColourSpan>{{0, 9, TC::Comment}}));
  EXPECT_EQ(slashes.endState, LineState::Normal) << "an opener after two slashes opens nothing";
}

TEST_F(ColouringTest, StateEndsWhereTheRegionEnds) {
  const std::optional<ColourRegion> region = ColourRegion{0, 14};
  // The region ends inside this line: the open comment does not go on.
  const LineColouring lastLine = assembler.ColourLine("/* SP ## SP", 6, region, LineState::Normal);
  EXPECT_EQ(lastLine.spans, (std::vector<ColourSpan>{{0, 8, TC::Comment}}));
  EXPECT_EQ(lastLine.endState, LineState::Normal);
  // A line after the region is plain whatever state it is given.
  const LineColouring after = assembler.ColourLine("SP /* x", 20, region, LineState::InBlockComment);
  EXPECT_TRUE(after.spans.empty());
  EXPECT_EQ(after.endState, LineState::Normal);
  // The line holding the region's start cannot begin inside a comment.
  const LineColouring first = assembler.ColourLine("## SP", 0, region, LineState::InBlockComment);
  EXPECT_EQ(first.spans, (std::vector<ColourSpan>{{0, 2, TC::HashWord}, {3, 2, TC::AssemblerRegister}}));
  EXPECT_TRUE(assembler.ColourLine("SP", 0, std::nullopt, LineState::Normal).spans.empty());
}

TEST_F(ColouringTest, InstructionNamesFollowTheRom) {
  Mcrom changing;
  const SyntaxColourer colourer(changing, EditKind::AssemblerSource);
  EXPECT_EQ(colourer.ClassifyWord("PUSH"), TC::Plain);
  McromEntry entry;
  entry.SetName("PUSH");
  changing.SetEntry(0x41, entry);
  EXPECT_EQ(colourer.ClassifyWord("push"), TC::RegisterOrInstruction);
  entry.SetName("MULTIPLY_BY_TWO_REGISTER");
  changing.SetEntry(0x42, entry);
  EXPECT_EQ(colourer.ClassifyWord("multiply_by_two_register"), TC::RegisterOrInstruction)
      << "a long name, whole";
  EXPECT_EQ(colourer.ClassifyWord("MULTIPLY_BY_TWO_"), TC::Plain) << "its first 16 characters";
}

}  // namespace
}  // namespace tav2
