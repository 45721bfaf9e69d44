#pragma once
#include <array>
#include <optional>

#include "core/shell/windowbounds.h"

namespace tav2 {

// How large the simulation windows and the editors' text are drawn: a
// percentage of the sizes they are designed with, in steps from 100 % (the
// actual size) to 300 %.
class ZoomLevel {
 public:
  static constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 250, 300};
  static constexpr int kActual = 100;

  ZoomLevel() = default;
  // The level of one of the steps; nullopt for any other percentage.
  static std::optional<ZoomLevel> FromPercent(int percent);

  int Percent() const { return percent_; }
  double Factor() const { return percent_ / 100.0; }

  // One step larger or smaller; false (and the level unchanged) at the end.
  bool StepIn();
  bool StepOut();

  // A length designed for 100 %, at this level (rounded to whole pixels,
  // halves away from zero).
  int Scaled(int pixels) const { return Rescaled(pixels, ZoomLevel()); }
  double Scaled(double size) const { return size * Factor(); }
  WindowBounds Scaled(const WindowBounds& bounds) const { return Rescaled(bounds, ZoomLevel()); }
  // A length taken at level `from`, at this level.
  int Rescaled(int pixels, const ZoomLevel& from) const;
  WindowBounds Rescaled(const WindowBounds& bounds, const ZoomLevel& from) const;
  // A length at this level, at 100 % (rounded down: what fits).
  int Unscaled(int pixels) const;

  bool operator==(const ZoomLevel&) const = default;

 private:
  explicit ZoomLevel(int percent) : percent_(percent) {}

  int percent_ = kActual;
};

}  // namespace tav2
