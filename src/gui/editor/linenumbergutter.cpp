#include "gui/editor/linenumbergutter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>

#include "core/editor/breakpointmark.h"

namespace tav2 {

namespace {

constexpr int kLeastDigits = 3;
const QColor kBreakpointRed(0xE0, 0x00, 0x00);

int DigitsOf(int number) { return static_cast<int>(QString::number(number).size()); }

}  // namespace

LineNumberGutter::LineNumberGutter(QPlainTextEdit* text, QWidget* parent) : QWidget(parent), text_(text) {
  setObjectName(QStringLiteral("LineNumbers"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(text_, &QPlainTextEdit::updateRequest, this, &LineNumberGutter::FollowUpdate);
  connect(text_->document(), &QTextDocument::blockCountChanged, this, &LineNumberGutter::FollowText);
  text_->installEventFilter(this);
  FollowText();
}

void LineNumberGutter::ShowBreakpointMarks(bool on) {
  marksShown_ = on;
  update();
}

// Room for the dot, the digits of the last line's number and the margins.
QSize LineNumberGutter::sizeHint() const {
  const QFontMetrics metrics(text_->font());
  const int dot = metrics.ascent();
  return {kMargin + dot + kMargin + digits_ * metrics.horizontalAdvance(QLatin1Char('9')) + kMargin, 0};
}

void LineNumberGutter::FollowText() {
  digits_ = std::max(kLeastDigits, DigitsOf(text_->document()->blockCount()));
  setFixedWidth(sizeHint().width());
  update();
}

bool LineNumberGutter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)) {
    FollowText();
  }
  return QWidget::eventFilter(watched, event);
}

// A change of the text repaints the gutter beside it only; a scroll all of it.
void LineNumberGutter::FollowUpdate(const QRect& rect, int dy) {
  if (dy != 0) {
    update();
    return;
  }
  update(0, InGutter(rect.top()), width(), rect.height());
}

int LineNumberGutter::InGutter(int viewportY) const {
  return mapFromGlobal(text_->viewport()->mapToGlobal(QPoint(0, viewportY))).y();
}

QTextBlock LineNumberGutter::FirstVisibleBlock(qreal* top) const {
  const QTextBlock block = text_->cursorForPosition(QPoint(0, 0)).block();
  *top = InGutter(text_->cursorRect(QTextCursor(block)).top());
  return block;
}

qreal LineNumberGutter::BlockHeight(const QTextBlock& block) const {
  return text_->document()->documentLayout()->blockBoundingRect(block).height();
}

std::optional<int> LineNumberGutter::LineTop(int line) const {
  qreal top = 0;
  for (QTextBlock block = FirstVisibleBlock(&top); block.isValid() && top < height(); block = block.next()) {
    if (block.blockNumber() == line) return qRound(top);
    top += BlockHeight(block);
  }
  return std::nullopt;
}

int LineNumberGutter::LineAt(int y) const {
  qreal top = 0;
  for (QTextBlock block = FirstVisibleBlock(&top); block.isValid() && top <= y; block = block.next()) {
    const qreal bottom = top + BlockHeight(block);
    if (y < bottom) return block.blockNumber();
    top = bottom;
  }
  return -1;
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPalette& colours = text_->palette();
  painter.fillRect(event->rect(), colours.color(QPalette::Base).darker(110));
  painter.setFont(text_->font());
  const QFontMetrics metrics(text_->font());
  const int dot = metrics.ascent();
  qreal top = 0;
  for (QTextBlock block = FirstVisibleBlock(&top); block.isValid() && top <= event->rect().bottom();
       block = block.next()) {
    const qreal height = BlockHeight(block);
    if (top + height < event->rect().top()) {
      top += height;
      continue;
    }
    const QRect line(0, qRound(top), width() - kMargin, metrics.lineSpacing());
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(block.blockNumber() + 1));
    if (marksShown_ && BreakpointMark::Carries(block.text().toLatin1().toStdString())) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(kBreakpointRed);
      painter.drawEllipse(kMargin, line.top() + (metrics.lineSpacing() - dot) / 2, dot, dot);
      painter.setBrush(Qt::NoBrush);
    }
    top += height;
  }
}

void LineNumberGutter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int line = LineAt(event->position().toPoint().y());
  if (line >= 0) emit lineClicked(line);
}

}  // namespace tav2
