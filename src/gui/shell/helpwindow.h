#pragma once
#include <QString>
#include <QWidget>

class QLabel;
class QTextBrowser;

namespace tav2 {

// The help window: the workbench's manual (an HTML file) in a browser, at
// its contents or at a topic's anchor, with a notice line above it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void ShowContents(const QString& file);
  void ShowTopic(const QString& file, const QString& anchor);
  // A line above the text; hidden when empty.
  void SetNotice(const QString& notice);

  QTextBrowser* HelpBrowser() const { return browser_; }

 private:
  QLabel* notice_;
  QTextBrowser* browser_;
};

}  // namespace tav2
