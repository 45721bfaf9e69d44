#include "gui/common/updown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tav2 {

namespace {
QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFixedSize(17, 11);
  return button;
}
}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent),
      up_(ArrowButton(Qt::UpArrow, QStringLiteral("Up"), this)),
      down_(ArrowButton(Qt::DownArrow, QStringLiteral("Down"), this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::pressed, this, [this] { SetPosition(position_ + 1); });
  connect(down_, &QToolButton::pressed, this, [this] { SetPosition(position_ - 1); });
  connect(up_, &QToolButton::released, this, &UpDown::released);
  connect(down_, &QToolButton::released, this, &UpDown::released);
}

void UpDown::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  SetPosition(position_);
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

}  // namespace tav2
