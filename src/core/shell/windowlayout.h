#pragma once
#include <array>
#include <optional>
#include <span>

#include "core/shell/layoutdefaults.h"

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

  LayoutDefaults defaults;

  bool StoredDistribution() const { return storedDistribution_; }

  // Moves the editor defaults' Left and Top past the registered editors
  // (given in slot order) before an editor is opened from a file.
  void CascadePosition(std::span<const WindowBounds> registeredEditors);

  // Lays the windows out for a main window `mainWidth` wide, or after Store
  // distribution puts them back where they were stored. Defaults of windows
  // that do not exist change here; the plan says what the others must do.
  LayoutPlan Distribute(int mainWidth, const OpenWindows& open);

  // Records the current bounds of the screen, memory views and processor
  // window as their defaults; Distribute then restores them.
  void StoreDistribution(const OpenWindows& open);

 private:
  LayoutPlan StoredPlan(const OpenWindows& open) const;

  bool storedDistribution_ = false;
};

}  // namespace tav2
