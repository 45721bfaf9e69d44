#include "core/util/hexfield.h"

#include <algorithm>
#include <cctype>

#include "core/util/formatted.h"

namespace tav2 {

namespace {

std::optional<int> HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  const int lower = std::tolower(static_cast<unsigned char>(ch));
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return std::nullopt;
}

bool HasHexPrefix(std::string_view text) {
  return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && HexDigit(text[2]);
}

}  // namespace

std::string HexField::Text(uint16_t word) { return Formatted("  %04X", word); }

std::optional<uint16_t> HexField::Read(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  if (HasHexPrefix(text)) text.remove_prefix(2);
  std::optional<uint16_t> word;
  for (const char ch : text) {
    const auto digit = HexDigit(ch);
    if (!digit) break;
    word = static_cast<uint16_t>((word.value_or(0) << 4) | *digit);
  }
  return word;
}

std::optional<uint16_t> HexField::ReadWord(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (HasHexPrefix(text)) text.remove_prefix(2);
  if (text.empty() || text.size() > 4 ||
      !std::ranges::all_of(text, [](char ch) { return HexDigit(ch).has_value(); }))
    return std::nullopt;
  return Read(text);
}

}  // namespace tav2
