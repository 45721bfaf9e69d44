#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "core/editor/colourregion.h"
#include "core/editor/editkind.h"
#include "core/editor/tokenclass.h"

namespace tav2 {

class Mcrom;

// A coloured stretch of a line: `start` counts from the line's first character.
struct ColourSpan {
  int start = 0;
  int length = 0;
  TokenClass tokenClass = TokenClass::Plain;

  bool operator==(const ColourSpan&) const = default;
};

// Whether a line ends inside a "/*" comment that goes on in the next line.
// The values suit a text block's user state (a missing state, -1, reads as
// Normal).
enum class LineState : int { Normal = 0, InBlockComment = 1 };

struct LineColouring {
  std::vector<ColourSpan> spans;  // in text order, only classes that are not plain
  LineState endState = LineState::Normal;
};

// The syntax colouring of assembler and micro-code sources: the words of the
// region between the first and the last "##" are classified and coloured,
// line by line, with the "/*" comment state handed from one line to the next.
// Instruction names of assembler sources are those of the micro-code ROM as
// it is at the time of the call.
class SyntaxColourer {
 public:
  SyntaxColourer(const Mcrom& mcrom, EditKind kind) : mcrom_(mcrom), kind_(kind) {}

  EditKind Kind() const { return kind_; }
  void SetKind(EditKind kind) { kind_ = kind; }

  // The class of a word (letters, digits, "_") in a source of `kind`; the
  // word is compared in upper case.
  TokenClass ClassifyWord(std::string_view word, EditKind kind) const;
  TokenClass ClassifyWord(std::string_view word) const { return ClassifyWord(word, kind_); }

  // Colours one line (without its line break) that begins at text position
  // `lineStart`, given the region of the whole text and the state at the end
  // of the line before.
  LineColouring ColourLine(std::string_view line, int lineStart, const std::optional<ColourRegion>& region,
                           LineState startState) const;

  // Colours a whole text line by line; span starts are text positions.
  std::vector<ColourSpan> ColourText(std::string_view text) const;

 private:
  TokenClass ClassifyAssemblerWord(std::string_view upper) const;
  static TokenClass ClassifyMicrocodeWord(std::string_view upper);

  const Mcrom& mcrom_;
  EditKind kind_;
};

}  // namespace tav2
