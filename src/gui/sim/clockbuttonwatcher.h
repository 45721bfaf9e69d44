#pragma once
#include <QObject>
#include <functional>

class QAbstractButton;

namespace tav2 {

// Passes the Clock button's own press and release on: one press of the left
// mouse button (or of Space while the button has the focus) runs the read
// half of a clock cycle, its release the write half. The button's pressed
// and released signals are not used, as they also fire when the held mouse
// leaves the button and comes back, which would make extra half cycles. A
// release counts only after a press.
class ClockButtonWatcher : public QObject {
 public:
  ClockButtonWatcher(QAbstractButton* button, std::function<void()> press, std::function<void()> release);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Press();
  void Release();

  std::function<void()> press_;
  std::function<void()> release_;
  bool held_ = false;
};

}  // namespace tav2
