#pragma once
#include <QMainWindow>

namespace tav2 {

// The workbench's main window.
class TMainform : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainform(QWidget* parent = nullptr);
};

}  // namespace tav2
