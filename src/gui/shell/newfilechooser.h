#pragma once
#include <QWidget>

#include "core/editor/editkind.h"

namespace tav2 {

class MainWindow;

// The chooser of the kind of a new file: a small frameless window at
// (30, 75) with three choices. A choice creates the untitled editor through
// the main window and closes the chooser.
class NewFileChooser : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLeft = 30;
  static constexpr int kTop = 75;

  explicit NewFileChooser(MainWindow& mainWindow);

 private:
  void Choose(EditKind kind);

  MainWindow& mainWindow_;
};

}  // namespace tav2
