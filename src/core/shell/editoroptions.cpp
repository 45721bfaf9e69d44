#include "shell/editoroptions.h"

#include <algorithm>

namespace tav2 {

int EditorOptions::ClampTabNumber(int tabNumber) {
  return std::clamp(tabNumber, kMinTabNumber, kMaxTabNumber);
}

}  // namespace tav2
