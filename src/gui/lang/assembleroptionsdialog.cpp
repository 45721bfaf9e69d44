#include "gui/lang/assembleroptionsdialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/commanditems.h"
#include "gui/common/okcancelrow.h"
#include "gui/common/dialogs.h"
#include "core/util/hexfield.h"

namespace tav2 {

namespace {

QString FieldText(uint16_t word) { return QString::fromStdString(HexField::Text(word)); }

}  // namespace

AssemblerOptionsDialog::AssemblerOptionsDialog(AssemblerOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setObjectName("TAsmOptForm");
  setWindowTitle("Assembler Options");
  auto* column = new QVBoxLayout(this);
  auto* group = new QGroupBox("Assembler Settings", this);
  group->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(group);
  auto* label1 = new QLabel("Program Start  (hex)", group);
  label1->setObjectName("Label1");
  auto* label2 = new QLabel("Stack Pointer (hex)", group);
  label2->setObjectName("Label2");
  startAddressEdit_ = new QLineEdit(FieldText(options_.ProgramStartWord()), group);
  startAddressEdit_->setObjectName("Edit1");
  stackPointerEdit_ = new QLineEdit(FieldText(options_.DefaultStackPointerWord()), group);
  stackPointerEdit_->setObjectName("Edit2");
  grid->addWidget(label1, 0, 0);
  grid->addWidget(startAddressEdit_, 0, 1);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(stackPointerEdit_, 1, 1);
  column->addWidget(group);

  auto* buttons = new OkCancelRow(this);
  QPushButton* defaults = MakePushButton(this, "Defaultsknop", "Defaults");
  buttons->addWidget(defaults);
  column->addLayout(buttons);
  connect(buttons->Ok(), &QPushButton::clicked, this, &AssemblerOptionsDialog::OnOkClicked);
  connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &AssemblerOptionsDialog::OnDefaultsClicked);
}

void AssemblerOptionsDialog::OnOkClicked() {
  const auto start = HexField::Read(startAddressEdit_->text().toStdString());
  if (!start) {
    Dialogs::Current().ShowError(this, kInvalidStart);
    return;
  }
  options_.SetProgramStart(*start);
  const auto stackPointer = HexField::Read(stackPointerEdit_->text().toStdString());
  if (!stackPointer) {
    Dialogs::Current().ShowError(this, kInvalidStackPointer);
    return;
  }
  options_.SetDefaultStackPointer(*stackPointer);
  accept();
}

void AssemblerOptionsDialog::OnDefaultsClicked() {
  startAddressEdit_->setText(FieldText(AssemblerOptions::kDefaultProgramStart));
  stackPointerEdit_->setText(FieldText(AssemblerOptions::kDefaultStackPointer));
}

}  // namespace tav2
