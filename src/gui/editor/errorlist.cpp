#include "gui/editor/errorlist.h"

#include <QTextBlock>
#include <QTextCursor>

#include "gui/common/bgrcolour.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

namespace {
constexpr uint32_t kOlive = 0x008080;
}  // namespace

ErrorList::ErrorList(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("Memo1");
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetPaletteColour(this, QPalette::Text, ColourFromBgr(kOlive));
}

void ErrorList::ShowErrors(const std::vector<BuildError>& errors) {
  // Every line ends with a line break, so that a click below the last
  // error lands on an empty line of its own.
  QString lines;
  positions_.clear();
  for (const BuildError& error : errors) {
    lines += QString::fromLatin1(error.ListLine()) + QLatin1Char('\n');
    positions_.push_back(error.position);
  }
  setPlainText(lines);
}

void ErrorList::OnErrorListClicked() {
  QTextCursor cursor = textCursor();
  const int line = cursor.blockNumber() + 1;
  cursor.movePosition(QTextCursor::StartOfBlock);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  if (line <= ErrorCount()) emit errorChosen(positions_[static_cast<std::size_t>(line - 1)]);
}

void ErrorList::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  OnErrorListClicked();
}

}  // namespace tav2
