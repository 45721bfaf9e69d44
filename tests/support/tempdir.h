#pragma once
// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes; and a guard that puts the
// process's current directory back.
#include <filesystem>
#include <string>
#include <string_view>

namespace tav2::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // A subdirectory, created.
  std::filesystem::path Dir(const std::string& name) const;
  // Writes a file below the directory and gives its path.
  std::filesystem::path Write(const std::string& name, std::string_view text) const;

 private:
  std::filesystem::path path_;
};

// Reads a whole file; empty when it cannot be opened.
std::string ReadWhole(const std::filesystem::path& file);

class CurrentDirGuard {
 public:
  CurrentDirGuard() : saved_(std::filesystem::current_path()) {}
  ~CurrentDirGuard() { std::filesystem::current_path(saved_); }
  CurrentDirGuard(const CurrentDirGuard&) = delete;
  CurrentDirGuard& operator=(const CurrentDirGuard&) = delete;

 private:
  std::filesystem::path saved_;
};

}  // namespace tav2::test
