#include "gui/lang/tasmoptform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/commanditems.h"
#include "gui/shell/okcancelrow.h"
#include "gui/shell/dialogs.h"
#include "shell/hexfield.h"

namespace tav2 {

namespace {

QString FieldText(uint16_t word) { return QString::fromStdString(HexField::Text(word)); }

}  // namespace

TAsmOptForm::TAsmOptForm(AssemblerOptions& options, QWidget* parent) : QDialog(parent), options_(options) {
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
  edit1_ = new QLineEdit(FieldText(options_.ProgramStartWord()), group);
  edit1_->setObjectName("Edit1");
  edit2_ = new QLineEdit(FieldText(options_.DefaultStackPointerWord()), group);
  edit2_->setObjectName("Edit2");
  grid->addWidget(label1, 0, 0);
  grid->addWidget(edit1_, 0, 1);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(edit2_, 1, 1);
  column->addWidget(group);

  auto* buttons = new OkCancelRow(this);
  QPushButton* defaults = MakePushButton(this, "Defaultsknop", "Defaults");
  buttons->addWidget(defaults);
  column->addLayout(buttons);
  connect(buttons->Ok(), &QPushButton::clicked, this, &TAsmOptForm::OKknopClick);
  connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &TAsmOptForm::DefaultsknopClick);
}

void TAsmOptForm::OKknopClick() {
  const auto start = HexField::Read(edit1_->text().toStdString());
  if (!start) {
    Dialogs::Current().ShowError(this, kInvalidStart);
    return;
  }
  options_.SetProgramStart(*start);
  const auto stackPointer = HexField::Read(edit2_->text().toStdString());
  if (!stackPointer) {
    Dialogs::Current().ShowError(this, kInvalidStackPointer);
    return;
  }
  options_.SetDefaultStackPointer(*stackPointer);
  accept();
}

void TAsmOptForm::DefaultsknopClick() {
  edit1_->setText(FieldText(AssemblerOptions::kDefaultProgramStart));
  edit2_->setText(FieldText(AssemblerOptions::kDefaultStackPointer));
}

}  // namespace tav2
