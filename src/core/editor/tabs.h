#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "editor/editresult.h"

namespace tav2 {

// Tab handling of the editor with its tab width `TabNumber` (1 to 48).

constexpr int kMinTabNumber = 1;
constexpr int kMaxTabNumber = 48;
constexpr int kTabStops = 16;

// A tab width brought into the range 1 to 48 (an options file may hold any).
int UsableTabNumber(int tabNumber);

// The tab just typed before the caret becomes spaces up to the next multiple
// of `tabNumber`; the caret ends there. None when no tab precedes the caret.
std::optional<EditResult> TranslateTypedTab(std::string_view text, int caret, int tabNumber);

// Every tab of the text becomes spaces up to the next multiple of
// `tabNumber` in its line; the caret keeps its place in the text. None when
// the text holds no tab.
std::optional<EditResult> ConvertTabs(std::string_view text, int caret, int tabNumber);

// The 16 tab stops of the text control: stop k at k * tabNumber * letterWidth
// + 6, where letterWidth is the width of "n" in the window's own font.
std::array<int, kTabStops> TabStopPositions(int tabNumber, int letterWidth);

}  // namespace tav2
