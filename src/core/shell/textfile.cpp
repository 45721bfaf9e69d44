#include "core/shell/textfile.h"

#include <fstream>
#include <iterator>

#include "core/util/atomicfilewriter.h"

namespace tav2 {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

}  // namespace

std::optional<std::vector<std::string>> TextFile::ReadLines(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return SplitLines(text);
}

std::optional<fs::path> TextFile::ReplaceInFirst(const std::vector<fs::path>& directories,
                                                 const std::string& fileName, std::string_view text,
                                                 std::string* failure) {
  std::optional<std::string> firstFailure;
  for (const fs::path& directory : directories) {
    const std::optional<std::string> refused = AtomicFileWriter::Replace(directory / fileName, text);
    if (!refused) return directory;
    if (!firstFailure) firstFailure = refused;
  }
  if (failure != nullptr) *failure = firstFailure.value_or(std::string());
  return std::nullopt;
}

}  // namespace tav2
