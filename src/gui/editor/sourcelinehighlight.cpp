#include "gui/editor/sourcelinehighlight.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

#include "core/editor/textchars.h"
#include "gui/common/bgrcolour.h"
#include "gui/editor/coretext.h"

namespace tav2 {

namespace {

constexpr uint32_t kRed = 0x0000FF;

// The text copy is shared by all editors: the one last highlighted.
struct TextCache {
  const QPlainTextEdit* editor = nullptr;
  std::string text;
  bool stale = true;
};

TextCache& Cache() {
  static TextCache cache;
  return cache;
}

}  // namespace

SourceLineHighlight::SourceLineHighlight(QPlainTextEdit* edit) : QObject(edit), edit_(edit) {}

SourceLineHighlight::~SourceLineHighlight() {
  if (Cache().editor == edit_) Cache() = TextCache{};
}

void SourceLineHighlight::MarkTextCacheStale() { Cache().stale = true; }

bool SourceLineHighlight::TextCacheStale() { return Cache().stale; }

const std::string& SourceLineHighlight::TextCopy() {
  TextCache& cache = Cache();
  if (cache.stale || cache.editor != edit_) {
    cache.text = std::string(CoreText(*edit_).View());
    cache.editor = edit_;
    cache.stale = false;
  }
  return cache.text;
}

void SourceLineHighlight::ShowSourceLine(int position) {
  ClearSourceLine();
  if (position == 0) return;
  const std::string& text = TextCopy();
  const std::size_t at = std::min(static_cast<std::size_t>(std::max(position, 0)), text.size());
  const int last = edit_->document()->characterCount() - 1;
  start_ = std::min(static_cast<int>(LineStart(text, at)), last);
  length_ = std::min(static_cast<int>(LineEnd(text, at)), last) - start_;

  QTextEdit::ExtraSelection line;
  line.cursor = QTextCursor(edit_->document());
  line.cursor.setPosition(start_);
  line.cursor.setPosition(start_ + length_, QTextCursor::KeepAnchor);
  line.format.setForeground(ColourFromBgr(kRed));
  edit_->setExtraSelections({line});

  QTextCursor caret = edit_->textCursor();
  caret.setPosition(std::min(position, last));
  edit_->setTextCursor(caret);
  edit_->ensureCursorVisible();
  shown_ = true;
}

void SourceLineHighlight::ClearSourceLine() {
  if (!shown_) return;
  edit_->setExtraSelections({});
  shown_ = false;
}

}  // namespace tav2
