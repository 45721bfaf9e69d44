#include "gui/editor/tmaineditoptform.h"

#include <QPushButton>

#include "gui/editor/bgrcolour.h"
#include "gui/editor/colouredit.h"

namespace tav2 {

TMainEditOptForm::TMainEditOptForm(EditorDefaults& defaults, QWidget* parent)
    : EditOptionsDialog(parent, tr("General Editor Options")), defaults_(defaults) {
  setObjectName("TMainEditOptForm");
  edit1_ = AddColourField("Edit1", "Label2", tr("Sources Background Color"));
  edit2_ = AddColourField("Edit2", "Label3", tr("Text Background Color"));
  connect(edit1_, &ColourEdit::clicked, this, &TMainEditOptForm::Edit1Click);
  connect(edit2_, &ColourEdit::clicked, this, &TMainEditOptForm::Edit2Click);
  connect(AddButton("Defaultknop", tr("Set defaults")), &QPushButton::clicked, this,
          &TMainEditOptForm::DefaultknopClick);
  ShowDefaults(defaults);
}

void TMainEditOptForm::ShowDefaults(const EditorDefaults& defaults) {
  ShowOptions(defaults.options);
  edit1_->SetColour(ColourFromBgr(static_cast<uint32_t>(defaults.sourcesBackground)));
  edit2_->SetColour(ColourFromBgr(static_cast<uint32_t>(defaults.textBackground)));
}

void TMainEditOptForm::PickInto(ColourEdit& field) {
  if (const std::optional<QColor> colour = PickColour(field.Colour())) field.SetColour(*colour);
}

void TMainEditOptForm::Edit1Click() { PickInto(*edit1_); }

void TMainEditOptForm::Edit2Click() { PickInto(*edit2_); }

void TMainEditOptForm::DefaultknopClick() { ShowDefaults(EditorDefaults{}); }

void TMainEditOptForm::OKknopClick() {
  defaults_.options = ChosenOptions();
  defaults_.sourcesBackground = BgrFromColour(edit1_->Colour());
  defaults_.textBackground = BgrFromColour(edit2_->Colour());
  close();
}

}  // namespace tav2
