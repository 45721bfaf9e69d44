#include "core/editor/syntaxcolourer.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/editor/textchars.h"
#include "core/lang/keywordlists.h"
#include "core/sim/mcrom.h"

namespace tav2 {

namespace {

constexpr std::array<std::string_view, 7> kDirectives = {"NONE", "DAT", "STR", "ORG", "EQU", "RES", "END"};

bool IsTokenStart(char ch) { return IsWordChar(ch) || ch == '#'; }
bool IsHashWordChar(char ch) { return IsLetter(ch) || IsDigit(ch) || ch == '#'; }

// Scans the part of one line that lies in the region, collecting the spans.
class LineScan {
 public:
  LineScan(const SyntaxColourer& colourer, std::string_view line, std::size_t to, bool regionGoesOn)
      : colourer_(colourer), line_(line.substr(0, to)), regionGoesOn_(regionGoesOn) {}

  // Colours from `p` on; `inComment` when `p` lies inside a "/*" comment.
  LineColouring Scan(std::size_t p, bool inComment) {
    if (inComment) p = Comment(p, p);
    while (p < line_.size()) p = Token(SkipToToken(p));
    return std::move(result_);
  }

 private:
  bool IsCommentStart(std::size_t p) const {
    return line_[p] == '/' && p + 1 < line_.size() && (line_[p + 1] == '/' || line_[p + 1] == '*');
  }
  std::size_t SkipToToken(std::size_t p) const {
    while (p < line_.size() && !IsTokenStart(line_[p]) && !IsCommentStart(p)) ++p;
    return p;
  }
  template <typename Predicate>
  std::size_t RunEnd(std::size_t p, Predicate inRun) const {
    while (p < line_.size() && inRun(line_[p])) ++p;
    return p;
  }

  // Colours the token at `p` and gives the position after it.
  std::size_t Token(std::size_t p) {
    if (p >= line_.size()) return p;
    if (line_[p] == '#') return Add(p, RunEnd(p + 1, IsHashWordChar), TokenClass::HashWord);
    if (line_[p] == '/' && line_[p + 1] == '/') return Add(p, line_.size(), TokenClass::Comment);
    if (line_[p] == '/') return Comment(p, p + 1);
    const std::size_t end = RunEnd(p, IsWordChar);
    return Add(p, end, colourer_.ClassifyWord(line_.substr(p, end - p)));
  }

  // A comment from `start` up to and including the "*/" found from
  // `searchFrom` on (the star of the opener itself counts), or to the region's
  // end in this line.
  std::size_t Comment(std::size_t start, std::size_t searchFrom) {
    const std::size_t close = line_.find("*/", searchFrom);
    if (close != std::string_view::npos) return Add(start, close + 2, TokenClass::Comment);
    if (regionGoesOn_) result_.endState = LineState::InBlockComment;
    return Add(start, line_.size(), TokenClass::Comment);
  }

  std::size_t Add(std::size_t start, std::size_t end, TokenClass tokenClass) {
    if (end > start && tokenClass != TokenClass::Plain) {
      result_.spans.push_back({static_cast<int>(start), static_cast<int>(end - start), tokenClass});
    }
    return end;
  }

  const SyntaxColourer& colourer_;
  std::string_view line_;  // up to the region's end
  bool regionGoesOn_;
  LineColouring result_;
};

}  // namespace

TokenClass SyntaxColourer::ClassifyWord(std::string_view word, EditKind kind) const {
  const std::string upper = UpperCase(word);
  switch (kind) {
    case EditKind::AssemblerSource: return ClassifyAssemblerWord(upper);
    case EditKind::MicrocodeSource: return ClassifyMicrocodeWord(upper);
    case EditKind::AssemblerListing:
    case EditKind::TextFile: break;
  }
  return TokenClass::Plain;
}

TokenClass SyntaxColourer::ClassifyAssemblerWord(std::string_view upper) const {
  if (KeywordLists::Shared().IsProgrammerRegister(upper)) return TokenClass::AssemblerRegister;
  if (mcrom_.Find(upper)) return TokenClass::RegisterOrInstruction;
  if (!upper.empty() && IsDigit(upper.front())) return TokenClass::Number;
  if (std::find(kDirectives.begin(), kDirectives.end(), upper) != kDirectives.end())
    return TokenClass::Directive;
  if (upper == "BEGIN") return TokenClass::FunctionWord;
  return TokenClass::Plain;
}

TokenClass SyntaxColourer::ClassifyMicrocodeWord(std::string_view upper) {
  const KeywordLists& lists = KeywordLists::Shared();
  if (lists.IsRegisterWord(upper)) return TokenClass::RegisterOrInstruction;
  if (upper.starts_with("0X")) return TokenClass::Number;
  if (lists.IsAluFunction(upper)) return TokenClass::FunctionWord;
  return TokenClass::Plain;
}

LineColouring SyntaxColourer::ColourLine(std::string_view line, int lineStart,
                                         const std::optional<ColourRegion>& region,
                                         LineState startState) const {
  if (!region) return {};
  const int length = static_cast<int>(line.size());
  const int from = std::clamp(region->start - lineStart, 0, length);
  const int to = std::clamp(region->end - lineStart, 0, length);
  if (to <= from) return {};
  // A line that holds the region's start cannot begin inside a comment.
  const bool inComment = startState == LineState::InBlockComment && lineStart > region->start;
  return LineScan(*this, line, static_cast<std::size_t>(to), region->end > lineStart + length)
      .Scan(static_cast<std::size_t>(from), inComment);
}

std::vector<ColourSpan> SyntaxColourer::ColourText(std::string_view text) const {
  const std::optional<ColourRegion> region = ColourRegion::Find(text);
  std::vector<ColourSpan> spans;
  LineState state = LineState::Normal;
  std::size_t lineStart = 0;
  while (lineStart <= text.size()) {
    const std::size_t lineEnd = LineEnd(text, lineStart);
    LineColouring line =
        ColourLine(text.substr(lineStart, lineEnd - lineStart), static_cast<int>(lineStart), region, state);
    for (ColourSpan& span : line.spans) {
      span.start += static_cast<int>(lineStart);
      spans.push_back(span);
    }
    state = line.endState;
    lineStart = lineEnd + 1;
  }
  return spans;
}

}  // namespace tav2
