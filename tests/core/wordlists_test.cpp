#include <gtest/gtest.h>

#include "core/lang/keywordlists.h"
#include "core/lang/wordlist.h"

namespace tav2 {
namespace {

TEST(WordList, ComparesExactlyWithinTheBucket) {
  WordList list(4);
  list.Add("Mdr");
  list.Add("Mdr");
  EXPECT_TRUE(list.Contains("Mdr"));
  EXPECT_FALSE(list.Contains("MDR")) << "same bucket, different case";
  EXPECT_FALSE(list.Contains("Mdx"));
}

TEST(KeywordLists, CaseRulesOfTheSharedLists) {
  const KeywordLists& lists = KeywordLists::Shared();
  struct Case {
    const char* word;
    bool alu = false, reg = false, operand = false, programmer = false;
  };
  const Case cases[] = {
      {.word = "_ADD", .alu = true},
      {.word = "_add"},
      {.word = "_CLR", .alu = true},
      {.word = "mdr", .reg = true},
      {.word = "Op2", .reg = true, .operand = true},
      {.word = "sp", .reg = true, .programmer = true},
      {.word = "IR", .reg = true, .programmer = true},
      {.word = "ALU", .reg = true},
      {.word = "R3"},
      {.word = "R1xxxxxxx"},
      {.word = "T1", .reg = true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(lists.IsAluFunction(c.word), c.alu);
    EXPECT_EQ(lists.IsRegisterWord(c.word), c.reg);
    EXPECT_EQ(lists.IsOperandWord(c.word), c.operand);
    EXPECT_EQ(lists.IsProgrammerRegister(c.word), c.programmer);
  }
}

}  // namespace
}  // namespace tav2
