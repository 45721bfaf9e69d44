#include "core/grading/shown.h"

#include <cmath>
#include <cstdint>

#include "core/util/formatted.h"

namespace tav2 {

namespace {

enum class Style { Text, Line, Quoted };

// The length of the valid UTF-8 sequence at `at` that stands for a
// character a report may show, or 0.
std::size_t ShowableSequence(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(bytes[at + i]); };
  const uint8_t lead = byte(0);
  std::size_t length = 0;
  uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool control = code >= 0x80 && code <= 0x9F;
  const bool nonCharacter = code == 0xFFFE || code == 0xFFFF;
  if (overlong || surrogate || control || nonCharacter || code > 0x10FFFF) return 0;
  return length;
}

std::string Escaped(std::string_view bytes, Style style, std::size_t maxBytes) {
  std::string text;
  text.reserve(bytes.size() + 2);
  if (style == Style::Quoted) text += '"';
  std::size_t at = 0;
  while (at < bytes.size() && at < maxBytes) {
    const auto ch = static_cast<uint8_t>(bytes[at]);
    if (ch >= 0x80) {
      const std::size_t length = ShowableSequence(bytes, at);
      if (length == 0) {
        text += Formatted("\\x%02X", ch);
        ++at;
      } else {
        text.append(bytes.substr(at, length));
        at += length;
      }
      continue;
    }
    ++at;
    if (style == Style::Quoted) {
      switch (ch) {
        case '"': text += "\\\""; continue;
        case '\\': text += "\\\\"; continue;
        case '\n': text += "\\n"; continue;
        case '\r': text += "\\r"; continue;
        case '\t': text += "\\t"; continue;
        default: break;
      }
    }
    const bool kept = ch == '\t' || (ch == '\n' && style == Style::Text);
    if ((ch < 0x20 && !kept) || ch == 0x7F) {
      text += Formatted("\\x%02X", ch);
    } else {
      text += static_cast<char>(ch);
    }
  }
  if (style == Style::Quoted) text += '"';
  if (at < bytes.size()) text += "...";
  return text;
}

}  // namespace

std::string Shown::Text(std::string_view bytes) { return Escaped(bytes, Style::Text, bytes.size()); }

std::string Shown::Line(std::string_view bytes) { return Escaped(bytes, Style::Line, bytes.size()); }

std::string Shown::Quoted(std::string_view bytes, std::size_t maxBytes) {
  return Escaped(bytes, Style::Quoted, maxBytes);
}

std::string Shown::Points(double points) {
  if (points == std::floor(points) && points < 1e15) return Formatted("%.0f", points);
  return Formatted("%g", points);
}

}  // namespace tav2
