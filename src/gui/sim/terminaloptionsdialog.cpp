#include "gui/sim/terminaloptionsdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/common/okcancelrow.h"
#include "gui/sim/screenterminal.h"

namespace tav2 {

namespace {

QSpinBox* UpDown(const QString& name, const QString& editName, int maximum, QWidget* parent) {
  auto* upDown = new QSpinBox(parent);
  upDown->setObjectName(name);
  upDown->setRange(0, maximum);
  upDown->findChild<QLineEdit*>()->setObjectName(editName);
  return upDown;
}

QLineEdit* ReadOnlyField(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  return edit;
}

QCheckBox* CheckBox(const QString& name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TerminalOptionsDialog::TerminalOptionsDialog(ScreenTerminal& screen, QWidget* parent)
    : QDialog(parent), screen_(screen) {
  setObjectName(QStringLiteral("TTerminalOptionsForm"));
  setWindowTitle(QStringLiteral("TAV Terminal Options"));
  auto* group = new QGroupBox(QStringLiteral("TAV2 Terminal Screen"), this);
  linesUpDown_ = UpDown(QStringLiteral("LinesUpDown"), QStringLiteral("LinesEdit"), kMaxLines, group);
  charsUpDown_ = UpDown(QStringLiteral("CharsUpDown"), QStringLiteral("Charsedit"), kMaxChars, group);
  defaultLinesEdit_ = ReadOnlyField(QStringLiteral("DefaultlinesEdit"), group);
  defaultCharsEdit_ = ReadOnlyField(QStringLiteral("DefaultcharsEdit"), group);
  tabCheck_ = CheckBox(QStringLiteral("Tabcheck"), QStringLiteral("Want Tabs"), group);
  sizeToScreen_ =
      CheckBox(QStringLiteral("SizetoScreen"), QStringLiteral("Set Size according to Layout "), group);
  screenToSize_ =
      CheckBox(QStringLiteral("ScreentoSize"), QStringLiteral("Set Layout according to Size"), group);

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("Default"), group), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Lines"), group), 1, 0);
  grid->addWidget(linesUpDown_, 1, 1);
  grid->addWidget(defaultLinesEdit_, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Chars"), group), 2, 0);
  grid->addWidget(charsUpDown_, 2, 1);
  grid->addWidget(defaultCharsEdit_, 2, 2);
  grid->addWidget(tabCheck_, 3, 0, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("On Clearscreen: "), group), 4, 0, 1, 3);
  grid->addWidget(sizeToScreen_, 5, 0, 1, 3);
  grid->addWidget(screenToSize_, 6, 0, 1, 3);

  auto* buttons = new OkCancelRow(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);

  connect(sizeToScreen_, &QCheckBox::clicked, this, &TerminalOptionsDialog::OnSizeToScreenClicked);
  connect(screenToSize_, &QCheckBox::clicked, this, &TerminalOptionsDialog::OnScreenToSizeClicked);
  connect(buttons->Ok(), &QPushButton::clicked, this, &TerminalOptionsDialog::OnOkClicked);
  connect(buttons->Cancel(), &QPushButton::clicked, this, &TerminalOptionsDialog::OnCancelClicked);

  ScreenGrid& g = screen_.Grid();
  g.ComputeDefaults(screen_.Width(), screen_.Height());
  tabCheck_->setChecked(g.wantTabs);
  screenToSize_->setChecked(g.layoutFromSize);
  sizeToScreen_->setChecked(g.sizeFromLayout);
  linesUpDown_->setValue(g.lines);
  charsUpDown_->setValue(g.chars);
  defaultLinesEdit_->setText(QString::number(g.defaultLines));
  defaultCharsEdit_->setText(QString::number(g.defaultChars));
  openedLines_ = g.lines;
  openedChars_ = g.chars;
}

void TerminalOptionsDialog::OnSizeToScreenClicked() {
  if (sizeToScreen_->isChecked()) screenToSize_->setChecked(false);
}

void TerminalOptionsDialog::OnScreenToSizeClicked() {
  if (!screenToSize_->isChecked()) return;
  linesUpDown_->setValue(screen_.Grid().defaultLines);
  charsUpDown_->setValue(screen_.Grid().defaultChars);
  sizeToScreen_->setChecked(false);
}

void TerminalOptionsDialog::OnOkClicked() {
  ScreenGrid& g = screen_.Grid();
  Terminal& terminal = screen_.Services();
  g.wantTabs = tabCheck_->isChecked();
  g.SetLayout(linesUpDown_->value(), charsUpDown_->value());
  g.layoutFromSize = screenToSize_->isChecked();
  g.sizeFromLayout = sizeToScreen_->isChecked();
  if (g.layoutFromSize) {
    terminal.LayoutFromWindow();
  } else if (g.sizeFromLayout) {
    if (g.lines == openedLines_ && g.chars == openedChars_) {
      terminal.SizeWindowFromLayout();
    } else {
      terminal.Clear();
    }
  }
  screen_.Redraw();
  accept();
}

void TerminalOptionsDialog::OnCancelClicked() { reject(); }

}  // namespace tav2
