#pragma once
#include <QDialog>

#include "core/lang/assembleroptions.h"

class QLineEdit;

namespace tav2 {

// The assembler options dialog: the assembler's start address and the
// default stack pointer, both in hexadecimal.
class AssemblerOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kInvalidStart = "Unvalid startaddress!";
  static constexpr const char* kInvalidStackPointer = "Unvalid  stack pointer address!";

  explicit AssemblerOptionsDialog(AssemblerOptions& options, QWidget* parent = nullptr);

  // Takes the start address, then the stack pointer, and closes; an
  // unreadable field is reported and keeps the dialog open.
  void OnOkClicked();
  void OnDefaultsClicked();

 private:
  AssemblerOptions& options_;
  QLineEdit* startAddressEdit_;
  QLineEdit* stackPointerEdit_;
};

}  // namespace tav2
