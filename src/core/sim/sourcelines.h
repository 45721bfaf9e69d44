#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace tav2 {

// The lines of a source text ("\n" ends a line), to turn the text
// positions of the line map into line numbers (1-based) and back.
class SourceLines {
 public:
  SourceLines() = default;
  explicit SourceLines(std::string_view text);

  int Count() const { return static_cast<int>(starts_.size()); }
  // The line a position lies on; 0 when the text has no such position.
  int LineAt(int position) const;
  // The position of a line's first character; none for a line the text
  // does not have.
  std::optional<int> StartOf(int line) const;

 private:
  std::vector<int> starts_;
  int length_ = 0;
};

}  // namespace tav2
