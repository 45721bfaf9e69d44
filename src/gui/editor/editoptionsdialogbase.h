#pragma once
#include <QDialog>
#include <optional>

#include "core/editor/editoroptions.h"

class QCheckBox;
class QFormLayout;
class QHBoxLayout;
class QPushButton;
class QSpinBox;

namespace tav2 {

class ColourEdit;

// The layout both editor options dialogs share ("Edit Options"): a group
// box with the four option boxes, the tab width, colour fields, and OK and
// Cancel. Shown modeless; it is deleted when it closes.
class EditOptionsDialogBase : public QDialog {
  Q_OBJECT

 public:
  // Shows the dialog and gives it the focus.
  void Open();

 protected:
  EditOptionsDialogBase(QWidget* parent, const QString& groupCaption);

  void ShowOptions(const EditorOptions& options);
  // The boxes and the spinner as options.
  EditorOptions ChosenOptions() const;
  ColourEdit* AddColourField(const char* fieldName, const char* labelName, const QString& caption);
  QPushButton* AddButton(const char* name, const QString& caption);
  // The colour dialog ("EBGColorDialog"); none when cancelled.
  std::optional<QColor> PickColour(const QColor& initial);

  virtual void OnOkClicked() = 0;
  void OnCancelClicked();

  QCheckBox* autoIndent_ = nullptr;
  QCheckBox* syntaxColoring_ = nullptr;
  QCheckBox* wordWrap_ = nullptr;
  QCheckBox* tabsToSpaces_ = nullptr;
  QCheckBox* lineNumbers_ = nullptr;
  QSpinBox* tabUpDown_ = nullptr;

 private:
  QFormLayout* fields_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
};

}  // namespace tav2
