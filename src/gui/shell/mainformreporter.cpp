#include "gui/shell/mainformreporter.h"

#include "gui/shell/tmainform.h"

namespace tav2 {

void MainformReporter::ShowWarning(const std::string& text) { mainform_.ShowWarning(QString::fromStdString(text)); }

void MainformReporter::ShowInfo(const std::string& text) { mainform_.ShowInfo(QString::fromStdString(text)); }

void MainformReporter::MemoryLoaded() { mainform_.RepaintMemoryViews(); }

void MainformReporter::ListingWritten() { mainform_.ReloadAssemblerOutput(); }

}  // namespace tav2
