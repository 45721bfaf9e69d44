#include "gui/editor/errormemo.h"

#include <QTextBlock>
#include <QTextCursor>

#include "gui/editor/bgrcolour.h"
#include "gui/shell/widgetparts.h"

namespace tav2 {

namespace {
constexpr uint32_t kOlive = 0x008080;
}  // namespace

ErrorMemo::ErrorMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("Memo1");
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetPaletteColour(this, QPalette::Text, ColourFromBgr(kOlive));
}

void ErrorMemo::ShowErrors(const std::vector<TError>& errors) {
  // Every line ends with a line break, so that a click below the last
  // error lands on an empty line of its own.
  QString lines;
  positions_.clear();
  for (const TError& error : errors) {
    lines += QString::fromLatin1(error.ListLine()) + QLatin1Char('\n');
    positions_.push_back(error.position);
  }
  setPlainText(lines);
}

void ErrorMemo::Memo1Click() {
  QTextCursor cursor = textCursor();
  const int line = cursor.blockNumber() + 1;
  cursor.movePosition(QTextCursor::StartOfBlock);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  if (line <= ErrorCount()) emit errorChosen(positions_[static_cast<std::size_t>(line - 1)]);
}

void ErrorMemo::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  Memo1Click();
}

}  // namespace tav2
