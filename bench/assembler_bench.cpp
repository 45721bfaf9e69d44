// Assembles a generated 100 000-line source with labels, branches, data and
// expressions, loading it and writing its listing, and prints the seconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/lang/assembler.h"
#include "core/sim/machine.h"
#include "core/util/atomicfilewriter.h"

namespace {

using namespace tav2;

void NameMnemonics(Mcrom& mcrom) {
  const std::pair<int, const char*> names[] = {{0x01, "ADD"}, {0x02, "MOVE"}, {0x04, "CMP"}, {0x38, "BNE"},
                                               {0x3F, "BRA"}, {0x50, "JSR"},  {0x61, "RTS"}, {0x6F, "HALT"}};
  for (const auto& [opcode, name] : names) {
    McromEntry entry;
    entry.SetName(name);
    entry.opcode = static_cast<uint32_t>(opcode);
    mcrom.SetEntry(opcode, entry);
  }
}

// Blocks of ten lines giving six words each, so the program fits in memory.
std::string GeneratedSource(int lines) {
  std::string text = "## generated\nbegin   MOVE R1, 0\n";
  for (int block = 0; block * 10 + 2 < lines; ++block) {
    const std::string n = std::to_string(block);
    text += "L" + n + "      ADD R1, R2            ; step\n";
    text += "        cmp r1, K" + n + " * 2 - 1 / 1\n";
    text += "        BNE L" + std::to_string(block + 1) + "\n";
    text += "K" + n + "      EQU " + n + " / 3 + 1 - 2 * 2\n";
    text += "D" + n + "      DAT " + n + " - ~\n";
    text += "        // a line comment\n";
    text += "\n";
    text += "X" + n + "\n";
    text += "Y" + n + "      EQU D" + n + " + ~ * 2\n";
    text += "; " + n + "\n";
  }
  text += "L" + std::to_string((lines - 2) / 10 + 1) + "  HALT\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100'000;
  const std::string source = GeneratedSource(lines);
  const std::filesystem::path listing = std::filesystem::temp_directory_path() / "assembler_bench.~zj";

  auto machine = std::make_unique<Machine>();
  NameMnemonics(machine->mcrom);
  Assembler assembler(*machine);
  assembler.SetListingSink([&listing](std::string_view text, const std::vector<std::string>&) {
    return !AtomicFileWriter::Replace(listing, text);
  });
  assembler.loadAfterBuild = true;

  const auto start = std::chrono::steady_clock::now();
  const bool ok = assembler.ParseSource(source, "bench.asm");
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

  std::filesystem::remove(listing);
  if (!ok) {
    for (const BuildError& error : assembler.Errors()) std::fprintf(stderr, "%s\n", error.ListLine().c_str());
    return 1;
  }
  std::printf("%d lines assembled and loaded in %.3f s\n", lines, seconds.count());
  return 0;
}
