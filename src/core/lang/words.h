#pragma once
#include <string_view>

namespace tav2 {

// How both languages and the help compare words: without regard to case,
// a word ending at a blank, a control character or a non-ASCII character.
struct Words {
  // Blanks, control and non-ASCII characters separate words.
  static bool IsSeparator(unsigned char ch) { return (ch >= 1 && ch <= 32) || ch >= 128; }
  // Whether the words at the starts of `a` and `b` are the same, separators
  // before them skipped.
  static bool Same(std::string_view a, std::string_view b);
  // The first word of `text`, up to the separator after it.
  static std::string_view First(std::string_view text);
  // `text` without the separators at its ends.
  static std::string_view Trimmed(std::string_view text);
};

}  // namespace tav2
