#include "core/shell/windowlayout.h"

#include <cstdlib>

namespace tav2 {

namespace {

// The five numbers of a distribution: editor width E, screen width D,
// right edge of the memory column C, editor and processor height B, bottom
// edge A.
struct Distribution {
  int e, d, c, b, a;
};

Distribution DistributionFor(bool narrow, SizeMode processorMode) {
  if (narrow) return {350, 600, 777, 324, 494};
  if (processorMode == SizeMode::Big) return {360, 710, 1000, 410, 660};
  return {460, 710, 1000, 324, 660};
}

bool NearOffset(const WindowBounds& editor, int offset) {
  return std::abs(editor.top - offset) < WindowLayout::kCascadeStep ||
         std::abs(editor.left - offset) < WindowLayout::kCascadeStep;
}

}  // namespace

void WindowLayout::CascadePosition(std::span<const WindowBounds> registeredEditors) {
  int offset = 0;
  for (const WindowBounds& editor : registeredEditors) {
    if (NearOffset(editor, offset)) offset += kCascadeStep;
  }
  if (offset > kCascadeLimit) offset = kCascadeRestart;
  defaults.editor.left = offset;
  defaults.editor.top = offset;
}

LayoutPlan WindowLayout::Distribute(int mainWidth, const OpenWindows& open) {
  if (storedDistribution_) return StoredPlan(open);

  const bool narrow = mainWidth < kNarrowMainWindow;
  SizeMode mode = open.processor ? open.processor->sizeMode : defaults.processor.sizeMode;
  if (narrow) mode = SizeMode::Small;
  const auto [e, d, c, b, a] = DistributionFor(narrow, mode);

  LayoutPlan plan;
  const WindowBounds editor{0, 0, e, b};
  if (open.projectEditor) {
    plan.projectEditor = editor;
  } else {
    defaults.editor = editor;
  }

  const WindowBounds screen{0, b, d, a - b};
  if (open.screen) {
    plan.screen = screen;
  } else {
    defaults.screen = screen;
  }

  for (std::size_t slot = 0; slot < open.memoryViews.size(); ++slot) {
    const int shift = kMemoryViewStep * static_cast<int>(slot);
    if (const auto& view = open.memoryViews[slot]) {
      plan.memoryViews[slot] = MemoryViewSettings{{d - shift, shift, c - d, a}, view->pageBase};
    }
    defaults.memoryViews[slot].bounds = {d - shift, shift, c - d, a - shift};
  }

  const ProcessorWindowSettings processor{{e, 0, d - e, b}, mode};
  if (open.processor) {
    plan.processor = processor;
  } else {
    defaults.processor = processor;
  }
  return plan;
}

LayoutPlan WindowLayout::StoredPlan(const OpenWindows& open) const {
  LayoutPlan plan;
  plan.editorsToRecordedBounds = true;
  if (open.screen) plan.screen = defaults.screen;
  for (std::size_t slot = 0; slot < open.memoryViews.size(); ++slot) {
    if (open.memoryViews[slot]) plan.memoryViews[slot] = defaults.memoryViews[slot];
  }
  if (open.processor) plan.processor = defaults.processor;
  return plan;
}

void WindowLayout::StoreDistribution(const OpenWindows& open) {
  if (open.screen) defaults.screen = *open.screen;
  for (std::size_t slot = 0; slot < open.memoryViews.size(); ++slot) {
    if (open.memoryViews[slot]) defaults.memoryViews[slot] = *open.memoryViews[slot];
  }
  if (open.processor) defaults.processor = *open.processor;
  storedDistribution_ = true;
}

}  // namespace tav2
