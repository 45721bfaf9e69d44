#include <cstdio>
#include <cstring>

namespace {

constexpr int kUsageError = 64;

const char* const kUsage =
    "usage: tav2-cli run [--microcode FILE] [--start HEX] [--sp HEX] [--max-steps N]\n"
    "                    [--echo] [--stats] [--regs] [--mem ADDR:COUNT]... PROGRAM.asm\n"
    "       tav2-cli asm [--microcode FILE] [--start HEX] [--listing FILE|-] PROGRAM.asm\n"
    "       tav2-cli mc  FILE.mca\n"
    "       tav2-cli rom [--microcode FILE]\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return kUsageError;
}
