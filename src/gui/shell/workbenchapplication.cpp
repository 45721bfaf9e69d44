#include "gui/shell/workbenchapplication.h"

#include <exception>

#include "gui/common/dialogs.h"

namespace tav2 {

WorkbenchApplication::WorkbenchApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool WorkbenchApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowUnexpectedError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowUnexpectedError(QStringLiteral("unknown exception"));
  }
  return false;
}

void WorkbenchApplication::ShowUnexpectedError(const QString& what) {
  Dialogs::Current().ShowError(activeWindow(), QString(kUnexpectedError).arg(what));
}

}  // namespace tav2
