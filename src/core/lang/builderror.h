#pragma once
#include <string>

namespace tav2 {

// One source error of a build: its message, the file it is in (without the
// directory), line (0: none) and column, and the text position at which an
// editor places the caret.
struct BuildError {
  std::string message;
  std::string fileName;
  int line = 0;
  int column = 0;
  int position = 0;

  // "%s: line %d: \t%s", or "%s: \t%s" without a line: one line of an error list.
  std::string ListLine() const;
};

}  // namespace tav2
