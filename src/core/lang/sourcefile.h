#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace tav2 {

// A source or include file read whole. Only a regular file of at most
// 16 MB is read: its type and size are looked at before it is opened, so a
// directory, a device or a FIFO is refused without being opened, and reading
// never blocks or grows without limit.
struct SourceFile {
  static constexpr std::uintmax_t kMaxSize = std::uintmax_t{16} * 1024 * 1024;

  enum class Status { kRead, kCannotOpen, kTooLarge };

  Status status = Status::kCannotOpen;
  std::uintmax_t size = 0;  // known when the file is a regular file
  std::string text;         // the whole file when it was read

  // Looks at the file without opening it: kRead when it could be read.
  static SourceFile Check(const std::filesystem::path& file);
  static SourceFile Read(const std::filesystem::path& file);

  // Why a file too large is refused: "N bytes, more than 16 MB".
  std::string TooLargeReason() const;
};

}  // namespace tav2
