#include "core/shell/zoomlevel.h"

#include <gtest/gtest.h>

#include <vector>

namespace tav2 {
namespace {

std::vector<int> StepsIn(ZoomLevel zoom) {
  std::vector<int> percents{zoom.Percent()};
  while (zoom.StepIn()) percents.push_back(zoom.Percent());
  return percents;
}

std::vector<int> StepsOut(ZoomLevel zoom) {
  std::vector<int> percents{zoom.Percent()};
  while (zoom.StepOut()) percents.push_back(zoom.Percent());
  return percents;
}

TEST(ZoomLevel, StepsFromActualSizeToThreeTimesAndBack) {
  const ZoomLevel actual;
  EXPECT_EQ(actual.Percent(), 100);
  EXPECT_EQ(StepsIn(actual), (std::vector<int>{100, 125, 150, 175, 200, 250, 300}));
  EXPECT_EQ(StepsOut(*ZoomLevel::FromPercent(300)), (std::vector<int>{300, 250, 200, 175, 150, 125, 100}));
  ZoomLevel top = *ZoomLevel::FromPercent(300);
  EXPECT_FALSE(top.StepIn());
  EXPECT_EQ(top.Percent(), 300) << "the largest step stays";
  ZoomLevel bottom;
  EXPECT_FALSE(bottom.StepOut());
  EXPECT_EQ(bottom.Percent(), 100) << "the actual size stays";
}

TEST(ZoomLevel, OnlyTheStepsAreLevels) {
  for (int percent : ZoomLevel::kSteps) {
    ASSERT_TRUE(ZoomLevel::FromPercent(percent).has_value()) << percent;
    EXPECT_EQ(ZoomLevel::FromPercent(percent)->Percent(), percent);
  }
  for (int percent : {0, -100, 99, 101, 120, 301, 1000, 2147483647}) {
    EXPECT_EQ(ZoomLevel::FromPercent(percent), std::nullopt) << percent;
  }
}

struct ScaleCase {
  int percent;
  int pixels;
  int scaled;
};

class ZoomScaling : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ZoomScaling, RoundsToTheNearestPixel) {
  const ZoomLevel zoom = *ZoomLevel::FromPercent(GetParam().percent);
  EXPECT_EQ(zoom.Scaled(GetParam().pixels), GetParam().scaled);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ZoomScaling,
                         ::testing::Values(ScaleCase{.percent = 100, .pixels = 357, .scaled = 357},
                                           ScaleCase{.percent = 200, .pixels = 357, .scaled = 714},
                                           ScaleCase{.percent = 125, .pixels = 2, .scaled = 3},
                                           ScaleCase{.percent = 125, .pixels = 3, .scaled = 4},
                                           ScaleCase{.percent = 175, .pixels = 11, .scaled = 19},
                                           ScaleCase{.percent = 150, .pixels = -3, .scaled = -5}));

TEST(ZoomLevel, BoundsGoFromOneLevelToAnother) {
  const ZoomLevel actual;
  const ZoomLevel double_ = *ZoomLevel::FromPercent(200);
  const ZoomLevel oneAndAHalf = *ZoomLevel::FromPercent(150);
  const WindowBounds bounds{360, 0, 350, 410};
  EXPECT_EQ(double_.Scaled(bounds), (WindowBounds{720, 0, 700, 820}));
  EXPECT_EQ(oneAndAHalf.Rescaled(double_.Scaled(bounds), double_), (WindowBounds{540, 0, 525, 615}));
  EXPECT_EQ(actual.Rescaled(double_.Scaled(bounds), double_), bounds);
  EXPECT_EQ(double_.Unscaled(1600), 800);
  EXPECT_EQ(oneAndAHalf.Unscaled(1349), 899) << "rounded down: what fits";
}

// Steps `zoom` to the end one way, taking `shown` along level by level;
// at each level `shown` must be `bounds` scaled directly.
void StepThrough(ZoomLevel& zoom, WindowBounds& shown, const WindowBounds& bounds,
                 bool (ZoomLevel::*step)()) {
  for (ZoomLevel next = zoom; (next.*step)(); zoom = next) {
    shown = next.Rescaled(shown, zoom);
    EXPECT_EQ(shown, next.Scaled(bounds)) << next.Percent();
  }
}

// Stepping from level to level goes through the 100 % length, so that a
// window zoomed in and out step by step comes back to its place.
TEST(ZoomLevel, SteppingInAndOutDoesNotCreep) {
  const WindowBounds bounds{357, 0, 350, 411};
  ZoomLevel zoom;
  WindowBounds shown = bounds;
  StepThrough(zoom, shown, bounds, &ZoomLevel::StepIn);
  EXPECT_EQ(zoom.Percent(), 300);
  StepThrough(zoom, shown, bounds, &ZoomLevel::StepOut);
  EXPECT_EQ(zoom.Percent(), 100);
  EXPECT_EQ(shown, bounds);
}

}  // namespace
}  // namespace tav2
