// Runs sources/primes.asm with tav2-cli, once plainly and once writing its
// instruction trace to a file, and prints both times and their ratio.
// Usage: trace_bench [DIRECTORY]   (where the trace goes; default: /tmp)
#include <cstdio>
#include <filesystem>
#include <string>

#include "childrun.h"

int main(int argc, char** argv) {
  const std::filesystem::path dir = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
  const std::string program = (bench::BinDir() / "sources" / "primes.asm").string();
  const std::string trace = (dir / "tav2-trace-bench.jsonl").string();
  const bench::ChildRun plain = bench::RunCli({"run", program});
  const bench::ChildRun traced = bench::RunCli({"run", "--trace", trace, program});
  std::error_code error;
  const auto bytes = std::filesystem::file_size(trace, error);
  std::filesystem::remove(trace, error);
  if (plain.status != 0 || traced.status != 0) {
    std::fprintf(stderr, "tav2-cli failed (exit %d and %d)\n", plain.status, traced.status);
    return 1;
  }
  std::printf("run:         %.2f s (%.2f s processor)\n", plain.seconds, plain.cpuSeconds);
  std::printf("run --trace: %.2f s (%.2f s processor), %.0f MB of trace in %s\n", traced.seconds,
              traced.cpuSeconds, static_cast<double>(bytes) / 1e6, dir.c_str());
  std::printf("ratio:       %.2f (processor %.2f)\n", traced.seconds / plain.seconds,
              traced.cpuSeconds / plain.cpuSeconds);
  return 0;
}
