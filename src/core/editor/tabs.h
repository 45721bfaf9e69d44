#pragma once
#include <optional>
#include <string_view>

#include "core/editor/editresult.h"

namespace tav2 {

// Tab handling of the editor with its tab width `TabNumber` (1 to 48).

// A tab width brought into the range 1 to 48 (an options file may hold any).
int UsableTabNumber(int tabNumber);

// The tab just typed before the caret becomes spaces up to the next multiple
// of `tabNumber`; the caret ends there. None when no tab precedes the caret.
std::optional<EditResult> TranslateTypedTab(std::string_view text, int caret, int tabNumber);

// Every tab of the text becomes spaces up to the next multiple of
// `tabNumber` in its line; the caret keeps its place in the text. None when
// the text holds no tab.
std::optional<EditResult> ConvertTabs(std::string_view text, int caret, int tabNumber);

}  // namespace tav2
