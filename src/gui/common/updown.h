#pragma once
#include <QWidget>

class QToolButton;

namespace tav2 {

// A pair of arrow buttons that step a position within a range, without
// wrapping and without a text field of its own.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  explicit UpDown(QWidget* parent = nullptr);

  void SetRange(int minimum, int maximum);
  int Position() const { return position_; }
  void SetPosition(int position);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  // The mouse was released on one of the arrows.
  void released();

 private:
  QToolButton* up_;
  QToolButton* down_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace tav2
