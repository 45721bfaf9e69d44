#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tav2 {

// A replacement of one stretch of a text: `removed` characters from `start`
// give way to `inserted`.
struct TextChange {
  int start = 0;
  int removed = 0;
  std::string inserted;

  // The differing middle that turns `from` into `to`: it starts one character
  // before the first difference and runs up to the longest common tail
  // behind it (to the end when the texts end differently). None when the
  // texts are equal.
  static std::optional<TextChange> Between(std::string_view from, std::string_view to);

  std::string AppliedTo(std::string_view text) const;

  bool operator==(const TextChange&) const = default;
};

}  // namespace tav2
