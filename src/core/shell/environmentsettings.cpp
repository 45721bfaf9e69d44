#include "core/shell/environmentsettings.h"

namespace tav2 {

EnvironmentSettings EnvironmentSettings::ForHomeDir(const std::filesystem::path& homeDir) {
  EnvironmentSettings settings;
  settings.homeDir = homeDir;
  settings.workingDir = WorkingDirOf(homeDir);
  settings.includeDir = IncludeDirOf(homeDir);
  return settings;
}

std::filesystem::path EnvironmentSettings::IncludeDirOf(const std::filesystem::path& homeDir) {
  return homeDir / "include";
}

std::filesystem::path EnvironmentSettings::WorkingDirOf(const std::filesystem::path& homeDir) {
  return homeDir / "sources";
}

}  // namespace tav2
