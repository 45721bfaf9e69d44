#pragma once
#include <QDialog>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace tav2 {

class MemoryView;
class UpDown;

// The options of one memory view: its page and which columns and marks it
// shows. Modeless; a child of its view, so it goes when the view closes.
class MemoryViewOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPageFieldChars = 18;

  explicit MemoryViewOptionsDialog(MemoryView& view);

  // The page number typed into the page field: 1 to 255 from the first 18
  // characters read as hexadecimal; nothing for 0, larger values and text
  // that is no number.
  static std::optional<int> TypedPage(const QString& text);

  void OnPageEdited(const QString& text);
  void OnPageUpDownReleased();
  void OnOkClicked();
  void OnCancelClicked();

 private:
  QCheckBox* AddCheck(QWidget* group, const QString& name, const QString& caption, bool checked);

  MemoryView& view_;
  QLineEdit* pageEdit_;
  UpDown* pageUpDown_;
  QCheckBox* checkHex_;
  QCheckBox* checkDec_;
  QCheckBox* checkAsc_;
  QCheckBox* checkBin_;
  QCheckBox* checkDisasm_;
  QCheckBox* pcMark_;
};

}  // namespace tav2
