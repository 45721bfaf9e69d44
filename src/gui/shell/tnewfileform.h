#pragma once
#include <QWidget>

#include "editor/editkind.h"

namespace tav2 {

class TMainform;

// The chooser of the kind of a new file: a small frameless window at
// (30, 75) with three choices. A choice creates the untitled editor through
// the main window and closes the chooser.
class TNewfileForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLeft = 30;
  static constexpr int kTop = 75;

  explicit TNewfileForm(TMainform& mainform);

 private:
  void Choose(EditKind kind);

  TMainform& mainform_;
};

}  // namespace tav2
