#include "core/editor/tabs.h"

#include <algorithm>
#include <string>

#include "core/editor/textchars.h"
#include "core/editor/editoroptions.h"

namespace tav2 {

namespace {

// Spaces that replace a tab at 0-based `column`: up to the next multiple of
// the tab width, at least one.
int SpacesForTab(int column, int tabNumber) {
  const int width = UsableTabNumber(tabNumber);
  return width - column % width;
}

}  // namespace

int UsableTabNumber(int tabNumber) {
  return std::clamp(tabNumber, EditorOptions::kMinTabNumber, EditorOptions::kMaxTabNumber);
}

std::optional<EditResult> TranslateTypedTab(std::string_view text, int caret, int tabNumber) {
  if (caret <= 0 || caret > static_cast<int>(text.size()) ||
      text[static_cast<std::size_t>(caret) - 1] != '\t') {
    return std::nullopt;
  }
  const int tab = caret - 1;
  const int column = tab - static_cast<int>(LineStart(text, static_cast<std::size_t>(tab)));
  const int spaces = SpacesForTab(column, tabNumber);
  return EditResult{TextChange{tab, 1, std::string(static_cast<std::size_t>(spaces), ' ')},
                    Selection{tab + spaces, 0}};
}

std::optional<EditResult> ConvertTabs(std::string_view text, int caret, int tabNumber) {
  if (text.find('\t') == std::string_view::npos) return std::nullopt;
  std::string converted;
  int newCaret = caret;
  int column = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\t') {
      const int spaces = SpacesForTab(column, tabNumber);
      converted.append(static_cast<std::size_t>(spaces), ' ');
      column += spaces;
      if (static_cast<int>(i) < caret) newCaret += spaces - 1;
    } else {
      converted += ch;
      column = ch == '\n' ? 0 : column + 1;
    }
  }
  return EditResult{TextChange::Between(text, converted), Selection{newCaret, 0}};
}

}  // namespace tav2
