#include "shell/optionsfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/textfile.h"
#include "tempdir.h"

namespace tav2 {

// Failed comparisons of settings show them as the file would hold them.
void PrintTo(const WorkbenchSettings& settings, std::ostream* out) {
  *out << "\n" << OptionsFile::Text(settings);
}

namespace {

namespace fs = std::filesystem;
using test::CurrentDirGuard;
using test::ReadWhole;
using test::TempDir;

const fs::path kHome = fs::path("sim") / "home";

WorkbenchSettings InitialSettings(const fs::path& home = kHome) {
  WorkbenchSettings settings;
  settings.environment = EnvironmentSettings::ForHomeDir(home);
  return settings;
}

WorkbenchSettings Changed(const fs::path& home) {
  WorkbenchSettings settings = InitialSettings(home);
  settings.environment.workingDir = home / "my sources  ";
  settings.environment.includeDir = fs::path("other") / "inc";
  settings.environment.createBakFiles = true;
  settings.environment.saveOptionsOnExit = true;
  settings.editor.options = {true, true, false, true, 4};
  settings.editor.sourcesBackground = 0x123456;
  settings.editor.textBackground = 0;
  settings.assembler.SetProgramStart(0x1000);
  settings.assembler.SetDefaultStackPointer(0xFFFF);
  return settings;
}

// The settings after reading `lines` over the initial ones.
WorkbenchSettings Applied(const std::vector<std::string>& lines) {
  WorkbenchSettings settings = InitialSettings();
  OptionsFile::Apply(lines, settings);
  return settings;
}

TEST(OptionsFileText, InitialSettingsGiveTheExactFile) {
  const std::string expected =
      "//environment options\n"
      "WD = " + (kHome / "sources").string() + "\n"
      "HD = " + kHome.string() + "\n"
      "ID = " + (kHome / "include").string() + "\n"
      "BF = 0\t\t//Create bakfiles\n"
      "SO = 0\t\t//Save options on exit\n"
      "//default editor options\n"
      "AI = 0\t\t//auto_indent\n"
      "WW = 0\t\t//wordwrap\n"
      "SC = 1\t\t//syntaxcoloring\n"
      "CS = 14811135\t\t//sources backgroundcolor\n"
      "CT = 16777215\t\t//text backgroundcolor\n"
      "TS = 0\t\t//tabs to spaces\n"
      "TN = 8\t\t//tabnumber\n"
      "//assembler options\n"
      "PS = 0\t\t //assembler startadres(default)\n"
      "SP = 32767\t\t //stack pointer (default)\n";
  EXPECT_EQ(OptionsFile::Text(InitialSettings()), expected);
}

TEST(OptionsFileText, NegativeNumbersAndSwitchesAreWrittenInDecimal) {
  const std::string text = OptionsFile::Text(Changed(kHome));
  EXPECT_NE(text.find("\nBF = 1\t\t//Create bakfiles\n"), std::string::npos);
  EXPECT_NE(text.find("\nCT = 0\t\t//text backgroundcolor\n"), std::string::npos);
  EXPECT_NE(text.find("\nTN = 4\t\t//tabnumber\n"), std::string::npos);
  EXPECT_NE(text.find("\nPS = 4096\t\t //assembler startadres(default)\n"), std::string::npos);
  EXPECT_NE(text.find("\nSP = -1\t\t //stack pointer (default)\n"), std::string::npos);
}

struct LineCase {
  const char* name;
  std::vector<std::string> lines;
  std::function<void(WorkbenchSettings&)> change;  // what the lines change in the initial settings
};

class OptionsFileReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(OptionsFileReading, ChangesOnlyWhatTheLinesSay) {
  WorkbenchSettings expected = InitialSettings();
  GetParam().change(expected);
  EXPECT_EQ(Applied(GetParam().lines), expected);
}

const std::string kTitle = "//environment options";

INSTANTIATE_TEST_SUITE_P(
    Lines, OptionsFileReading,
    ::testing::Values(
        LineCase{"HomeDirAloneKeepsTheDirectoriesDerivedBefore",
                 {kTitle, "HD = D:\\x"},
                 [](WorkbenchSettings& s) { s.environment.homeDir = "D:\\x"; }},
        LineCase{"FlagOneWithItsCommentIsTrue",
                 {kTitle, "BF = 1\t\t//Create bakfiles", "SO = -3"},
                 [](WorkbenchSettings& s) {
                   s.environment.createBakFiles = true;
                   s.environment.saveOptionsOnExit = true;
                 }},
        LineCase{
            "FlagThatIsNoNumberIsFalse", {kTitle, "BF = 1", "BF = yes"}, [](WorkbenchSettings&) {}},
        LineCase{"BlanksBeforeADirectoryAreSkippedBlanksAfterItKept",
                 {kTitle, "WD =     C:\\src  "},
                 [](WorkbenchSettings& s) { s.environment.workingDir = "C:\\src  "; }},
        LineCase{"TabBeforeADirectoryIsKept",
                 {kTitle, "ID = \tinc"},
                 [](WorkbenchSettings& s) { s.environment.includeDir = "\tinc"; }},
        LineCase{"KeyOnTheFirstLineIsIgnored",
                 {"SO = 1", "BF = 1"},
                 [](WorkbenchSettings& s) { s.environment.createBakFiles = true; }},
        LineCase{"HexadecimalValueReadsAsZero",
                 {kTitle, "SP = 0x100"},
                 [](WorkbenchSettings& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"SignsAndTrailingTextAroundDigits",
                 {kTitle, "PS = +12abc", "SP = -300"},
                 [](WorkbenchSettings& s) {
                   s.assembler.programStart = 12;
                   s.assembler.defaultStackPointer = -300;
                 }},
        LineCase{"TabBeforeANumberMakesItUnreadable",
                 {kTitle, "SP = \t5"},
                 [](WorkbenchSettings& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"DoubleSignOrOverflowReadsAsZero",
                 {kTitle, "PS = 5", "PS = +-7", "SP = 99999999999"},
                 [](WorkbenchSettings& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"KeyGivenTwiceTakesItsLastValue",
                 {kTitle, "PS = 1", "PS = 2", "PS = 3"},
                 [](WorkbenchSettings& s) { s.assembler.programStart = 3; }},
        LineCase{"UnknownKeysLowerCaseKeysAndBlankLinesChangeNothing",
                 {kTitle, "", "XX = 5", "wd = elsewhere", "//default editor options", "   "},
                 [](WorkbenchSettings&) {}},
        LineCase{"LineShorterThanFourCharactersHasNoKey",
                 {kTitle, "WD", "SO="},
                 [](WorkbenchSettings&) {}},
        LineCase{"FourCharacterEnvironmentLineGivesAnEmptyValue",
                 {kTitle, "BF = 1", "WD =", "BF ="},
                 [](WorkbenchSettings& s) { s.environment.workingDir.clear(); }},
        LineCase{"FourCharacterEditorLineIsLeftAlone", {kTitle, "SC ="}, [](WorkbenchSettings&) {}},
        LineCase{"EditorKeysAreReadInAnySection",
                 {kTitle, "AI = 1", "WD = w", "//default editor options", "SC = 0", "TN = 4"},
                 [](WorkbenchSettings& s) {
                   s.editor.options.autoIndent = true;
                   s.editor.options.syntaxColoring = false;
                   s.editor.options.tabNumber = 4;
                   s.environment.workingDir = "w";
                 }},
        LineCase{
            "EditorFlagsAndColours",
            {kTitle, "WW = 1", "TS = 2", "CS = 14811135\t\t//sources backgroundcolor", "CT = 255"},
            [](WorkbenchSettings& s) {
              s.editor.options.wordWrap = true;
              s.editor.options.tabsToSpaces = true;
              s.editor.sourcesBackground = 0xE1FFFF;
              s.editor.textBackground = 0xFF;
            }},
        LineCase{"TabNumberBelowOneBecomesOne",
                 {kTitle, "TN = 0"},
                 [](WorkbenchSettings& s) { s.editor.options.tabNumber = 1; }},
        LineCase{"TabNumberAboveFortyEightBecomesFortyEight",
                 {kTitle, "TN = 100"},
                 [](WorkbenchSettings& s) { s.editor.options.tabNumber = 48; }},
        LineCase{"UnreadableTabNumberBecomesOne",
                 {kTitle, "TN = many"},
                 [](WorkbenchSettings& s) { s.editor.options.tabNumber = 1; }}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

class OptionsFileDisk : public ::testing::Test {
 protected:
  TempDir temp;
  fs::path start = temp.Dir("start");
  fs::path home = temp.Dir("home");

  void WriteOptions(const fs::path& dir, const std::string& line) {
    ASSERT_TRUE(TextFile::Replace(dir / OptionsFile::kFileName, kTitle + "\n" + line + "\n"));
  }
};

TEST_F(OptionsFileDisk, FileInTheCurrentDirectoryComesBeforeTheOneInHome) {
  WriteOptions(start, "HD = from start");
  WriteOptions(home, "HD = from home");
  for (const auto& [expected, from] : {std::pair{"from start", start}, {"from home", home}}) {
    WorkbenchSettings settings = InitialSettings(home);
    const OptionsReadResult result = OptionsFile::Read(settings, start);
    EXPECT_EQ(settings.environment.homeDir, expected);
    EXPECT_EQ(result.readFrom, from);
    EXPECT_EQ(result.currentDir, start);
    fs::remove(start / OptionsFile::kFileName);
  }
}

TEST_F(OptionsFileDisk, WithoutAnyFileNothingChangesAndTheDirectoryIsLeftAtHome) {
  WorkbenchSettings settings = InitialSettings(home);
  const OptionsReadResult result = OptionsFile::Read(settings, start);
  EXPECT_EQ(settings, InitialSettings(home));
  EXPECT_TRUE(result.readFrom.empty());
  EXPECT_EQ(result.currentDir, home);
}

TEST_F(OptionsFileDisk, CarriageReturnsBeforeLineEndsAreNotPartOfValues) {
  temp.Write("start/options.~ds", "//environment options\r\nWD = C:\\src\r\nBF = 1\r\n");
  WorkbenchSettings settings = InitialSettings(home);
  OptionsFile::Read(settings, start);
  EXPECT_EQ(settings.environment.workingDir, "C:\\src");
  EXPECT_TRUE(settings.environment.createBakFiles);
}

TEST_F(OptionsFileDisk, WriteGoesToHomeAndConfirmsThere) {
  const WorkbenchSettings settings = Changed(home);
  const OptionsWriteResult result = OptionsFile::Write(settings, start);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.directory, home);
  EXPECT_EQ(result.message, "Configuration stored in " + home.string());
  EXPECT_EQ(ReadWhole(home / "options.~ds"), OptionsFile::Text(settings));
  EXPECT_FALSE(fs::exists(start / "options.~ds"));
}

TEST_F(OptionsFileDisk, WriteReplacesAnOlderLongerFileWholeAndLeavesNoTemporary) {
  temp.Write("home/options.~ds", std::string(5000, 'x'));
  const WorkbenchSettings settings = InitialSettings(home);
  ASSERT_TRUE(OptionsFile::Write(settings, start).written);
  EXPECT_EQ(ReadWhole(home / "options.~ds"), OptionsFile::Text(settings));
  EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 1);
}

TEST_F(OptionsFileDisk, UnwritableHomeSendsTheFileToTheWorkingDirectory) {
  WorkbenchSettings settings = InitialSettings(temp.Write("not a directory", "x"));
  settings.environment.workingDir = start;
  const OptionsWriteResult result = OptionsFile::Write(settings, home);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.message, "Configuration stored in " + start.string());
  EXPECT_EQ(ReadWhole(start / "options.~ds"), OptionsFile::Text(settings));
}

TEST_F(OptionsFileDisk, NoWritablePlaceReportsTheFailure) {
  WorkbenchSettings settings = InitialSettings(temp.Path() / "missing");
  settings.environment.workingDir = temp.Path() / "missing too";
  const OptionsWriteResult result = OptionsFile::Write(settings, start);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.message, "Cannot write file 'options.~ds'");
  EXPECT_FALSE(fs::exists(start / "options.~ds"));
}

TEST_F(OptionsFileDisk, WrittenFileReadsBackToTheSameSettings) {
  const WorkbenchSettings written = Changed(home);
  ASSERT_TRUE(OptionsFile::Write(written, start).written);
  WorkbenchSettings read = InitialSettings(home);
  OptionsFile::Read(read, start);
  EXPECT_EQ(read, written);
}

TEST_F(OptionsFileDisk, RelativeHomeIsTakenFromTheCurrentDirectory) {
  WriteOptions(home, "BF = 1");
  WorkbenchSettings settings = InitialSettings("home");
  const OptionsReadResult result = OptionsFile::Read(settings, temp.Path());
  EXPECT_TRUE(settings.environment.createBakFiles);
  EXPECT_EQ(result.readFrom, temp.Path() / "home");
}

TEST_F(OptionsFileDisk, ProcessDirectoryIsRestoredAfterReadingAndWriting) {
  CurrentDirGuard guard;
  fs::current_path(start);
  WriteOptions(home, "SO = 1");
  WorkbenchSettings settings = InitialSettings(home);
  EXPECT_EQ(OptionsFile::ReadOptionsFile(settings).readFrom, home);
  EXPECT_TRUE(settings.environment.saveOptionsOnExit);
  EXPECT_EQ(fs::current_path(), fs::canonical(start));
  EXPECT_TRUE(OptionsFile::WriteOptionsFile(settings).written);
  EXPECT_EQ(fs::current_path(), fs::canonical(start));
}

TEST_F(OptionsFileDisk, ProcessDirectoryStaysAtHomeWhenNoFileWasFound) {
  CurrentDirGuard guard;
  fs::current_path(start);
  WorkbenchSettings settings = InitialSettings(home);
  EXPECT_EQ(OptionsFile::ReadOptionsFile(settings).currentDir, home);
  EXPECT_EQ(fs::current_path(), fs::canonical(home));
}

TEST_F(OptionsFileDisk, MissingHomeLeavesTheProcessDirectoryWhereItWas) {
  CurrentDirGuard guard;
  fs::current_path(start);
  WorkbenchSettings settings = InitialSettings(temp.Path() / "missing");
  EXPECT_EQ(OptionsFile::ReadOptionsFile(settings).currentDir, fs::current_path());
  EXPECT_EQ(fs::current_path(), fs::canonical(start));
}

TEST(EnvironmentSettings, DirectoriesDeriveFromHome) {
  const EnvironmentSettings settings = EnvironmentSettings::ForHomeDir(kHome);
  EXPECT_EQ(settings.homeDir, kHome);
  EXPECT_EQ(settings.includeDir.string(),
            kHome.string() + fs::path::preferred_separator + "include");
  EXPECT_EQ(settings.workingDir.string(),
            kHome.string() + fs::path::preferred_separator + "sources");
  EXPECT_FALSE(settings.createBakFiles);
  EXPECT_FALSE(settings.saveOptionsOnExit);
}

TEST(AssemblerOptions, DialogWordsAreStoredSigned) {
  AssemblerOptions options;
  EXPECT_EQ(options.programStart, 0);
  EXPECT_EQ(options.defaultStackPointer, 32767);
  options.SetDefaultStackPointer(0xFFFF);
  options.SetProgramStart(0x8000);
  EXPECT_EQ(options.defaultStackPointer, -1);
  EXPECT_EQ(options.programStart, -32768);
  EXPECT_EQ(options.DefaultStackPointerWord(), 0xFFFF);
  EXPECT_EQ(options.ProgramStartWord(), 0x8000);
}

TEST(AssemblerOptions, NumbersFromTheFileAreUsedByTheirLowSixteenBits) {
  const WorkbenchSettings settings = Applied({kTitle, "SP = 65535", "PS = 74565"});
  EXPECT_EQ(settings.assembler.defaultStackPointer, 65535);
  EXPECT_EQ(settings.assembler.DefaultStackPointerWord(), 0xFFFF);
  EXPECT_EQ(settings.assembler.ProgramStartWord(), 0x2345);
}

}  // namespace
}  // namespace tav2
