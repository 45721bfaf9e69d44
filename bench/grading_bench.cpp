// Grades COUNT copies of sources/primes.asm (its rounds cut to ROUNDS, the
// source keeping its size) with tav2-cli test, on one thread and on two,
// and prints the time and peak memory of each and the speed-up.
// Usage: grading_bench [COUNT [ROUNDS]]   (defaults: 300 and 1)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "childrun.h"

namespace {

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// With the processor seconds per second: how many cores the run had (on a
// machine busy with other work, fewer than it asked for).
void Print(const char* what, const bench::ChildRun& run) {
  std::printf("%s %.2f s, %.2f s processor (%.2f cores busy), peak %.0f MB resident, exit %d\n", what,
              run.seconds, run.cpuSeconds, run.cpuSeconds / run.seconds,
              static_cast<double>(run.peakKilobytes) / 1024, run.status);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 300;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 1;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tav2-grading-bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);

  std::string source = Read(bench::BinDir() / "sources" / "primes.asm");
  const std::string roundsLine = "ROUNDS  EQU 30";
  const std::size_t at = source.find(roundsLine);
  if (at == std::string::npos) {
    std::fprintf(stderr, "primes.asm has no line \"%s\"\n", roundsLine.c_str());
    return 1;
  }
  std::string cut = "ROUNDS  EQU " + std::to_string(rounds);
  cut.resize(roundsLine.size(), ' ');
  source.replace(at, roundsLine.size(), cut);
  std::string output;
  for (int i = 0; i < rounds; ++i) output += "Primes below 30000: 3245\\n";
  Write(dir / "cases.toml",
        "max_steps = 1000000000\nmax_seconds = 600\n[[case]]\nname = \"primes\"\noutput = \"" + output +
            "\"\n");
  std::vector<std::string> args = {"test", "-j", "1", (dir / "cases.toml").string()};
  for (int i = 0; i < count; ++i) {
    const std::filesystem::path program = dir / ("primes" + std::to_string(i) + ".asm");
    Write(program, source);
    args.push_back(program.string());
  }

  std::printf("%d copies of primes.asm (%d round%s each)\n", count, rounds, rounds == 1 ? "" : "s");
  const bench::ChildRun one = bench::RunCli(args);
  Print("-j 1:", one);
  args[2] = "2";
  const bench::ChildRun two = bench::RunCli(args);
  Print("-j 2:", two);
  std::printf("speed-up of -j 2: %.2f\n", one.seconds / two.seconds);
  std::filesystem::remove_all(dir);
  return one.status == 0 && two.status == 0 ? 0 : 1;
}
