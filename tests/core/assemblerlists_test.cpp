#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/labellijst.h"
#include "lang/resultlijst.h"

namespace tav2 {
namespace {

TEST(Labellijst, FindsNamesWithoutRegardToCaseOnTheirWholeText) {
  Labellijst labels;
  labels.Append("Loop", 3);
  labels.Append("averyveryverylonglabel1", 4);
  labels.Append("averyveryverylonglabel2", Labellijst::kUndefined);

  ASSERT_NE(labels.Find("LOOP"), nullptr);
  EXPECT_EQ(labels.Find("loop")->value, 3);
  EXPECT_EQ(labels.Find("AVERYVERYVERYLONGLABEL1")->value, 4);
  EXPECT_EQ(labels.Find("averyveryverylonglabel2")->value, Labellijst::kUndefined);
  EXPECT_EQ(labels.Find("averyveryverylonglabel"), nullptr);
  EXPECT_EQ(labels.Find("Loop2"), nullptr);

  labels.Find("averyveryverylonglabel2")->value = 9;
  EXPECT_EQ(labels.Find("AveryveryverylongLabel2")->value, 9);
}

TEST(Labellijst, KeepsTheOrderOfFirstAppearanceAndEmpties) {
  Labellijst labels;
  for (const char* name : {"c", "a", "b"}) labels.Append(name, 0);
  std::vector<std::string> names;
  for (const auto& item : labels.Items()) names.push_back(item.name);
  EXPECT_EQ(names, (std::vector<std::string>{"c", "a", "b"}));

  labels.Clear();
  EXPECT_TRUE(labels.Items().empty());
  EXPECT_EQ(labels.Find("a"), nullptr);
}

TEST(Resultlijst, AnAddressHoldsOneWord) {
  Resultlijst results;
  EXPECT_TRUE(results.Empty());
  EXPECT_TRUE(results.Add(0xFFFF, 1));
  EXPECT_TRUE(results.Add(0x0000, 2));
  EXPECT_FALSE(results.Add(0xFFFF, 3));
  ASSERT_EQ(results.Tuplets().size(), 2u);
  EXPECT_EQ(results.Tuplets()[0].value, 1);

  results.Clear();
  EXPECT_TRUE(results.Empty());
  EXPECT_TRUE(results.Add(0xFFFF, 4)) << "a new build starts with every address free";
}

}  // namespace
}  // namespace tav2
