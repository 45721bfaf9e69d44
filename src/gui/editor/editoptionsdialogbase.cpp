#include "gui/editor/editoptionsdialogbase.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/editor/colouredit.h"
#include "gui/common/dialogs.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

EditOptionsDialogBase::EditOptionsDialogBase(QWidget* parent, const QString& groupCaption) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(tr("Edit Options"));

  auto* group = new QGroupBox(groupCaption);
  group->setObjectName("GroupBox1");
  auto* boxes = new QVBoxLayout(group);
  autoIndent_ = AddCheckBox(boxes, "AutoIndent", tr("Auto Indent"));
  syntaxColoring_ = AddCheckBox(boxes, "SyntaxColoring", tr("Syntax Coloring"));
  wordWrap_ = AddCheckBox(boxes, "WordWrap", tr("Wordwrap"));
  tabsToSpaces_ = AddCheckBox(boxes, "TabsToSpaces", tr("Translate Tabs to Spaces"));
  lineNumbers_ = AddCheckBox(boxes, "LineNumbers", tr("Line numbers"));

  fields_ = new QFormLayout;
  tabUpDown_ = new QSpinBox;
  tabUpDown_->setObjectName("TabUpDown");
  tabUpDown_->setRange(EditorOptions::kMinTabNumber, EditorOptions::kMaxTabNumber);
  auto* tabLabel = new QLabel(tr("Tab positions at"));
  tabLabel->setObjectName("Label1");
  fields_->addRow(tabLabel, tabUpDown_);
  boxes->addLayout(fields_);

  buttons_ = new QHBoxLayout;
  buttons_->addStretch();
  QPushButton* ok = AddButton("OKknop", tr("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { OnOkClicked(); });
  connect(AddButton("Cancelknop", tr("Cancel")), &QPushButton::clicked, this,
          &EditOptionsDialogBase::OnCancelClicked);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons_);
}

void EditOptionsDialogBase::Open() {
  show();
  raise();
  activateWindow();
}

void EditOptionsDialogBase::ShowOptions(const EditorOptions& options) {
  autoIndent_->setChecked(options.autoIndent);
  syntaxColoring_->setChecked(options.syntaxColoring);
  wordWrap_->setChecked(options.wordWrap);
  tabsToSpaces_->setChecked(options.tabsToSpaces);
  tabUpDown_->setValue(options.tabNumber);
  lineNumbers_->setChecked(options.lineNumbers);
}

EditorOptions EditOptionsDialogBase::ChosenOptions() const {
  return EditorOptions{autoIndent_->isChecked(),   wordWrap_->isChecked(), syntaxColoring_->isChecked(),
                       tabsToSpaces_->isChecked(), tabUpDown_->value(),    lineNumbers_->isChecked()};
}

ColourEdit* EditOptionsDialogBase::AddColourField(const char* fieldName, const char* labelName,
                                                  const QString& caption) {
  auto* field = new ColourEdit;
  field->setObjectName(fieldName);
  auto* label = new QLabel(caption);
  label->setObjectName(labelName);
  fields_->addRow(label, field);
  return field;
}

QPushButton* EditOptionsDialogBase::AddButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  buttons_->addWidget(button);
  return button;
}

std::optional<QColor> EditOptionsDialogBase::PickColour(const QColor& initial) {
  return Dialogs::Current().ChooseColour(this, initial);
}

void EditOptionsDialogBase::OnCancelClicked() { close(); }

}  // namespace tav2
