#pragma once
#include <QString>
#include <QWidget>

class QLabel;
class QTextBrowser;
class QTextDocument;
class QFont;

namespace tav2 {

// The help window: the workbench's manual (an HTML file) in a browser, at
// its contents or at a topic's anchor, with a notice line above it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The manual's listings hold real tabs, set every 8 columns.
  static constexpr int kTabColumns = 8;

  explicit HelpWindow(QWidget* parent = nullptr);

  void ShowContents(const QString& file);
  void ShowTopic(const QString& file, const QString& anchor);
  // A line above the text; hidden when empty.
  void SetNotice(const QString& notice);

  QTextBrowser* HelpBrowser() const { return browser_; }

 private:
  // The tab stops every kTabColumns characters of the listings' font.
  void FitTabsToListings();
  // The font of the document's first listing (a <pre> block); without
  // one, the system's fixed-pitch font.
  static QFont ListingFont(const QTextDocument& document);

  QLabel* notice_;
  QTextBrowser* browser_;
};

}  // namespace tav2
