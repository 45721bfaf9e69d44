#pragma once
#include "core/shell/windowslots.h"

namespace tav2 {

// The registered editors, slots 1 to 16. A seventeenth editor stays open
// unregistered: Put gives nullopt and the caller shows kTooMuchOpenFiles;
// when such an editor closes, Remove gives false and the caller shows
// kFileNotKnown.
template <class Editor>
class EditorSlots : public WindowSlots<Editor, 1, 16> {
 public:
  static constexpr const char* kTooMuchOpenFiles = "Too much open files";
  static constexpr const char* kFileNotKnown = "file not known!";
};

}  // namespace tav2
