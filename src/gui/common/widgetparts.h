#pragma once
#include <QBoxLayout>
#include <QCheckBox>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace tav2 {

// Small pieces shared by the windows and dialogs.

// Gives one colour role of a widget's palette a colour of its own.
inline void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// A check box with its object name, added to `layout`.
inline QCheckBox* AddCheckBox(QBoxLayout* layout, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  layout->addWidget(box);
  return box;
}

}  // namespace tav2
