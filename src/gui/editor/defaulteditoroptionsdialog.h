#pragma once
#include "gui/editor/editoptionsdialogbase.h"
#include "core/editor/editordefaults.h"

namespace tav2 {

class ColourEdit;

// The default editor options and background colours ("General Editor
// Options"); OK stores them, open editors keep their own.
class DefaultEditorOptionsDialog : public EditOptionsDialogBase {
  Q_OBJECT

 public:
  DefaultEditorOptionsDialog(EditorDefaults& defaults, QWidget* parent);

  void OnSourcesBackgroundClicked();
  void OnTextBackgroundClicked();
  // "Set defaults": the fields show the built-in defaults; nothing is stored.
  void OnDefaultClicked();

 protected:
  void OnOkClicked() override;

 private:
  void ShowDefaults(const EditorDefaults& defaults);
  void PickInto(ColourEdit& field);

  EditorDefaults& defaults_;
  ColourEdit* sourcesBackgroundField_ = nullptr;
  ColourEdit* textBackgroundField_ = nullptr;
};

}  // namespace tav2
