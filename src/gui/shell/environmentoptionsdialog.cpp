#include "gui/shell/environmentoptionsdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/commanditems.h"
#include "gui/common/okcancelrow.h"
#include "gui/common/paths.h"

namespace tav2 {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

EnvironmentOptionsDialog::EnvironmentOptionsDialog(EnvironmentSettings& settings, QString programDir,
                                                   QWidget* parent)
    : QDialog(parent), settings_(settings), programDir_(std::move(programDir)) {
  setObjectName("TOptionsform");
  setWindowTitle("Evironment options");
  setModal(true);
  auto* grid = new QGridLayout(this);
  homedirEdit_ = MakeField("Homediredit");
  workingdirEdit_ = MakeField("Workingdiredit");
  includedirEdit_ = MakeField("Includediredit");
  grid->addWidget(MakeLabel(this, "Homedirlabel", "Home directory"), 0, 0);
  grid->addWidget(homedirEdit_, 0, 1);
  grid->addWidget(MakeLabel(this, "Label1", "Working directory"), 1, 0);
  grid->addWidget(workingdirEdit_, 1, 1);
  grid->addWidget(MakeLabel(this, "Label2", "Include directory"), 2, 0);
  grid->addWidget(includedirEdit_, 2, 1);
  saveOnExit_ = new QCheckBox("Save options on exit", this);
  saveOnExit_->setObjectName("Saveonexit");
  bakFiles_ = new QCheckBox("Create .bak files ", this);
  bakFiles_->setObjectName("Bakfiles");
  grid->addWidget(saveOnExit_, 3, 1);
  grid->addWidget(bakFiles_, 4, 1);

  auto* buttons = new OkCancelRow(this);
  QPushButton* defaults = MakePushButton(this, "Defaultknop", "Set defaults");
  buttons->addWidget(defaults);
  grid->addLayout(buttons, 5, 0, 1, 2);
  connect(buttons->Ok(), &QPushButton::clicked, this, &EnvironmentOptionsDialog::OnOkClicked);
  connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &EnvironmentOptionsDialog::OnDefaultClicked);
  setMinimumWidth(460);
  FillFromSettings();
}

QLineEdit* EnvironmentOptionsDialog::MakeField(const char* name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  return field;
}

void EnvironmentOptionsDialog::showEvent(QShowEvent* event) {
  FillFromSettings();
  QDialog::showEvent(event);
}

void EnvironmentOptionsDialog::FillFromSettings() {
  homedirEdit_->setText(FromPath(settings_.homeDir));
  workingdirEdit_->setText(FromPath(settings_.workingDir));
  includedirEdit_->setText(FromPath(settings_.includeDir));
  saveOnExit_->setChecked(settings_.saveOptionsOnExit);
  bakFiles_->setChecked(settings_.createBakFiles);
}

void EnvironmentOptionsDialog::OnOkClicked() {
  settings_.homeDir = ToPath(homedirEdit_->text());
  settings_.workingDir = ToPath(workingdirEdit_->text());
  settings_.includeDir = ToPath(includedirEdit_->text());
  settings_.saveOptionsOnExit = saveOnExit_->isChecked();
  settings_.createBakFiles = bakFiles_->isChecked();
  accept();
}

// The home field gets the program's directory; the other two derive from
// the home directory in force, not from the home field's text.
void EnvironmentOptionsDialog::OnDefaultClicked() {
  homedirEdit_->setText(programDir_);
  includedirEdit_->setText(FromPath(EnvironmentSettings::IncludeDirOf(settings_.homeDir)));
  workingdirEdit_->setText(FromPath(EnvironmentSettings::WorkingDirOf(settings_.homeDir)));
  saveOnExit_->setChecked(false);
  bakFiles_->setChecked(false);
}

}  // namespace tav2
