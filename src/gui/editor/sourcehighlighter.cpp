#include "gui/editor/sourcehighlighter.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <array>

#include "core/editor/tokenclass.h"
#include "gui/common/bgrcolour.h"

namespace tav2 {

namespace {

const QString kMarker = QStringLiteral("##");

QTextCharFormat FormatOf(TokenClass tokenClass) {
  static const std::array<QTextCharFormat, 12> formats = [] {
    std::array<QTextCharFormat, 12> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
      const TokenStyle style = StyleOf(static_cast<TokenClass>(i));
      all[i].setForeground(ColourFromBgr(style.colour));
      all[i].setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
      all[i].setFontItalic(style.italic);
    }
    return all;
  }();
  return formats[static_cast<std::size_t>(tokenClass)];
}

// Where a text position is after `removed` characters at `position` gave
// way to `added` ones; none when the position itself was removed.
std::optional<int> Shifted(int at, int position, int removed, int added) {
  if (at < position) return at;
  if (at >= position + removed) return at + added - removed;
  return std::nullopt;
}

// The region as it is after the edit when no marker moved other than by the
// edit; none when the region's start or its last character was removed.
std::optional<ColourRegion> ShiftedRegion(const ColourRegion& region, int position, int removed, int added) {
  const std::optional<int> start = Shifted(region.start, position, removed, added);
  const std::optional<int> last = Shifted(region.end - 1, position, removed, added);
  if (!start || !last) return std::nullopt;
  return ColourRegion{*start, *last + 1};
}

}  // namespace

// Colours are no edit. While a pass runs, the highlighter says it is
// recolouring, so that the editor does not take the pass for a change of
// the text. With the control's own undo switched off, Qt also counts every
// repaint of the colours as a change of the document, so the modified flag
// is put back as it was.
class SourceHighlighter::ColourPass {
 public:
  explicit ColourPass(SourceHighlighter& highlighter)
      : highlighter_(highlighter),
        wasRecolouring_(highlighter.recolouring_),
        modified_(highlighter.document_ != nullptr && highlighter.document_->isModified()) {
    highlighter_.recolouring_ = true;
  }
  ~ColourPass() {
    highlighter_.recolouring_ = wasRecolouring_;
    if (highlighter_.document_) highlighter_.document_->setModified(modified_);
  }
  ColourPass(const ColourPass&) = delete;
  ColourPass& operator=(const ColourPass&) = delete;

 private:
  SourceHighlighter& highlighter_;
  bool wasRecolouring_;
  bool modified_;
};

SourceHighlighter::SourceHighlighter(QTextDocument* document, const Mcrom& mcrom, EditKind kind)
    : QSyntaxHighlighter(static_cast<QObject*>(document)), document_(document), colourer_(mcrom, kind) {
  // Connected before the highlighter's own handler, so that the region is up
  // to date when the changed lines are coloured.
  connect(document, &QTextDocument::contentsChange, this, &SourceHighlighter::DocumentChanged);
  region_ = FindRegion();
  const ColourPass pass(*this);
  setDocument(document);
  rehighlight();
}

void SourceHighlighter::SetKind(EditKind kind) {
  colourer_.SetKind(kind);
  const ColourPass pass(*this);
  if (enabled_) rehighlight();
}

void SourceHighlighter::SetEnabled(bool on) {
  if (on == enabled_) {
    Recolour();
    return;
  }
  enabled_ = on;
  const ColourPass pass(*this);
  if (!on) {
    setDocument(nullptr);  // clears every colour
    return;
  }
  region_ = FindRegion();
  setDocument(document_);
  rehighlight();
}

void SourceHighlighter::Recolour() {
  if (!enabled_) return;
  region_ = FindRegion();
  const ColourPass pass(*this);
  rehighlight();
}

void SourceHighlighter::DocumentChanged(int position, int removed, int added) {
  if (!enabled_ || !document_) return;
  const std::optional<ColourRegion> previous = region_;
  region_ = FindRegion();
  if (!previous && !region_) return;
  if (previous && region_ && ShiftedRegion(*previous, position, removed, added) == region_) return;
  // The changed lines are coloured by the highlighter itself; the rest only
  // needs it when the change did not cover the whole text.
  const bool wholeText = position == 0 && added >= document_->characterCount() - 1;
  if (!wholeText) rehighlight();
}

// Line by line (a marker never spans a line break), so that a key press in a
// long text does not copy the whole text.
std::optional<ColourRegion> SourceHighlighter::FindRegion() const {
  if (!document_) return std::nullopt;
  std::optional<int> first;
  for (QTextBlock block = document_->begin(); block.isValid() && !first; block = block.next()) {
    const auto at = static_cast<int>(block.text().indexOf(kMarker));
    if (at >= 0) first = block.position() + at;
  }
  if (!first) return std::nullopt;
  int last = *first;
  for (QTextBlock block = document_->lastBlock(); block.isValid(); block = block.previous()) {
    const auto at = static_cast<int>(block.text().lastIndexOf(kMarker));
    if (at >= 0) {
      last = block.position() + at;
      break;
    }
  }
  return ColourRegion::Between(*first, last);
}

void SourceHighlighter::highlightBlock(const QString& text) {
  const QByteArray line = text.toLatin1();
  const LineState startState = previousBlockState() == static_cast<int>(LineState::InBlockComment)
                                   ? LineState::InBlockComment
                                   : LineState::Normal;
  const LineColouring colouring =
      colourer_.ColourLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
                           currentBlock().position(), region_, startState);
  for (const ColourSpan& span : colouring.spans)
    setFormat(span.start, span.length, FormatOf(span.tokenClass));
  setCurrentBlockState(static_cast<int>(colouring.endState));
}

}  // namespace tav2
