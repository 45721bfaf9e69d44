#include <gtest/gtest.h>

#include "core/sim/terminal.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

class TerminalTest : public ::testing::Test {
 protected:
  ScreenGrid grid;
  ScriptedDevice device;
  Terminal terminal{grid, device};

  void SetUp() override {
    device.inputAbort = &grid.inputAbort;
    grid.lines = 4;
    grid.chars = 128;
  }
  std::string Row(int row, int width) {
    std::string text;
    for (int c = 0; c < width; ++c) text += static_cast<char>(grid.Cell(c, row));
    return text;
  }
  void Write(std::string_view text) { terminal.WriteText(text); }
};

TEST_F(TerminalTest, TabMovesToTheNextMultipleOfEightOrEndsTheLine) {
  Write("AB\tC");
  EXPECT_EQ(Row(0, 10), "AB      C ");
  const std::tuple<int, int, int> cases[] = {// column before, column and row after
                                             {9, 16, 0},
                                             {120, 128, 0},
                                             {121, 0, 1},
                                             {128, 0, 1}};
  for (const auto& [before, column, row] : cases) {
    grid.row = 0;
    grid.column = before;
    terminal.Put('\t');
    EXPECT_EQ(grid.column, column) << before;
    EXPECT_EQ(grid.row, row) << before;
  }
}

TEST_F(TerminalTest, WrapBackspaceAndLineFeed) {
  for (int i = 0; i < 128; ++i) terminal.Put('x');
  EXPECT_EQ(grid.row, 0);
  Write("yabc\b");
  EXPECT_EQ(Row(1, 4), "yab ") << "a character beyond the line wraps to column 0";
  EXPECT_EQ(grid.column, 3);
  Write("\b\b\b\b\b");
  EXPECT_EQ(grid.column, 0) << "never left of column 0";
  Write("a\nb");
  EXPECT_EQ(grid.Cell(1, 1), '\n') << "a line feed is drawn as a character";
  EXPECT_EQ(grid.row, 1);
}

TEST_F(TerminalTest, CarriageReturnOnTheLastLineScrolls) {
  Write("one\rtwo\rthree\rfour");
  EXPECT_EQ(grid.row, 3);
  const int redraws = device.redraws;
  terminal.Put('\r');
  EXPECT_EQ(grid.row, 3);
  EXPECT_EQ(grid.column, 0);
  EXPECT_EQ(Row(0, 5), "two  ");
  EXPECT_EQ(Row(2, 5), "four ");
  EXPECT_EQ(Row(3, 5), "     ");
  EXPECT_EQ(device.redraws, redraws + 1);

  grid.lines = 0;
  grid.row = 0;
  Write("abc\rdef\r");
  EXPECT_EQ(grid.row, 2) << "zero lines store nothing and never scroll";
  EXPECT_EQ(Row(0, 3), "two");
  EXPECT_EQ(device.redraws, redraws + 1);
}

TEST_F(TerminalTest, GotoCellIsOneBasedAndIgnoresOutsideTheGrid) {
  terminal.GotoCell(5, 2);
  EXPECT_EQ(grid.column, 4);
  EXPECT_EQ(grid.row, 1);
  for (auto [c, r] : {std::pair{0, 1}, {1, 0}, {129, 1}, {1, 5}}) {
    terminal.GotoCell(c, r);
    EXPECT_EQ(grid.column, 4);
    EXPECT_EQ(grid.row, 1);
  }
  terminal.GotoCell(128, 4);
  EXPECT_EQ(grid.column, 127);
  EXPECT_EQ(grid.row, 3);
}

TEST_F(TerminalTest, ReadNumber) {
  device.keys = {'-', '1', '2', 8, '5', 13};
  EXPECT_EQ(terminal.ReadNumber(), 0xFFF1);
  EXPECT_EQ(device.echoed, "-12\b5") << "the carriage return is not echoed";
  EXPECT_TRUE(grid.crEcho);
  EXPECT_FALSE(grid.waiting);
  const std::pair<std::vector<int>, uint16_t> cases[] = {{{' ', ' ', '+', '4', '2', 'x', '9', 13}, 42},
                                                         {{'a', 13}, 0},
                                                         {{13}, 0},
                                                         {{'7', '0', '0', '0', '0', 13}, 70000 % 65536},
                                                         {{'-', '3', '2', '7', '6', '8', 13}, 0x8000}};
  for (const auto& [keys, value] : cases) {
    ScriptedDevice fresh;
    Terminal t(grid, fresh);
    fresh.keys = keys;
    EXPECT_EQ(t.ReadNumber(), value);
  }
}

TEST_F(TerminalTest, ReadString) {
  struct Case {
    std::vector<int> keys;
    uint16_t buffer;
    uint16_t presetAt, preset;  // a word written before
    uint16_t from;
    std::vector<uint16_t> words;  // from `from` on, after the read
  };
  const Case cases[] = {
      {{'h', 'i', 8, 'o', 13}, 0x0300, 0, 0, 0x0300, {'h', 'o', 0}},  // the carriage return terminates
      {{'a', 'b', 'c', 13}, 0x0300, 0x0302, 0xFFFF, 0x0300, {'a', 0, 0xFFFF}},  // stops before the end marker
      {{0xE9, 'z', 13}, 0xFFFF, 0, 0, 0xFFFF, {0xFFE9, 'z', 0}},  // sign extends, wraps the address
      {{8, 'q', 13}, 0x0300, 0x02FF, 13, 0x02FF, {13, 'q', 0}},   // backspace stays in the buffer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "buffer " << c.buffer);
    MainMemory memory;
    memory.Write(c.presetAt, c.preset);
    ScriptedDevice fresh;
    Terminal t(grid, fresh);
    fresh.keys = c.keys;
    RecordingDisplay display;
    t.ReadString(memory, display, c.buffer);
    std::vector<uint16_t> words;
    for (std::size_t i = 0; i < c.words.size(); ++i)
      words.push_back(memory.Read(static_cast<uint16_t>(c.from + i)));
    EXPECT_EQ(words, c.words) << c.buffer;
  }
}

TEST_F(TerminalTest, ClearComputesTheLayoutFromTheWindow) {
  grid.cellWidth = 8;
  grid.cellHeight = 16;
  device.width = 710;
  device.height = 250;
  Write("junk");
  terminal.Clear();
  EXPECT_EQ(grid.lines, (250 - 4) / 16 - 3);
  EXPECT_EQ(grid.chars, 710 / 8 - 3);
  EXPECT_EQ(grid.defaultLines, grid.lines);
  EXPECT_EQ(grid.Cell(0, 0), ' ');
  EXPECT_EQ(grid.column, 0);
  EXPECT_EQ(device.caption, "TAV screen 12 x 85");
}

TEST_F(TerminalTest, LayoutIsCappedAndSizeFollowsTheLayout) {
  grid.LayoutFromSize(5000, 5000);
  EXPECT_EQ(grid.lines, 40);
  EXPECT_EQ(grid.chars, 128);
  grid.LayoutFromSize(10, 10);
  EXPECT_EQ(grid.lines, 0);
  EXPECT_EQ(grid.chars, 0);
  grid.lines = 10;
  grid.chars = 20;
  grid.layoutFromSize = false;
  grid.sizeFromLayout = true;
  terminal.Clear();
  EXPECT_EQ(device.width, 23 * 8);
  EXPECT_EQ(device.height, 13 * 16 + 4);
  EXPECT_FALSE(grid.layoutFromSize);
  grid.ComputeDefaults(710, 250);
  EXPECT_EQ(grid.defaultLines, 250 / 16 - 3);
  EXPECT_EQ(grid.defaultChars, 710 / 8 - 2);
}

TEST_F(TerminalTest, AResizedWindowKeepsTheTextOrSnapsBack) {
  grid.cellWidth = 8;
  grid.cellHeight = 16;
  terminal.Clear();
  Write("first\rsecond");
  device.width = 4 * 8;  // one character wide
  device.height = 250;
  const int redraws = device.redraws;
  terminal.WindowResized();
  EXPECT_EQ(grid.chars, 1);
  EXPECT_EQ(Row(0, 3), "f  ");
  EXPECT_EQ(Row(1, 3), "s  ");
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.column, 1);
  EXPECT_EQ(device.redraws, redraws + 1);
  EXPECT_EQ(device.caption, "TAV screen 12 x 1");

  grid.lines = 2;
  grid.chars = 3;
  terminal.SizeWindowFromLayout();
  device.width = 500;
  terminal.WindowResized();
  EXPECT_EQ(device.width, 6 * 8) << "the window snaps back to the layout";
  EXPECT_EQ(grid.chars, 3);
  EXPECT_EQ(Row(0, 3), "f  ");
}

// The services through the processor: 0xFF10 with the service in T1.
class TerminalServiceTest : public TerminalTest {
 protected:
  std::unique_ptr<Rig> rig;

  void SetUp() override {
    TerminalTest::SetUp();
    rig = std::make_unique<Rig>(&terminal);
    rig->machine->startAddress = 0x0100;
    rig->Control().Reset();
  }
  // Runs the service as the next instruction.
  void Service(uint16_t service) {
    Place(rig->machine->memory, (*rig)[Reg::PC], {0xFF10, service});
    rig->Control().Instruction();
  }
};

TEST_F(TerminalServiceTest, WriteServices) {
  Place(rig->machine->memory, 0x0400, {'H', 0x0169, 0});
  (*rig)[Reg::R2] = 0x0400;
  Service(3);
  EXPECT_EQ(device.written, "Hi") << "a string, by the low bytes";
  EXPECT_TRUE(device.open);
  Service(5);
  (*rig)[Reg::R1] = 0x8000;
  Service(5);
  EXPECT_EQ(device.written, "Hi0-32768") << "numbers in signed decimal";
  for (uint16_t a = 0; a < 300; ++a) rig->machine->memory.Write(static_cast<uint16_t>(0x0400 + a), 'x');
  device.written.clear();
  (*rig)[Reg::R2] = 0x0400;
  Service(3);
  EXPECT_EQ(device.written.size(), 256u) << "a string stops after 256 characters";
  grid.column = 3;
  (*rig)[Reg::R2] = 1;
  Service(7);
  EXPECT_EQ(grid.column, 3) << "set cursor ignores zero";
}

TEST_F(TerminalServiceTest, ReadCharacterSetsAndClearsTheIFlag) {
  bool iDuringWait = false;
  bool runningDuringWait = false;
  device.onWaitKey = [&] {
    iDuringWait = rig->State().Flag(sr::kI);
    runningDuringWait = rig->State().running;
  };
  device.keys = {0xE9};
  Service(2);
  EXPECT_EQ((*rig)[Reg::R1], 0xFFE9) << "sign extended";
  EXPECT_TRUE(iDuringWait);
  EXPECT_TRUE(runningDuringWait);
  EXPECT_FALSE(rig->State().Flag(sr::kI));
  EXPECT_FALSE(rig->State().running);
  EXPECT_TRUE(rig->display.Contains("registers")) << "the I flag shown before waiting";
}

TEST_F(TerminalServiceTest, ResetDuringAKeyWaitEndsItAndLeavesR1) {
  device.onWaitKey = [&] { rig->Control().Reset(); };
  device.keys = {'5', 13};
  Place(rig->machine->memory, 0x0100, {0xFF10, 6});
  rig->Control().Go();
  EXPECT_EQ((*rig)[Reg::R1], 0);
  EXPECT_FALSE(rig->State().running);
  EXPECT_FALSE(rig->Control().GoActive());
  EXPECT_EQ((*rig)[Reg::PC], 0x0100);
  EXPECT_FALSE(rig->State().Flag(sr::kI));
}

// Each word is shown as it is stored, while the program still waits for
// the next key, like every write of the engine.
TEST_F(TerminalServiceTest, ReadStringShowsEveryStoredWord) {
  std::vector<std::vector<std::string>> shownAtWait;
  device.onWaitKey = [&] {
    std::vector<std::string> shown;
    for (const std::string& line : rig->display.log) {
      if (line.starts_with("word written")) shown.push_back(line);
    }
    shownAtWait.push_back(shown);
  };
  device.keys = {'o', 'k', 8, 'h', 13};
  (*rig)[Reg::R2] = 0x0500;
  Service(4);
  const std::vector<std::vector<std::string>> expected = {
      {},
      {"word written 0500"},
      {"word written 0500", "word written 0501"},
      {"word written 0500", "word written 0501"},
      {"word written 0500", "word written 0501", "word written 0501"},
  };
  EXPECT_EQ(shownAtWait, expected);
  EXPECT_EQ(rig->display.Count("word written 0502"), 2) << "the carriage return, then the terminator over it";
  EXPECT_EQ(rig->machine->memory.Read(0x0502), 0);
}

TEST_F(TerminalServiceTest, ResetDuringReadStringStillTerminatesIt) {
  int waits = 0;
  device.onWaitKey = [&] {
    if (++waits == 3) rig->Control().Reset();
  };
  device.keys = {'a', 'b', 'c', 13};
  (*rig)[Reg::R2] = 0x0500;
  Place(rig->machine->memory, 0x0100, {0xFF10, 4});
  Place(rig->machine->memory, 0x0500, {7, 7, 7, 7});
  rig->Control().Go();
  EXPECT_EQ(rig->machine->memory.Read(0x0500), 'a');
  EXPECT_EQ(rig->machine->memory.Read(0x0501), 'b');
  EXPECT_EQ(rig->machine->memory.Read(0x0502), 0);
  EXPECT_EQ(rig->machine->memory.Read(0x0503), 7);
}

}  // namespace
}  // namespace tav2
