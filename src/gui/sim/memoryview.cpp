#include "gui/sim/memoryview.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QAction>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <utility>

#include "gui/common/dialogs.h"
#include "gui/common/fixedfont.h"
#include "gui/sim/memoryviewoptionsdialog.h"
#include "gui/common/windowframe.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/processorwindow.h"
#include "core/sim/memoryrowtext.h"
#include "core/sim/memorysearch.h"
#include "gui/common/dialogs.h"
#include "core/util/hexfield.h"
#include "core/sim/disassemble.h"

namespace tav2 {

namespace {

const QColor kBackground(0xEB, 0xEB, 0xEB);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
constexpr int kPcMarkWidth = 8;
// The frames around the address of a watched word, by what the watch stops on.
const QColor kWatchWrite(0xFF, 0x00, 0x00);
const QColor kWatchRead(0x00, 0x80, 0x00);
const QColor kWatchReadWrite(0xFF, 0x00, 0xFF);
constexpr int kFontPixels = 11;
constexpr int kRowSpacing = 2;
constexpr int kBottomMargin = 20;

QColor WatchColour(WatchKind kind) {
  switch (kind) {
    case WatchKind::Write: return kWatchWrite;
    case WatchKind::Read: return kWatchRead;
    case WatchKind::ReadWrite: return kWatchReadWrite;
  }
  return kWatchWrite;
}

bool StopsOn(std::optional<WatchKind> watched, WatchKind kind) {
  return watched && (static_cast<int>(*watched) & static_cast<int>(kind)) != 0;
}

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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
  popupMenu_->addSeparator();
  const auto addWordItem = [this](const QString& caption, const char* name, auto command) {
    QAction* item = popupMenu_->addAction(caption, this, command);
    item->setObjectName(QString::fromLatin1(name));
    wordItems_ << item;
    return item;
  };
  addWordItem(QStringLiteral("Stop when &written"), "Stopwhenwritten1", [this] {
    ToggleWatch(WatchKind::Write);
  })->setCheckable(true);
  addWordItem(QStringLiteral("Stop when &read"), "Stopwhenread1", [this] {
    ToggleWatch(WatchKind::Read);
  })->setCheckable(true);
  addWordItem(QStringLiteral("Remove &watch"), "Removewatch1", &MemoryView::RemoveWatch);
  addWordItem(QStringLiteral("&Edit word..."), "Editword1", &MemoryView::EditWord);
  AddNavigationItems();
}

// The menu shows Ctrl+G; the view's own key handling runs it.
void MemoryView::AddNavigationItems() {
  popupMenu_->addSeparator();
  QAction* goTo = popupMenu_->addAction(QStringLiteral("&Go to address..."), this, &MemoryView::GoToAddress);
  goTo->setObjectName(QStringLiteral("GoToAddress1"));
  goTo->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
  goTo->setShortcutContext(Qt::WidgetShortcut);
  popupMenu_->addAction(QStringLiteral("&Find value..."), this, &MemoryView::FindValue)
      ->setObjectName(QStringLiteral("FindValue1"));
  followPcItem_ = popupMenu_->addAction(QStringLiteral("Follow &PC"), this, &MemoryView::SetFollowPc);
  followPcItem_->setObjectName(QStringLiteral("FollowPc1"));
  followPcItem_->setCheckable(true);
}

void MemoryView::GoToAddress() {
  const std::optional<QString> text =
      Dialogs::Current().AskText(this, tr("Go to address"), tr("Address or label:"));
  if (!text) return;
  const std::optional<uint16_t> address =
      MemorySearch::AddressOf(text->toLatin1().toStdString(), host_.Hardware().labels);
  if (!address) {
    Dialogs::Current().ShowError(
        this, tr("\"%1\" is no hexadecimal address and no label of the loaded program").arg(*text));
    return;
  }
  ShowAddress(*address);
}

void MemoryView::FindValue() {
  const std::optional<QString> text =
      Dialogs::Current().AskText(this, tr("Find value"), tr("Hexadecimal word or text:"));
  if (!text) return;
  const std::vector<uint16_t> words = MemorySearch::WordsOf(text->toLatin1().toStdString());
  const auto from = shownAddress_.value_or(static_cast<uint16_t>(pageBase_ - 1));
  const std::optional<uint16_t> found = MemorySearch::Find(host_.Hardware().memory, words, from);
  if (!found) {
    Dialogs::Current().ShowError(this, tr("\"%1\" not found in memory").arg(*text));
    return;
  }
  ShowAddress(*found);
}

void MemoryView::ShowAddress(uint16_t address) {
  if (!OnPage(address)) {
    pageBase_ = address & 0xFF00;
    PaintPage();
  }
  shownAddress_ = address;
  verticalScrollBar()->setValue((address - pageBase_) * rowHeight_);
  viewport()->update();
}

void MemoryView::SetFollowPc(bool on) {
  followPc_ = on;
  followPcItem_->setChecked(on);
  const ProcessorWindow* processor = host_.FindProcessorWindow();
  if (on && processor != nullptr) FollowPc(processor->Pc());
}

void MemoryView::FollowPc(uint16_t address) {
  if (!OnPage(address)) {
    pageBase_ = address & 0xFF00;
    PaintPage();
  }
  ScrollIntoView(address);
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

QString MemoryView::DisassemblyShown(uint16_t address) const {
  return OnPage(address) ? Latin1(disassembly_.rows[address & 0xFF]) : QString();
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
  if (followPc_) FollowPc(address);
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

// The page's disassembly is read afresh from its first row at each
// painting, so that a repaint of a few rows (a mark that moved, a word
// written) never shifts it; only rows in the dirty region are drawn. Then
// the PC mark and the access mark.
void MemoryView::paintEvent(QPaintEvent* event) {
  const Machine& machine = host_.Hardware();
  disassembly_ = switches_.disassembly ? PageDisassembly::Of(machine, pageBase_) : PageDisassembly{};
  QPainter painter(viewport());
  painter.setFont(font());
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QRect dirty = event->rect();
  const RowColours normal{kNavy, kBackground};
  for (int row = 0; row < kRows; ++row) {
    const auto address = static_cast<uint16_t>(pageBase_ + row);
    const int top = RowTop(address);
    if (top < dirty.bottom() + 1 && top + rowHeight_ > dirty.top()) DrawRow(painter, address, true, normal);
  }
  if (pcMark_) DrawPcMark(painter, *pcMark_);
  if (accessMark_) DrawRow(painter, *accessMark_, false, {kBackground, kBlue});
  if (shownAddress_ && OnPage(*shownAddress_)) DrawShownAddressFrame(painter);
  DrawWatchMarks(painter);
}

QRect MemoryView::WatchMarkRect(uint16_t address) const {
  const int left = ColumnLeft(Column::Address) - 1;
  return {left, RowTop(address), ColumnLeft(Column::Hex) - left - zoom_.Scaled(4), rowHeight_ - 1};
}

// A frame around the address of each watched word of the page.
void MemoryView::DrawWatchMarks(QPainter& painter) {
  const ProcessorWindow* processor = host_.FindProcessorWindow();
  if (processor == nullptr) return;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const Watch& watch : processor->Watches().All()) {
    if (!OnPage(watch.address)) continue;
    painter.setPen(WatchColour(watch.kind));
    painter.drawRect(WatchMarkRect(watch.address));
  }
  painter.restore();
}

void MemoryView::DrawShownAddressFrame(QPainter& painter) {
  painter.save();
  painter.setPen(kBlue);
  painter.setBrush(Qt::NoBrush);
  const int markWidth = zoom_.Scaled(kPcMarkWidth);
  painter.drawRect(markWidth + 1, RowTop(*shownAddress_), viewport()->width() - markWidth - 3,
                   rowHeight_ - 1);
  painter.restore();
}

void MemoryView::DrawRow(QPainter& painter, uint16_t address, bool withDisassembly,
                         const RowColours& colours) {
  painter.setPen(colours.text);
  painter.setBackground(colours.background);
  const int baseline = RowTop(address) + painter.fontMetrics().ascent();
  const MemoryRowText texts = MemoryRowText::Of(host_.Hardware().memory, address);
  const auto draw = [&](Column column, const std::string& text) {
    painter.drawText(ColumnLeft(column), baseline, Latin1(text));
  };
  draw(Column::Address, texts.address);
  if (switches_.hex) draw(Column::Hex, texts.hex);
  if (switches_.decimal) draw(Column::Decimal, texts.decimal);
  if (switches_.ascii) draw(Column::Ascii, texts.ascii);
  if (switches_.binary) draw(Column::Binary, texts.binary);
  if (withDisassembly && switches_.disassembly) draw(Column::Disassembly, disassembly_.rows[address & 0xFF]);
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

void MemoryView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_G && event->modifiers() == Qt::ControlModifier) {
    GoToAddress();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

// The items on a word need a row under the mouse; the watches need the
// processor window, whose debugger holds them.
void MemoryView::contextMenuEvent(QContextMenuEvent* event) {
  popupAddress_ = AddressAt(viewport()->mapFromGlobal(event->globalPos()));
  const ProcessorWindow* processor = host_.FindProcessorWindow();
  const std::optional<WatchKind> watched =
      processor != nullptr && popupAddress_ ? processor->Watches().KindAt(*popupAddress_) : std::nullopt;
  for (QAction* item : wordItems_) {
    const bool watchItem = item->objectName() != QLatin1String("Editword1");
    item->setEnabled(popupAddress_.has_value() && (!watchItem || processor != nullptr));
  }
  wordItems_[0]->setChecked(StopsOn(watched, WatchKind::Write));
  wordItems_[1]->setChecked(StopsOn(watched, WatchKind::Read));
  wordItems_[2]->setEnabled(watched.has_value());
  popupMenu_->popup(event->globalPos());
}

std::optional<uint16_t> MemoryView::AddressAt(QPoint point) const {
  const int offset = point.y() - zoom_.Scaled(kTopMargin) + verticalScrollBar()->value();
  if (point.y() < 0 || point.y() >= viewport()->height() || offset < 0) return std::nullopt;
  const int row = offset / rowHeight_;
  if (row >= kRows) return std::nullopt;
  return static_cast<uint16_t>(pageBase_ + row);
}

void MemoryView::ClearPage() {
  const std::array<uint16_t, kRows> zeros{};
  if (WriteWords(pageBase_, zeros)) PaintPage();
}

bool MemoryView::WriteWords(uint16_t address, std::span<const uint16_t> values) {
  if (ProcessorWindow* processor = host_.FindProcessorWindow()) {
    if (processor->EditWords(address, values)) return true;
    Dialogs::Current().ShowError(this, QString::fromLatin1(kNotWhileRunning));
    return false;
  }
  MainMemory& memory = host_.Hardware().memory;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto written = static_cast<uint16_t>(address + i);
    memory.Write(written, values[i]);
    RedrawWord(written);
  }
  return true;
}

void MemoryView::ToggleWatch(WatchKind kind) {
  ProcessorWindow* processor = host_.FindProcessorWindow();
  if (processor == nullptr || !popupAddress_) return;
  const std::optional<WatchKind> watched = processor->Watches().KindAt(*popupAddress_);
  const int bits = (watched ? static_cast<int>(*watched) : 0) ^ static_cast<int>(kind);
  if (bits == 0) {
    processor->RemoveWatch(*popupAddress_);
  } else {
    processor->SetWatch(*popupAddress_, static_cast<WatchKind>(bits));
  }
}

void MemoryView::RemoveWatch() {
  if (ProcessorWindow* processor = host_.FindProcessorWindow(); processor != nullptr && popupAddress_)
    processor->RemoveWatch(*popupAddress_);
}

// The word's new value is asked for in hexadecimal, its present value proposed.
void MemoryView::EditWord() {
  if (!popupAddress_) return;
  const uint16_t address = *popupAddress_;
  const std::optional<QString> typed = Dialogs::Current().AskText(
      this, QStringLiteral("Edit word"), QString::asprintf("New value of %04X (hex):", address),
      QString::asprintf("%04X", host_.Hardware().memory.Read(address)));
  if (!typed) return;
  const std::optional<uint16_t> value = HexField::ReadWord(typed->toStdString());
  if (!value) {
    Dialogs::Current().ShowError(this,
                                 QString("\"%1\" is not a hexadecimal word (0 to FFFF): %2 is not changed")
                                     .arg(typed->trimmed(), QString::asprintf("%04X", address)));
    return;
  }
  WriteWords(address, std::span(&*value, 1));
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
