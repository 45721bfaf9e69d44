#include "gui/sim/screenwindow.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <utility>

#include "gui/common/dialogs.h"
#include "gui/common/fixedfont.h"
#include "gui/common/windowframe.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/screenterminal.h"
#include "gui/sim/terminaloptionsdialog.h"
#include "gui/sim/processorwindow.h"
#include "core/sim/runcontrol.h"

namespace tav2 {

namespace {
const QColor kBackground(0xEC, 0xFF, 0xEA);
constexpr int kTab = 9;
constexpr int kFontPoints = 10;
}  // namespace

ScreenWindow::ScreenWindow(ProcessorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), screen_(host.Screen()), grid_(host.Screen().Grid()) {
  setObjectName(QStringLiteral("TScreenform"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setWindowTitle(QStringLiteral("TAV screen"));
  ApplyZoom();
  const WindowBounds& bounds = host.Defaults().screen;
  resize(bounds.width, bounds.height);
  screen_.Attach(this);
  grid_.ResetFlags();
  screen_.Services().Clear();
  CreatePopupMenu();

  blinkTimer_.setObjectName(QStringLiteral("Timer1"));
  blinkTimer_.setInterval(kBlinkMilliseconds);
  connect(&blinkTimer_, &QTimer::timeout, this, &ScreenWindow::OnBlinkTimer);
  blinkTimer_.start();
}

ScreenWindow::~ScreenWindow() { screen_.Detach(this); }

// The cells are as large as at 100 % times the zoom, so that the grid keeps
// its lines and characters in a frame scaled by it.
void ScreenWindow::ApplyZoom() {
  setFont(FixedFont::OfPoints(kFontPoints, zoom_));
  const QFontMetrics metrics(FixedFont::OfPoints(kFontPoints));
  grid_.cellWidth = zoom_.Scaled(metrics.horizontalAdvance(QLatin1Char(' ')));
  grid_.cellHeight = zoom_.Scaled(metrics.height());
}

// The frame takes its new size before the grid is laid out again: a
// layout from the old frame and the new cells could drop characters.
void ScreenWindow::SetZoom(const ZoomLevel& zoom) {
  const ZoomLevel from = std::exchange(zoom_, zoom);
  ApplyZoom();
  rezooming_ = true;
  WindowFrame::Rescale(this, from, zoom);
  rezooming_ = false;
  screen_.Services().WindowResized();
  update();
}

QRect ScreenWindow::CellRect(int column, int row) const {
  return {column * grid_.cellWidth + zoom_.Scaled(kLeftMargin),
          row * grid_.cellHeight + zoom_.Scaled(kTopMargin), grid_.cellWidth, grid_.cellHeight};
}

QRect ScreenWindow::CursorRect(int column, int row) const {
  return {column * grid_.cellWidth + zoom_.Scaled(kLeftMargin),
          row * grid_.cellHeight + zoom_.Scaled(kTopMargin), zoom_.Scaled(1), grid_.cellHeight + 1};
}

void ScreenWindow::UpdateCell(int column, int row) { update(CellRect(column, row)); }

void ScreenWindow::UpdateCursor(int column, int row) { update(CursorRect(column, row)); }

// Every cell of the grid, spare row and column included, then the cursor.
void ScreenWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font());
  const QRect dirty = event->rect();
  for (int row = 0; row <= grid_.lines && row <= ScreenGrid::kMaxLines; ++row) {
    for (int column = 0; column <= grid_.chars && column <= ScreenGrid::kMaxChars; ++column) {
      const QRect cell = CellRect(column, row);
      const uint8_t ch = grid_.Cell(column, row);
      if (ch == ' ' || !cell.intersects(dirty)) continue;
      painter.drawText(cell.left(), cell.top() + metrics.ascent(),
                       QString(QChar::fromLatin1(static_cast<char>(ch))));
    }
  }
  if (grid_.cursorVisible) {
    const QRect cursor = CursorRect(grid_.column, grid_.row);
    painter.drawLine(cursor.topLeft(), cursor.bottomLeft());
  }
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || text[0].unicode() > 0xFF) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_Tab) tabReadAsInput_ = screen_.WaitingForKey();
  grid_.lastKey = text[0].unicode();
  screen_.KeyTyped();
}

// A Tab that a waiting input service has read is not written a second time.
void ScreenWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Tab || event->isAutoRepeat()) return;
  if (grid_.wantTabs && !std::exchange(tabReadAsInput_, false)) screen_.Services().Put(kTab);
}

bool ScreenWindow::focusNextPrevChild(bool) { return false; }

void ScreenWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  grid_.inputAbort = false;
  if (grid_.waiting) screen_.Services().DrawCursor();
}

void ScreenWindow::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  screen_.Services().EraseCursor();
}

void ScreenWindow::OnBlinkTimer() {
  if (!grid_.waiting) {
    if (grid_.cursorVisible) screen_.Services().EraseCursor();
  } else if (hasFocus()) {
    if (grid_.cursorVisible) {
      screen_.Services().EraseCursor();
    } else {
      screen_.Services().DrawCursor();
    }
  }
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!rezooming_) screen_.Services().WindowResized();
}

void ScreenWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_) return;
  placed_ = true;
  WindowFrame::Place(this, host_.Defaults().screen);
}

bool ScreenWindow::ProcessorRunning() const {
  const ProcessorWindow* processor = host_.FindProcessorWindow();
  return processor != nullptr && processor->Running();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  if (ProcessorRunning()) {
    Dialogs::Current().ShowWarning(this, QString::fromLatin1(RunControl::kCannotClose));
    event->ignore();
    return;
  }
  host_.Defaults().screen = WindowFrame::Bounds(this);
  host_.ScreenWindowClosed();
  event->accept();
}

void ScreenWindow::CreatePopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  popupMenu_->addAction(QStringLiteral("&Clear Screen"), this, &ScreenWindow::ClearScreen)
      ->setObjectName(QStringLiteral("clearscreen1"));
  popupMenu_->addAction(QStringLiteral("Set Size..."), this, &ScreenWindow::ShowTerminalOptions)
      ->setObjectName(QStringLiteral("SetSize1"));
}

void ScreenWindow::contextMenuEvent(QContextMenuEvent* event) { popupMenu_->popup(event->globalPos()); }

void ScreenWindow::ClearScreen() { screen_.Services().Clear(); }

TerminalOptionsDialog* ScreenWindow::ShowTerminalOptions() {
  auto* dialog = new TerminalOptionsDialog(screen_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

}  // namespace tav2
