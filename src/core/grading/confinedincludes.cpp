#include "core/grading/confinedincludes.h"

#include <algorithm>

namespace tav2 {

namespace {

// Whether `path` lies below `root`; both resolved.
bool Inside(const std::filesystem::path& path, const std::filesystem::path& root) {
  const auto [rootEnd, pathPart] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
  return rootEnd == root.end() && pathPart != path.end();
}

}  // namespace

ConfinedIncludes::ConfinedIncludes(const std::vector<std::filesystem::path>& dirs) {
  for (const std::filesystem::path& dir : dirs) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(dir.empty() ? "." : dir, error);
    if (!error) roots_.push_back(resolved);
  }
}

bool ConfinedIncludes::Allows(const std::filesystem::path& file) const {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  const std::filesystem::path resolved =
      error ? absolute : std::filesystem::weakly_canonical(absolute, error);
  if (error) return false;
  const bool inside = std::any_of(roots_.begin(), roots_.end(),
                                  [&](const std::filesystem::path& root) { return Inside(resolved, root); });
  if (!inside) return false;
  const std::filesystem::file_status status = std::filesystem::status(resolved, error);
  return std::filesystem::is_regular_file(status) || status.type() == std::filesystem::file_type::not_found;
}

std::optional<std::string> ConfinedIncludes::Refusal(const std::filesystem::path& file,
                                                     std::string_view name) const {
  if (Allows(file)) return std::nullopt;
  return "include outside the submission: " + std::string(name);
}

}  // namespace tav2
