#include "gui/sim/memoryviewoptionsdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/okcancelrow.h"
#include "gui/sim/memoryview.h"
#include "gui/common/updown.h"

namespace tav2 {

namespace {
constexpr int kLastPage = 255;
}  // namespace

MemoryViewOptionsDialog::MemoryViewOptionsDialog(MemoryView& view) : QDialog(&view), view_(view) {
  setObjectName(QStringLiteral("TMemoptform"));
  setWindowTitle(QStringLiteral("Memory Options"));
  auto* group = new QGroupBox(QStringLiteral("Memory layout"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  auto* label = new QLabel(QStringLiteral("Memory page"), group);
  label->setObjectName(QStringLiteral("Label1"));
  pageEdit_ = new QLineEdit(QStringLiteral("0"), group);
  pageEdit_->setObjectName(QStringLiteral("PageEdit"));
  pageUpDown_ = new UpDown(group);
  pageUpDown_->setObjectName(QStringLiteral("PageUpDown"));
  pageUpDown_->SetRange(0, kLastPage);

  const MemoryView::Switches& switches = view.ColumnSwitches();
  auto* grid = new QGridLayout(group);
  grid->addWidget(label, 0, 0);
  grid->addWidget(pageEdit_, 0, 1);
  grid->addWidget(pageUpDown_, 0, 2);
  checkHex_ = AddCheck(group, QStringLiteral("CheckHex"), QStringLiteral("Hex"), switches.hex);
  checkDec_ = AddCheck(group, QStringLiteral("CheckDec"), QStringLiteral("Decimal"), switches.decimal);
  checkAsc_ = AddCheck(group, QStringLiteral("CheckASC"), QStringLiteral("ASCII"), switches.ascii);
  checkBin_ = AddCheck(group, QStringLiteral("CheckBin"), QStringLiteral("Binary"), switches.binary);
  checkDisasm_ =
      AddCheck(group, QStringLiteral("CheckDisasm"), QStringLiteral("Disassembler"), switches.disassembly);
  pcMark_ = AddCheck(group, QStringLiteral("PCmark"), QStringLiteral("PC Marker"), switches.pcMark);
  int row = 1;
  for (QCheckBox* box : {checkHex_, checkDec_, checkAsc_, checkBin_, checkDisasm_, pcMark_}) {
    grid->addWidget(box, row++, 0, 1, 3);
  }

  auto* buttons = new OkCancelRow(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);

  pageUpDown_->SetPosition(view.PageBase() >> 8);
  pageEdit_->setText(QString::asprintf("%02X", pageUpDown_->Position()));
  connect(pageEdit_, &QLineEdit::textChanged, this, &MemoryViewOptionsDialog::OnPageEdited);
  connect(pageUpDown_, &UpDown::released, this, &MemoryViewOptionsDialog::OnPageUpDownReleased);
  connect(buttons->Ok(), &QPushButton::clicked, this, &MemoryViewOptionsDialog::OnOkClicked);
  connect(buttons->Cancel(), &QPushButton::clicked, this, &MemoryViewOptionsDialog::OnCancelClicked);
}

QCheckBox* MemoryViewOptionsDialog::AddCheck(QWidget* group, const QString& name, const QString& caption,
                                             bool checked) {
  auto* box = new QCheckBox(caption, group);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

std::optional<int> MemoryViewOptionsDialog::TypedPage(const QString& text) {
  bool ok = false;
  const qulonglong value = text.left(kPageFieldChars).toULongLong(&ok, 16);
  if (!ok || value < 1 || value > kLastPage) return std::nullopt;
  return static_cast<int>(value);
}

void MemoryViewOptionsDialog::OnPageEdited(const QString& text) {
  if (const std::optional<int> page = TypedPage(text)) pageUpDown_->SetPosition(*page);
}

void MemoryViewOptionsDialog::OnPageUpDownReleased() {
  pageEdit_->setText(QString::asprintf("%02X", pageUpDown_->Position()));
}

void MemoryViewOptionsDialog::OnOkClicked() {
  const MemoryView::Switches switches{checkHex_->isChecked(),    checkDec_->isChecked(),
                                      checkAsc_->isChecked(),    checkBin_->isChecked(),
                                      checkDisasm_->isChecked(), pcMark_->isChecked()};
  view_.Configure(static_cast<uint16_t>(pageUpDown_->Position() << 8), switches);
  accept();
}

void MemoryViewOptionsDialog::OnCancelClicked() { reject(); }

}  // namespace tav2
