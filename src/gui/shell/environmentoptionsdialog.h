#pragma once
#include <QDialog>
#include <QString>

#include "core/shell/environmentsettings.h"

class QCheckBox;
class QLineEdit;

namespace tav2 {

// The environment options dialog: the three directories and the two
// switches. OK stores the fields as they stand, without checks; the options
// file is written only by its own command.
class EnvironmentOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // `programDir` is the directory of the program, the home directory's default.
  EnvironmentOptionsDialog(EnvironmentSettings& settings, QString programDir, QWidget* parent = nullptr);

  void OnOkClicked();
  void OnDefaultClicked();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* MakeField(const char* name);
  void FillFromSettings();

  EnvironmentSettings& settings_;
  QString programDir_;
  QLineEdit* homedirEdit_;
  QLineEdit* workingdirEdit_;
  QLineEdit* includedirEdit_;
  QCheckBox* saveOnExit_;
  QCheckBox* bakFiles_;
};

}  // namespace tav2
