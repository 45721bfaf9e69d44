// tav2-figures MICROCODE DIRECTORY: draws the manual's datapath figures
// with the workbench's own processor window, on the offscreen platform
// unless another one is asked for, into DIRECTORY.
#include <QApplication>
#include <cstdio>

#include "datapathfigures.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: tav2-figures MICROCODE DIRECTORY\n");
    return 64;
  }
  if (const auto failure = tav2::DatapathFigures(argv[1]).WriteAll(argv[2])) {
    std::fprintf(stderr, "tav2-figures: %s\n", failure->c_str());
    return 1;
  }
  return 0;
}
