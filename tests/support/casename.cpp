#include "support/casename.h"

#include <cctype>

namespace tav2::test {

std::string TestNameFrom(std::string_view description) {
  std::string name(description);
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

}  // namespace tav2::test
