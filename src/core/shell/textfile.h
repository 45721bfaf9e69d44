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

  // Replaces the file with `text`. The text goes into a temporary file in
  // the same directory first, which is then renamed over the file, so a
  // failed write never leaves a half-written file. False when the file
  // cannot be written; an existing file that is not writable is left alone.
  static bool Replace(const std::filesystem::path& file, std::string_view text);

  // Writes `fileName` with `text` into the first of `directories` where
  // that succeeds; the directory used, or nullopt when none would take it.
  static std::optional<std::filesystem::path> ReplaceInFirst(
      const std::vector<std::filesystem::path>& directories, const std::string& fileName,
      std::string_view text);
};

}  // namespace tav2
