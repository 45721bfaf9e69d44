#include <gtest/gtest.h>

#include "sim/terminal.h"
#include "simsupport.h"

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

TEST_F(TerminalTest, TabMovesToTheNextMultipleOfEight) {
  Write("AB\tC");
  EXPECT_EQ(Row(0, 10), "AB      C ");
  EXPECT_EQ(grid.column, 9);
  Write("\t");
  EXPECT_EQ(grid.column, 16);
}

TEST_F(TerminalTest, TabNearTheLineEndActsAsCarriageReturn) {
  grid.column = 121;
  terminal.Put('\t');
  EXPECT_EQ(grid.column, 0);
  EXPECT_EQ(grid.row, 1);
  grid.row = 0;
  grid.column = 120;
  terminal.Put('\t');
  EXPECT_EQ(grid.column, 128) << "eight columns left: spaces to the last column";
  EXPECT_EQ(grid.row, 0);
}

TEST_F(TerminalTest, TabAtTheLineEndOnlyWraps) {
  grid.column = 128;
  terminal.Put('\t');
  EXPECT_EQ(grid.column, 0);
  EXPECT_EQ(grid.row, 1);
}

TEST_F(TerminalTest, CharacterBeyondTheLineWrapsToColumnZero) {
  for (int i = 0; i < 128; ++i) terminal.Put('x');
  EXPECT_EQ(grid.row, 0);
  terminal.Put('y');
  EXPECT_EQ(grid.Cell(0, 1), 'y');
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.column, 1);
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
}

TEST_F(TerminalTest, BackspaceBlanksTheCellBefore) {
  Write("abc\b");
  EXPECT_EQ(Row(0, 3), "ab ");
  EXPECT_EQ(grid.column, 2);
  Write("\b\b\b");
  EXPECT_EQ(grid.column, 0) << "never left of column 0";
}

TEST_F(TerminalTest, LineFeedIsDrawnAsACharacter) {
  Write("a\nb");
  EXPECT_EQ(grid.Cell(1, 0), '\n');
  EXPECT_EQ(grid.row, 0);
}

TEST_F(TerminalTest, ZeroLinesStoresNothingAndNeverScrolls) {
  grid.lines = 0;
  Write("abc\rdef\r");
  EXPECT_EQ(grid.Cell(0, 0), ' ');
  EXPECT_EQ(grid.row, 2);
  EXPECT_EQ(device.redraws, 0);
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

TEST_F(TerminalTest, ReadNumberWithBackspace) {
  device.keys = {'-', '1', '2', 8, '5', 13};
  EXPECT_EQ(terminal.ReadNumber(), 0xFFF1);
  EXPECT_EQ(device.echoed, "-12\b5") << "the carriage return is not echoed";
  EXPECT_TRUE(grid.crEcho);
  EXPECT_FALSE(grid.waiting);
}

TEST_F(TerminalTest, ReadNumberParsing) {
  struct Case {
    std::vector<int> keys;
    uint16_t value;
  };
  const Case cases[] = {{{' ', ' ', '+', '4', '2', 'x', '9', 13}, 42},
                        {{'a', 13}, 0},
                        {{13}, 0},
                        {{'7', '0', '0', '0', '0', 13}, 70000 % 65536},
                        {{'-', '3', '2', '7', '6', '8', 13}, 0x8000}};
  for (const Case& c : cases) {
    ScriptedDevice fresh;
    Terminal t(grid, fresh);
    fresh.keys = c.keys;
    EXPECT_EQ(t.ReadNumber(), c.value);
  }
}

TEST_F(TerminalTest, ReadStringStopsAtTheLineEnd) {
  MainMemory memory;
  device.keys = {'h', 'i', 8, 'o', 13};
  terminal.ReadString(memory, 0x0300);
  EXPECT_EQ(memory.Read(0x0300), 'h');
  EXPECT_EQ(memory.Read(0x0301), 'o');
  EXPECT_EQ(memory.Read(0x0302), 0) << "the carriage return became the terminator";
}

TEST_F(TerminalTest, ReadStringStopsBeforeTheEndMarker) {
  MainMemory memory;
  memory.Write(0x0302, 0xFFFF);
  device.keys = {'a', 'b', 'c', 13};
  terminal.ReadString(memory, 0x0300);
  EXPECT_EQ(memory.Read(0x0300), 'a');
  EXPECT_EQ(memory.Read(0x0301), 0) << "the second character became the terminator";
  EXPECT_EQ(memory.Read(0x0302), 0xFFFF);
}

TEST_F(TerminalTest, ReadStringSignExtendsAndWrapsAddresses) {
  MainMemory memory;
  device.keys = {0xE9, 'z', 13};
  terminal.ReadString(memory, 0xFFFF);
  EXPECT_EQ(memory.Read(0xFFFF), 0xFFE9);
  EXPECT_EQ(memory.Read(0x0000), 'z');
  EXPECT_EQ(memory.Read(0x0001), 0);
}

TEST_F(TerminalTest, BackspaceNeverLeavesTheStringBuffer) {
  MainMemory memory;
  memory.Write(0x02FF, 13);
  device.keys = {8, 'q', 13};
  terminal.ReadString(memory, 0x0300);
  EXPECT_EQ(memory.Read(0x02FF), 13) << "the word before the buffer is untouched";
  EXPECT_EQ(memory.Read(0x0300), 'q');
  EXPECT_EQ(memory.Read(0x0301), 0);
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
  void RunService(uint16_t service) {
    Place(rig->machine->memory, 0x0100, {0xFF10, service, 0x6F00});
    rig->Control().Go();
  }
};

TEST_F(TerminalServiceTest, WriteServicesPutTheirText) {
  Place(rig->machine->memory, 0x0400, {'H', 0x0169, 0});
  (*rig)[Reg::R2] = 0x0400;
  RunService(3);
  EXPECT_EQ(device.written, "Hi");
  EXPECT_TRUE(device.open);
}

TEST_F(TerminalServiceTest, CommonStepsSetAndClearTheIFlag) {
  bool iDuringWait = false;
  bool runningDuringWait = false;
  device.onWaitKey = [&] {
    iDuringWait = rig->State().Flag(sr::kI);
    runningDuringWait = rig->State().running;
  };
  device.keys = {'A'};
  Place(rig->machine->memory, 0x0100, {0xFF10, 2});
  rig->Control().Instruction();
  EXPECT_EQ((*rig)[Reg::R1], 0x0041);
  EXPECT_TRUE(iDuringWait);
  EXPECT_TRUE(runningDuringWait);
  EXPECT_FALSE(rig->State().Flag(sr::kI));
  EXPECT_FALSE(rig->State().running);
  EXPECT_TRUE(rig->display.Contains("registers")) << "the I flag shown before waiting";
}

TEST_F(TerminalServiceTest, ReadCharacterSignExtends) {
  device.keys = {0xE9};
  Place(rig->machine->memory, 0x0100, {0xFF10, 2});
  rig->Control().Instruction();
  EXPECT_EQ((*rig)[Reg::R1], 0xFFE9);
}

TEST_F(TerminalServiceTest, WriteNumberIsSignedDecimal) {
  Place(rig->machine->memory, 0x0100, {0xFF10, 5, 0xFF10, 5});
  rig->Control().Instruction();
  (*rig)[Reg::R1] = 0x8000;
  rig->Control().Instruction();
  EXPECT_EQ(device.written, "0-32768");
}

TEST_F(TerminalServiceTest, WriteStringStopsAfter256Characters) {
  for (uint16_t a = 0; a < 300; ++a) rig->machine->memory.Write(static_cast<uint16_t>(0x0400 + a), 'x');
  Place(rig->machine->memory, 0x0100, {0xFF10, 3});
  rig->Control().Instruction();
  (*rig)[Reg::R2] = 0x0400;
  Place(rig->machine->memory, 0x0102, {0xFF10, 3});
  rig->Control().Instruction();
  EXPECT_EQ(device.written.size(), 256u);
}

TEST_F(TerminalServiceTest, SetCursorIgnoresZero) {
  grid.column = 3;
  Place(rig->machine->memory, 0x0100, {0xFF10, 7});
  (*rig)[Reg::R2] = 1;
  rig->Control().Instruction();
  EXPECT_EQ(grid.column, 3);
}

TEST_F(TerminalServiceTest, ResetDuringAKeyWaitEndsItAndLeavesR1) {
  device.onWaitKey = [&] { rig->Control().Reset(); };
  device.keys = {'5', 13};
  Place(rig->machine->memory, 0x0100, {0xFF10, 6});
  rig->display.log.clear();
  rig->Control().Go();
  EXPECT_EQ((*rig)[Reg::R1], 0);
  EXPECT_FALSE(rig->State().running);
  EXPECT_FALSE(rig->Control().GoActive());
  EXPECT_EQ((*rig)[Reg::PC], 0x0100);
  EXPECT_FALSE(rig->State().Flag(sr::kI));
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
