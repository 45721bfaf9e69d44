#include "gui/sim/romview.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "gui/common/fixedfont.h"
#include "gui/common/windowframe.h"
#include "gui/sim/processorhost.h"
#include "core/sim/mcromlisting.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

namespace {

const QColor kLight3D(0xE3, 0xE3, 0xE3);
const QColor kListingBackground(0xFF, 0xFF, 0xE1);
constexpr int kFontPoints = 9;

QString Joined(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list.join(QLatin1Char('\n'));
}

// A header pane is exactly as high as its lines.
void FitHeight(QPlainTextEdit* pane, int lines) {
  const QFontMetrics metrics(pane->font());
  const int frame = 2 * pane->frameWidth();
  const int margins = static_cast<int>(2 * pane->document()->documentMargin());
  pane->setFixedHeight(lines * metrics.lineSpacing() + frame + margins);
}

std::size_t Longest(const std::vector<std::string>& lines) {
  std::size_t longest = 0;
  for (const std::string& line : lines) longest = std::max(longest, line.size());
  return longest;
}

// The lines padded with blanks to `columns` characters.
std::vector<std::string> Padded(std::vector<std::string> lines, std::size_t columns) {
  for (std::string& line : lines) line.resize(std::max(line.size(), columns), ' ');
  return lines;
}

}  // namespace

RomView::RomView(ProcessorHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("TMCROMform"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(FixedFont::OfPoints(kFontPoints));

  const McromListing listing = McromListing::Of(host.Hardware().mcrom);
  // A header has no vertical scroll bar: as wide as the listing and that
  // bar, it can scroll as far sideways as the listing does.
  const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int blankWidth = QFontMetrics(font()).horizontalAdvance(QLatin1Char(' '));
  const std::size_t columns = Longest(listing.entries) + static_cast<std::size_t>(barWidth / blankWidth + 2);
  up_ = AddPane(QStringLiteral("Uptext"), kLight3D, Padded(listing.above, columns));
  listing_ = AddPane(QStringLiteral("MCtext"), kListingBackground, listing.entries);
  under_ = AddPane(QStringLiteral("Undertext"), kLight3D, Padded(listing.below, columns));
  FitHeaders();
  listing_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusProxy(listing_);  // the keys scroll the listing
  for (QPlainTextEdit* header : {up_, under_}) {
    header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(header->horizontalScrollBar(), &QScrollBar::valueChanged, this, &RomView::HeaderScrolled);
  }
  connect(listing_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &RomView::AlignHeaders);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(listing_, 1);
  layout->addWidget(under_);
}

QPlainTextEdit* RomView::AddPane(const QString& name, const QColor& background,
                                 const std::vector<std::string>& lines) {
  auto* pane = new QPlainTextEdit(this);
  pane->setObjectName(name);
  pane->setReadOnly(true);
  pane->setLineWrapMode(QPlainTextEdit::NoWrap);
  pane->setPlainText(Joined(lines));
  SetPaletteColour(pane, QPalette::Base, background);
  return pane;
}

void RomView::FitHeaders() {
  for (QPlainTextEdit* header : {up_, under_}) {
    FitHeight(header, header->document()->isEmpty() ? 0 : header->document()->blockCount());
  }
}

QSize RomView::sizeHint() const { return {zoom_.Scaled(kWidth), zoom_.Scaled(kHeight)}; }

void RomView::SetZoom(const ZoomLevel& zoom) {
  const ZoomLevel from = std::exchange(zoom_, zoom);
  setFont(FixedFont::OfPoints(kFontPoints, zoom));
  FitHeaders();
  WindowFrame::Rescale(this, from, zoom);
}

void RomView::HeaderScrolled(int value) {
  listing_->horizontalScrollBar()->setValue(value);
  AlignHeaders();
}

void RomView::AlignHeaders() {
  const int value = listing_->horizontalScrollBar()->value();
  for (QPlainTextEdit* header : {up_, under_}) header->horizontalScrollBar()->setValue(value);
}

void RomView::closeEvent(QCloseEvent* event) {
  host_.RomViewClosed();
  event->accept();
}

}  // namespace tav2
