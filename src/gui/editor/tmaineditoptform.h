#pragma once
#include "gui/editor/editoptionsdialog.h"
#include "shell/editordefaults.h"

namespace tav2 {

class ColourEdit;

// The default editor options and background colours ("General Editor
// Options"); OK stores them, open editors keep their own.
class TMainEditOptForm : public EditOptionsDialog {
  Q_OBJECT

 public:
  TMainEditOptForm(EditorDefaults& defaults, QWidget* parent);

  void Edit1Click();
  void Edit2Click();
  // "Set defaults": the fields show the built-in defaults; nothing is stored.
  void DefaultknopClick();

 protected:
  void OKknopClick() override;

 private:
  void ShowDefaults(const EditorDefaults& defaults);
  void PickInto(ColourEdit& field);

  EditorDefaults& defaults_;
  ColourEdit* edit1_ = nullptr;
  ColourEdit* edit2_ = nullptr;
};

}  // namespace tav2
