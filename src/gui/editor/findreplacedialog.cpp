#include "gui/editor/findreplacedialog.h"
#include "gui/common/widgetparts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tav2 {

namespace {

QLineEdit* AddTextRow(QGridLayout* grid, int row, const char* name, const QString& caption) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  auto* label = new QLabel(caption);
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  return edit;
}

}  // namespace

FindReplaceDialog::FindReplaceDialog(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
  const bool replacing = kind == Kind::Replace;
  setObjectName(replacing ? "ReplaceDialog1" : "FindDialog1");
  setWindowTitle(replacing ? tr("Replace") : tr("Find"));
  setModal(false);

  auto* grid = new QGridLayout;
  findText_ = AddTextRow(grid, 0, "FindText", tr("Fi&nd what:"));
  if (replacing) replaceText_ = AddTextRow(grid, 1, "ReplaceText", tr("Re&place with:"));

  auto* options = new QVBoxLayout;
  wholeWord_ = AddCheckBox(options, "WholeWord", tr("Match &whole word only"));
  matchCase_ = AddCheckBox(options, "MatchCase", tr("Match &case"));
  auto* lower = new QHBoxLayout;
  lower->addLayout(options);
  if (!replacing) {
    auto* direction = new QGroupBox(tr("Direction"));
    direction->setObjectName("Direction");
    up_ = new QRadioButton(tr("&Up"));
    up_->setObjectName("Up");
    down_ = new QRadioButton(tr("&Down"));
    down_->setObjectName("Down");
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);
    lower->addWidget(direction);
  }

  auto* fields = new QVBoxLayout;
  fields->addLayout(grid);
  fields->addLayout(lower);
  fields->addStretch();

  buttons_ = new QWidget;
  new QVBoxLayout(buttons_);
  QPushButton* findNext = AddButton("FindNextknop", tr("&Find Next"));
  findNext->setDefault(true);
  connect(findNext, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
  if (replacing) {
    connect(AddButton("Replaceknop", tr("&Replace")), &QPushButton::clicked, this,
            &FindReplaceDialog::replace);
    connect(AddButton("ReplaceAllknop", tr("Replace &All")), &QPushButton::clicked, this,
            &FindReplaceDialog::replaceAll);
  }
  connect(AddButton("Cancelknop", tr("Cancel")), &QPushButton::clicked, this, &QDialog::close);
  static_cast<QVBoxLayout*>(buttons_->layout())->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons_);
}

QPushButton* FindReplaceDialog::AddButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  buttons_->layout()->addWidget(button);
  return button;
}

QString FindReplaceDialog::SearchText() const { return findText_->text(); }

QString FindReplaceDialog::ReplaceText() const { return replaceText_ ? replaceText_->text() : QString(); }

SearchOptions FindReplaceDialog::Options() const {
  return SearchOptions{matchCase_->isChecked(), wholeWord_->isChecked(),
                       up_ == nullptr || down_->isChecked()};
}

void FindReplaceDialog::SetSearchText(const QString& text) { findText_->setText(text); }

void FindReplaceDialog::SetReplaceText(const QString& text) {
  if (replaceText_) replaceText_->setText(text);
}

void FindReplaceDialog::SetOptions(const SearchOptions& options) {
  matchCase_->setChecked(options.matchCase);
  wholeWord_->setChecked(options.wholeWord);
  if (up_) (options.down ? down_ : up_)->setChecked(true);
}

}  // namespace tav2
