#include "core/editor/textcommands.h"

#include <algorithm>

#include "core/editor/textchars.h"

namespace tav2 {

namespace {

constexpr std::size_t kMaxIndent = 255;
constexpr std::size_t kMaxSelectedWord = 50;
constexpr std::size_t kMaxWord = 99;

constexpr std::string_view kOpeners = "([{";
constexpr std::string_view kClosers = ")]}";

std::string Flipped(std::string_view text) {
  std::string flipped(text);
  for (char& ch : flipped) ch = FlipCase(ch);
  return flipped;
}

std::string_view SelectedText(std::string_view text, Selection selection) {
  return text.substr(static_cast<std::size_t>(selection.start), static_cast<std::size_t>(selection.length));
}

// The result of replacing the selection by `replacement` and selecting it.
EditResult ReplaceSelection(Selection selection, std::string replacement) {
  const Selection replaced{selection.start, static_cast<int>(replacement.size())};
  return EditResult{TextChange{selection.start, selection.length, std::move(replacement)}, replaced};
}

// From the bracket at `from`, the position of its partner: `step` is +1
// forward (to a closer) or -1 backward (to an opener).
std::optional<int> MatchingBracket(std::string_view text, int from, char bracket, char partner, int step) {
  int depth = 1;
  for (int p = from + step; p >= 0 && p < static_cast<int>(text.size()); p += step) {
    const char ch = text[static_cast<std::size_t>(p)];
    if (ch == bracket) ++depth;
    if (ch == partner && --depth == 0) return p;
  }
  return std::nullopt;
}

bool IsCursorWordChar(char ch) { return IsWordChar(ch) || ch == '#'; }

}  // namespace

std::optional<EditResult> RevertCase(std::string_view text, Selection selection) {
  if (selection.start >= static_cast<int>(text.size())) return std::nullopt;
  if (!selection.Empty()) return ReplaceSelection(selection, Flipped(SelectedText(text, selection)));
  const char ch = text[static_cast<std::size_t>(selection.start)];
  const Selection after{selection.start + 1, 0};
  if (FlipCase(ch) == ch) return EditResult{std::nullopt, after};
  return EditResult{TextChange{selection.start, 1, std::string(1, FlipCase(ch))}, after};
}

int MatchBracket(std::string_view text, int caret) {
  if (text.empty()) return caret;
  const int p = std::clamp(caret, 0, static_cast<int>(text.size()) - 1);
  const char ch = text[static_cast<std::size_t>(p)];
  std::optional<int> match;
  if (const std::size_t opener = kOpeners.find(ch); opener != std::string_view::npos) {
    match = MatchingBracket(text, p, ch, kClosers[opener], +1);
  } else if (const std::size_t closer = kClosers.find(ch); closer != std::string_view::npos) {
    match = MatchingBracket(text, p, ch, kOpeners[closer], -1);
  } else {
    return std::min(caret + 1, static_cast<int>(text.size()));
  }
  return match.value_or(caret);
}

std::optional<EditResult> IndentSelection(std::string_view text, Selection selection) {
  if (selection.Empty()) return std::nullopt;
  const std::string_view selected = SelectedText(text, selection);
  std::string indented = " ";
  for (std::size_t i = 0; i < selected.size(); ++i) {
    indented += selected[i];
    if (selected[i] == '\n' && selected.size() - i - 1 >= 2) indented += ' ';
  }
  return ReplaceSelection(selection, std::move(indented));
}

std::optional<EditResult> UnindentSelection(std::string_view text, Selection selection) {
  if (selection.Empty()) return std::nullopt;
  std::string_view selected = SelectedText(text, selection);
  std::string unindented;
  if (selected.front() == ' ') selected.remove_prefix(1);
  for (std::size_t i = 0; i < selected.size(); ++i) {
    const bool spaceAfterLineFeed = i > 0 && selected[i - 1] == '\n' && selected[i] == ' ';
    if (!(spaceAfterLineFeed && i + 1 < selected.size())) unindented += selected[i];
  }
  if (unindented.size() == static_cast<std::size_t>(selection.length))
    return EditResult{std::nullopt, selection};
  return ReplaceSelection(selection, std::move(unindented));
}

std::optional<EditResult> AutoIndent(std::string_view text, int caret) {
  // The line feed just typed ends the line whose indentation is copied.
  const int lineFeed = std::min(caret - 1, static_cast<int>(text.size()));
  if (lineFeed < 0) return std::nullopt;
  const std::size_t lineStart = LineStart(text, static_cast<std::size_t>(lineFeed));
  const std::size_t indentEnd = std::min(text.find_first_not_of(" \t", lineStart), text.size());
  const std::string indent(text.substr(lineStart, std::min(indentEnd - lineStart, kMaxIndent)));
  if (indent.empty()) return std::nullopt;
  return EditResult{TextChange{caret, 0, indent}, Selection{caret + static_cast<int>(indent.size()), 0}};
}

std::string WordAtCursor(std::string_view text, Selection selection) {
  if (!selection.Empty()) return std::string(SelectedText(text, selection).substr(0, kMaxSelectedWord));
  const std::size_t caret = static_cast<std::size_t>(selection.start);
  const std::size_t lineStart = LineStart(text, caret);
  const std::size_t lineEnd = LineEnd(text, caret);
  std::size_t i = caret;
  if (i >= lineEnd || !IsCursorWordChar(text[i])) {
    if (i == lineStart) return {};
    --i;
  }
  if (!IsCursorWordChar(text[i])) return {};
  std::size_t start = i;
  while (start > lineStart && IsCursorWordChar(text[start - 1])) --start;
  std::size_t end = i;
  while (end < lineEnd && IsCursorWordChar(text[end])) ++end;
  return std::string(text.substr(start, std::min(end - start, kMaxWord)));
}

}  // namespace tav2
