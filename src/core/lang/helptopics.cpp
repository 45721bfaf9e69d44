#include "core/lang/helptopics.h"

#include <cctype>

namespace tav2 {

std::string HelpTopics::Anchor(std::string_view title) {
  std::string anchor;
  for (char ch : title) {
    anchor += ch == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  }
  return anchor;
}

}  // namespace tav2
