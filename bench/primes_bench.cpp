// Runs the prime sieve of the examples as `tav2-cli run --stats
// sources/primes.asm` does (the start-up micro-code, Reset, Go to the halt,
// output to nowhere), but through the debugger, with its history recording
// off and on, turn about; prints the speed of each run and the ratio of
// the best runs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "recordingcomparison.h"
#include "core/sim/debugger.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"
#include "core/sim/terminal.h"

namespace {

using namespace tav2;

// A terminal device that shows nothing and has no keys.
class NullDevice final : public TerminalDevice {
 public:
  void Open() override {}
  bool IsOpen() const override { return true; }
  int WaitKey() override { return 0; }
  void DrawCell(int, int, uint8_t) override {}
  void DrawCursor(int, int, bool) override {}
  void Redraw() override {}
  void SetCaption(const std::string&) override {}
  int Width() const override { return 83 * 8; }
  int Height() const override { return 28 * 16 + 4; }
  void Resize(int, int) override {}
};

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), {}};
  std::string lines;
  for (char ch : text) {
    if (ch != '\r') lines += ch;
  }
  return lines;
}

bench::Measurement Run(const std::filesystem::path& home, bool recording) {
  auto machine = std::make_unique<Machine>();
  MicrocodeParser parser(machine->mcrom);
  parser.loadAfterBuild = true;
  parser.SetIncludeDirectories(home / "include", home);
  parser.ParseSourceFile((home / "microdefs.~mc").string());
  Assembler assembler(*machine);
  assembler.loadAfterBuild = true;
  assembler.runAfterLoad = true;
  assembler.SetIncludeDirectories(home / "include", home / "sources");
  if (!parser.Succeeded() ||
      !assembler.ParseSource(ReadFile(home / "sources" / "primes.asm"), "primes.asm")) {
    std::fprintf(stderr, "cannot build sources/primes.asm in %s\n", home.string().c_str());
    std::exit(1);
  }

  SilentDisplay display;
  ScreenGrid grid;
  NullDevice device;
  KeyReplayDevice keys(device, grid);
  Terminal terminal(grid, keys);
  Processor processor(*machine, display, &terminal);
  terminal.Clear();
  Debugger debugger(*machine, processor, display, &grid, &keys);
  debugger.SetRecording(recording);
  const auto start = std::chrono::steady_clock::now();
  debugger.Reset();
  debugger.Go();
  debugger.RunToEnd();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {processor.State().microSteps, processor.State().instructions, seconds, debugger.Journal().Bytes()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  const std::filesystem::path home = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  bench::CompareRecording(rounds, [&home](bool recording) { return Run(home, recording); });
  return 0;
}
