#pragma once
#include <optional>
#include <string_view>

namespace tav2 {

// The coloured stretch of a source: from the first "#" of the first "##" up
// to (not including) the character after the last "##". The markers must
// enclose at least three characters.
struct ColourRegion {
  int start = 0;
  int end = 0;

  static std::optional<ColourRegion> Find(std::string_view text);
  // The region from the positions of the first "#" of the first and of the
  // last marker; none when they enclose too little.
  static std::optional<ColourRegion> Between(int firstMarker, int lastMarker);

  bool operator==(const ColourRegion&) const = default;
};

}  // namespace tav2
