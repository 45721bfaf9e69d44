#include "core/shell/layoutfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>

#include "support/tempdir.h"
#include "support/writefault.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;
using test::ReadWhole;
using test::TempDir;

// Every window open, none at its default, the zoom not at 100 %.
StoredLayout Arranged() {
  StoredLayout layout;
  layout.zoom = *ZoomLevel::FromPercent(150);
  layout.processor = ProcessorWindowSettings{{540, 0, 525, 615}, SizeMode::Small};
  layout.screen = WindowBounds{0, 615, 1065, 375};
  layout.romView = WindowBounds{-20, 30, 600, 450};
  layout.memoryViews[0] = StoredMemoryView{{{1065, 0, 690, 990}, 0x0000}, {}};
  layout.memoryViews[2] = StoredMemoryView{
      {{1005, 60, 690, 930}, 0xFF00},
      {.hex = false, .decimal = true, .ascii = false, .binary = false, .disassembly = true, .pcMark = false}};
  return layout;
}

TEST(LayoutFile, WhatIsWrittenIsReadBack) {
  const StoredLayout arranged = Arranged();
  EXPECT_EQ(LayoutFile::Parse(LayoutFile::Text(arranged)), arranged);
  const StoredLayout empty;
  EXPECT_EQ(LayoutFile::Parse(LayoutFile::Text(empty)), empty) << "no window open, 100 %";
}

TEST(LayoutFile, TheTextNamesEveryValue) {
  const std::string text = LayoutFile::Text(Arranged());
  for (const char* part : {"\"version\": 1", "\"zoom\": 150", "\"processor\"", "\"size\": \"small\"",
                           "\"screen\"", "\"romView\"", "\"memoryViews\"", "\"slot\": 2", "\"page\": 255",
                           "\"disassembly\": true", "\"pcMark\": false"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
  }
  EXPECT_TRUE(text.ends_with("}\n"));
}

TEST(LayoutFile, KeysItDoesNotKnowAreSkipped) {
  const auto layout = LayoutFile::Parse(R"({"version": 1, "zoom": 200, "theme": "dark",
      "screen": {"left": 1, "top": 2, "width": 3, "height": 4, "colour": [1, 2]},
      "memoryViews": [{"slot": 1, "left": 5, "top": 6, "width": 7, "height": 8, "page": 3, "font": null,
        "columns": {"hex": true, "decimal": false, "ascii": true, "binary": false, "disassembly": true,
                    "pcMark": true, "labels": true}}]})");
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->zoom.Percent(), 200);
  EXPECT_EQ(layout->screen, (WindowBounds{1, 2, 3, 4}));
  EXPECT_EQ(layout->processor, std::nullopt);
  EXPECT_EQ(layout->romView, std::nullopt);
  EXPECT_EQ(layout->memoryViews[0], std::nullopt);
  ASSERT_TRUE(layout->memoryViews[1].has_value());
  EXPECT_EQ(layout->memoryViews[1]->settings, (MemoryViewSettings{{5, 6, 7, 8}, 0x0300}));
  EXPECT_FALSE(layout->memoryViews[1]->columns.decimal);
  EXPECT_TRUE(layout->memoryViews[1]->columns.disassembly);
}

struct BadCase {
  const char* name;
  std::string text;
};

class BadLayout : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadLayout, IsNotUsed) { EXPECT_EQ(LayoutFile::Parse(GetParam().text), std::nullopt); }

// A good file with `from` replaced by `to` (which must be in it once).
std::string Spoilt(const std::string& from, const std::string& to) {
  std::string text = LayoutFile::Text(Arranged());
  const std::size_t at = text.find(from);
  if (at == std::string::npos || text.find(from, at + 1) != std::string::npos) return "not once: " + from;
  return text.replace(at, from.size(), to);
}

std::string Truncated(std::size_t keep) { return LayoutFile::Text(Arranged()).substr(0, keep); }

std::string Garbage() {
  std::mt19937 random(17);
  std::string bytes(4096, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, BadLayout,
    ::testing::Values(
        BadCase{"Empty", ""}, BadCase{"Blank", " \n\n"}, BadCase{"Garbage", Garbage()},
        BadCase{"NulBytes", std::string(64, '\0')}, BadCase{"TruncatedEarly", Truncated(40)},
        BadCase{"TruncatedLate", Truncated(LayoutFile::Text(Arranged()).size() - 3)},
        BadCase{"NotAnObject", "[1, 2, 3]"}, BadCase{"AString", "\"layout\""},
        BadCase{"DeeplyNested", std::string(50000, '[') + std::string(50000, ']')},
        BadCase{"NoVersion", Spoilt("\"version\": 1,", "")},
        BadCase{"OldVersion", Spoilt("\"version\": 1", "\"version\": 0")},
        BadCase{"NewerVersion", Spoilt("\"version\": 1", "\"version\": 2")},
        BadCase{"VersionAsText", Spoilt("\"version\": 1", "\"version\": \"1\"")},
        BadCase{"NoZoom", Spoilt("\"zoom\": 150,", "")},
        BadCase{"ZoomNotAStep", Spoilt("\"zoom\": 150", "\"zoom\": 140")},
        BadCase{"ZoomTooLarge", Spoilt("\"zoom\": 150", "\"zoom\": 400")},
        BadCase{"ZoomAsFraction", Spoilt("\"zoom\": 150", "\"zoom\": 150.0")},
        BadCase{"ZoomHuge", Spoilt("\"zoom\": 150", "\"zoom\": 18446744073709551616")},
        BadCase{"HugeLeft", Spoilt("\"left\": 540", "\"left\": 9223372036854775807")},
        BadCase{"HugeUnsignedWidth", Spoilt("\"width\": 525", "\"width\": 18446744073709551615")},
        BadCase{"FarAway", Spoilt("\"left\": 540", "\"left\": 100001")},
        BadCase{"NegativeWidth", Spoilt("\"width\": 525", "\"width\": -525")},
        BadCase{"ZeroHeight", Spoilt("\"height\": 615", "\"height\": 0")},
        BadCase{"WidthAsText", Spoilt("\"width\": 525", "\"width\": \"525\"")},
        BadCase{"WidthAsBoolean", Spoilt("\"width\": 525", "\"width\": true")},
        BadCase{"WidthMissing", Spoilt("\"width\": 525,", "")},
        BadCase{"UnknownSize", Spoilt("\"size\": \"small\"", "\"size\": \"huge\"")},
        BadCase{"SizeAsNumber", Spoilt("\"size\": \"small\"", "\"size\": 1")},
        BadCase{"ProcessorNotAnObject", Spoilt("\"processor\": {", "\"processor\": [{") + "]"},
        BadCase{"ScreenNull",
                Spoilt("\"screen\": {\n    \"left\": 0,\n    \"top\": 615,\n    \"width\": 1065,\n"
                       "    \"height\": 375\n  }",
                       "\"screen\": null")},
        BadCase{"MemoryViewsNotAList", Spoilt("\"memoryViews\": [", "\"memoryViews\": {\"a\": [") + "}"},
        BadCase{"SlotTooHigh", Spoilt("\"slot\": 2", "\"slot\": 3")},
        BadCase{"SlotNegative", Spoilt("\"slot\": 2", "\"slot\": -1")},
        BadCase{"SlotTwice", Spoilt("\"slot\": 2", "\"slot\": 0")},
        BadCase{"PageTooHigh", Spoilt("\"page\": 255", "\"page\": 256")},
        BadCase{"ColumnAsNumber", Spoilt("\"pcMark\": false", "\"pcMark\": 0")},
        BadCase{"ColumnMissing", Spoilt("\"pcMark\": false", "\"pcMarks\": false")},
        BadCase{"InvalidUtf8", Spoilt("\"size\": \"small\"", "\"size\": \"sm\xff\xfe\"")}),
    [](const ::testing::TestParamInfo<BadCase>& test) { return test.param.name; });

TEST(LayoutFile, FourMemoryViewsAreTooMany) {
  std::string text = LayoutFile::Text(Arranged());
  const std::string view = R"({"slot": 1, "left": 0, "top": 0, "width": 9, "height": 9, "page": 0,
      "columns": {"hex": true, "decimal": true, "ascii": true, "binary": true, "disassembly": true,
                  "pcMark": true}})";
  const std::size_t list = text.find("\"memoryViews\": [") + std::string("\"memoryViews\": [").size();
  ASSERT_TRUE(LayoutFile::Parse(std::string(text).insert(list, view + ",")).has_value());
  EXPECT_EQ(LayoutFile::Parse(text.insert(list, view + "," + view + ",")), std::nullopt);
}

TEST(LayoutFile, ReadTakesTheFirstDirectoryThatHoldsTheFile) {
  TempDir temp;
  const fs::path home = temp.Dir("home");
  const fs::path working = temp.Dir("working");
  const fs::path missing = temp.Path() / "missing";
  EXPECT_EQ(LayoutFile::Read({home, working}), std::nullopt) << "no file";

  StoredLayout other;
  other.screen = WindowBounds{1, 2, 3, 4};
  ASSERT_EQ(LayoutFile::Write({working}, other), working);
  EXPECT_EQ(LayoutFile::Read({missing, home, working}), other);

  ASSERT_EQ(LayoutFile::Write({home, working}, Arranged()), home);
  EXPECT_EQ(ReadWhole(home / LayoutFile::kFileName), LayoutFile::Text(Arranged()));
  EXPECT_EQ(LayoutFile::Read({home, working}), Arranged());

  temp.Write("home/tav2layout.json", "{\"version\": 1, \"zoom\"");
  EXPECT_EQ(LayoutFile::Read({home, working}), std::nullopt)
      << "a corrupt file is not replaced by another directory's";
}

TEST(LayoutFile, LargeFilesAndDirectoriesAreNotRead) {
  TempDir temp;
  const fs::path home = temp.Dir("home");
  std::string padded = LayoutFile::Text(Arranged());
  padded.insert(1, std::string(LayoutFile::kLargestFile, ' '));
  ASSERT_TRUE(LayoutFile::Parse(padded).has_value());
  temp.Write("home/tav2layout.json", padded);
  EXPECT_EQ(LayoutFile::Read({home}), std::nullopt);

  const fs::path other = temp.Dir("other");
  fs::create_directory(other / LayoutFile::kFileName);
  EXPECT_EQ(LayoutFile::Read({other}), std::nullopt);
}

TEST(LayoutFile, AFailedWriteLeavesTheFileAsItWas) {
  TempDir temp;
  const fs::path home = temp.Dir("home");
  const fs::path working = temp.Dir("working");
  ASSERT_EQ(LayoutFile::Write({home}, StoredLayout()), home);
  const std::string before = ReadWhole(home / LayoutFile::kFileName);
  {
    test::WriteFault full(AtomicFileWriter::Step::Write, ENOSPC);
    std::string failure;
    EXPECT_EQ(LayoutFile::Write({home, working}, Arranged(), &failure), std::nullopt);
    EXPECT_EQ(failure, "No space left on device");
  }
  EXPECT_EQ(ReadWhole(home / LayoutFile::kFileName), before);
  {
    test::WriteFault homeRefuses(AtomicFileWriter::Step::Create, EACCES, "home/tav2layout.json");
    EXPECT_EQ(LayoutFile::Write({home, working}, Arranged()), working);
  }
  EXPECT_EQ(LayoutFile::Read({working}), Arranged());
}

}  // namespace
}  // namespace tav2
