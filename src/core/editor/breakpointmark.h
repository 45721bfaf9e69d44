#pragma once
#include <optional>
#include <string_view>

#include "core/editor/textchange.h"

namespace tav2 {

// The breakpoint mark of an assembler source line, in the notation a
// student types: a single '#' as the line's first character. "##" ends the
// program and "#include" names a file; neither is a mark.
class BreakpointMark {
 public:
  static bool Carries(std::string_view line);
  // Lines that hold neither a statement nor a label (blank or comment
  // only), the end mark and include directives take no mark.
  static bool MayCarry(std::string_view line);
  // The change that sets or clears the mark of the line starting at
  // `lineStart`; none when the line may carry no mark.
  static std::optional<TextChange> Toggle(std::string_view line, int lineStart);
};

}  // namespace tav2
