#pragma once
#include <QPlainTextEdit>
#include <vector>

#include "core/lang/builderror.h"

namespace tav2 {

// The error list of an editor ("Memo1"): read-only, olive text, one line per
// error. Clicking a line (OnErrorListClicked) selects it and, when it is the line of
// an error, reports that error's text position.
class ErrorList : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ErrorList(QWidget* parent = nullptr);

  // One line per error in the error-list format.
  void ShowErrors(const std::vector<BuildError>& errors);
  int ErrorCount() const { return static_cast<int>(positions_.size()); }

 public slots:
  // The line of the list's caret is selected; when it is the line of an
  // error, errorChosen gives that error's position.
  void OnErrorListClicked();

 signals:
  void errorChosen(int position);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<int> positions_;
};

}  // namespace tav2
