#pragma once
#include "clioptions.h"

namespace tav2 {

class Tav2Cli;

// tav2-cli debug: checks the files, builds and loads the program as run
// does, then hands the commands of standard input to a DebugSession. Exit
// status 0 at quit or the end of the commands, 1 for build errors, 66 when
// a file cannot be read.
class DebugCommand {
 public:
  explicit DebugCommand(Tav2Cli& cli) : cli_(cli) {}

  int Main(const CliOptions& options);

 private:
  Tav2Cli& cli_;
};

}  // namespace tav2
