#include "core/lang/builderror.h"

#include "core/util/formatted.h"

namespace tav2 {

std::string BuildError::ListLine() const {
  if (line == 0) return Formatted("%s: \t%s", fileName.c_str(), message.c_str());
  return Formatted("%s: line %d: \t%s", fileName.c_str(), line, message.c_str());
}

}  // namespace tav2
