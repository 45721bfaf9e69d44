#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tav2 {

// Decides, before an included file is opened, whether a build may read it.
// The translators read every include they find unless one is set.
class IncludePolicy {
 public:
  virtual ~IncludePolicy() = default;

  // The error message when the include written as `name`, found at `file`,
  // may not be read; nothing when it may.
  virtual std::optional<std::string> Refusal(const std::filesystem::path& file,
                                             std::string_view name) const = 0;
};

}  // namespace tav2
