#include <gtest/gtest.h>

#include <string>

#include "core/editor/textsearch.h"
#include "support/casename.h"
#include "support/caseprinter.h"
#include "support/editorprinters.h"

namespace tav2 {
namespace {

constexpr SearchOptions kDown{};
constexpr SearchOptions kUp{.down = false};

struct FindCase {
  const char* name;
  const char* text;
  const char* search;
  SearchOptions options;
  Selection from;
  std::optional<Selection> match;
};

void PrintTo(const FindCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("name", c.name)
      .Field("text", c.text)
      .Field("search", c.search)
      .Field("options", c.options)
      .Field("from", c.from)
      .Field("match", c.match);
}

class FindTable : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTable, FindsTheExpectedMatch) {
  const FindCase& c = GetParam();
  const FindResult result = TextSearch(c.search, c.options).Find(c.text, c.from);
  EXPECT_EQ(result.match, c.match);
  EXPECT_EQ(result.message, c.match ? "" : "No match found");
}

const FindCase kFindCases[] = {
    {"FirstCharacterFromTheStart", "abc abc", "abc", kDown, {0, 0}, Selection{0, 3}},
    {"MovesOnFromAFoundMatch", "abc abc", "abc", kDown, {0, 3}, Selection{4, 3}},
    {"NotAtTheCaretItself", "abc abc", "abc", kDown, {4, 0}, std::nullopt},
    {"DownFromTheCaret", "x abc", "abc", kDown, {1, 0}, Selection{2, 3}},
    {"IgnoresCaseByDefault", "LOAD", "load", kDown, {0, 0}, Selection{0, 4}},
    {"MatchCase", "LOAD Load", "Load", {.matchCase = true}, {0, 0}, Selection{5, 4}},
    {"WholeWord", "LOADER LOAD_X LOAD", "LOAD", {.wholeWord = true}, {0, 0}, Selection{14, 4}},
    {"PartOfAWord", "LOADER", "LOAD", kDown, {0, 0}, Selection{0, 4}},
    {"UpFindsTheNearestEarlierMatch", "LOAD a LOAD b LOAD", "LOAD", kUp, {18, 0}, Selection{14, 4}},
    {"UpMovesOnFromAFoundMatch", "LOAD a LOAD b LOAD", "LOAD", kUp, {14, 4}, Selection{7, 4}},
    {"UpFindsTheFirstCharacter", "LOAD a LOAD b LOAD", "LOAD", kUp, {7, 4}, Selection{0, 4}},
    {"UpFromTheStart", "LOAD a LOAD", "LOAD", kUp, {0, 4}, std::nullopt},
    {"UpMatchMayReachPastTheCaret", "xx LOAD", "LOAD", kUp, {5, 0}, Selection{3, 4}},
    {"UpWholeWord", "LOAD LOADER x", "LOAD", {.wholeWord = true, .down = false}, {13, 0}, Selection{0, 4}},
    {"NothingInTheText", "MOVE R1, 2", "HALT", kDown, {0, 0}, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Find, FindTable, ::testing::ValuesIn(kFindCases), test::CaseNamed());

TEST(TextSearch, EmptySearchTextDoesNothing) {
  const FindResult down = TextSearch("", kDown).Find("abc", {0, 0});
  EXPECT_FALSE(down.match);
  EXPECT_EQ(down.message, "");
  EXPECT_EQ(TextSearch("", kUp).Find("abc", {3, 0}).message, "");
  EXPECT_FALSE(TextSearch("", kDown).Replace("abc", {0, 0}, "x"));
  const ReplaceAllResult all = TextSearch("", kDown).ReplaceAll("abc", {0, 0}, "x");
  EXPECT_EQ(all.replaced, 0);
  EXPECT_FALSE(all.edit.change);
  EXPECT_EQ(all.message, "");
}

TEST(TextSearch, ReplaceDialogAlwaysSearchesDown) {
  const TextSearch search("LOAD", kUp);
  EXPECT_EQ(search.FindDown("LOAD a LOAD", {0, 4}).match, (Selection{7, 4}));
  EXPECT_EQ(search.FindDown("LOAD a LOAD", {7, 4}).message, "No match found");
}

TEST(TextSearch, ReplaceReplacesTheSelectedSearchText) {
  const std::optional<EditResult> edit = TextSearch("abc", kDown).Replace("x abc y", {2, 3}, "LONGER");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->AppliedTo("x abc y"), "x LONGER y");
  EXPECT_EQ(edit->selection, (Selection{8, 0}));
}

TEST(TextSearch, ReplaceNeedsTheSearchTextSelected) {
  EXPECT_FALSE(TextSearch("abc", kDown).Replace("x abc y", {2, 2}, "z"));
  EXPECT_FALSE(TextSearch("abc", kDown).Replace("x abc y", {0, 0}, "z"));
}

TEST(TextSearch, ReplaceHonoursMatchCase) {
  const std::string text = "x ABC y";
  const std::optional<EditResult> anyCase = TextSearch("abc", kDown).Replace(text, {2, 3}, "z");
  ASSERT_TRUE(anyCase) << "a match found without regard to case is replaced";
  EXPECT_EQ(anyCase->AppliedTo(text), "x z y");
  EXPECT_FALSE(TextSearch("abc", {.matchCase = true}).Replace(text, {2, 3}, "z"));
}

struct ReplaceAllCase {
  const char* name;
  const char* text;
  const char* search;
  const char* replacement;
  SearchOptions options;
  Selection from;
  const char* result;
  int replaced;
};

void PrintTo(const ReplaceAllCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("name", c.name)
      .Field("text", c.text)
      .Field("search", c.search)
      .Field("replacement", c.replacement)
      .Field("options", c.options)
      .Field("from", c.from)
      .Field("result", c.result)
      .Field("replaced", c.replaced);
}

class ReplaceAllTable : public ::testing::TestWithParam<ReplaceAllCase> {};

TEST_P(ReplaceAllTable, ReplacesEveryMatchAndEndsWithNoMatch) {
  const ReplaceAllCase& c = GetParam();
  const ReplaceAllResult all = TextSearch(c.search, c.options).ReplaceAll(c.text, c.from, c.replacement);
  EXPECT_EQ(all.edit.AppliedTo(c.text), c.result);
  EXPECT_EQ(all.replaced, c.replaced);
  EXPECT_EQ(all.message, "No match found");
}

const ReplaceAllCase kReplaceAllCases[] = {
    {"AdjacentMatches", "aaaa", "a", "b", kDown, {0, 0}, "bbbb", 4},
    {"ReplacementHoldsTheSearchText", "x.y.z", ".", "..", kDown, {0, 0}, "x..y..z", 2},
    {"EmptyReplacement", "a-b-c", "-", "", kDown, {0, 0}, "abc", 2},
    {"AnyCase", "Ab aB", "ab", "X", kDown, {0, 0}, "X X", 2},
    {"MatchCase", "Ab ab", "ab", "X", {.matchCase = true}, {0, 0}, "Ab X", 1},
    {"WholeWords", "a ab a", "a", "b", {.wholeWord = true}, {0, 0}, "b ab b", 2},
    {"FromTheSelectedMatchOn", "a a a", "a", "b", kDown, {2, 1}, "a b b", 2},
    {"FromTheCaretOn", "a a a", "a", "b", kDown, {1, 0}, "a b b", 2},
    {"NoMatch", "abc", "x", "y", kDown, {0, 0}, "abc", 0},
};

INSTANTIATE_TEST_SUITE_P(ReplaceAll, ReplaceAllTable, ::testing::ValuesIn(kReplaceAllCases),
                         test::CaseNamed());

TEST(TextSearch, ReplaceAllLeavesTheCaretAfterTheLastReplacement) {
  const ReplaceAllResult all = TextSearch("ab", kDown).ReplaceAll("ab x ab y", {0, 0}, "Z");
  EXPECT_EQ(all.edit.selection, (Selection{5, 0}));
  EXPECT_EQ(all.edit.change, (TextChange{0, 7, "Z x Z"}));
}

}  // namespace
}  // namespace tav2
