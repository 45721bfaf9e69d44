#include "core/util/atomicfilewriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace tav2 {

namespace {

namespace fs = std::filesystem;
using Step = AtomicFileWriter::Step;

AtomicFileWriter::FaultHook* faultHook = nullptr;
unsigned long temporaryCounter = 0;
constexpr int kTemporaryAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // less the process's umask
constexpr mode_t kPermissionBits = 07777;

std::string Reason(int error) { return std::generic_category().message(error); }

// The error number of the system call that just failed, never 0.
int LastError() { return errno != 0 ? errno : EIO; }

int InjectedError(Step step, const fs::path& file) {
  return faultHook != nullptr ? faultHook->ErrorFor(step, file) : 0;
}

// The existing file a write replaces: the one a symbolic link names, else
// `file`.
fs::path Target(const fs::path& file) {
  std::error_code error;
  if (!fs::is_symlink(file, error)) return file;
  fs::path target = fs::canonical(file, error);
  return error ? file : target;
}

// Closes the stream (also when that fails) and checks that it closed.
std::optional<std::string> CloseChecked(std::FILE* stream, const fs::path& file) {
  const int injected = InjectedError(Step::Close, file);
  errno = 0;
  const bool closed = std::fclose(stream) == 0;
  const int error = LastError();
  if (injected != 0) return Reason(injected);
  if (!closed) return Reason(error);
  return std::nullopt;
}

// The reason of the call that just failed on an open file, which is closed.
std::string ClosedAfterFailure(int descriptor) {
  const int error = LastError();
  ::close(descriptor);
  return Reason(error);
}

// A device or a pipe takes the bytes where it is.
std::optional<std::string> WriteInPlace(const fs::path& target, std::string_view bytes) {
  if (const int injected = InjectedError(Step::Create, target)) return Reason(injected);
  std::FILE* stream = std::fopen(target.c_str(), "wb");
  if (stream == nullptr) return Reason(LastError());
  const std::optional<std::string> failure = AtomicFileWriter::WriteAll(stream, bytes, target);
  const std::optional<std::string> closeFailure = CloseChecked(stream, target);
  return failure ? failure : closeFailure;
}

// The new content of a file while it is being written: a file of its own
// next to the one it replaces, removed unless it was renamed over it.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path target) : target_(std::move(target)) {}
  ~TemporaryFile() {
    if (stream_ != nullptr) std::fclose(stream_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Creates the file, with the permissions of the file it replaces when
  // that exists (`existing`: its status; nullptr when there is none).
  std::optional<std::string> Create(const struct stat* existing) {
    if (const int injected = InjectedError(Step::Create, target_)) return Reason(injected);
    const fs::path directory = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
      const fs::path path = directory / (".tav2-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(++temporaryCounter) + ".~tmp");
      const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
      if (descriptor < 0 && errno == EEXIST) continue;
      if (descriptor < 0) return Reason(LastError());
      path_ = path;
      if (existing != nullptr && ::fchmod(descriptor, existing->st_mode & kPermissionBits) != 0) {
        return ClosedAfterFailure(descriptor);
      }
      stream_ = ::fdopen(descriptor, "wb");
      if (stream_ == nullptr) return ClosedAfterFailure(descriptor);
      return std::nullopt;
    }
    return Reason(EEXIST);
  }

  // Writes, flushes, syncs to disk and closes.
  std::optional<std::string> Write(std::string_view bytes) {
    if (auto failure = AtomicFileWriter::WriteAll(stream_, bytes, target_)) return failure;
    if (const int injected = InjectedError(Step::Sync, target_)) return Reason(injected);
    if (::fsync(::fileno(stream_)) != 0) return Reason(LastError());
    return CloseChecked(std::exchange(stream_, nullptr), target_);
  }

  // Puts the written file in the place of the old one.
  std::optional<std::string> RenameOverTarget() {
    if (const int injected = InjectedError(Step::Rename, target_)) return Reason(injected);
    if (std::rename(path_.c_str(), target_.c_str()) != 0) return Reason(LastError());
    path_.clear();
    SyncDirectory();
    return std::nullopt;
  }

 private:
  // Makes the rename itself durable. The file is replaced already, so a
  // failure here leaves nothing to report or undo.
  void SyncDirectory() const {
    const fs::path directory = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
  }

  fs::path target_;
  fs::path path_;  // the temporary while it exists
  std::FILE* stream_ = nullptr;
};

}  // namespace

void AtomicFileWriter::InstallFaultHook(FaultHook* hook) { faultHook = hook; }

std::optional<std::string> AtomicFileWriter::Replace(const fs::path& file, std::string_view bytes) {
  struct stat status {};
  const bool exists = ::stat(file.c_str(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) return Reason(EISDIR);
  if (exists && !S_ISREG(status.st_mode)) return WriteInPlace(file, bytes);
  const fs::path target = exists ? Target(file) : file;
  // The rename would replace a file the user may not write; refuse as
  // opening it would.
  if (exists && ::access(target.c_str(), W_OK) != 0) return Reason(LastError());
  TemporaryFile temporary(target);
  if (auto failure = temporary.Create(exists ? &status : nullptr)) return failure;
  if (auto failure = temporary.Write(bytes)) return failure;
  return temporary.RenameOverTarget();
}

std::optional<std::string> AtomicFileWriter::WriteAll(std::FILE* stream, std::string_view bytes,
                                                      const fs::path& file) {
  if (const int injected = InjectedError(Step::Write, file)) return Reason(injected);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) return Reason(LastError());
  if (const int injected = InjectedError(Step::Flush, file)) return Reason(injected);
  errno = 0;
  if (std::fflush(stream) != 0) return Reason(LastError());
  return std::nullopt;
}

}  // namespace tav2
