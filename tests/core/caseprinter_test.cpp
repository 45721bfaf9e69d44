#include "support/caseprinter.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/casename.h"

namespace tav2::test {
namespace {

enum class Colour { Red = 2 };

TEST(CasePrinter, ShowsEachFieldByName) {
  std::ostringstream out;
  const char* missing = nullptr;
  CasePrinter(&out)
      .Field("text", "a\r\n\"b\"")
      .Field("missing", missing)
      .Field("flag", true)
      .Field("count", 7)
      .Field("colour", Colour::Red)
      .Field("lines", std::vector<std::string>{"x", "y"});
  EXPECT_EQ(
      out.str(),
      R"({text: "a\r\n\"b\"", missing: nullptr, flag: true, count: 7, colour: 2, lines: { "x", "y" }})");
}

TEST(CasePrinter, ShowsWordsInHexadecimal) {
  std::ostringstream out;
  CasePrinter(&out)
      .Hex("word", uint16_t{0x1F})
      .Hex("words", std::vector<uint16_t>{0x0100, 0xFFFF})
      .Hex("some", std::optional<uint16_t>{0xAB})
      .Hex("none", std::optional<uint16_t>{});
  EXPECT_EQ(out.str(), "{word: 0x001F, words: {0x0100, 0xFFFF}, some: 0x00AB, none: nullopt}");
}

TEST(CaseName, KeepsLettersAndDigitsOnly) {
  EXPECT_EQ(TestNameFrom("inc wraps: carry 2"), "inc_wraps__carry_2");
  EXPECT_EQ(TestNameFrom("ReadyMade_Name"), "ReadyMade_Name");
}

}  // namespace
}  // namespace tav2::test
