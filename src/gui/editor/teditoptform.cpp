#include "gui/editor/teditoptform.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "gui/editor/colouredit.h"
#include "gui/editor/editcommands.h"

namespace tav2 {

TEditOptForm::TEditOptForm(EditCommands& editor, QWidget* parent)
    : EditOptionsDialog(parent, tr("Editor Options")), editor_(editor) {
  setObjectName("TEditOptForm");
  edit1_ = AddColourField("Edit1", "Label2", tr("Backgroundcolor"));
  connect(edit1_, &ColourEdit::clicked, this, &TEditOptForm::Edit1Click);
  ShowOptions(editor.Options());
  edit1_->SetColour(editor.Background());
}

void TEditOptForm::Edit1Click() {
  if (const std::optional<QColor> colour = PickColour(edit1_->Colour())) {
    editor_.SetBackground(*colour);
    edit1_->SetColour(*colour);
  }
}

void TEditOptForm::OKknopClick() {
  const EditorOptions chosen = ChosenOptions();
  editor_.SetAutoIndent(chosen.autoIndent);
  editor_.SwitchColouring(chosen.syntaxColoring);
  editor_.SetWordWrap(!chosen.syntaxColoring && chosen.wordWrap);
  emit fontItemEnabled(!chosen.syntaxColoring);
  if (chosen.tabNumber != editor_.Options().tabNumber) editor_.SetTabNumber(chosen.tabNumber);
  editor_.SetTabsToSpaces(chosen.tabsToSpaces);
  close();
  if (editor_.Edit()->isVisible()) editor_.Edit()->setFocus();
}

}  // namespace tav2
