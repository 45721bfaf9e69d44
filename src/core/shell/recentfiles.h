#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tav2 {

// The open-file list: the names of closed documents, most recent first, at
// most 16, without gaps. The first ten are the File > Reopen items; all 16
// are kept in "filenams.~zp", one name a line.
class RecentFiles {
 public:
  static constexpr int kEntries = 16;
  static constexpr int kMenuItems = 10;
  static constexpr const char* kFileName = "filenams.~zp";
  // The longest path the platform opens, in bytes; a longer line of the
  // file names no file.
  static constexpr std::size_t kLongestName = 4096;

  // Entry k, 1 to 16; empty when unused.
  const std::string& Entry(int k) const;
  int Count() const { return static_cast<int>(entries_.size()); }
  // Reopen item k, 1 to 10, shows entry k and is visible exactly when that
  // entry is not empty.
  bool ItemVisible(int k) const { return k >= 1 && k <= kMenuItems && !Entry(k).empty(); }

  // A closed editor's name goes in front; the last entry drops off. Untitled
  // names (starting "noname") and empty names are not remembered. True when
  // the list changed.
  bool Remember(const std::string& name);
  // Every entry equal to `name` (exactly) is removed. True when one was.
  bool Forget(const std::string& name);
  // Entry k taken out of the list, for reopening; nullopt when it is empty.
  std::optional<std::string> TakeOut(int k);

  // Fills the list from the file in `currentDir`, or when it cannot be
  // opened there from the one in `homeDir`; empty when neither can be read.
  // Blank lines and lines longer than kLongestName are skipped; reading
  // stops after 16 names.
  void Read(const std::filesystem::path& currentDir, const std::filesystem::path& homeDir);
  // Writes the file into `homeDir`, or when that fails into `workingDir`.
  // False when neither would take it, with the reason `homeDir` refused it
  // in `failure`; the file there is then left as it was.
  bool Write(const std::filesystem::path& homeDir, const std::filesystem::path& workingDir,
             std::string* failure = nullptr) const;
  // The file's text: every entry followed by "\n".
  std::string Text() const;

 private:
  std::vector<std::string> entries_;  // the non-empty entries, entry 1 first
};

}  // namespace tav2
