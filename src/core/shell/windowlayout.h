#pragma once
#include <array>
#include <optional>
#include <span>

#include "core/shell/layoutdefaults.h"
#include "core/shell/zoomlevel.h"

namespace tav2 {

// The windows that exist when a layout command runs, with their current
// bounds (for the processor window also its layout, for memory views their
// page). The project editor only counts as present or not.
struct OpenWindows {
  bool projectEditor = false;
  std::optional<WindowBounds> screen;
  std::array<std::optional<MemoryViewSettings>, LayoutDefaults::kMemoryViews> memoryViews;
  std::optional<ProcessorWindowSettings> processor;
};

// What Distribute asks of the windows that exist: each window given here
// takes these settings (a processor window whose layout differs switches
// and repaints). With `editorsToRecordedBounds` every registered editor
// goes back to the bounds it recorded itself.
struct LayoutPlan {
  bool editorsToRecordedBounds = false;
  std::optional<WindowBounds> projectEditor;
  std::optional<WindowBounds> screen;
  std::array<std::optional<MemoryViewSettings>, LayoutDefaults::kMemoryViews> memoryViews;
  std::optional<ProcessorWindowSettings> processor;
};

// The default window layout: the layout defaults, the cascade of editors
// opened from files, Distribute and Store distribution.
class WindowLayout {
 public:
  static constexpr int kNarrowMainWindow = 900;  // narrower main windows get the narrow set
  static constexpr int kCascadeStep = 20;
  static constexpr int kCascadeLimit = 200;
  static constexpr int kCascadeRestart = 10;
  static constexpr int kMemoryViewStep = 20;  // each further memory view left and down by this
  // A main window wider than the memory column's right edge widens the
  // column up to this, which shows the disassembly beside the binary column.
  static constexpr int kDisassemblyMemoryView = 460;

  LayoutDefaults defaults;

  bool StoredDistribution() const { return storedDistribution_; }

  // Moves the editor defaults' Left and Top past the registered editors
  // (given in slot order) before an editor is opened from a file.
  void CascadePosition(std::span<const WindowBounds> registeredEditors);

  // Lays the windows out for a main window `mainWidth` wide, or after Store
  // distribution puts them back where they were stored. Defaults of windows
  // that do not exist change here; the plan says what the others must do.
  // At a zoom level the windows are laid out as on a main window that much
  // narrower, and every bound is then scaled up by it.
  LayoutPlan Distribute(int mainWidth, const OpenWindows& open, const ZoomLevel& zoom = {});

  // Records the current bounds of the screen, memory views and processor
  // window as their defaults; Distribute then restores them.
  void StoreDistribution(const OpenWindows& open);

  // The defaults (stored ones too) taken at zoom level `from`, at `to`.
  void Rescale(const ZoomLevel& from, const ZoomLevel& to);

  // Bounds moved, and when larger than the area made smaller, so that the
  // window lies inside an area `width` by `height` (at least 1 by 1).
  static WindowBounds PulledInside(const WindowBounds& bounds, int width, int height);

 private:
  LayoutPlan StoredPlan(const OpenWindows& open) const;

  bool storedDistribution_ = false;
};

}  // namespace tav2
