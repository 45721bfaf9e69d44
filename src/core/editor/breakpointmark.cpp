#include "core/editor/breakpointmark.h"

#include <cctype>

namespace tav2 {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

bool IsDirectiveOrEnd(std::string_view text) {
  return text.starts_with("##") || StartsWithNoCase(text, "#include");
}

// The line after its blanks and its mark.
std::string_view Content(std::string_view line) {
  if (BreakpointMark::Carries(line)) line.remove_prefix(1);
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

}  // namespace

bool BreakpointMark::Carries(std::string_view line) {
  return line.starts_with('#') && !IsDirectiveOrEnd(line);
}

bool BreakpointMark::MayCarry(std::string_view line) {
  if (IsDirectiveOrEnd(line)) return false;
  const std::string_view content = Content(line);
  return !content.empty() && !content.starts_with(';') && !IsDirectiveOrEnd(content);
}

std::optional<TextChange> BreakpointMark::Toggle(std::string_view line, int lineStart) {
  if (Carries(line)) return TextChange{lineStart, 1, ""};
  if (!MayCarry(line)) return std::nullopt;
  return TextChange{lineStart, 0, "#"};
}

}  // namespace tav2
