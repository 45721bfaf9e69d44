#include "gui/sim/tmcromform.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/sim/processorhost.h"
#include "sim/mcromlisting.h"
#include "gui/shell/widgetparts.h"

namespace tav2 {

namespace {

const QColor kLight3D(0xE3, 0xE3, 0xE3);
const QColor kListingBackground(0xFF, 0xFF, 0xE1);

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

}  // namespace

TMCROMform::TMCROMform(ProcessorHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("TMCROMform"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(9);
  setFont(font);

  const McromListing listing = McromListing::Of(host.GetMachine().mcrom);
  QPlainTextEdit* up = AddPane(QStringLiteral("Uptext"), kLight3D, listing.above);
  QPlainTextEdit* middle = AddPane(QStringLiteral("MCtext"), kListingBackground, listing.entries);
  QPlainTextEdit* under = AddPane(QStringLiteral("Undertext"), kLight3D, listing.below);
  FitHeight(up, static_cast<int>(listing.above.size()));
  FitHeight(under, static_cast<int>(listing.below.size()));
  middle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusProxy(middle);  // the keys scroll the listing
  for (QPlainTextEdit* header : {up, under}) {
    header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up);
  layout->addWidget(middle, 1);
  layout->addWidget(under);
}

QPlainTextEdit* TMCROMform::AddPane(const QString& name, const QColor& background,
                                    const std::vector<std::string>& lines) {
  auto* pane = new QPlainTextEdit(this);
  pane->setObjectName(name);
  pane->setReadOnly(true);
  pane->setLineWrapMode(QPlainTextEdit::NoWrap);
  pane->setPlainText(Joined(lines));
  SetPaletteColour(pane, QPalette::Base, background);
  return pane;
}

void TMCROMform::closeEvent(QCloseEvent* event) {
  host_.RomViewClosed();
  event->accept();
}

}  // namespace tav2
