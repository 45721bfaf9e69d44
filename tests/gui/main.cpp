// Runs the GUI tests inside the workbench's own application object (the
// offscreen platform unless the environment names another).
#include <gtest/gtest.h>

#include "gui/shell/workbenchapplication.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tav2::WorkbenchApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
