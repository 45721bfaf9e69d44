#include "shell/textfile.h"

#include <fstream>
#include <iterator>

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

// An existing file is overwritten only when it could be opened for writing.
bool MayOverwrite(const fs::path& file) {
  std::error_code error;
  if (!fs::exists(file, error)) return !error;
  return std::ofstream(file, std::ios::binary | std::ios::app).is_open();
}

bool WriteWhole(const fs::path& file, std::string_view text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return !out.fail();
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

bool TextFile::Replace(const fs::path& file, std::string_view text) {
  if (!MayOverwrite(file)) return false;
  fs::path temporary = file;
  temporary += ".~new";
  std::error_code error;
  if (WriteWhole(temporary, text)) {
    fs::rename(temporary, file, error);
    if (!error) return true;
  }
  fs::remove(temporary, error);
  return false;
}

std::optional<fs::path> TextFile::ReplaceInFirst(const std::vector<fs::path>& directories,
                                                 const std::string& fileName,
                                                 std::string_view text) {
  for (const fs::path& directory : directories) {
    if (Replace(directory / fileName, text)) return directory;
  }
  return std::nullopt;
}

}  // namespace tav2
