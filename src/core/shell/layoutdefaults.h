#pragma once
#include <array>
#include <cstdint>

#include "core/shell/windowbounds.h"

namespace tav2 {

// The processor window's two layouts (the numbers its settings store).
enum class SizeMode { Small = 1, Big = 2 };

// Where the processor window appears, and in which layout.
struct ProcessorWindowSettings {
  WindowBounds bounds{360, 0, 350, 410};
  SizeMode sizeMode = SizeMode::Big;

  bool operator==(const ProcessorWindowSettings&) const = default;
};

// Where a memory view of one slot appears, and the page it shows.
struct MemoryViewSettings {
  WindowBounds bounds;
  uint16_t pageBase = 0;  // address of the page's first word

  bool operator==(const MemoryViewSettings&) const = default;
};

// The bounds each kind of window takes when it is created. Distribute sets
// them (it runs once at start-up); the initial values are those it gives on
// a wide main window with the processor window big.
struct LayoutDefaults {
  static constexpr int kMemoryViews = 3;

  WindowBounds editor{0, 0, 360, 410};
  WindowBounds screen{0, 410, 710, 250};
  ProcessorWindowSettings processor;
  std::array<MemoryViewSettings, kMemoryViews> memoryViews{{
      {{710, 0, 290, 660}},
      {{690, 20, 290, 640}},
      {{670, 40, 290, 620}},
  }};

  bool operator==(const LayoutDefaults&) const = default;
};

}  // namespace tav2
