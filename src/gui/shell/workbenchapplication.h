#pragma once
#include <QApplication>
#include <QString>

namespace tav2 {

// The workbench's application object. No exception leaves the handler of
// an event, so none ends the program: the last-resort handler shows the
// error in a message box and the command stops there, leaving every window,
// editor and text as it was.
class WorkbenchApplication : public QApplication {
 public:
  static constexpr const char* kUnexpectedError = "The command was stopped by an unexpected error: %1";

  WorkbenchApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ShowUnexpectedError(const QString& what);
};

}  // namespace tav2
