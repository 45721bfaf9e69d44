#include "core/shell/hexfield.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tav2 {
namespace {

TEST(HexField, ShowsTwoBlanksAndFourUpperCaseDigits) {
  EXPECT_EQ(HexField::Text(0), "  0000");
  EXPECT_EQ(HexField::Text(0x7FFF), "  7FFF");
  EXPECT_EQ(HexField::Text(0xabc), "  0ABC");
}

struct HexCase {
  std::string text;
  std::optional<uint16_t> word;
};

class HexFieldRead : public testing::TestWithParam<HexCase> {};

TEST_P(HexFieldRead, TakesTheLow16BitsOfTheLeadingHexNumber) {
  EXPECT_EQ(HexField::Read(GetParam().text), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(HexField, HexFieldRead,
                         testing::Values(HexCase{"1000", 0x1000}, HexCase{"  7FFF", 0x7FFF},
                                         HexCase{"12345", 0x2345}, HexCase{"ffff", 0xFFFF},
                                         HexCase{"0x100", 0x100}, HexCase{" 0X1f", 0x1F},
                                         HexCase{"\t20", 0x20}, HexCase{"12zz", 0x12}, HexCase{"0x", 0},
                                         HexCase{"xyz", std::nullopt}, HexCase{"", std::nullopt},
                                         HexCase{"   ", std::nullopt}, HexCase{"-1", std::nullopt}));

class HexFieldReadWord : public testing::TestWithParam<HexCase> {};

TEST_P(HexFieldReadWord, TakesOneToFourDigitsAndNothingElse) {
  EXPECT_EQ(HexField::ReadWord(GetParam().text), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(HexField, HexFieldReadWord,
                         testing::Values(HexCase{"1000", 0x1000}, HexCase{" 7fff ", 0x7FFF},
                                         HexCase{"0x1F", 0x1F}, HexCase{"\t0\t", 0}, HexCase{"FFFF", 0xFFFF},
                                         HexCase{"12345", std::nullopt}, HexCase{"12zz", std::nullopt},
                                         HexCase{"0x", std::nullopt}, HexCase{"1 2", std::nullopt},
                                         HexCase{"", std::nullopt}, HexCase{"  ", std::nullopt},
                                         HexCase{"-1", std::nullopt}, HexCase{"0x12345", std::nullopt}));

}  // namespace
}  // namespace tav2
