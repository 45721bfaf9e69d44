#include "editor/colourregion.h"

namespace tav2 {

namespace {
// Two marker characters and the three characters they must enclose.
constexpr std::size_t kMinimumSpan = 3;
}  // namespace

std::optional<ColourRegion> ColourRegion::Find(std::string_view text) {
  const std::size_t first = text.find("##");
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t last = text.rfind("##");
  // `last` is the first "#" of the last marker; the region ends after it.
  if (last < first + 2 + kMinimumSpan) return std::nullopt;
  return ColourRegion{static_cast<int>(first), static_cast<int>(last + 2)};
}

}  // namespace tav2
