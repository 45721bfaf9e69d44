#include "core/shell/windowlayout.h"

#include <algorithm>
#include <cstdlib>

namespace tav2 {

namespace {

// The five numbers of a distribution: editor width E, screen width D,
// right edge of the memory column C, editor and processor height B, bottom
// edge A.
struct Distribution {
  int e, d, c, b, a;
};

// The wide cases take what room there is right of the memory column, up to
// the width that shows the disassembly.
Distribution DistributionFor(int mainWidth, bool narrow, SizeMode processorMode) {
  if (narrow) return {350, 600, 777, 324, 494};
  Distribution wide = processorMode == SizeMode::Big ? Distribution{360, 710, 1000, 410, 660}
                                                     : Distribution{460, 710, 1000, 324, 660};
  wide.c = std::clamp(mainWidth, wide.c, wide.d + WindowLayout::kDisassemblyMemoryView);
  return wide;
}

Distribution Scaled(const Distribution& n, const ZoomLevel& zoom) {
  return {zoom.Scaled(n.e), zoom.Scaled(n.d), zoom.Scaled(n.c), zoom.Scaled(n.b), zoom.Scaled(n.a)};
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

LayoutPlan WindowLayout::Distribute(int mainWidth, const OpenWindows& open, const ZoomLevel& zoom) {
  if (storedDistribution_) return StoredPlan(open);

  const int designWidth = zoom.Unscaled(mainWidth);
  const bool narrow = designWidth < kNarrowMainWindow;
  SizeMode mode = open.processor ? open.processor->sizeMode : defaults.processor.sizeMode;
  if (narrow) mode = SizeMode::Small;
  const auto [e, d, c, b, a] = Scaled(DistributionFor(designWidth, narrow, mode), zoom);
  const int step = zoom.Scaled(kMemoryViewStep);

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
    const int shift = step * static_cast<int>(slot);
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

void WindowLayout::Rescale(const ZoomLevel& from, const ZoomLevel& to) {
  defaults.editor = to.Rescaled(defaults.editor, from);
  defaults.screen = to.Rescaled(defaults.screen, from);
  defaults.processor.bounds = to.Rescaled(defaults.processor.bounds, from);
  for (MemoryViewSettings& view : defaults.memoryViews) view.bounds = to.Rescaled(view.bounds, from);
}

WindowBounds WindowLayout::PulledInside(const WindowBounds& bounds, int width, int height) {
  WindowBounds inside = bounds;
  inside.width = std::clamp(bounds.width, 1, std::max(1, width));
  inside.height = std::clamp(bounds.height, 1, std::max(1, height));
  inside.left = std::clamp(bounds.left, 0, std::max(0, width - inside.width));
  inside.top = std::clamp(bounds.top, 0, std::max(0, height - inside.height));
  return inside;
}

}  // namespace tav2
