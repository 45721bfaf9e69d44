#pragma once
#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QObject;
class QPushButton;
class QToolButton;
class QWidget;

namespace tav2 {

// A menu item: the component name as objectName, the caption with its
// access key, an optional shortcut and an optional hint.
QAction* MakeAction(QObject* owner, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {}, const QString& hint = {});

// MakeAction, added to `menu`.
QAction* AddMenuItem(QMenu* menu, QObject* owner, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {}, const QString& hint = {});

// A bar button named like its component, with its caption and hint.
QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint);

// A dialog's push button named like its component.
QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption);

}  // namespace tav2
