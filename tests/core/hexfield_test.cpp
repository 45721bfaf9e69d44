#include "core/util/hexfield.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/caseprinter.h"

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

void PrintTo(const HexCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("text", c.text).Hex("word", c.word);
}

class HexFieldRead : public testing::TestWithParam<HexCase> {};

TEST_P(HexFieldRead, TakesTheLow16BitsOfTheLeadingHexNumber) {
  EXPECT_EQ(HexField::Read(GetParam().text), GetParam().word);
}

// clang-format off
const HexCase kHexCases[] = {
    {"1000", 0x1000},
    {"  7FFF", 0x7FFF},
    {"12345", 0x2345},
    {"ffff", 0xFFFF},
    {"0x100", 0x100},
    {" 0X1f", 0x1F},
    {"\t20", 0x20},
    {"12zz", 0x12},
    {"0x", 0},
    {"xyz", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-1", std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(HexField, HexFieldRead, ::testing::ValuesIn(kHexCases));

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
