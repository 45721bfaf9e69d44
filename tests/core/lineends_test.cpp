#include "core/editor/lineends.h"

#include <gtest/gtest.h>

#include <string>

#include "support/caseprinter.h"

namespace tav2 {
namespace {

struct LineEndCase {
  std::string file;
  std::string text;
};

void PrintTo(const LineEndCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("file", c.file).Field("text", c.text);
}

class LineEndsFromFile : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndsFromFile, EveryLineEndBecomesOneNewlineAndTheLastIsDropped) {
  EXPECT_EQ(LineEnds::TextFromFile(GetParam().file), GetParam().text);
}

// clang-format off
const LineEndCase kLineEndCases[] = {
    {"a\r\nb\r\n", "a\nb"},
    {"a\nb\n", "a\nb"},
    {"a\rb\r", "a\nb"},
    {"a\r\n\r\nb", "a\n\nb"},
    {"a\n\r\nb\r", "a\n\nb"},
    {"a\r\n\r\n", "a\n"},
    {"\xFFy", "\xFFy"},
    {"", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(LineEnds, LineEndsFromFile, ::testing::ValuesIn(kLineEndCases));

TEST(LineEnds, EveryLineIsWrittenWithCrLf) {
  EXPECT_EQ(LineEnds::FileFromText("a\nb"), "a\r\nb\r\n");
  EXPECT_EQ(LineEnds::FileFromText("a\n"), "a\r\n\r\n");
  EXPECT_EQ(LineEnds::FileFromText(""), "");
}

TEST(LineEnds, WrittenTextReadsBackUnchanged) {
  for (const std::string text : {"one", "one\ntwo", "one\n\n", "\n", "x\ty\n z"}) {
    EXPECT_EQ(LineEnds::TextFromFile(LineEnds::FileFromText(text)), text) << text;
  }
}

TEST(LineEnds, InsertedTextKeepsItsLastLineEndAndLosesBytes255) {
  EXPECT_EQ(LineEnds::InsertedText("a\nb\n"), "a\nb\n");
  EXPECT_EQ(LineEnds::InsertedText("a\r\nb\rc"), "a\nb\nc");
  EXPECT_EQ(LineEnds::InsertedText("x\xFFy\xFF"), "xy");
}

TEST(LineEnds, SelectionIsWrittenWithCrLfAndNothingAdded) {
  EXPECT_EQ(LineEnds::WithCrLf("a\nb"), "a\r\nb");
  EXPECT_EQ(LineEnds::WithCrLf("a\n"), "a\r\n");
}

}  // namespace
}  // namespace tav2
