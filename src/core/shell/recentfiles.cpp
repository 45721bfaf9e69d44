#include "core/shell/recentfiles.h"

#include <algorithm>

#include "core/editor/editorfilename.h"
#include "core/shell/textfile.h"

namespace tav2 {

namespace {

namespace fs = std::filesystem;

const std::string kNoEntry;

}  // namespace

const std::string& RecentFiles::Entry(int k) const {
  if (k < 1 || k > Count()) return kNoEntry;
  return entries_[static_cast<std::size_t>(k - 1)];
}

bool RecentFiles::Remember(const std::string& name) {
  if (EditorFileName::IsUntitled(name)) return false;
  entries_.insert(entries_.begin(), name);
  if (Count() > kEntries) entries_.pop_back();
  return true;
}

bool RecentFiles::Forget(const std::string& name) { return std::erase(entries_, name) > 0; }

std::optional<std::string> RecentFiles::TakeOut(int k) {
  if (k < 1 || k > Count()) return std::nullopt;
  const auto entry = entries_.begin() + (k - 1);
  std::string name = std::move(*entry);
  entries_.erase(entry);
  return name;
}

void RecentFiles::Read(const fs::path& currentDir, const fs::path& homeDir) {
  entries_.clear();
  auto lines = TextFile::ReadLines(currentDir / kFileName);
  if (!lines) lines = TextFile::ReadLines(homeDir / kFileName);
  if (!lines) return;
  for (std::string& line : *lines) {
    if (Count() == kEntries) break;
    if (!line.empty() && line.size() <= kLongestName) entries_.push_back(std::move(line));
  }
}

bool RecentFiles::Write(const fs::path& homeDir, const fs::path& workingDir, std::string* failure) const {
  return TextFile::ReplaceInFirst({homeDir, workingDir}, kFileName, Text(), failure).has_value();
}

std::string RecentFiles::Text() const {
  std::string text;
  for (const std::string& entry : entries_) {
    text += entry;
    text += '\n';
  }
  return text;
}

}  // namespace tav2
