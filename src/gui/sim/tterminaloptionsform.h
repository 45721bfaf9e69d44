#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tav2 {

class ScreenTerminal;

// The terminal options: grid size, Want Tabs, and what clearing the screen
// does with the window size (layout from size, or size from layout).
class TTerminalOptionsForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxLines = 32;
  static constexpr int kMaxChars = 128;

  explicit TTerminalOptionsForm(ScreenTerminal& screen, QWidget* parent = nullptr);

  void SizetoScreenClick();
  void ScreentoSizeClick();
  void OKknopClick();
  void CancelknopClick();

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
