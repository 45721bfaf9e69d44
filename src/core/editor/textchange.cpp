#include "core/editor/textchange.h"

#include <algorithm>

namespace tav2 {

std::optional<TextChange> TextChange::Between(std::string_view from, std::string_view to) {
  if (from == to) return std::nullopt;
  const std::size_t firstDifference = static_cast<std::size_t>(
      std::mismatch(from.begin(), from.end(), to.begin(), to.end()).first - from.begin());
  const std::size_t start = firstDifference > 0 ? firstDifference - 1 : 0;
  // Ends (exclusive) of the differing middles, moved back over the common tail.
  std::size_t fromEnd = from.size();
  std::size_t toEnd = to.size();
  while (fromEnd > start + 1 && toEnd > start + 1 && from[fromEnd - 1] == to[toEnd - 1]) {
    --fromEnd;
    --toEnd;
  }
  return TextChange{static_cast<int>(start), static_cast<int>(fromEnd - start),
                    std::string(to.substr(start, toEnd - start))};
}

std::string TextChange::AppliedTo(std::string_view text) const {
  std::string result(text);
  result.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(removed), inserted);
  return result;
}

}  // namespace tav2
