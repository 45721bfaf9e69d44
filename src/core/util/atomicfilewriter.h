#pragma once
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tav2 {

// Every file the workbench and tav2-cli write goes through here, so that a
// file is replaced whole or not at all. The new bytes go into a temporary
// file in the file's own directory; the write, the flush, the sync to disk
// and the close are each checked, and only when all of them succeeded is
// the temporary renamed over the file. On any failure the temporary is
// removed and the old file is left exactly as it was. A symbolic link is
// followed (the file it names is replaced, the link stays); a device or a
// pipe (such as /dev/null) is written in place with the same checks; a
// directory is never replaced.
class AtomicFileWriter {
 public:
  // The steps of a write that can fail, in their order.
  enum class Step { Create, Write, Flush, Sync, Close, Rename };

  // Lets a test make one step fail as the system would.
  class FaultHook {
   public:
    virtual ~FaultHook() = default;
    // The error number `step` of writing `file` fails with; 0 lets it run.
    virtual int ErrorFor(Step step, const std::filesystem::path& file) = 0;
  };

  // Installs `hook` for every write that follows (nullptr: none); not owned.
  static void InstallFaultHook(FaultHook* hook);

  // Makes `bytes` the whole content of `file`: nullopt when that was done,
  // otherwise the reason it was not, as the system words it ("No space left
  // on device").
  static std::optional<std::string> Replace(const std::filesystem::path& file, std::string_view bytes);

  // Writes `bytes` to an open stream and flushes it: nullopt when both
  // succeeded, otherwise the reason. `file` names the stream for the hook.
  static std::optional<std::string> WriteAll(std::FILE* stream, std::string_view bytes,
                                             const std::filesystem::path& file);
};

}  // namespace tav2
