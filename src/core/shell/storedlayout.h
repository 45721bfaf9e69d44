#pragma once
#include <array>
#include <optional>

#include "core/shell/layoutdefaults.h"
#include "core/shell/memoryviewcolumns.h"
#include "core/shell/zoomlevel.h"

namespace tav2 {

// A memory view as it was left: its bounds, page and columns.
struct StoredMemoryView {
  MemoryViewSettings settings;
  MemoryViewColumns columns;

  bool operator==(const StoredMemoryView&) const = default;
};

// The student's arrangement when the workbench closed: the simulation
// windows that were open (a memory view at its slot's index) with their
// bounds, and the zoom level the bounds were taken at.
struct StoredLayout {
  ZoomLevel zoom;
  std::optional<ProcessorWindowSettings> processor;
  std::optional<WindowBounds> screen;
  std::optional<WindowBounds> romView;
  std::array<std::optional<StoredMemoryView>, LayoutDefaults::kMemoryViews> memoryViews;

  bool operator==(const StoredLayout&) const = default;
};

}  // namespace tav2
