#include "gui/sim/memoryview.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <utility>

#include "gui/common/fixedfont.h"
#include "gui/sim/memoryviewoptionsdialog.h"
#include "gui/common/windowframe.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/processorwindow.h"
#include "core/sim/disassemble.h"

namespace tav2 {

namespace {

const QColor kBackground(0xEB, 0xEB, 0xEB);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
constexpr int kPcMarkWidth = 8;
constexpr int kFontPixels = 11;
constexpr int kRowSpacing = 2;
constexpr int kBottomMargin = 20;

QString Binary(uint16_t word) { return QString::number(word, 2).rightJustified(16, QLatin1Char('0')); }

// The control codes of Latin-1: below 0x20 and from DEL to 0x9F.
bool IsControlCode(uint8_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

// The character of a byte; control codes show as a blank.
QString Character(uint8_t code) {
  return QString(IsControlCode(code) ? QChar(QLatin1Char(' ')) : QChar::fromLatin1(static_cast<char>(code)));
}

}  // namespace

int MemoryView::ColumnX(Column column, const Switches& s) {
  const int hex = 45;
  const int decimal = s.hex ? 90 : hex;
  const int ascii = s.decimal ? decimal + 50 : decimal;
  const int binary = s.ascii ? ascii + 15 : ascii;
  const int disassembly = s.binary ? binary + 110 : binary;
  switch (column) {
    case Column::Address: return 10;
    case Column::Hex: return hex;
    case Column::Decimal: return decimal;
    case Column::Ascii: return ascii;
    case Column::Binary: return binary;
    case Column::Disassembly: return disassembly;
  }
  return 0;
}

MemoryView::MemoryView(ProcessorHost& host, int slot, QWidget* parent)
    : QAbstractScrollArea(parent),
      host_(host),
      slot_(slot),
      pageBase_(host.Defaults().memoryViews[static_cast<std::size_t>(slot)].pageBase & 0xFF00) {
  setObjectName(QStringLiteral("TMform"));
  setAttribute(Qt::WA_DeleteOnClose);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::Base, kBackground);
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  CreatePopupMenu();
  const WindowBounds& bounds = host.Defaults().memoryViews[static_cast<std::size_t>(slot)].bounds;
  resize(bounds.width, bounds.height);
  SetZoom(zoom_);
}

// The rows are as far apart as at 100 % times the zoom, so that every
// position scales with it.
void MemoryView::SetZoom(const ZoomLevel& zoom) {
  const ZoomLevel from = std::exchange(zoom_, zoom);
  setFont(FixedFont::OfPixels(kFontPixels, zoom));
  rowHeight_ = zoom.Scaled(QFontMetrics(FixedFont::OfPixels(kFontPixels)).height() + kRowSpacing);
  verticalScrollBar()->setSingleStep(rowHeight_);
  WindowFrame::Rescale(this, from, zoom);
  UpdateScrollRange();
  PaintPage();
}

void MemoryView::CreatePopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  popupMenu_->addAction(QStringLiteral("&Clear this page"), this, &MemoryView::ClearPage)
      ->setObjectName(QStringLiteral("Clearthispage1"));
  popupMenu_->addAction(QStringLiteral("&Settings..."), this, &MemoryView::ShowOptions)
      ->setObjectName(QStringLiteral("Settings1"));
  popupMenu_->addAction(QStringLiteral("&New page"), this, &MemoryView::OpenNewPage)
      ->setObjectName(QStringLiteral("Newpage1"));
}

// The page is 256 rows plus 20 pixels high; the scroll step is one row.
void MemoryView::UpdateScrollRange() {
  const int content = kRows * rowHeight_ + zoom_.Scaled(kBottomMargin);
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, content - viewport()->height()));
  bar->setPageStep(viewport()->height());
}

int MemoryView::RowTop(uint16_t address) const {
  return (address - pageBase_) * rowHeight_ - verticalScrollBar()->value() + zoom_.Scaled(kTopMargin);
}

MemoryView::RowTexts MemoryView::TextsOf(uint16_t address) const {
  const uint16_t word = host_.Hardware().memory.Read(address);
  return {QString::asprintf("%04X", address), QString::asprintf("%04X", word),
          QString::asprintf("%6d", static_cast<int16_t>(word)), Character(static_cast<uint8_t>(word)),
          Binary(word)};
}

QString MemoryView::DisassemblyShown(uint16_t address) const {
  return OnPage(address) ? disassembly_[address & 0xFF] : QString();
}

void MemoryView::Configure(uint16_t pageBase, const Switches& switches) {
  pageBase_ = pageBase & 0xFF00;
  switches_ = switches;
  const ProcessorWindow* processor = host_.FindProcessorWindow();
  if (switches_.pcMark && processor != nullptr) MarkPc(processor->Pc());
  if (!switches_.pcMark) RemovePcMark();
  PaintPage();
}

MemoryViewSettings MemoryView::Settings() const { return {WindowFrame::Bounds(this), pageBase_}; }

void MemoryView::ApplySettings(const MemoryViewSettings& settings) {
  WindowFrame::Place(this, settings.bounds);
  pageBase_ = settings.pageBase & 0xFF00;
  PaintPage();
}

// The whole page again: the PC mark where the processor's PC is, the caption.
void MemoryView::PaintPage() {
  pcMark_.reset();
  if (const ProcessorWindow* processor = host_.FindProcessorWindow()) MarkPc(processor->Pc());
  setWindowTitle(QString::asprintf("Memory page %X", pageBase_ >> 8));
  viewport()->update();
}

void MemoryView::UpdateRow(uint16_t address) {
  if (!OnPage(address)) return;
  viewport()->update(0, RowTop(address), viewport()->width(), rowHeight_);
}

void MemoryView::MarkPc(uint16_t address) {
  if (!switches_.pcMark) return;
  RemovePcMark();
  if (!OnPage(address)) return;
  pcMark_ = address;
  UpdateRow(address);
}

void MemoryView::RemovePcMark() {
  if (!pcMark_) return;
  UpdateRow(*pcMark_);
  pcMark_.reset();
}

void MemoryView::MarkAccess(uint16_t address) {
  if (!OnPage(address)) return;
  RemoveAccessMark();
  accessMark_ = address;
  UpdateRow(address);
}

void MemoryView::RemoveAccessMark() {
  if (!accessMark_) return;
  UpdateRow(*accessMark_);
  accessMark_.reset();
}

void MemoryView::RedrawWord(uint16_t address) { UpdateRow(address); }

void MemoryView::ScrollIntoView(uint16_t address) {
  if (!OnPage(address)) return;
  const int row = address - pageBase_;
  const int step = rowHeight_;
  const int top = verticalScrollBar()->value() / step;
  const int visibleRows = viewport()->height() / step;
  if (row < top) {
    verticalScrollBar()->setValue((row - 2) * step);
  } else if (row > top + visibleRows - 6) {
    verticalScrollBar()->setValue((row + 6 - visibleRows) * step);
  }
}

void MemoryView::WordWritten(uint16_t address) {
  if (!OnPage(address) || !isVisible()) return;
  writtenRows_.set(address & 0xFF);
  lastWritten_ = address;
  if (flushQueued_) return;
  flushQueued_ = true;
  QMetaObject::invokeMethod(this, &MemoryView::FlushWrittenWords, Qt::QueuedConnection);
}

void MemoryView::FlushWrittenWords() {
  flushQueued_ = false;
  for (int row = 0; row < kRows; ++row) {
    if (writtenRows_.test(static_cast<std::size_t>(row))) RedrawWord(static_cast<uint16_t>(pageBase_ + row));
  }
  writtenRows_.reset();
  ScrollIntoView(lastWritten_);
}

// Every row in address order, so that the shared skip count runs through
// the page as it does through memory; only rows in the dirty region are
// drawn. Then the PC mark and the access mark. The count starts afresh at
// each painting: a repaint of a few rows (a mark that moved, a word
// written) must not shift the disassembly of the page.
void MemoryView::paintEvent(QPaintEvent* event) {
  disassemblySkip_ = 0;
  QPainter painter(viewport());
  painter.setFont(font());
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QRect dirty = event->rect();
  const RowColours normal{kNavy, kBackground};
  for (int row = 0; row < kRows; ++row) {
    const auto address = static_cast<uint16_t>(pageBase_ + row);
    const int top = RowTop(address);
    const bool visible = top < dirty.bottom() + 1 && top + rowHeight_ > dirty.top();
    DrawRow(painter, address, true, visible, normal);
  }
  if (pcMark_) DrawPcMark(painter, *pcMark_);
  if (accessMark_) DrawRow(painter, *accessMark_, false, true, {kBackground, kBlue});
}

void MemoryView::DrawRow(QPainter& painter, uint16_t address, bool withDisassembly, bool visible,
                         const RowColours& colours) {
  if (withDisassembly && switches_.disassembly) {
    QString& shown = disassembly_[address & 0xFF];
    if (disassemblySkip_ > 0) {
      --disassemblySkip_;
      shown.clear();
    } else {
      std::string text;
      disassemblySkip_ = Disassemble(host_.Hardware().memory, host_.Hardware().mcrom, address, text) - 1;
      shown = QString::fromStdString(text);
    }
  } else if (withDisassembly) {
    disassembly_[address & 0xFF].clear();
  }
  if (!visible) return;
  painter.setPen(colours.text);
  painter.setBackground(colours.background);
  const int baseline = RowTop(address) + painter.fontMetrics().ascent();
  const RowTexts texts = TextsOf(address);
  const auto draw = [&](Column column, const QString& text) {
    painter.drawText(ColumnLeft(column), baseline, text);
  };
  draw(Column::Address, texts.address);
  if (switches_.hex) draw(Column::Hex, texts.hex);
  if (switches_.decimal) draw(Column::Decimal, texts.decimal);
  if (switches_.ascii) draw(Column::Ascii, texts.ascii);
  if (switches_.binary) draw(Column::Binary, texts.binary);
  if (withDisassembly && switches_.disassembly) draw(Column::Disassembly, disassembly_[address & 0xFF]);
}

// A small arrow left of the address.
void MemoryView::DrawPcMark(QPainter& painter, uint16_t address) {
  const int top = RowTop(address) + zoom_.Scaled(2);
  const int height = rowHeight_ - zoom_.Scaled(4);
  const int left = zoom_.Scaled(1);
  QPolygon arrow;
  arrow << QPoint(left, top) << QPoint(zoom_.Scaled(kPcMarkWidth), top + height / 2)
        << QPoint(left, top + height);
  painter.save();
  painter.setPen(kNavy);
  painter.setBrush(kNavy);
  painter.drawPolygon(arrow);
  painter.restore();
}

void MemoryView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void MemoryView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  if (placed_) return;
  placed_ = true;
  WindowFrame::Place(this, host_.Defaults().memoryViews[static_cast<std::size_t>(slot_)].bounds);
}

void MemoryView::closeEvent(QCloseEvent* event) {
  host_.Defaults().memoryViews[static_cast<std::size_t>(slot_)] = Settings();
  host_.MemoryViewClosed(this);
  event->accept();
}

void MemoryView::contextMenuEvent(QContextMenuEvent* event) { popupMenu_->popup(event->globalPos()); }

void MemoryView::ClearPage() {
  MainMemory& memory = host_.Hardware().memory;
  for (int row = 0; row < kRows; ++row) memory.Write(static_cast<uint16_t>(pageBase_ + row), 0);
  PaintPage();
}

MemoryViewOptionsDialog* MemoryView::ShowOptions() {
  auto* dialog = new MemoryViewOptionsDialog(*this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  dialog->activateWindow();
  return dialog;
}

void MemoryView::OpenNewPage() { host_.NewMemoryView(); }

}  // namespace tav2
