#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/includepolicy.h"

namespace tav2 {

// The includes a submission may read while it is graded: regular files
// inside its own directory or the home directory's include/, judged after
// `..` and symbolic links are resolved. Anything else is refused before it
// is opened.
class ConfinedIncludes : public IncludePolicy {
 public:
  // Files below any of `dirs` are allowed (an empty path: the current directory).
  explicit ConfinedIncludes(const std::vector<std::filesystem::path>& dirs);

  // Whether `file` is a regular file inside one of the directories, or
  // a file not there at all that would be inside (reading it then fails as
  // any missing include does).
  bool Allows(const std::filesystem::path& file) const;

  // "include outside the submission: NAME" for an include it does not allow.
  std::optional<std::string> Refusal(const std::filesystem::path& file, std::string_view name) const override;

 private:
  std::vector<std::filesystem::path> roots_;
};

}  // namespace tav2
