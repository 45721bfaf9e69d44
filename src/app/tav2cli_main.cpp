#include <filesystem>
#include <string>
#include <vector>

#include "tav2cli.h"

namespace {

// The directory of the running executable: the home directory with the
// start-up micro-code and include/.
std::filesystem::path HomeDir(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tav2::Tav2Cli cli(HomeDir(argv[0]), stdin, stdout, stderr);
  return cli.Main(args);
}
