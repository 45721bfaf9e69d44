#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tav2 {

class ScreenTerminal;

// The terminal options: grid size, Want Tabs, and what clearing the screen
// does with the window size (layout from size, or size from layout).
class TerminalOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxLines = 32;
  static constexpr int kMaxChars = 128;

  explicit TerminalOptionsDialog(ScreenTerminal& screen, QWidget* parent = nullptr);

  void OnSizeToScreenClicked();
  void OnScreenToSizeClicked();
  void OnOkClicked();
  void OnCancelClicked();

 private:
  ScreenTerminal& screen_;
  QSpinBox* linesUpDown_;
  QSpinBox* charsUpDown_;
  QLineEdit* defaultLinesEdit_;
  QLineEdit* defaultCharsEdit_;
  QCheckBox* tabCheck_;
  QCheckBox* sizeToScreen_;
  QCheckBox* screenToSize_;
  int openedLines_;
  int openedChars_;
};

}  // namespace tav2
