#include "core/util/homedirectory.h"

#include <system_error>

namespace tav2 {

HomeDirectory HomeDirectory::Of(const std::filesystem::path& programDir) {
  std::error_code error;
  if (std::filesystem::exists(programDir / kStartUpMicrocode, error) ||
      std::filesystem::is_directory(programDir / kHelpDirectory, error)) {
    return {programDir, false};
  }
  const std::filesystem::path installed = (programDir / kInstalledPlace).lexically_normal();
  if (std::filesystem::is_directory(installed, error)) return {installed, true};
  return {programDir, false};
}

}  // namespace tav2
