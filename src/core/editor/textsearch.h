#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/editresult.h"
#include "core/editor/selection.h"

namespace tav2 {

struct SearchOptions {
  bool matchCase = false;
  bool wholeWord = false;
  bool down = true;
};

struct FindResult {
  std::optional<Selection> match;  // to be selected
  std::string message;             // "No match found" when a search found nothing
};

struct ReplaceAllResult {
  EditResult edit;
  int replaced = 0;
  std::string message;  // every Replace All ends with "No match found"
};

// The find and replace steps of the editor's Find and Replace dialogs. A
// search with an empty search text does nothing and reports nothing.
class TextSearch {
 public:
  static constexpr std::string_view kNoMatchFound = "No match found";

  TextSearch(std::string_view searchText, SearchOptions options)
      : searchText_(searchText), options_(options) {}

  // The Find dialog's step in its direction. Downward it searches from one
  // character after the selection start, so that it moves on from a found
  // match (from the very start when the caret is at 0 with nothing
  // selected); upward it finds the last match that begins before the
  // selection start.
  FindResult Find(std::string_view text, Selection selection) const;
  // The Replace dialog's find step: always downward.
  FindResult FindDown(std::string_view text, Selection selection) const;
  // Replaces the selection when it is the search text (without regard to
  // case unless case matters); the caret ends after the replacement.
  std::optional<EditResult> Replace(std::string_view text, Selection selection,
                                    std::string_view replacement) const;
  // Replaces the selection when it is the search text, else the next match,
  // and every match after it; each search goes on from the end of the
  // replacement before it.
  ReplaceAllResult ReplaceAll(std::string_view text, Selection selection, std::string_view replacement) const;

 private:
  bool MatchesAt(std::string_view text, std::size_t position) const;
  bool IsWholeWord(std::string_view text, std::size_t position) const;
  std::optional<std::size_t> FirstMatchFrom(std::string_view text, std::size_t from) const;
  std::optional<std::size_t> LastMatchBefore(std::string_view text, std::size_t before) const;
  bool IsSearchText(std::string_view text, Selection selection) const;
  FindResult Report(std::optional<std::size_t> match) const;

  std::string searchText_;
  SearchOptions options_;
};

}  // namespace tav2
