#pragma once
#include "gui/editor/editoptionsdialogbase.h"

namespace tav2 {

class ColourEdit;
class EditCommands;

// The options of one editor ("Editor Options"); OK applies them to the
// editor at once. The background colour is taken as soon as it is picked.
class EditorOptionsDialog : public EditOptionsDialogBase {
  Q_OBJECT

 public:
  EditorOptionsDialog(EditCommands& editor, QWidget* parent);

  void OnBackgroundClicked();

 signals:
  // The editor's Edit > Font item is enabled exactly while colouring is off.
  void fontItemEnabled(bool enabled);

 protected:
  void OnOkClicked() override;

 private:
  EditCommands& editor_;
  ColourEdit* backgroundField_ = nullptr;
};

}  // namespace tav2
