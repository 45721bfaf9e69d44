#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/editresult.h"
#include "core/editor/selection.h"

namespace tav2 {

// The editor's text commands, as functions of the text and the selection.
// Positions are offsets into the text, which has one "\n" per line break.

// Revert Case: with a selection, its letters change case and it stays
// selected; without one, the letter after the caret changes case and the
// caret passes it (any other character is only passed). None at the text's
// end.
std::optional<EditResult> RevertCase(std::string_view text, Selection selection);

// Match Bracket: the caret position after the command. On "(", "[" or "{"
// (the character after the caret, or the last one at the text's end) the
// caret goes before the matching closing bracket, on ")", "]" or "}" before
// the matching opening one; brackets of other kinds are not counted. Without
// a match it stays; on any other character it moves one to the right.
int MatchBracket(std::string_view text, int caret);

// Indent Selection: one space at the start of the selection and after every
// line feed in it that at least two more selected characters follow; the
// indented stretch stays selected. None without a selection.
std::optional<EditResult> IndentSelection(std::string_view text, Selection selection);

// Unindent Selection: the space that begins the selection and every space
// that follows a line feed in it (with at least one more selected character
// after the space) are removed; tabs stay. None without a selection.
std::optional<EditResult> UnindentSelection(std::string_view text, Selection selection);

// Auto indent after Enter: the leading spaces and tabs (at most 255) of the
// line just ended are inserted at the caret. None when there are none.
std::optional<EditResult> AutoIndent(std::string_view text, int caret);

// The selection's first 50 characters, or else the run of letters, digits,
// "_" and "#" (at most 99 characters) at or just before the caret; empty
// when there is none.
std::string WordAtCursor(std::string_view text, Selection selection);

}  // namespace tav2
