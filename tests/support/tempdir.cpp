#include "support/tempdir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tav2::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  do {
    path_ = fs::temp_directory_path() / ("tav2-test-" + std::to_string(random()));
  } while (!fs::create_directory(path_));
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

fs::path TempDir::Dir(const std::string& name) const {
  fs::path dir = path_ / name;
  fs::create_directories(dir);
  return dir;
}

fs::path TempDir::Write(const std::string& name, std::string_view text) const {
  const fs::path file = path_ / name;
  std::ofstream out(file, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return file;
}

std::string ReadWhole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tav2::test
