#include "gui/common/commanditems.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace tav2 {

QAction* MakeAction(QObject* owner, const char* name, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setStatusTip(hint);
  action->setToolTip(hint.isEmpty() ? action->iconText() : hint);
  return action;
}

QAction* AddMenuItem(QMenu* menu, QObject* owner, const char* name, const QString& caption,
                     const QKeySequence& shortcut, const QString& hint) {
  QAction* action = MakeAction(owner, name, caption, shortcut, hint);
  menu->addAction(action);
  return action;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setAutoRaise(true);
  return button;
}

QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace tav2
