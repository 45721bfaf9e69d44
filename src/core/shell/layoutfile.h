#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell/storedlayout.h"

namespace tav2 {

// The file that keeps the student's arrangement between runs,
// "tav2layout.json": a JSON object with a version, the zoom in percent and
// one object per open simulation window. A file that is missing, of
// another version, or wrong in any value is not used at all: the workbench
// then starts with its default layout. Keys it does not know are skipped.
class LayoutFile {
 public:
  static constexpr const char* kFileName = "tav2layout.json";
  static constexpr int kVersion = 1;
  // Larger files are not read: a layout takes a few hundred bytes.
  static constexpr std::uintmax_t kLargestFile = 64 * 1024;
  // No bound lies further from the origin, nor is any window larger.
  static constexpr int kLargestCoordinate = 100000;

  // The whole file as written.
  static std::string Text(const StoredLayout& layout);
  // The layout a file's text describes; nullopt when it is not a layout of
  // this version or any value is missing, of the wrong type or out of range.
  static std::optional<StoredLayout> Parse(std::string_view text);

  // The layout of the first of `directories` that holds the file; nullopt
  // when that file cannot be read, is too large or does not parse.
  static std::optional<StoredLayout> Read(const std::vector<std::filesystem::path>& directories);
  // Writes the file into the first of `directories` that takes it; the
  // directory used, or nullopt with the reason the first refused in `failure`.
  static std::optional<std::filesystem::path> Write(const std::vector<std::filesystem::path>& directories,
                                                    const StoredLayout& layout,
                                                    std::string* failure = nullptr);
};

}  // namespace tav2
