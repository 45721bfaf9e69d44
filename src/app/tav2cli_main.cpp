#include <filesystem>
#include <string>
#include <vector>

#include "core/util/homedirectory.h"
#include "tav2cli.h"

namespace {

// The directory of the running executable.
std::filesystem::path ProgramDir(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tav2::Tav2Cli cli(tav2::HomeDirectory::Of(ProgramDir(argv[0])).path, stdin, stdout, stderr);
  return cli.Main(args);
}
