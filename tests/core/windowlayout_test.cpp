#include "core/shell/windowlayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "support/caseprinter.h"

namespace tav2 {

void PrintTo(const WindowBounds& b, std::ostream* out) {
  *out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace {

using Views = std::array<std::optional<MemoryViewSettings>, LayoutDefaults::kMemoryViews>;

struct CascadeCase {
  std::vector<WindowBounds> editors;
  int offset;
};

void PrintTo(const CascadeCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("editors", c.editors).Field("offset", c.offset);
}

class CascadePosition : public ::testing::TestWithParam<CascadeCase> {};

TEST_P(CascadePosition, PlacesTheNextEditorPastTheOthers) {
  WindowLayout layout;
  layout.defaults.editor = {5, 7, 300, 200};
  layout.CascadePosition(GetParam().editors);
  const int offset = GetParam().offset;
  EXPECT_EQ(layout.defaults.editor, (WindowBounds{offset, offset, 300, 200}));
}

std::vector<WindowBounds> Diagonal(int count) {
  std::vector<WindowBounds> editors;
  for (int i = 0; i < count; ++i) editors.push_back({20 * i, 20 * i, 100, 100});
  return editors;
}

const CascadeCase kCascadeCases[] = {
    {{}, 0},
    {Diagonal(1), 20},
    {Diagonal(2), 40},
    {Diagonal(3), 60},
    // Top alone or Left alone within 19 pixels pushes on.
    {{{300, 19, 1, 1}}, 20},
    {{{-19, 300, 1, 1}}, 20},
    {{{20, 300, 1, 1}}, 0},
    {{{300, -20, 1, 1}}, 0},
    // Slot order counts: a far editor first does not push.
    {{{40, 40, 1, 1}, {0, 0, 1, 1}}, 20},
    {Diagonal(10), 200},
    {Diagonal(11), 10},
};

INSTANTIATE_TEST_SUITE_P(Offsets, CascadePosition, ::testing::ValuesIn(kCascadeCases));

struct DistributeCase {
  int mainWidth;
  SizeMode defaultMode;
  int e, d, c, b, a;
  SizeMode resultMode;
};

void PrintTo(const DistributeCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("mainWidth", c.mainWidth)
      .Field("defaultMode", c.defaultMode)
      .Field("e", c.e)
      .Field("d", c.d)
      .Field("c", c.c)
      .Field("b", c.b)
      .Field("a", c.a)
      .Field("resultMode", c.resultMode);
}

class DistributeWithoutWindows : public ::testing::TestWithParam<DistributeCase> {};

TEST_P(DistributeWithoutWindows, SetsEveryDefault) {
  const auto& p = GetParam();
  WindowLayout layout;
  layout.defaults.processor.sizeMode = p.defaultMode;
  const LayoutPlan plan = layout.Distribute(p.mainWidth, {});
  EXPECT_EQ(layout.defaults.editor, (WindowBounds{0, 0, p.e, p.b}));
  EXPECT_EQ(layout.defaults.screen, (WindowBounds{0, p.b, p.d, p.a - p.b}));
  EXPECT_EQ(layout.defaults.processor.bounds, (WindowBounds{p.e, 0, p.d - p.e, p.b}));
  EXPECT_EQ(layout.defaults.processor.sizeMode, p.resultMode);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(layout.defaults.memoryViews[static_cast<std::size_t>(i)].bounds,
              (WindowBounds{p.d - 20 * i, 20 * i, p.c - p.d, p.a - 20 * i}));
  }
  EXPECT_FALSE(plan.projectEditor || plan.screen || plan.processor);
  EXPECT_FALSE(plan.editorsToRecordedBounds);
}

const DistributeCase kDistributeCases[] = {
    {750, SizeMode::Big, 350, 600, 777, 324, 494, SizeMode::Small},
    {899, SizeMode::Small, 350, 600, 777, 324, 494, SizeMode::Small},
    {900, SizeMode::Big, 360, 710, 1000, 410, 660, SizeMode::Big},
    {1000, SizeMode::Small, 460, 710, 1000, 324, 660, SizeMode::Small},
    // Wider main windows widen the memory column up to the disassembly.
    {1099, SizeMode::Big, 360, 710, 1099, 410, 660, SizeMode::Big},
    {1170, SizeMode::Big, 360, 710, 1170, 410, 660, SizeMode::Big},
    {1280, SizeMode::Big, 360, 710, 1170, 410, 660, SizeMode::Big},
    {1600, SizeMode::Small, 460, 710, 1170, 324, 660, SizeMode::Small},
};

INSTANTIATE_TEST_SUITE_P(Cases, DistributeWithoutWindows, ::testing::ValuesIn(kDistributeCases));

TEST(LayoutDefaults, InitialValuesMatchTheWideDistribution) {
  WindowLayout layout;
  const LayoutDefaults initial = layout.defaults;
  EXPECT_EQ(initial.processor.bounds, (WindowBounds{360, 0, 350, 410}));
  EXPECT_EQ(initial.processor.sizeMode, SizeMode::Big);
  EXPECT_EQ(initial.screen, (WindowBounds{0, 410, 710, 250}));
  layout.Distribute(1000, {});
  EXPECT_EQ(layout.defaults, initial);
}

struct ZoomedCase {
  int mainWidth;
  int percent;
  int e, d, c, b, a;
  SizeMode resultMode;
};

class DistributeAtZoom : public ::testing::TestWithParam<ZoomedCase> {};

// The windows are laid out for the main window's width at 100 %, then
// every bound is scaled: the layout fills the same share of the screen.
TEST_P(DistributeAtZoom, ScalesTheLayoutOfTheUnzoomedWidth) {
  const auto& p = GetParam();
  WindowLayout layout;
  const ZoomLevel zoom = *ZoomLevel::FromPercent(p.percent);
  layout.Distribute(p.mainWidth, {}, zoom);
  EXPECT_EQ(layout.defaults.editor, (WindowBounds{0, 0, p.e, p.b}));
  EXPECT_EQ(layout.defaults.screen, (WindowBounds{0, p.b, p.d, p.a - p.b}));
  EXPECT_EQ(layout.defaults.processor, (ProcessorWindowSettings{{p.e, 0, p.d - p.e, p.b}, p.resultMode}));
  const int step = zoom.Scaled(20);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(layout.defaults.memoryViews[static_cast<std::size_t>(i)].bounds,
              (WindowBounds{p.d - step * i, step * i, p.c - p.d, p.a - step * i}))
        << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DistributeAtZoom,
                         ::testing::Values(ZoomedCase{1600, 100, 360, 710, 1170, 410, 660, SizeMode::Big},
                                           ZoomedCase{1600, 200, 700, 1200, 1554, 648, 988, SizeMode::Small},
                                           ZoomedCase{1600, 150, 540, 1065, 1599, 615, 990, SizeMode::Big},
                                           ZoomedCase{2560, 200, 720, 1420, 2340, 820, 1320, SizeMode::Big}));

TEST(LayoutDefaults, RescaleTakesEveryDefaultToTheNewLevel) {
  WindowLayout layout;
  layout.Distribute(1280, {});
  const LayoutDefaults actual = layout.defaults;
  const ZoomLevel double_ = *ZoomLevel::FromPercent(200);
  layout.Rescale(ZoomLevel(), double_);
  EXPECT_EQ(layout.defaults.editor, double_.Scaled(actual.editor));
  EXPECT_EQ(layout.defaults.screen, double_.Scaled(actual.screen));
  EXPECT_EQ(layout.defaults.processor.bounds, double_.Scaled(actual.processor.bounds));
  EXPECT_EQ(layout.defaults.processor.sizeMode, actual.processor.sizeMode);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(layout.defaults.memoryViews[i].bounds, double_.Scaled(actual.memoryViews[i].bounds)) << i;
    EXPECT_EQ(layout.defaults.memoryViews[i].pageBase, actual.memoryViews[i].pageBase) << i;
  }
  layout.Rescale(double_, ZoomLevel());
  EXPECT_EQ(layout.defaults, actual);
}

struct InsideCase {
  const char* name;
  WindowBounds bounds;
  WindowBounds inside;
};

class PulledInside : public ::testing::TestWithParam<InsideCase> {};

// The area is 800 by 600.
TEST_P(PulledInside, KeepsTheWindowInTheArea) {
  EXPECT_EQ(WindowLayout::PulledInside(GetParam().bounds, 800, 600), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PulledInside,
    ::testing::Values(InsideCase{"Inside", {10, 20, 300, 200}, {10, 20, 300, 200}},
                      InsideCase{"FillingTheArea", {0, 0, 800, 600}, {0, 0, 800, 600}},
                      InsideCase{"RightOfTheArea", {1200, 20, 300, 200}, {500, 20, 300, 200}},
                      InsideCase{"BelowTheArea", {10, 900, 300, 200}, {10, 400, 300, 200}},
                      InsideCase{"LeftAndAbove", {-50, -70, 300, 200}, {0, 0, 300, 200}},
                      InsideCase{"WiderThanTheArea", {100, 0, 1170, 200}, {0, 0, 800, 200}},
                      InsideCase{"HigherThanTheArea", {0, 100, 300, 988}, {0, 0, 300, 600}},
                      InsideCase{"Empty", {10, 10, 0, -5}, {10, 10, 1, 1}}),
    [](const ::testing::TestParamInfo<InsideCase>& test) { return test.param.name; });

TEST(PulledInside, AnAreaWithoutRoomGivesAPixel) {
  EXPECT_EQ(WindowLayout::PulledInside({50, 50, 300, 200}, 0, -4), (WindowBounds{0, 0, 1, 1}));
}

OpenWindows AllOpen(SizeMode processorMode) {
  OpenWindows open;
  open.projectEditor = true;
  open.screen = WindowBounds{1, 2, 3, 4};
  open.memoryViews =
      Views{MemoryViewSettings{{5, 6, 7, 8}, 0x0700}, std::nullopt, MemoryViewSettings{{9, 9, 9, 9}, 0xFF00}};
  open.processor = ProcessorWindowSettings{{10, 11, 12, 13}, processorMode};
  return open;
}

TEST(Distribute, ExistingWindowsAreMovedAndTheirDefaultsKept) {
  WindowLayout layout;
  layout.defaults.editor = {1, 1, 1, 1};
  layout.defaults.screen = {2, 2, 2, 2};
  const ProcessorWindowSettings processorDefaults{{3, 3, 3, 3}, SizeMode::Small};
  layout.defaults.processor = processorDefaults;
  const LayoutPlan plan = layout.Distribute(1280, AllOpen(SizeMode::Big));

  EXPECT_EQ(plan.projectEditor, (WindowBounds{0, 0, 360, 410}));
  EXPECT_EQ(plan.screen, (WindowBounds{0, 410, 710, 250}));
  EXPECT_EQ(plan.processor, (ProcessorWindowSettings{{360, 0, 350, 410}, SizeMode::Big}));
  EXPECT_EQ(plan.memoryViews[0], (MemoryViewSettings{{710, 0, 460, 660}, 0x0700}));
  EXPECT_EQ(plan.memoryViews[1], std::nullopt);
  EXPECT_EQ(plan.memoryViews[2], (MemoryViewSettings{{670, 40, 460, 660}, 0xFF00}));

  EXPECT_EQ(layout.defaults.editor, (WindowBounds{1, 1, 1, 1}));
  EXPECT_EQ(layout.defaults.screen, (WindowBounds{2, 2, 2, 2}));
  EXPECT_EQ(layout.defaults.processor, processorDefaults);
  EXPECT_EQ(layout.defaults.memoryViews[1].bounds, (WindowBounds{690, 20, 460, 640}));
  EXPECT_EQ(layout.defaults.memoryViews[2].bounds, (WindowBounds{670, 40, 460, 620}));
}

TEST(Distribute, ProcessorWindowAndProjectEditorCases) {
  WindowLayout layout;
  const LayoutPlan wide = layout.Distribute(1280, AllOpen(SizeMode::Small));
  EXPECT_EQ(wide.projectEditor, (WindowBounds{0, 0, 460, 324})) << "the open processor window decides";
  EXPECT_EQ(wide.processor, (ProcessorWindowSettings{{460, 0, 250, 324}, SizeMode::Small}));
  OpenWindows open = AllOpen(SizeMode::Big);
  const LayoutPlan narrow = layout.Distribute(750, open);
  EXPECT_EQ(narrow.processor, (ProcessorWindowSettings{{350, 0, 250, 324}, SizeMode::Small}))
      << "a narrow main window switches a big processor window to small";
  EXPECT_EQ(layout.defaults.processor.sizeMode, SizeMode::Big);
  open.projectEditor = false;
  EXPECT_EQ(layout.Distribute(750, open).projectEditor, std::nullopt);
  EXPECT_EQ(layout.defaults.editor, (WindowBounds{0, 0, 350, 324}))
      << "a missing project editor sets the defaults";
}

TEST(StoreDistribution, DistributeThenPutsTheWindowsBack) {
  WindowLayout layout;
  EXPECT_FALSE(layout.StoredDistribution());
  const OpenWindows stored = AllOpen(SizeMode::Small);
  layout.StoreDistribution(stored);
  EXPECT_TRUE(layout.StoredDistribution());
  const LayoutDefaults afterStore = layout.defaults;
  EXPECT_EQ(afterStore.screen, stored.screen);
  EXPECT_EQ(afterStore.processor, stored.processor);
  EXPECT_EQ(afterStore.memoryViews[0], stored.memoryViews[0]);
  EXPECT_EQ(afterStore.memoryViews[1], LayoutDefaults().memoryViews[1]);

  OpenWindows moved = AllOpen(SizeMode::Big);
  moved.screen = WindowBounds{50, 50, 50, 50};
  const LayoutPlan plan = layout.Distribute(750, moved);
  EXPECT_TRUE(plan.editorsToRecordedBounds);
  EXPECT_EQ(plan.projectEditor, std::nullopt);
  EXPECT_EQ(plan.screen, stored.screen);
  EXPECT_EQ(plan.processor, stored.processor);
  EXPECT_EQ(plan.memoryViews, stored.memoryViews);
  EXPECT_EQ(layout.defaults, afterStore);
}

TEST(StoreDistribution, ViewClosedAndReopenedComesBackAtItsClosingBounds) {
  WindowLayout layout;
  layout.StoreDistribution(AllOpen(SizeMode::Big));
  const MemoryViewSettings closing{{100, 100, 200, 300}, 0x0300};
  layout.defaults.memoryViews[0] = closing;
  OpenWindows open;
  open.memoryViews[0] = MemoryViewSettings{{0, 0, 10, 10}, 0};
  EXPECT_EQ(layout.Distribute(1280, open).memoryViews[0], closing);
}

TEST(StoreDistribution, WindowsThatDoNotExistKeepTheirDefaults) {
  WindowLayout layout;
  const LayoutDefaults initial = layout.defaults;
  layout.StoreDistribution({});
  EXPECT_EQ(layout.defaults, initial);
  const LayoutPlan plan = layout.Distribute(750, {});
  EXPECT_EQ(layout.defaults, initial);
  EXPECT_FALSE(plan.screen || plan.processor || plan.memoryViews[0]);
}

}  // namespace
}  // namespace tav2
