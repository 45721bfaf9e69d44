#include "core/editor/textsearch.h"

#include <algorithm>

#include "core/editor/textchars.h"

namespace tav2 {

namespace {

bool SameText(std::string_view a, std::string_view b, bool matchCase) {
  if (matchCase) return a == b;
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

// Where a downward search begins: one character after the selection start,
// or at the very start when the caret is there and nothing is selected.
std::size_t DownwardStart(Selection selection) {
  if (selection.start == 0 && selection.Empty()) return 0;
  return static_cast<std::size_t>(selection.start) + 1;
}

}  // namespace

bool TextSearch::IsWholeWord(std::string_view text, std::size_t position) const {
  const std::size_t end = position + searchText_.size();
  const bool startsWord = position == 0 || !IsWordChar(text[position - 1]);
  const bool endsWord = end == text.size() || !IsWordChar(text[end]);
  return startsWord && endsWord;
}

bool TextSearch::MatchesAt(std::string_view text, std::size_t position) const {
  if (position + searchText_.size() > text.size()) return false;
  return SameText(text.substr(position, searchText_.size()), searchText_, options_.matchCase) &&
         (!options_.wholeWord || IsWholeWord(text, position));
}

std::optional<std::size_t> TextSearch::FirstMatchFrom(std::string_view text, std::size_t from) const {
  for (std::size_t position = from; position + searchText_.size() <= text.size(); ++position) {
    if (MatchesAt(text, position)) return position;
  }
  return std::nullopt;
}

std::optional<std::size_t> TextSearch::LastMatchBefore(std::string_view text, std::size_t before) const {
  std::optional<std::size_t> last;
  for (std::optional<std::size_t> match = FirstMatchFrom(text, 0); match && *match < before;
       match = FirstMatchFrom(text, *match + 1)) {
    last = match;
  }
  return last;
}

FindResult TextSearch::Report(std::optional<std::size_t> match) const {
  if (!match) return {std::nullopt, std::string(kNoMatchFound)};
  return {Selection{static_cast<int>(*match), static_cast<int>(searchText_.size())}, {}};
}

FindResult TextSearch::Find(std::string_view text, Selection selection) const {
  if (options_.down) return FindDown(text, selection);
  if (searchText_.empty()) return {};
  return Report(LastMatchBefore(text, static_cast<std::size_t>(selection.start)));
}

FindResult TextSearch::FindDown(std::string_view text, Selection selection) const {
  if (searchText_.empty()) return {};
  return Report(FirstMatchFrom(text, DownwardStart(selection)));
}

bool TextSearch::IsSearchText(std::string_view text, Selection selection) const {
  return !searchText_.empty() && selection.start >= 0 && selection.End() <= static_cast<int>(text.size()) &&
         SameText(text.substr(static_cast<std::size_t>(selection.start),
                              static_cast<std::size_t>(selection.length)),
                  searchText_, options_.matchCase);
}

std::optional<EditResult> TextSearch::Replace(std::string_view text, Selection selection,
                                              std::string_view replacement) const {
  if (!IsSearchText(text, selection)) return std::nullopt;
  return EditResult{TextChange{selection.start, selection.length, std::string(replacement)},
                    Selection{selection.start + static_cast<int>(replacement.size()), 0}};
}

ReplaceAllResult TextSearch::ReplaceAll(std::string_view text, Selection selection,
                                        std::string_view replacement) const {
  if (searchText_.empty()) return {EditResult{std::nullopt, selection}, 0, {}};
  std::string result(text);
  if (!IsSearchText(result, selection)) {
    const FindResult found = FindDown(result, selection);
    if (found.match) selection = *found.match;
  }
  int replaced = 0;
  while (IsSearchText(result, selection)) {
    result.replace(static_cast<std::size_t>(selection.start), static_cast<std::size_t>(selection.length),
                   replacement);
    ++replaced;
    selection = {selection.start + static_cast<int>(replacement.size()), 0};
    if (const std::optional<std::size_t> next =
            FirstMatchFrom(result, static_cast<std::size_t>(selection.start))) {
      selection = {static_cast<int>(*next), static_cast<int>(searchText_.size())};
    }
  }
  return {EditResult{TextChange::Between(text, result), selection}, replaced, std::string(kNoMatchFound)};
}

}  // namespace tav2
