#pragma once
#include "core/editor/editoroptions.h"

namespace tav2 {

// The default editor options the main window keeps, with the two default
// background colours. Colours are 24-bit values with red in the low byte.
struct EditorDefaults {
  static constexpr int kSourcesBackground = 0xE1FFFF;  // light yellow
  static constexpr int kTextBackground = 0xFFFFFF;     // white

  EditorOptions options;
  int sourcesBackground = kSourcesBackground;  // assembler and micro-code editors
  int textBackground = kTextBackground;        // text editors

  bool operator==(const EditorDefaults&) const = default;
};

}  // namespace tav2
