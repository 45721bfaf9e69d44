#include <gtest/gtest.h>

#include <string>

#include "core/grading/shown.h"

namespace tav2 {
namespace {

struct ShownCase {
  std::string bytes;
  std::string text;
  std::string line;
  std::string quoted;
};

TEST(Shown, EscapesWhatCannotStand) {
  const ShownCase cases[] = {
      {"plain <&> ]]>", "plain <&> ]]>", "plain <&> ]]>", "\"plain <&> ]]>\""},
      {"a\tb\nc", "a\tb\nc", "a\tb\\x0Ac", "\"a\\tb\\nc\""},
      {"\r\x1B[31m", "\\x0D\\x1B[31m", "\\x0D\\x1B[31m", "\"\\r\\x1B[31m\""},
      {std::string("\0\x7F", 2), "\\x00\\x7F", "\\x00\\x7F", "\"\\x00\\x7F\""},
      {"say \"hi\" \\", "say \"hi\" \\", "say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""},
      // Valid UTF-8 stays; C1 controls, stray and overlong bytes, surrogates
      // and noncharacters do not.
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
       "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"\xC2\x9B", "\\xC2\\x9B", "\\xC2\\x9B", "\"\\xC2\\x9B\""},
      {"\xE9t\xC3", "\\xE9t\\xC3", "\\xE9t\\xC3", "\"\\xE9t\\xC3\""},
      {"\xC0\xAF\xE0\x80\xAF", "\\xC0\\xAF\\xE0\\x80\\xAF", "\\xC0\\xAF\\xE0\\x80\\xAF",
       "\"\\xC0\\xAF\\xE0\\x80\\xAF\""},
      {"\xED\xA0\x80\xEF\xBF\xBE\xF4\x90\x80\x80", "\\xED\\xA0\\x80\\xEF\\xBF\\xBE\\xF4\\x90\\x80\\x80",
       "\\xED\\xA0\\x80\\xEF\\xBF\\xBE\\xF4\\x90\\x80\\x80",
       "\"\\xED\\xA0\\x80\\xEF\\xBF\\xBE\\xF4\\x90\\x80\\x80\""},
  };
  for (const ShownCase& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Shown::Text(c.bytes), c.text);
    EXPECT_EQ(Shown::Line(c.bytes), c.line);
    EXPECT_EQ(Shown::Quoted(c.bytes, 1000), c.quoted);
  }
}

TEST(Shown, QuotedTextIsCutWholeCharactersAtATime) {
  EXPECT_EQ(Shown::Quoted("abcdef", 3), "\"abc\"...");
  EXPECT_EQ(Shown::Quoted("abc", 3), "\"abc\"");
  EXPECT_EQ(Shown::Quoted("ab\xC3\xA9z", 3), "\"ab\xC3\xA9\"...");
}

TEST(Shown, PointsWithoutNeedlessFraction) {
  EXPECT_EQ(Shown::Points(0), "0");
  EXPECT_EQ(Shown::Points(12), "12");
  EXPECT_EQ(Shown::Points(2.5), "2.5");
}

}  // namespace
}  // namespace tav2
