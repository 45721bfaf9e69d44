#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav2 {

// Whole-file access for the workbench's own small settings files, whose
// lines end in "\n".
class TextFile {
 public:
  // The file's lines without their line ends (a "\r" before the "\n" is
  // dropped too, so files written with CR LF read the same); nullopt when
  // the file cannot be opened.
  static std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file);

  // Writes `fileName` with `text` (replacing it whole, or leaving it as it
  // was) into the first of `directories` where that succeeds; the directory
  // used, or nullopt when none would take it, with the reason the first
  // refused in `failure`.
  static std::optional<std::filesystem::path> ReplaceInFirst(
      const std::vector<std::filesystem::path>& directories, const std::string& fileName,
      std::string_view text, std::string* failure = nullptr);
};

}  // namespace tav2
