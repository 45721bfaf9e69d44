#include "core/shell/optionsfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/tempdir.h"
#include "core/util/atomicfilewriter.h"
#include "support/writefault.h"
#include "support/casename.h"
#include "support/caseprinter.h"

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
      "WD = " +
      (kHome / "sources").string() +
      "\n"
      "HD = " +
      kHome.string() +
      "\n"
      "ID = " +
      (kHome / "include").string() +
      "\n"
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
      "LN = 1\t\t//line numbers\n"
      "//assembler options\n"
      "PS = 0\t\t //assembler startadres(default)\n"
      "SP = 32767\t\t //stack pointer (default)\n";
  EXPECT_EQ(OptionsFile::Text(InitialSettings()), expected);
}

TEST(OptionsFileText, NegativeNumbersAndSwitchesAreWrittenInDecimal) {
  const std::string text = OptionsFile::Text(Changed(kHome));
  for (const char* line : {"\nBF = 1\t\t//Create bakfiles\n", "\nCT = 0\t\t//text backgroundcolor\n",
                           "\nTN = 4\t\t//tabnumber\n", "\nPS = 4096\t\t //assembler startadres(default)\n",
                           "\nSP = -1\t\t //stack pointer (default)\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

struct LineCase {
  const char* name;
  std::vector<std::string> lines;
  std::function<void(WorkbenchSettings&)> change;  // what the lines change in the initial settings
};

void PrintTo(const LineCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("name", c.name).Field("lines", c.lines);
}

class OptionsFileReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(OptionsFileReading, ChangesOnlyWhatTheLinesSay) {
  WorkbenchSettings expected = InitialSettings();
  GetParam().change(expected);
  EXPECT_EQ(Applied(GetParam().lines), expected);
}

const std::string kTitle = "//environment options";
using WS = WorkbenchSettings;

INSTANTIATE_TEST_SUITE_P(
    Lines, OptionsFileReading,
    ::testing::Values(
        LineCase{"HomeDirAloneKeepsTheDirectoriesDerivedBefore",
                 {kTitle, "HD = D:\\x"},
                 [](WS& s) { s.environment.homeDir = "D:\\x"; }},
        LineCase{"FlagOneWithItsCommentIsTrue",
                 {kTitle, "BF = 1\t\t//Create bakfiles", "SO = -3"},
                 [](WS& s) { s.environment.createBakFiles = s.environment.saveOptionsOnExit = true; }},
        LineCase{"FlagThatIsNoNumberIsFalse", {kTitle, "BF = 1", "BF = yes"}, [](WS&) {}},
        LineCase{"BlanksBeforeADirectoryAreSkippedBlanksAfterItKept",
                 {kTitle, "WD =     C:\\src  "},
                 [](WS& s) { s.environment.workingDir = "C:\\src  "; }},
        LineCase{"TabBeforeADirectoryIsKept",
                 {kTitle, "ID = \tinc"},
                 [](WS& s) { s.environment.includeDir = "\tinc"; }},
        LineCase{"KeyOnTheFirstLineIsIgnored",
                 {"SO = 1", "BF = 1"},
                 [](WS& s) { s.environment.createBakFiles = true; }},
        LineCase{"HexadecimalValueReadsAsZero",
                 {kTitle, "SP = 0x100"},
                 [](WS& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"SignsAndTrailingTextAroundDigits",
                 {kTitle, "PS = +12abc", "SP = -300"},
                 [](WS& s) {
                   s.assembler.programStart = 12;
                   s.assembler.defaultStackPointer = -300;
                 }},
        LineCase{"TabBeforeANumberMakesItUnreadable",
                 {kTitle, "SP = \t5"},
                 [](WS& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"DoubleSignOrOverflowReadsAsZero",
                 {kTitle, "PS = 5", "PS = +-7", "SP = 99999999999"},
                 [](WS& s) { s.assembler.defaultStackPointer = 0; }},
        LineCase{"KeyGivenTwiceTakesItsLastValue",
                 {kTitle, "PS = 1", "PS = 2", "PS = 3"},
                 [](WS& s) { s.assembler.programStart = 3; }},
        LineCase{"UnknownKeysLowerCaseKeysAndBlankLinesChangeNothing",
                 {kTitle, "", "XX = 5", "wd = elsewhere", "//default editor options", "   "},
                 [](WS&) {}},
        LineCase{"LineShorterThanFourCharactersHasNoKey", {kTitle, "WD", "SO="}, [](WS&) {}},
        LineCase{"FourCharacterEnvironmentLineGivesAnEmptyValue",
                 {kTitle, "BF = 1", "WD =", "BF ="},
                 [](WS& s) { s.environment.workingDir.clear(); }},
        LineCase{"FourCharacterEditorLineIsLeftAlone", {kTitle, "SC ="}, [](WS&) {}},
        LineCase{"EditorKeysAreReadInAnySection",
                 {kTitle, "AI = 1", "WD = w", "//default editor options", "SC = 0", "TN = 4"},
                 [](WS& s) {
                   s.editor.options.autoIndent = true;
                   s.editor.options.syntaxColoring = false;
                   s.editor.options.tabNumber = 4;
                   s.environment.workingDir = "w";
                 }},
        LineCase{"EditorFlagsAndColours",
                 {kTitle, "WW = 1", "TS = 2", "CS = 14811135\t\t//sources backgroundcolor", "CT = 255"},
                 [](WS& s) {
                   s.editor.options.wordWrap = s.editor.options.tabsToSpaces = true;
                   s.editor.sourcesBackground = 0xE1FFFF;
                   s.editor.textBackground = 0xFF;
                 }},
        LineCase{"LineNumbersSwitchedOff",
                 {kTitle, "LN = 0"},
                 [](WS& s) { s.editor.options.lineNumbers = false; }},
        LineCase{
            "TabNumberBelowOneBecomesOne", {kTitle, "TN = 0"}, [](WS& s) { s.editor.options.tabNumber = 1; }},
        LineCase{"TabNumberAboveFortyEightBecomesFortyEight",
                 {kTitle, "TN = 100"},
                 [](WS& s) { s.editor.options.tabNumber = 48; }},
        LineCase{"UnreadableTabNumberBecomesOne",
                 {kTitle, "TN = many"},
                 [](WS& s) { s.editor.options.tabNumber = 1; }},
        // The dialog's words are stored signed; a number from the file is
        // used by its low sixteen bits.
        LineCase{"NumbersOfMoreThanSixteenBitsAreKept",
                 {kTitle, "SP = 65535", "PS = 74565"},
                 [](WS& s) {
                   s.assembler.defaultStackPointer = 65535;
                   s.assembler.programStart = 74565;
                 }}),
    test::CaseNamed());

TEST(AssemblerOptions, WordsAreTheLowSixteenBitsOfSignedNumbers) {
  AssemblerOptions options;
  options.SetDefaultStackPointer(0xFFFF);
  options.SetProgramStart(0x8000);
  EXPECT_EQ(options.defaultStackPointer, -1);
  EXPECT_EQ(options.programStart, -32768);
  EXPECT_EQ(options.DefaultStackPointerWord(), 0xFFFF);
  EXPECT_EQ(options.ProgramStartWord(), 0x8000);
  options.defaultStackPointer = 65535;
  options.programStart = 74565;
  EXPECT_EQ(options.DefaultStackPointerWord(), 0xFFFF);
  EXPECT_EQ(options.ProgramStartWord(), 0x2345);
}

class OptionsFileDisk : public ::testing::Test {
 protected:
  TempDir temp;
  fs::path start = temp.Dir("start");
  fs::path home = temp.Dir("home");

  void WriteOptions(const fs::path& dir, const std::string& line) {
    ASSERT_EQ(AtomicFileWriter::Replace(dir / OptionsFile::kFileName, kTitle + "\n" + line + "\n"),
              std::nullopt);
  }

  // Reads with a file in the current directory and one in `kept`, where
  // Read is told the file is kept (`keptIn`, empty for HomeDir): the
  // current directory's comes first, then the kept one; with neither, the
  // defaults stand and the current directory is to move to HomeDir.
  void ExpectTheCurrentDirectoryFirstThen(const fs::path& kept, const fs::path& keptIn) {
    WriteOptions(start, "HD = from start");
    WriteOptions(kept, "HD = from kept");
    for (const auto& [expected, from] : {std::pair{"from start", start}, {"from kept", kept}}) {
      WorkbenchSettings settings = InitialSettings(home);
      const OptionsReadResult result = OptionsFile::Read(settings, start, keptIn);
      EXPECT_EQ(settings.environment.homeDir, expected);
      EXPECT_EQ(result.readFrom, from);
      EXPECT_EQ(result.currentDir, start);
      fs::remove(start / OptionsFile::kFileName);
    }
    fs::remove(kept / OptionsFile::kFileName);
    WorkbenchSettings settings = InitialSettings(home);
    const OptionsReadResult none = OptionsFile::Read(settings, start, keptIn);
    EXPECT_EQ(settings, InitialSettings(home)) << "without any file nothing changes";
    EXPECT_TRUE(none.readFrom.empty());
    EXPECT_EQ(none.currentDir, home);
  }
};

TEST_F(OptionsFileDisk, FileInTheCurrentDirectoryComesBeforeTheOneInHome) {
  ExpectTheCurrentDirectoryFirstThen(home, {});
}

TEST_F(OptionsFileDisk, CarriageReturnsAndRelativeHome) {
  temp.Write("home/options.~ds", "//environment options\r\nWD = C:\\src\r\nBF = 1\r\n");
  WorkbenchSettings settings = InitialSettings("home");
  const OptionsReadResult result = OptionsFile::Read(settings, temp.Path());
  EXPECT_EQ(result.readFrom, temp.Path() / "home") << "a relative home is taken from the current directory";
  EXPECT_EQ(settings.environment.workingDir, "C:\\src") << "a carriage return is not part of a value";
  EXPECT_TRUE(settings.environment.createBakFiles);
}

TEST_F(OptionsFileDisk, WriteReplacesTheFileInHomeAndReadsBack) {
  temp.Write("home/options.~ds", std::string(5000, 'x'));
  const WorkbenchSettings written = Changed(home);
  const OptionsWriteResult result = OptionsFile::Write(written, start);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.directory, home);
  EXPECT_EQ(result.message, "Configuration stored in " + home.string());
  EXPECT_EQ(ReadWhole(home / "options.~ds"), OptionsFile::Text(written))
      << "an older longer file replaced whole";
  EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 1)
      << "no temporary is left";
  EXPECT_FALSE(fs::exists(start / "options.~ds"));
  WorkbenchSettings read = InitialSettings(home);
  OptionsFile::Read(read, start);
  EXPECT_EQ(read, written);
}

TEST_F(OptionsFileDisk, UnwritableHomeSendsTheFileToTheWorkingDirectoryOrFails) {
  WorkbenchSettings settings = InitialSettings(temp.Write("not a directory", "x"));
  settings.environment.workingDir = start;
  const OptionsWriteResult result = OptionsFile::Write(settings, home);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.message, "Configuration stored in " + start.string());
  EXPECT_EQ(ReadWhole(start / "options.~ds"), OptionsFile::Text(settings));

  settings = InitialSettings(temp.Path() / "missing");
  settings.environment.workingDir = temp.Path() / "missing too";
  const OptionsWriteResult failed = OptionsFile::Write(settings, home);
  EXPECT_FALSE(failed.written);
  EXPECT_EQ(failed.message, "Cannot write file 'options.~ds'. No such file or directory");
  EXPECT_FALSE(fs::exists(home / "options.~ds"));
}

// A per-user directory standing in for a home directory the user cannot
// write: the file is read from there after the current directory and
// written there before the working directory; the home directory's file is
// neither read nor touched.
TEST_F(OptionsFileDisk, APerUserDirectoryKeepsTheFileInsteadOfHome) {
  const fs::path perUser = temp.Dir("config");
  WriteOptions(home, "HD = from home");
  ExpectTheCurrentDirectoryFirstThen(perUser, perUser);

  WorkbenchSettings settings = Changed(home);
  settings.environment.workingDir = start;
  const OptionsWriteResult written = OptionsFile::Write(settings, start, perUser);
  EXPECT_EQ(written.message, "Configuration stored in " + perUser.string());
  EXPECT_EQ(ReadWhole(perUser / OptionsFile::kFileName), OptionsFile::Text(settings));
  EXPECT_EQ(ReadWhole(home / OptionsFile::kFileName), kTitle + "\nHD = from home\n");
  EXPECT_FALSE(fs::exists(start / OptionsFile::kFileName));

  const OptionsWriteResult fallback = OptionsFile::Write(settings, start, temp.Write("not a directory", "x"));
  EXPECT_EQ(fallback.message, "Configuration stored in " + start.string());
}

TEST_F(OptionsFileDisk, AFailedWriteKeepsTheOldFileAndGivesTheReason) {
  const std::string old = kTitle + "\nHD = kept\n";
  WriteOptions(home, "HD = kept");
  WorkbenchSettings settings = InitialSettings(home);
  settings.environment.workingDir = start;
  test::WriteFault fault(AtomicFileWriter::Step::Flush, ENOSPC);
  const OptionsWriteResult failed = OptionsFile::Write(settings, temp.Path());
  EXPECT_FALSE(failed.written);
  EXPECT_EQ(failed.message, "Cannot write file 'options.~ds'. No space left on device");
  EXPECT_EQ(ReadWhole(home / "options.~ds"), old);
  EXPECT_TRUE(fs::is_empty(start));
}

TEST_F(OptionsFileDisk, ProcessDirectoryAfterReadingAndWriting) {
  CurrentDirGuard guard;
  fs::current_path(start);
  WorkbenchSettings missingHome = InitialSettings(temp.Path() / "missing");
  EXPECT_EQ(OptionsFile::ReadOptionsFile(missingHome).currentDir, fs::current_path());
  EXPECT_EQ(fs::current_path(), fs::canonical(start)) << "a missing home leaves it where it was";
  WorkbenchSettings settings = InitialSettings(home);
  EXPECT_EQ(OptionsFile::ReadOptionsFile(settings).currentDir, home);
  EXPECT_EQ(fs::current_path(), fs::canonical(home)) << "no file found: left at home";

  fs::current_path(start);
  WriteOptions(home, "SO = 1");
  EXPECT_EQ(OptionsFile::ReadOptionsFile(settings).readFrom, home);
  EXPECT_TRUE(settings.environment.saveOptionsOnExit);
  EXPECT_EQ(fs::current_path(), fs::canonical(start)) << "restored after reading";
  EXPECT_TRUE(OptionsFile::WriteOptionsFile(settings).written);
  EXPECT_EQ(fs::current_path(), fs::canonical(start)) << "restored after writing";
}

}  // namespace
}  // namespace tav2
