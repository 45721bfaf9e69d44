#include "core/sim/sourcelines.h"

#include <algorithm>

namespace tav2 {

SourceLines::SourceLines(std::string_view text) : length_(static_cast<int>(text.size())) {
  starts_.push_back(0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i + 1 < text.size()) starts_.push_back(static_cast<int>(i + 1));
  }
}

int SourceLines::LineAt(int position) const {
  if (starts_.empty() || position < 0 || position > length_) return 0;
  return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin());
}

std::optional<int> SourceLines::StartOf(int line) const {
  if (line < 1 || line > Count()) return std::nullopt;
  return starts_[static_cast<std::size_t>(line - 1)];
}

}  // namespace tav2
