#pragma once
#include <string>
#include <string_view>

namespace tav2 {

// A copy of `text` with its ASCII letters in upper case: the key under
// which words are compared without regard to case.
inline std::string UpperCased(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return upper;
}

}  // namespace tav2
