#include "core/shell/zoomlevel.h"

#include <algorithm>
#include <cstdint>

namespace tav2 {

namespace {

// `value` * `numerator` / `denominator` rounded to the nearest, halves away
// from zero; computed wide, so that no product overflows.
int Ratio(int value, int numerator, int denominator) {
  const int64_t product = int64_t{value} * numerator;
  const int64_t half = denominator / 2;
  const int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(rounded);
}

}  // namespace

std::optional<ZoomLevel> ZoomLevel::FromPercent(int percent) {
  if (std::find(kSteps.begin(), kSteps.end(), percent) == kSteps.end()) return std::nullopt;
  return ZoomLevel(percent);
}

bool ZoomLevel::StepIn() {
  const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent_);
  if (next == kSteps.end()) return false;
  percent_ = *next;
  return true;
}

bool ZoomLevel::StepOut() {
  const auto here = std::lower_bound(kSteps.begin(), kSteps.end(), percent_);
  if (here == kSteps.begin()) return false;
  percent_ = *(here - 1);
  return true;
}

// Through the length at 100 %, rounded: a length scaled from 100 % comes
// back to it exactly, so that stepping in and out does not creep.
int ZoomLevel::Rescaled(int pixels, const ZoomLevel& from) const {
  return Ratio(Ratio(pixels, kActual, from.percent_), percent_, kActual);
}

WindowBounds ZoomLevel::Rescaled(const WindowBounds& bounds, const ZoomLevel& from) const {
  return {Rescaled(bounds.left, from), Rescaled(bounds.top, from), Rescaled(bounds.width, from),
          Rescaled(bounds.height, from)};
}

int ZoomLevel::Unscaled(int pixels) const { return static_cast<int>(int64_t{pixels} * kActual / percent_); }

}  // namespace tav2
