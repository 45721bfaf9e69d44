#include "core/editor/colourregion.h"

namespace tav2 {

namespace {
constexpr int kMarkerLength = 2;
// The characters the two markers must enclose.
constexpr int kMinimumSpan = 3;
}  // namespace

std::optional<ColourRegion> ColourRegion::Find(std::string_view text) {
  const std::size_t first = text.find("##");
  if (first == std::string_view::npos) return std::nullopt;
  return Between(static_cast<int>(first), static_cast<int>(text.rfind("##")));
}

std::optional<ColourRegion> ColourRegion::Between(int firstMarker, int lastMarker) {
  if (lastMarker < firstMarker + kMarkerLength + kMinimumSpan) return std::nullopt;
  return ColourRegion{firstMarker, lastMarker + kMarkerLength};
}

}  // namespace tav2
