#include "shell/recentfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tempdir.h"

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
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"B", "C", "A"}));
}

TEST(RecentFiles, FileClosedTwiceIsListedTwice) {
  EXPECT_EQ(Entries(Closed({"A", "B", "A"})), (std::vector<std::string>{"A", "B", "A"}));
}

TEST(RecentFiles, SeventeenthNameDropsTheOldest) {
  RecentFiles list;
  for (int n = 1; n <= 17; ++n) list.Remember(Numbered(n));
  EXPECT_EQ(list.Count(), 16);
  EXPECT_EQ(list.Entry(1), Numbered(17));
  EXPECT_EQ(list.Entry(16), Numbered(2));
  EXPECT_EQ(list.Entry(17), "");
}

TEST(RecentFiles, UntitledAndEmptyNamesAreNotRemembered) {
  RecentFiles list;
  EXPECT_FALSE(list.Remember("noname3.asm"));
  EXPECT_FALSE(list.Remember("nonameless.txt"));
  EXPECT_FALSE(list.Remember(""));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Remember("Noname3.asm"));
  EXPECT_TRUE(list.Remember("/work/noname3.asm"));
  EXPECT_EQ(list.Count(), 2);
}

TEST(RecentFiles, ForgetRemovesEveryExactlyEqualEntry) {
  RecentFiles list = Closed({"a.asm", "b.asm", "a.asm", "A.ASM"});
  EXPECT_TRUE(list.Forget("a.asm"));
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"A.ASM", "b.asm"}));
  EXPECT_FALSE(list.Forget("c.asm"));
  EXPECT_EQ(list.Count(), 2);
}

TEST(RecentFiles, TakingOutAnEmptyEntryGivesNothing) {
  RecentFiles list = Closed({"A"});
  EXPECT_EQ(list.TakeOut(2), std::nullopt);
  EXPECT_EQ(list.TakeOut(0), std::nullopt);
  EXPECT_EQ(list.TakeOut(1), "A");
  EXPECT_EQ(list.TakeOut(1), std::nullopt);
}

TEST(RecentFiles, OnlyTheFirstTenEntriesAreMenuItems) {
  RecentFiles list;
  for (int n = 12; n >= 1; --n) list.Remember(Numbered(n));
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(list.ItemVisible(k)) << k;
  EXPECT_FALSE(list.ItemVisible(11));
  EXPECT_FALSE(list.ItemVisible(0));
  EXPECT_EQ(list.Entry(12), Numbered(12));
  EXPECT_FALSE(Closed({"A"}).ItemVisible(2));
}

TEST(RecentFiles, TextHoldsEveryEntryOneALine) {
  RecentFiles list;
  for (int n = 12; n >= 1; --n) list.Remember(Numbered(n));
  std::string expected;
  for (int n = 1; n <= 12; ++n) expected += Numbered(n) + "\n";
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
    RecentFiles list;
    list.Read(start, home);
    return list;
  }
};

TEST_F(RecentFilesDisk, TwentyNamesGiveTheFirstSixteen) {
  std::string text;
  for (int n = 1; n <= 20; ++n) text += Numbered(n) + "\n";
  temp.Write("start/filenams.~zp", text);
  const RecentFiles list = ReadBack();
  EXPECT_EQ(list.Count(), 16);
  EXPECT_EQ(list.Entry(1), Numbered(1));
  EXPECT_EQ(list.Entry(16), Numbered(16));
}

TEST_F(RecentFilesDisk, BlankLinesAreSkippedWithoutGapsOrCountingTowardTheLimit) {
  std::string text = "\n\nA\n\r\n\nB";
  for (int n = 1; n <= 20; ++n) text += "\n\n" + Numbered(n);
  temp.Write("start/filenams.~zp", text);
  const RecentFiles list = ReadBack();
  EXPECT_EQ(list.Count(), 16);
  EXPECT_EQ(list.Entry(1), "A");
  EXPECT_EQ(list.Entry(2), "B");
  EXPECT_EQ(list.Entry(3), Numbered(1));
  EXPECT_EQ(list.Entry(16), Numbered(14));
}

TEST_F(RecentFilesDisk, LongNamesAreReadWhole) {
  const std::string longName = "/" + std::string(300, 'd') + "/x.asm";
  temp.Write("start/filenams.~zp", longName + "\nB\n");
  EXPECT_EQ(Entries(ReadBack()), (std::vector<std::string>{longName, "B"}));
}

TEST_F(RecentFilesDisk, StartDirectoryComesBeforeHome) {
  temp.Write("start/filenams.~zp", "from start\n");
  temp.Write("home/filenams.~zp", "from home\n");
  EXPECT_EQ(Entries(ReadBack()), (std::vector<std::string>{"from start"}));
  fs::remove(start / "filenams.~zp");
  EXPECT_EQ(Entries(ReadBack()), (std::vector<std::string>{"from home"}));
}

TEST_F(RecentFilesDisk, NoFileGivesAnEmptyList) {
  RecentFiles list = Closed({"A"});
  list.Read(start, home);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(RecentFilesDisk, WriteGoesToHomeAndReadsBack) {
  RecentFiles list;
  for (int n = 12; n >= 1; --n) list.Remember(Numbered(n));
  ASSERT_TRUE(list.Write(home, working));
  EXPECT_EQ(ReadWhole(home / "filenams.~zp"), list.Text());
  EXPECT_FALSE(fs::exists(working / "filenams.~zp"));
  RecentFiles read;
  read.Read(start, home);
  EXPECT_EQ(Entries(read), Entries(list));
}

TEST_F(RecentFilesDisk, UnwritableHomeFallsBackToTheWorkingDirectory) {
  const RecentFiles list = Closed({"A", "B"});
  ASSERT_TRUE(list.Write(temp.Path() / "missing", working));
  EXPECT_EQ(ReadWhole(working / "filenams.~zp"), "B\nA\n");
}

TEST_F(RecentFilesDisk, NoWritablePlaceWritesNothing) {
  EXPECT_FALSE(Closed({"A"}).Write(temp.Path() / "missing", temp.Path() / "missing too"));
  EXPECT_FALSE(fs::exists(temp.Path() / "missing"));
}

TEST_F(RecentFilesDisk, EmptyListWritesAnEmptyFile) {
  temp.Write("home/filenams.~zp", "old\n");
  ASSERT_TRUE(RecentFiles().Write(home, working));
  EXPECT_EQ(ReadWhole(home / "filenams.~zp"), "");
}

}  // namespace
}  // namespace tav2
