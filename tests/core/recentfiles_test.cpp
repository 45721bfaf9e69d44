#include "core/shell/recentfiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "support/tempdir.h"
#include "support/writefault.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;
using test::ReadWhole;
using test::TempDir;

std::vector<std::string> Entries(const RecentFiles& list) {
  std::vector<std::string> entries;
  for (int k = 1; k <= RecentFiles::kEntries; ++k) entries.push_back(list.Entry(k));
  while (!entries.empty() && entries.back().empty()) entries.pop_back();
  return entries;
}

RecentFiles Closed(const std::vector<std::string>& names) {
  RecentFiles list;
  for (const std::string& name : names) list.Remember(name);
  return list;
}

std::string Numbered(int n) { return "/src/file" + std::to_string(n) + ".asm"; }

TEST(RecentFiles, ClosingPutsNamesInFrontAndReopeningTakesThemOut) {
  RecentFiles list = Closed({"A", "B", "C"});
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(list.TakeOut(2), "B");
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"C", "A"}));
  EXPECT_TRUE(list.Remember("B"));
  EXPECT_TRUE(list.Remember("C"));
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"C", "B", "C", "A"}))
      << "a file closed twice is listed twice";
  for (int k : {0, 5}) EXPECT_EQ(list.TakeOut(k), std::nullopt) << k;

  EXPECT_FALSE(list.Remember("noname3.asm"));
  EXPECT_FALSE(list.Remember("nonameless.txt"));
  EXPECT_FALSE(list.Remember(""));
  EXPECT_EQ(list.Count(), 4) << "untitled and empty names are not remembered";
  EXPECT_TRUE(list.Remember("Noname3.asm"));
  EXPECT_TRUE(list.Remember("/work/noname3.asm"));

  EXPECT_TRUE(list.Forget("C"));
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/work/noname3.asm", "Noname3.asm", "B", "A"}))
      << "forget removes every exactly equal entry";
  EXPECT_FALSE(list.Forget("c"));
}

TEST(RecentFiles, SixteenEntriesOfWhichTenAreMenuItems) {
  RecentFiles list;
  for (int n = 17; n >= 1; --n) list.Remember(Numbered(n));
  EXPECT_EQ(list.Count(), 16);
  EXPECT_EQ(list.Entry(1), Numbered(1));
  EXPECT_EQ(list.Entry(16), Numbered(16)) << "the seventeenth name dropped the oldest";
  EXPECT_EQ(list.Entry(17), "");
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(list.ItemVisible(k)) << k;
  EXPECT_FALSE(list.ItemVisible(11));
  EXPECT_FALSE(list.ItemVisible(0));
  EXPECT_FALSE(Closed({"A"}).ItemVisible(2));
  std::string expected;
  for (int n = 1; n <= 16; ++n) expected += Numbered(n) + "\n";
  EXPECT_EQ(list.Text(), expected);
  EXPECT_EQ(RecentFiles().Text(), "");
}

class RecentFilesDisk : public ::testing::Test {
 protected:
  TempDir temp;
  fs::path start = temp.Dir("start");
  fs::path home = temp.Dir("home");
  fs::path working = temp.Dir("working");

  RecentFiles ReadBack() {
    RecentFiles list = Closed({"stale"});
    list.Read(start, home);
    return list;
  }
};

TEST_F(RecentFilesDisk, Reading) {
  std::string text = "\n\nA\n\r\n\nB";
  for (int n = 1; n <= 20; ++n) text += "\n\n" + Numbered(n);
  const std::string longName = "/" + std::string(300, 'd') + "/x.asm";
  temp.Write("start/filenams.~zp", text);
  temp.Write("home/filenams.~zp", longName + "\nB\n");
  const RecentFiles list = ReadBack();
  EXPECT_EQ(list.Count(), 16) << "the first sixteen names";
  EXPECT_EQ(list.Entry(1), "A") << "start dir first; blank lines skipped, not counted";
  EXPECT_EQ(list.Entry(2), "B");
  EXPECT_EQ(list.Entry(3), Numbered(1));
  EXPECT_EQ(list.Entry(16), Numbered(14));

  fs::remove(start / "filenams.~zp");
  EXPECT_EQ(Entries(ReadBack()), (std::vector<std::string>{longName, "B"})) << "from home, long names whole";
  fs::remove(home / "filenams.~zp");
  EXPECT_EQ(ReadBack().Count(), 0) << "no file gives an empty list";
}

// A line no path can be (a damaged or planted file) names no file: it is
// skipped like a blank line, so it is neither offered nor written back.
TEST_F(RecentFilesDisk, ReadingSkipsLinesLongerThanAnyPath) {
  const std::string longest = "/" + std::string(4095, 'p');
  const std::string tooLong = longest + "x";
  const std::string huge(10 * 1024 * 1024, 'h');
  temp.Write("start/filenams.~zp", huge + "\nA\n" + tooLong + "\n" + longest + "\nB\n");
  const RecentFiles list = ReadBack();
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Entry(1), "A");
  EXPECT_TRUE(list.Entry(2) == longest) << "a path of the greatest length is kept";
  EXPECT_EQ(list.Entry(3), "B");
  ASSERT_TRUE(list.Write(home, working));
  EXPECT_TRUE(ReadWhole(home / "filenams.~zp") == "A\n" + longest + "\nB\n");
}

TEST_F(RecentFilesDisk, Writing) {
  RecentFiles list;
  for (int n = 12; n >= 1; --n) list.Remember(Numbered(n));
  ASSERT_TRUE(list.Write(home, working));
  EXPECT_EQ(ReadWhole(home / "filenams.~zp"), list.Text());
  EXPECT_FALSE(fs::exists(working / "filenams.~zp"));
  EXPECT_EQ(Entries(ReadBack()), Entries(list));
  ASSERT_TRUE(RecentFiles().Write(home, working));
  EXPECT_EQ(ReadWhole(home / "filenams.~zp"), "") << "an empty list writes an empty file";

  ASSERT_TRUE(Closed({"A", "B"}).Write(temp.Path() / "missing", working));
  EXPECT_EQ(ReadWhole(working / "filenams.~zp"), "B\nA\n")
      << "an unwritable home falls back to the working dir";
  EXPECT_FALSE(Closed({"A"}).Write(temp.Path() / "missing", temp.Path() / "missing too"));
  EXPECT_FALSE(fs::exists(temp.Path() / "missing"));
}

TEST_F(RecentFilesDisk, AFailedWriteKeepsTheOldListAndGivesTheReason) {
  temp.Write("home/filenams.~zp", "old\n");
  test::WriteFault fault(AtomicFileWriter::Step::Write, ENOSPC);
  std::string failure;
  EXPECT_FALSE(Closed({"A"}).Write(home, working, &failure));
  EXPECT_EQ(failure, "No space left on device");
  EXPECT_EQ(ReadWhole(home / "filenams.~zp"), "old\n");
  EXPECT_FALSE(fs::exists(working / "filenams.~zp"));
}

}  // namespace
}  // namespace tav2
