#pragma once
#include <QWidget>
#include <optional>

class QPlainTextEdit;
class QTextBlock;

namespace tav2 {

// The line numbers left of an editor's text, in the text's font and
// colours, with a red dot on each line that carries a breakpoint mark when
// marks are shown. A click on a line reports its number.
class LineNumberGutter : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMargin = 4;

  explicit LineNumberGutter(QPlainTextEdit* text, QWidget* parent = nullptr);

  void ShowBreakpointMarks(bool on);
  bool BreakpointMarksShown() const { return marksShown_; }
  // The top of a line in the gutter, or none when it is not in view.
  std::optional<int> LineTop(int line) const;
  QSize sizeHint() const override;

 signals:
  // A click on line `line` (from 0).
  void lineClicked(int line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The first line in view and its top in the gutter.
  QTextBlock FirstVisibleBlock(qreal* top) const;
  qreal BlockHeight(const QTextBlock& block) const;
  // A y position in the text's viewport as one in the gutter.
  int InGutter(int viewportY) const;
  void FollowUpdate(const QRect& rect, int dy);
  int LineAt(int y) const;
  void FollowText();

  QPlainTextEdit* text_;
  bool marksShown_ = false;
  int digits_ = 0;
};

}  // namespace tav2
