#pragma once
#include "core/shell/windowslots.h"

namespace tav2 {

// The memory views, slots 0 to 2. A new view goes into FirstEmpty; when
// there is none the caller shows kMaximumReached and creates nothing.
template <class View>
class MemoryViews : public WindowSlots<View, 0, 3> {
 public:
  static constexpr const char* kMaximumReached = "Maximum is 3 memory views";
};

}  // namespace tav2
