// The breakpoint mark a click in an assembler editor's gutter sets or clears.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/editor/breakpointmark.h"

namespace tav2 {
namespace {

struct MarkCase {
  const char* line;
  bool carries;
  std::optional<std::string> toggled;  // the line after Toggle; none: left alone
};

TEST(BreakpointMark, ToggleSetsAndClearsTheHashAtTheLineStart) {
  const MarkCase cases[] = {
      {.line = "        ADD R1, R2", .carries = false, .toggled = "#        ADD R1, R2"},
      {.line = "loop    INC R1", .carries = false, .toggled = "#loop    INC R1"},
      {.line = "#loop   INC R1", .carries = true, .toggled = "loop   INC R1"},
      {.line = "#  ADD R1, R2", .carries = true, .toggled = "  ADD R1, R2"},
      {.line = "#", .carries = true, .toggled = ""},
      {.line = "done", .carries = false, .toggled = "#done"},
      {.line = "", .carries = false, .toggled = std::nullopt},
      {.line = "   \t ", .carries = false, .toggled = std::nullopt},
      {.line = "   ; only a comment", .carries = false, .toggled = std::nullopt},
      {.line = "##", .carries = false, .toggled = std::nullopt},
      {.line = "#include \"print.inc\"", .carries = false, .toggled = std::nullopt},
      {.line = "#INCLUDE <chars.inc>", .carries = false, .toggled = std::nullopt},
      {.line = "  #include <chars.inc>", .carries = false, .toggled = std::nullopt},
  };
  for (const MarkCase& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(BreakpointMark::Carries(c.line), c.carries);
    const std::optional<TextChange> change = BreakpointMark::Toggle(c.line, 0);
    ASSERT_EQ(change.has_value(), c.toggled.has_value());
    if (change) {
      EXPECT_EQ(change->AppliedTo(c.line), *c.toggled);
    }
  }
}

TEST(BreakpointMark, TheChangeStandsAtTheLineStartInTheText) {
  const std::string text = "##\nbegin MOVE R1, 1\n      HALT\n##";
  const auto change = BreakpointMark::Toggle("      HALT", 20);
  ASSERT_TRUE(change);
  EXPECT_EQ(change->AppliedTo(text), "##\nbegin MOVE R1, 1\n#      HALT\n##");
}

}  // namespace
}  // namespace tav2
