#include "core/util/atomicfilewriter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/tempdir.h"
#include "support/writefault.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;
using Step = AtomicFileWriter::Step;

const std::string kOld = "the old text\r\nwith two lines\r\n";
const std::string kNew(70000, 'n');  // larger than any stream buffer

std::vector<std::string> Names(const fs::path& directory) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

fs::perms Permissions(const fs::path& file) { return fs::status(file).permissions(); }

bool RunsAsRoot() { return ::geteuid() == 0; }

TEST(AtomicFileWriter, ReplacesAFileWholeAndLeavesNoTemporary) {
  test::TempDir dir;
  const fs::path file = dir.Write("prog.asm", std::string(100000, 'o'));
  EXPECT_EQ(AtomicFileWriter::Replace(file, kOld), std::nullopt);
  EXPECT_EQ(test::ReadWhole(file), kOld) << "a longer old file is replaced whole";
  EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "new.txt", ""), std::nullopt);
  EXPECT_TRUE(fs::is_regular_file(dir.Path() / "new.txt"));
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"new.txt", "prog.asm"}));
}

TEST(AtomicFileWriter, KeepsThePermissionsAndFollowsALink) {
  test::TempDir dir;
  const fs::path file = dir.Write("prog.asm", kOld);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("prog.asm", dir.Path() / "link.asm");
  EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "link.asm", kNew), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.asm"));
  EXPECT_EQ(test::ReadWhole(file), kNew);
  EXPECT_EQ(Permissions(file), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("/dev/null", dir.Path() / "nowhere");
  EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "nowhere", kNew), std::nullopt)
      << "a device through a link";
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "nowhere"));
}

// Whichever step fails, the old file keeps every byte, no temporary stays
// behind and the reason is the system's; a file that did not exist is not
// created.
TEST(AtomicFileWriter, AFailingStepLeavesTheOldFileAsItWas) {
  // clang-format off
  const struct {
    Step step;
    int error;
    const char* reason;
  } cases[] = {
      {Step::Create, EACCES, "Permission denied"},
      {Step::Write, ENOSPC, "No space left on device"},
      {Step::Flush, ENOSPC, "No space left on device"},
      {Step::Sync, EIO, "Input/output error"},
      {Step::Close, EDQUOT, "Disk quota exceeded"},
      {Step::Rename, EXDEV, "Invalid cross-device link"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    test::TempDir dir;
    const fs::path file = dir.Write("prog.asm", kOld);
    test::WriteFault fault(c.step, c.error);
    EXPECT_EQ(AtomicFileWriter::Replace(file, kNew), c.reason);
    EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "fresh.asm", kNew), c.reason);
    EXPECT_EQ(fault.Failures(), 2);
    EXPECT_EQ(test::ReadWhole(file), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"prog.asm"});
  }
}

TEST(AtomicFileWriter, AFaultCanAimAtOneFile) {
  test::TempDir dir;
  test::WriteFault fault(Step::Write, ENOSPC, ".bak");
  EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "prog.bak", "b"), "No space left on device");
  EXPECT_EQ(AtomicFileWriter::Replace(dir.Path() / "prog.asm", "a"), std::nullopt);
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"prog.asm"});
}

// Failures the system itself produces.
TEST(AtomicFileWriter, RealFailuresAreReported) {
  test::TempDir dir;
  const fs::path inTheWay = dir.Dir("listing.~zj");
  const fs::path notADirectory = dir.Write("plain", kOld);
  const struct {
    fs::path file;
    const char* reason;
  } cases[] = {{"/dev/full", "No space left on device"},
               {inTheWay, "Is a directory"},
               {dir.Path() / "missing" / "x.txt", "No such file or directory"},
               {notADirectory / "x.txt", "Not a directory"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(AtomicFileWriter::Replace(c.file, kNew), c.reason);
  }
  EXPECT_TRUE(fs::is_directory(inTheWay));
  EXPECT_TRUE(fs::is_empty(inTheWay));
  EXPECT_EQ(test::ReadWhole(notADirectory), kOld);
  EXPECT_EQ(AtomicFileWriter::Replace("/dev/null", kNew), std::nullopt) << "a device is written in place";
}

// A full device refuses the bytes only when the stream's buffer is flushed.
TEST(AtomicFileWriter, AStreamOnAFullDeviceFailsAtTheFlush) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(AtomicFileWriter::WriteAll(full, "short", "/dev/full"), "No space left on device");
  std::fclose(full);
}

TEST(AtomicFileWriter, ReadOnlyFilesAndDirectoriesAreLeftAlone) {
  if (RunsAsRoot()) GTEST_SKIP() << "every file is writable for root";
  test::TempDir dir;
  const fs::path readOnly = dir.Write("locked.asm", kOld);
  fs::permissions(readOnly, fs::perms::owner_read);
  EXPECT_EQ(AtomicFileWriter::Replace(readOnly, kNew), "Permission denied");
  EXPECT_EQ(test::ReadWhole(readOnly), kOld);
  const fs::path closedDir = dir.Dir("closed");
  const fs::path inside = closedDir / "prog.asm";
  ASSERT_EQ(AtomicFileWriter::Replace(inside, kOld), std::nullopt);
  fs::permissions(closedDir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(AtomicFileWriter::Replace(inside, kNew), "Permission denied");
  EXPECT_EQ(test::ReadWhole(inside), kOld);
  fs::permissions(closedDir, fs::perms::owner_all);
}

}  // namespace
}  // namespace tav2
