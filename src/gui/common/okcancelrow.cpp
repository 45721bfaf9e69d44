#include "gui/common/okcancelrow.h"

#include <QPushButton>

namespace tav2 {

OkCancelRow::OkCancelRow(QWidget* dialog)
    : ok_(new QPushButton(QStringLiteral("OK"), dialog)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), dialog)) {
  ok_->setObjectName(QStringLiteral("OKknop"));
  ok_->setDefault(true);
  cancel_->setObjectName(QStringLiteral("Cancelknop"));
  addStretch();
  addWidget(ok_);
  addWidget(cancel_);
}

}  // namespace tav2
