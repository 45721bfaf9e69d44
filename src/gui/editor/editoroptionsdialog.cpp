#include "gui/editor/editoroptionsdialog.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "gui/editor/colouredit.h"
#include "gui/editor/editcommands.h"

namespace tav2 {

EditorOptionsDialog::EditorOptionsDialog(EditCommands& editor, QWidget* parent)
    : EditOptionsDialogBase(parent, tr("Editor Options")), editor_(editor) {
  setObjectName("TEditOptForm");
  backgroundField_ = AddColourField("Edit1", "Label2", tr("Backgroundcolor"));
  connect(backgroundField_, &ColourEdit::clicked, this, &EditorOptionsDialog::OnBackgroundClicked);
  ShowOptions(editor.Options());
  backgroundField_->SetColour(editor.Background());
}

void EditorOptionsDialog::OnBackgroundClicked() {
  if (const std::optional<QColor> colour = PickColour(backgroundField_->Colour())) {
    editor_.SetBackground(*colour);
    backgroundField_->SetColour(*colour);
  }
}

void EditorOptionsDialog::OnOkClicked() {
  const EditorOptions chosen = ChosenOptions();
  editor_.SetAutoIndent(chosen.autoIndent);
  editor_.SwitchColouring(chosen.syntaxColoring);
  editor_.SetWordWrap(!chosen.syntaxColoring && chosen.wordWrap);
  emit fontItemEnabled(!chosen.syntaxColoring);
  if (chosen.tabNumber != editor_.Options().tabNumber) editor_.SetTabNumber(chosen.tabNumber);
  editor_.SetTabsToSpaces(chosen.tabsToSpaces);
  editor_.SetLineNumbers(chosen.lineNumbers);
  close();
  if (editor_.Edit()->isVisible()) editor_.Edit()->setFocus();
}

}  // namespace tav2
