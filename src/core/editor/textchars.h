#pragma once
#include <algorithm>
#include <string>
#include <string_view>

namespace tav2 {

// Character classes of the editor: letters are A to Z and a to z only.
constexpr bool IsLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
constexpr bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
// Letters, digits and "_": the characters of a word.
constexpr bool IsWordChar(char ch) { return IsLetter(ch) || IsDigit(ch) || ch == '_'; }

constexpr char ToUpper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }
constexpr char ToLower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }
// a to z become A to Z and A to Z become a to z; every other character stays.
constexpr char FlipCase(char ch) { return ch >= 'a' && ch <= 'z' ? ToUpper(ch) : ToLower(ch); }

inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = ToUpper(ch);
  return upper;
}

// The position of the first character of the line that holds `position`.
inline std::size_t LineStart(std::string_view text, std::size_t position) {
  const std::size_t lineFeed = position == 0 ? std::string_view::npos : text.rfind('\n', position - 1);
  return lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
}

// The position of the line feed that ends the line holding `position`, or
// the text's length.
inline std::size_t LineEnd(std::string_view text, std::size_t position) {
  return std::min(text.find('\n', position), text.size());
}

}  // namespace tav2
