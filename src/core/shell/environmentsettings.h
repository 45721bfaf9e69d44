#pragma once
#include <filesystem>

namespace tav2 {

// The environment options: the three directories and the two switches.
struct EnvironmentSettings {
  std::filesystem::path homeDir;     // options file, open-file list, help, listing
  std::filesystem::path workingDir;  // first Open directory, quoted includes
  std::filesystem::path includeDir;  // angle-bracket includes
  bool createBakFiles = false;
  bool saveOptionsOnExit = false;

  // The settings before the options file is read, for a program living in
  // `homeDir`: include/ and sources/ below it, both switches off.
  static EnvironmentSettings ForHomeDir(const std::filesystem::path& homeDir);
  static std::filesystem::path IncludeDirOf(const std::filesystem::path& homeDir);
  static std::filesystem::path WorkingDirOf(const std::filesystem::path& homeDir);

  bool operator==(const EnvironmentSettings&) const = default;
};

}  // namespace tav2
