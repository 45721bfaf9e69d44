// The simulation windows at 100 % and 200 %: every drawn position and every
// control scales with the zoom, letters are drawn at the larger size, and
// the frames grow and shrink with it.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <map>

#include "core/shell/zoomlevel.h"
#include "fakehost.h"
#include "gui/common/windowframe.h"
#include "gui/sim/processorlayout.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

constexpr uint16_t kStart = 0x0100;
const QColor kBlack(0, 0, 0), kPurple(0x80, 0x00, 0x80);
const ZoomLevel kActual;
const ZoomLevel kDouble = *ZoomLevel::FromPercent(200);

QRect Doubled(const QRect& r) { return {2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()}; }

class Zoom : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();

  void SetUp() override {
    InstallTestMicroCode(host->machine->mcrom);
    host->machine->startAddress = kStart;
    Place(host->machine->memory, kStart, {Word(kAdd, 1, true, false, 0), 1, 0x6F00});
  }
  QRect Field(const char* name) const { return host->processor->findChild<QLineEdit*>(name)->geometry(); }
};

// Every control of both layouts sits at its designed place times the zoom.
TEST_F(Zoom, ProcessorControlsScale) {
  ProcessorWindow& window = host->OpenProcessor();
  for (const SizeMode mode : {SizeMode::Big, SizeMode::Small}) {
    window.SetSizeMode(mode);
    for (const ZoomLevel& zoom : {kDouble, kActual}) {
      window.SetZoom(zoom);
      for (const auto& [name, rect] : ProcessorLayout::For(mode).controls) {
        const QRect expected = zoom == kDouble ? Doubled(rect) : rect;
        EXPECT_EQ(window.findChild<QWidget*>(name)->geometry(), expected)
            << name.toStdString() << " at " << zoom.Percent() << " % in mode " << static_cast<int>(mode);
      }
    }
  }
}

// The buses and the ALU are drawn where the 100 % drawing has them, twice
// as far from the origin, with a pen twice as wide.
TEST_F(Zoom, TheDatapathIsDrawnAtTheScaledPlaces) {
  ProcessorWindow& window = host->OpenProcessor();
  window.SetSizeMode(SizeMode::Big);
  const QRect ir = Field("IREdit"), pc = Field("PCEdit"), a = Field("AEdit"), c = Field("CEdit");
  const int busX = ir.x() + ir.width() + 15;
  const int gapY = (ir.y() + ir.height() + pc.y()) / 2;
  const QPoint alu((a.x() + c.x() + c.width()) / 2, (a.y() + a.height() + c.y()) / 2);
  QImage image = Grabbed(&window);
  ASSERT_TRUE(HasColour(image, QRect(busX - 1, gapY, 3, 1), kBlack));
  ASSERT_EQ(image.pixelColor(alu), kPurple);

  window.SetZoom(kDouble);
  image = Grabbed(&window);
  EXPECT_TRUE(HasColour(image, QRect(2 * busX - 1, 2 * gapY, 3, 1), kBlack));
  EXPECT_EQ(image.pixelColor(2 * alu), kPurple);
  int inked = 0;
  for (int x = 2 * busX - 6; x <= 2 * busX + 6; ++x) inked += image.pixelColor(x, 2 * gapY) == kBlack ? 1 : 0;
  EXPECT_EQ(inked, 4) << "a bus line 4 pixels wide, black to its edge";
}

// Letters are set in a font twice as large, not a picture made larger.
TEST_F(Zoom, ProcessorLettersAreSetAtTheLargerSize) {
  ProcessorWindow& window = host->OpenProcessor();
  const auto* ir = window.findChild<QLineEdit*>("IREdit");
  const int actual = ir->font().pixelSize();
  window.SetZoom(kDouble);
  EXPECT_EQ(ir->font().pixelSize(), 2 * actual);
  EXPECT_EQ(window.font().pixelSize(), 22);
  EXPECT_EQ(window.findChild<QLineEdit*>("mcedit")->font().pixelSize(), 20);
  EXPECT_EQ(window.findChild<QLabel*>("Statuslabel")->font().pixelSize(), 20);
}

// The width of what a flag box draws apart from the window's background.
int DrawnWidth(QWidget* box) {
  const QImage image = Grabbed(box);
  const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == background) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return right - left + 1;
}

TEST_F(Zoom, FlagBoxesDrawALargerIndicator) {
  ProcessorWindow& window = host->OpenProcessor();
  QWidget* box = window.findChild<QWidget*>("Nbox");
  const int actual = DrawnWidth(box);
  ASSERT_GT(actual, 4);
  window.SetZoom(kDouble);
  EXPECT_GE(DrawnWidth(box), 2 * actual - 2);
  window.SetZoom(kActual);
  EXPECT_EQ(DrawnWidth(box), actual);
}

TEST_F(Zoom, FramesGrowAndShrinkWithTheZoom) {
  ProcessorWindow& processor = host->OpenProcessor();
  MemoryView& view = host->OpenMemoryView(0);
  RomView& rom = host->OpenRomView();
  host->OpenScreenWindow();
  std::map<QWidget*, WindowBounds> actual;
  for (QWidget* window : std::initializer_list<QWidget*>{&processor, &view, &rom, host->screenWindow}) {
    WindowFrame::Place(window, {10, 20, 300, 200});
    actual[window] = WindowFrame::Bounds(window);
  }
  processor.SetZoom(kDouble);
  view.SetZoom(kDouble);
  rom.SetZoom(kDouble);
  host->screenWindow->SetZoom(kDouble);
  for (const auto& [window, bounds] : actual) {
    EXPECT_EQ(WindowFrame::Bounds(window), kDouble.Scaled(bounds)) << window->objectName().toStdString();
  }
  processor.SetZoom(kActual);
  view.SetZoom(kActual);
  rom.SetZoom(kActual);
  host->screenWindow->SetZoom(kActual);
  for (const auto& [window, bounds] : actual) {
    EXPECT_EQ(WindowFrame::Bounds(window), bounds) << window->objectName().toStdString();
  }
}

// Rows, columns and the drawn words of a memory view.
TEST_F(Zoom, MemoryViewRowsAndColumnsScale) {
  host->defaults.memoryViews[0].pageBase = kStart;
  MemoryView& view = host->OpenMemoryView(0);
  const uint16_t address = kStart + 2;
  const int top = view.RowTop(address), height = view.RowHeight();
  std::map<MemoryView::Column, int> lefts;
  for (const auto column : {MemoryView::Column::Address, MemoryView::Column::Hex, MemoryView::Column::Decimal,
                            MemoryView::Column::Binary, MemoryView::Column::Disassembly}) {
    lefts[column] = view.ColumnLeft(column);
  }
  view.SetZoom(kDouble);
  EXPECT_EQ(view.RowTop(address), 2 * top);
  EXPECT_EQ(view.RowHeight(), 2 * height);
  for (const auto& [column, left] : lefts) EXPECT_EQ(view.ColumnLeft(column), 2 * left);
  EXPECT_EQ(view.font().pixelSize(), 22);

  const QImage image = Grabbed(view.viewport());
  const int x = view.ColumnLeft(MemoryView::Column::Hex);
  EXPECT_TRUE(Inked(image, QRect(x, view.RowTop(address), 2 * 20, view.RowHeight())))
      << "the word is drawn at its scaled place";
  EXPECT_FALSE(
      Inked(image, QRect(lefts[MemoryView::Column::Hex] + 30, view.RowTop(address), 10, view.RowHeight())))
      << "and not where 100 % would put it";
}

// The screen's cells scale exactly; the characters written stay through a
// zoom in and out, also those in the last line and column.
TEST_F(Zoom, ScreenCellsScaleAndKeepTheirCharacters) {
  host->OpenScreenWindow();
  ScreenWindow& screen = *host->screenWindow;
  ScreenGrid& grid = host->grid;
  const int lines = grid.lines, chars = grid.chars;
  ASSERT_GT(lines, 2);
  grid.row = lines - 1;
  grid.column = chars - 1;
  host->screen.Services().WriteText("Z");
  const QRect cell = screen.CellRect(chars - 1, lines - 1);
  screen.SetZoom(kDouble);
  EXPECT_EQ(screen.CellRect(chars - 1, lines - 1), Doubled(cell));
  EXPECT_EQ(grid.lines, lines);
  EXPECT_EQ(grid.chars, chars);
  screen.SetZoom(kActual);
  EXPECT_EQ(screen.CellRect(chars - 1, lines - 1), cell);
  EXPECT_EQ(grid.Cell(chars - 1, lines - 1), 'Z');
}

TEST_F(Zoom, RomViewLettersScale) {
  RomView& rom = host->OpenRomView();
  const double actual = rom.font().pointSizeF();
  const auto* header = rom.findChild<QPlainTextEdit*>("Uptext");
  const int headerHeight = header->height();
  rom.SetZoom(kDouble);
  EXPECT_DOUBLE_EQ(rom.font().pointSizeF(), 2 * actual);
  EXPECT_DOUBLE_EQ(rom.findChild<QPlainTextEdit*>("MCtext")->font().pointSizeF(), 2 * actual);
  EXPECT_GT(header->height(), 3 * headerHeight / 2) << "the header still shows all its lines";
  EXPECT_EQ(rom.sizeHint(), QSize(1200, 900));
}

}  // namespace
}  // namespace tav2
