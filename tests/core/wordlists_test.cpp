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
    bool alu, reg, operand, programmer;
  };
  const Case cases[] = {
      {"_ADD", true, false, false, false}, {"_add", false, false, false, false},
      {"_CLR", true, false, false, false}, {"mdr", false, true, false, false},
      {"Op2", false, true, true, false},   {"sp", false, true, false, true},
      {"IR", false, true, false, true},    {"ALU", false, true, false, false},
      {"R3", false, false, false, false},  {"R1xxxxxxx", false, false, false, false},
      {"T1", false, true, false, false},
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
