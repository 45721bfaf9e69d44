#include "debugcommand.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "debugsession.h"
#include "core/sim/machine.h"
#include "tav2cli.h"

namespace tav2 {

namespace {
// The keys of a program run without --input: none, the input ends at once.
constexpr const char* kNoInput = "/dev/null";
}  // namespace

int DebugCommand::Main(const CliOptions& options) {
  const std::string input = options.input.value_or(kNoInput);
  auto machine = std::make_unique<Machine>();
  if (const std::optional<int> failed = cli_.Build(options, *machine, true, {})) return *failed;
  machine->defaultStackPointer = options.stackPointer.value_or(0x7FFF);

  // The keys may come from any file that reads, a pipe too, but never from a directory.
  std::error_code error;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> keys(
      std::filesystem::is_directory(input, error) ? nullptr : std::fopen(input.c_str(), "rb"), &std::fclose);
  if (!keys) {
    std::fprintf(cli_.err_, "can't open file: %s\n", input.c_str());
    return Tav2Cli::kCannotRead;
  }
  DebugSession session(cli_, *machine, Tav2Cli::ProgramText(options.file), keys.get(), cli_.out_, cli_.err_);
  session.Run(cli_.in_);
  return Tav2Cli::kSuccess;
}

}  // namespace tav2
