#pragma once
#include <QHBoxLayout>

class QPushButton;

namespace tav2 {

// The button row of the option dialogs: OK (the default) and Cancel at the
// right, named OKknop and Cancelknop.
class OkCancelRow : public QHBoxLayout {
 public:
  explicit OkCancelRow(QWidget* dialog);

  QPushButton* Ok() const { return ok_; }
  QPushButton* Cancel() const { return cancel_; }

 private:
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tav2
