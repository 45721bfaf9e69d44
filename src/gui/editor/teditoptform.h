#pragma once
#include "gui/editor/editoptionsdialog.h"

namespace tav2 {

class ColourEdit;
class EditCommands;

// The options of one editor ("Editor Options"); OK applies them to the
// editor at once. The background colour is taken as soon as it is picked.
class TEditOptForm : public EditOptionsDialog {
  Q_OBJECT

 public:
  TEditOptForm(EditCommands& editor, QWidget* parent);

  void Edit1Click();

 signals:
  // The editor's Edit > Font item is enabled exactly while colouring is off.
  void fontItemEnabled(bool enabled);

 protected:
  void OKknopClick() override;

 private:
  EditCommands& editor_;
  ColourEdit* edit1_ = nullptr;
};

}  // namespace tav2
