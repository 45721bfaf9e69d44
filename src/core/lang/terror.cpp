#include "lang/terror.h"

#include "sim/formatted.h"

namespace tav2 {

std::string TError::ListLine() const {
  if (line == 0) return Formatted("%s: \t%s", fileName.c_str(), message.c_str());
  return Formatted("%s: line %d: \t%s", fileName.c_str(), line, message.c_str());
}

}  // namespace tav2
