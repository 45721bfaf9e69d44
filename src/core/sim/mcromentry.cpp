#include "sim/mcromentry.h"

#include <algorithm>

namespace tav2 {

std::string_view McromEntry::NameView() const {
  const auto end = std::find(name.begin(), name.end(), '\0');
  return std::string_view(name.data(), static_cast<std::size_t>(end - name.begin()));
}

void McromEntry::SetName(std::string_view text) {
  name.fill('\0');
  std::copy_n(text.begin(), std::min(text.size(), kNameSize), name.begin());
}

}  // namespace tav2
