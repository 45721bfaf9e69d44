#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/lang/sourcefile.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

using Status = SourceFile::Status;

TEST(SourceFile, ReadsARegularFileWholeUpToTheLimit) {
  test::TempDir dir;
  const std::string text("##\0after a NUL\r\n", 17);
  EXPECT_EQ(SourceFile::Read(dir.Write("small.asm", text)).text, text);

  const std::filesystem::path limit = dir.Write("limit.asm", "");
  std::filesystem::resize_file(limit, SourceFile::kMaxSize);
  const SourceFile atLimit = SourceFile::Read(limit);
  EXPECT_EQ(atLimit.status, Status::kRead);
  EXPECT_EQ(atLimit.text.size(), SourceFile::kMaxSize);
}

TEST(SourceFile, RefusesWhatIsNoRegularFileWithoutOpeningIt) {
  test::TempDir dir;
  const std::filesystem::path fifo = dir.Path() / "pipe.asm";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Opening the FIFO, with nobody writing to it, would wait for ever.
  for (const std::filesystem::path& file :
       {dir.Dir("folder.asm"), fifo, std::filesystem::path("/dev/zero"), dir.Path() / "missing.asm"}) {
    const SourceFile source = SourceFile::Read(file);
    EXPECT_EQ(source.status, Status::kCannotOpen) << file;
    EXPECT_TRUE(source.text.empty()) << file;
    EXPECT_EQ(SourceFile::Check(file).status, Status::kCannotOpen) << file;
  }
}

TEST(SourceFile, RefusesAFileAboveSixteenMegabytesNamingItsSize) {
  test::TempDir dir;
  const std::filesystem::path big = dir.Write("big.asm", "");
  std::filesystem::resize_file(big, 17 * 1024 * 1024);
  for (const SourceFile& source : {SourceFile::Read(big), SourceFile::Check(big)}) {
    EXPECT_EQ(source.status, Status::kTooLarge);
    EXPECT_EQ(source.size, 17u * 1024 * 1024);
    EXPECT_TRUE(source.text.empty());
    EXPECT_EQ(source.TooLargeReason(), "17825792 bytes, more than 16 MB");
  }
  std::filesystem::resize_file(big, SourceFile::kMaxSize + 1);
  EXPECT_EQ(SourceFile::Read(big).status, Status::kTooLarge) << "one byte above the limit";
}

}  // namespace
}  // namespace tav2
