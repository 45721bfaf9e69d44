#include "gui/shell/helpwindow.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tav2 {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("THelpform");
  setWindowTitle("TAV2 Help");
  resize(680, 560);
  auto* column = new QVBoxLayout(this);
  notice_ = new QLabel(this);
  notice_->setObjectName("Helpnotice");
  notice_->setWordWrap(true);
  notice_->hide();
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(true);
  column->addWidget(notice_);
  column->addWidget(browser_, 1);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::FitTabsToListings);
}

void HelpWindow::ShowContents(const QString& file) {
  SetNotice(QString());
  browser_->setSource(QUrl::fromLocalFile(file));
  browser_->verticalScrollBar()->setValue(0);
}

void HelpWindow::ShowTopic(const QString& file, const QString& anchor) {
  SetNotice(QString());
  QUrl url = QUrl::fromLocalFile(file);
  url.setFragment(anchor);
  browser_->setSource(url);
}

void HelpWindow::FitTabsToListings() {
  const QFontMetricsF metrics(ListingFont(*browser_->document()));
  browser_->setTabStopDistance(kTabColumns * metrics.horizontalAdvance(QLatin1Char(' ')));
}

QFont HelpWindow::ListingFont(const QTextDocument& document) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().nonBreakableLines() && block.begin() != block.end())
      return block.begin().fragment().charFormat().font();
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void HelpWindow::SetNotice(const QString& notice) {
  notice_->setText(notice);
  notice_->setVisible(!notice.isEmpty());
}

}  // namespace tav2
