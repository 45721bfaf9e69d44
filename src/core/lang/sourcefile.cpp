#include "core/lang/sourcefile.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "core/util/formatted.h"

namespace tav2 {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}  // namespace

SourceFile SourceFile::Check(const fs::path& file) {
  SourceFile result;
  std::error_code error;
  if (!fs::is_regular_file(fs::status(file, error)) || error) return result;
  result.size = fs::file_size(file, error);
  if (error) return result;
  result.status = result.size > kMaxSize ? Status::kTooLarge : Status::kRead;
  return result;
}

// A file that grew after it was looked at is read no further than the limit.
SourceFile SourceFile::Read(const fs::path& file) {
  SourceFile result = Check(file);
  if (result.status != Status::kRead) return result;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.status = Status::kCannotOpen;
    return result;
  }
  std::array<char, kChunk> chunk;
  while (in && result.text.size() <= kMaxSize) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    result.text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    result.status = Status::kCannotOpen;
    result.text.clear();
  } else if (result.text.size() > kMaxSize) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    result.status = Status::kTooLarge;
    result.size = error ? result.text.size() : std::max<std::uintmax_t>(size, result.text.size());
    result.text.clear();
  }
  return result;
}

std::string SourceFile::TooLargeReason() const { return Formatted("%ju bytes, more than 16 MB", size); }

}  // namespace tav2
