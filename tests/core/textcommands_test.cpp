#include <gtest/gtest.h>

#include <string>

#include "core/editor/editkind.h"
#include "core/editor/tabs.h"
#include "core/editor/textcommands.h"
#include "support/casename.h"
#include "support/caseprinter.h"
#include "support/editorprinters.h"

namespace tav2 {
namespace {

struct EditCase {
  const char* name;
  const char* text;
  Selection before;
  const char* result;  // nullptr: the command does nothing
  Selection after;
};

void PrintTo(const EditCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("name", c.name)
      .Field("text", c.text)
      .Field("before", c.before)
      .Field("result", c.result)
      .Field("after", c.after);
}

// Checks a command's result against a case: the text it gives and the
// selection it leaves.
void ExpectEdit(const EditCase& c, const std::optional<EditResult>& edit) {
  if (!c.result) {
    EXPECT_FALSE(edit);
    return;
  }
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->AppliedTo(c.text), c.result);
  EXPECT_EQ(edit->selection, c.after);
  if (std::string(c.text) == c.result) {
    EXPECT_FALSE(edit->change) << "an unchanged text needs no change";
  }
}

class RevertCaseTable : public ::testing::TestWithParam<EditCase> {};
TEST_P(RevertCaseTable, FlipsLetters) {
  ExpectEdit(GetParam(), RevertCase(GetParam().text, GetParam().before));
}
const EditCase kRevertCaseCases[] = {
    {"LetterAfterTheCaret", "abc", {0, 0}, "Abc", {1, 0}},
    {"UpperToLower", "aBc", {1, 0}, "abc", {2, 0}},
    {"DigitOnlyMovesTheCaret", "a1c", {1, 0}, "a1c", {2, 0}},
    {"LineBreakIsPassedAsOne", "a\nb", {1, 0}, "a\nb", {2, 0}},
    {"AtTheEndNothing", "abc", {3, 0}, nullptr, {}},
    {"SelectionStaysSelected", "Hello World 1", {0, 13}, "hELLO wORLD 1", {0, 13}},
};

INSTANTIATE_TEST_SUITE_P(RevertCase, RevertCaseTable, ::testing::ValuesIn(kRevertCaseCases),
                         test::CaseNamed());

class IndentTable : public ::testing::TestWithParam<EditCase> {};
TEST_P(IndentTable, IndentsByOneSpace) {
  ExpectEdit(GetParam(), IndentSelection(GetParam().text, GetParam().before));
}
const EditCase kIndentCases[] = {
    {"ThreeWholeLines", "l1\nl2\nl3\nl4", {0, 9}, " l1\n l2\n l3\nl4", {0, 12}},
    {"LineWithTwoSelectedCharacters", "ab\ncd", {0, 5}, " ab\n cd", {0, 7}},
    {"LineWithOneSelectedCharacter", "ab\ncd", {0, 4}, " ab\ncd", {0, 5}},
    {"FromTheMiddleOfALine", "ab\ncd\n", {1, 5}, "a b\n cd\n", {1, 7}},
    {"NoSelection", "ab", {1, 0}, nullptr, {}},
};

INSTANTIATE_TEST_SUITE_P(IndentSelection, IndentTable, ::testing::ValuesIn(kIndentCases), test::CaseNamed());

class UnindentTable : public ::testing::TestWithParam<EditCase> {};
TEST_P(UnindentTable, RemovesOneSpacePerLine) {
  ExpectEdit(GetParam(), UnindentSelection(GetParam().text, GetParam().before));
}
const EditCase kUnindentCases[] = {
    {"ThreeWholeLines", " l1\n l2\n l3\nl4", {0, 12}, "l1\nl2\nl3\nl4", {0, 9}},
    {"OnlyOneSpacePerLine", "  a\n  b", {0, 7}, " a\n b", {0, 5}},
    {"TabsStay", "\ta\n\tb", {0, 5}, "\ta\n\tb", {0, 5}},
    {"SpaceWithNothingAfterIt", "a\n ", {0, 3}, "a\n ", {0, 3}},
    {"SelectionFromALineEnd", "a\n b", {1, 3}, "a\nb", {1, 2}},
    {"NoSelection", " ab", {0, 0}, nullptr, {}},
};

INSTANTIATE_TEST_SUITE_P(UnindentSelection, UnindentTable, ::testing::ValuesIn(kUnindentCases),
                         test::CaseNamed());

TEST(IndentSelection, UnindentUndoesIndent) {
  const std::string text = "MOVE R1, 2\n  ADD R1, R2\nHALT\n";
  const Selection all{0, static_cast<int>(text.size())};
  const std::optional<EditResult> indented = IndentSelection(text, all);
  ASSERT_TRUE(indented);
  const std::string once = indented->AppliedTo(text);
  const std::optional<EditResult> unindented = UnindentSelection(once, indented->selection);
  ASSERT_TRUE(unindented);
  EXPECT_EQ(unindented->AppliedTo(once), text);
}

class AutoIndentTable : public ::testing::TestWithParam<EditCase> {};
TEST_P(AutoIndentTable, CopiesTheIndentOfTheLineJustEnded) {
  ExpectEdit(GetParam(), AutoIndent(GetParam().text, GetParam().before.start));
}
const EditCase kAutoIndentCases[] = {
    {"TabAndTwoSpaces", "\t  x\n", {5, 0}, "\t  x\n\t  ", {8, 0}},
    {"LineSplitInTheMiddle", "x\n  ab\ncd", {7, 0}, "x\n  ab\n  cd", {9, 0}},
    {"EmptyLineGivesNothing", "  a\n\n", {5, 0}, nullptr, {}},
    {"UnindentedLineGivesNothing", "ab\n", {3, 0}, nullptr, {}},
    {"FirstLineBreakOfTheText", "\n", {1, 0}, nullptr, {}},
    {"CaretAtTheStart", "  a", {0, 0}, nullptr, {}},
};

INSTANTIATE_TEST_SUITE_P(AutoIndent, AutoIndentTable, ::testing::ValuesIn(kAutoIndentCases),
                         test::CaseNamed());

TEST(AutoIndent, CopiesAtMost255Characters) {
  const std::string text = std::string(300, ' ') + "x\n";
  const std::optional<EditResult> edit = AutoIndent(text, static_cast<int>(text.size()));
  ASSERT_TRUE(edit);
  ASSERT_TRUE(edit->change);
  EXPECT_EQ(edit->change->inserted, std::string(255, ' '));
}

TEST(MatchBracket, MovesToThePartner) {
  struct Case {
    const char* text;
    int caret;
    int result;
  };
  // clang-format off
  const Case cases[] = {
      {"f(a(b)c)", 1, 7},
      {"f(a(b)c)", 7, 1},
      {"f(a(b)c)", 3, 5},
      {"x[a(]b]", 1, 4},
      {"x[a[]b]", 1, 6},
      {"(a]b)", 0, 4},
      {"{a}", 0, 2},
      {"{a}", 2, 0},
      {"f(a)", 4, 1},
      {"(ab", 0, 0},
      {"ab)", 2, 2},
      {"abc", 0, 1},
      {"abc", 2, 3},
      {"abc", 3, 3},
      {"", 0, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " at " << c.caret);
    EXPECT_EQ(MatchBracket(c.text, c.caret), c.result);
  }
}

TEST(WordAtCursor, WordOrSelection) {
  struct Case {
    const char* text;
    Selection selection;
    const char* word;
  };
  const Case cases[] = {
      {"x LOAD\nnext", {6, 0}, "LOAD"},
      {"a  b", {2, 0}, ""},
      {"#include x", {3, 0}, "#include"},
      {"MOVE R1", {0, 0}, "MOVE"},
      {" MOVE", {0, 0}, ""},
      {"ab\ncd", {3, 0}, "cd"},
      {"ab\n\ncd", {3, 0}, ""},
      {"R_1, x", {3, 0}, "R_1"},
      {"R_1, x", {4, 0}, ""},
      {"", {0, 0}, ""},
      {"one two", {0, 7}, "one two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WordAtCursor(c.text, c.selection), c.word);
  }
  const std::string sixty(60, 'x');
  EXPECT_EQ(WordAtCursor(sixty, {0, 60}), std::string(50, 'x'));
  const std::string longWord(120, 'w');
  EXPECT_EQ(WordAtCursor(longWord, {5, 0}), std::string(99, 'w'));
}

class TypedTabTable : public ::testing::TestWithParam<EditCase> {};
TEST_P(TypedTabTable, BecomesSpacesToTheNextStop) {
  ExpectEdit(GetParam(), TranslateTypedTab(GetParam().text, GetParam().before.start, 8));
}
const EditCase kTypedTabCases[] = {
    {"AtColumnZero", "\t", {1, 0}, "        ", {8, 0}},
    {"AtColumnThree", "abc\tz", {4, 0}, "abc     z", {8, 0}},
    {"AtColumnSeven", "abcdefg\t", {8, 0}, "abcdefg ", {8, 0}},
    {"ColumnCountsFromTheLineStart", "abcdefgh\nab\t", {12, 0}, "abcdefgh\nab      ", {17, 0}},
    {"NoTabBeforeTheCaret", "ab", {2, 0}, nullptr, {}},
    {"CaretAtTheStart", "\t", {0, 0}, nullptr, {}},
};

INSTANTIATE_TEST_SUITE_P(TranslateTypedTab, TypedTabTable, ::testing::ValuesIn(kTypedTabCases),
                         test::CaseNamed());

TEST(TranslateTypedTab, UsesTheTabWidth) {
  const std::optional<EditResult> edit = TranslateTypedTab("abcde\t", 6, 4);
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->AppliedTo("abcde\t"), "abcde   ");
  EXPECT_EQ(edit->selection.start, 8);
}

TEST(ConvertTabs, EveryTabOfTheText) {
  struct Case {
    const char* text;
    int caret;
    int tabNumber;
    const char* result;
    int newCaret;
  };
  const Case cases[] = {
      {"a\tb\n\tc", 3, 4, "a   b\n    c", 5},
      {"\t\tx", 3, 4, "        x", 9},
      {"\t\tx", 1, 4, "        x", 4},
      {"abcdefghi\tx", 0, 8, "abcdefghi       x", 0},
      {"x\t", 1, 1, "x ", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<EditResult> edit = ConvertTabs(c.text, c.caret, c.tabNumber);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->AppliedTo(c.text), c.result);
    EXPECT_EQ(edit->selection, (Selection{c.newCaret, 0}));
  }
  EXPECT_FALSE(ConvertTabs("no tabs\n", 0, 8));
}

TEST(Tabs, TabNumberIsKeptInRange) {
  // clang-format off
  const std::pair<int, int> cases[] = {
      {8, 8},
      {1, 1},
      {48, 48},
      {0, 1},
      {-5, 1},
      {49, 48},
      {1000, 48},
  };
  // clang-format on
  for (const auto& [given, usable] : cases) EXPECT_EQ(UsableTabNumber(given), usable) << given;
  const std::optional<EditResult> edit = ConvertTabs("\tx", 0, 0);
  ASSERT_TRUE(edit) << "a tab width of 0 does not divide by zero";
  EXPECT_EQ(edit->AppliedTo("\tx"), " x");
}

TEST(EditKind, ComesFromTheExtension) {
  const std::pair<const char*, EditKind> cases[] = {
      {"prog.asm", EditKind::AssemblerSource},
      {"/work/PROG.ASM", EditKind::AssemblerSource},
      {"microdefs.mca", EditKind::MicrocodeSource},
      {"assembler output.~zj", EditKind::AssemblerListing},
      {"notes.txt", EditKind::TextFile},
      {"noext", EditKind::TextFile},
      {"dir.asm/readme", EditKind::TextFile},
      {"prog.bak.asm", EditKind::AssemblerSource},
      {"prog.asm.bak", EditKind::TextFile},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(EditKindFromFileName(path), kind) << path;
}

}  // namespace
}  // namespace tav2
