#include "gui/editor/defaulteditoroptionsdialog.h"

#include <QPushButton>

#include "gui/common/bgrcolour.h"
#include "gui/editor/colouredit.h"

namespace tav2 {

DefaultEditorOptionsDialog::DefaultEditorOptionsDialog(EditorDefaults& defaults, QWidget* parent)
    : EditOptionsDialogBase(parent, tr("General Editor Options")), defaults_(defaults) {
  setObjectName("TMainEditOptForm");
  sourcesBackgroundField_ = AddColourField("Edit1", "Label2", tr("Sources Background Color"));
  textBackgroundField_ = AddColourField("Edit2", "Label3", tr("Text Background Color"));
  connect(sourcesBackgroundField_, &ColourEdit::clicked, this,
          &DefaultEditorOptionsDialog::OnSourcesBackgroundClicked);
  connect(textBackgroundField_, &ColourEdit::clicked, this,
          &DefaultEditorOptionsDialog::OnTextBackgroundClicked);
  connect(AddButton("Defaultknop", tr("Set defaults")), &QPushButton::clicked, this,
          &DefaultEditorOptionsDialog::OnDefaultClicked);
  ShowDefaults(defaults);
}

void DefaultEditorOptionsDialog::ShowDefaults(const EditorDefaults& defaults) {
  ShowOptions(defaults.options);
  sourcesBackgroundField_->SetColour(ColourFromBgr(static_cast<uint32_t>(defaults.sourcesBackground)));
  textBackgroundField_->SetColour(ColourFromBgr(static_cast<uint32_t>(defaults.textBackground)));
}

void DefaultEditorOptionsDialog::PickInto(ColourEdit& field) {
  if (const std::optional<QColor> colour = PickColour(field.Colour())) field.SetColour(*colour);
}

void DefaultEditorOptionsDialog::OnSourcesBackgroundClicked() { PickInto(*sourcesBackgroundField_); }

void DefaultEditorOptionsDialog::OnTextBackgroundClicked() { PickInto(*textBackgroundField_); }

void DefaultEditorOptionsDialog::OnDefaultClicked() { ShowDefaults(EditorDefaults{}); }

void DefaultEditorOptionsDialog::OnOkClicked() {
  defaults_.options = ChosenOptions();
  defaults_.sourcesBackground = BgrFromColour(sourcesBackgroundField_->Colour());
  defaults_.textBackground = BgrFromColour(textBackgroundField_->Colour());
  close();
}

}  // namespace tav2
