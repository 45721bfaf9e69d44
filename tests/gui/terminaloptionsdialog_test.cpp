#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "fakehost.h"
#include "gui/common/windowframe.h"
#include "gui/sim/terminaloptionsdialog.h"
#include "guitest.h"

namespace tav2 {
namespace {

using namespace test;

class TerminalOptionsTest : public ::testing::Test {
 protected:
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();
  TerminalOptionsDialog* dialog = nullptr;

  void SetUp() override {
    host->defaults.screen = {0, 410, 710, 250};
    host->OpenScreenWindow();
    host->screen.Services().WriteText("kept");
  }
  void Open() { dialog = host->screenWindow->ShowTerminalOptions(); }
  QSpinBox* UpDown(const char* name) const { return dialog->findChild<QSpinBox*>(name); }
  QCheckBox* Check(const char* name) const { return dialog->findChild<QCheckBox*>(name); }
  QString Field(const char* name) const { return dialog->findChild<QLineEdit*>(name)->text(); }
  void Press(const char* button) { Click(dialog->findChild<QPushButton*>(button)); }
  int CellWidth() const { return host->grid.cellWidth; }
  int CellHeight() const { return host->grid.cellHeight; }
  bool TextKept() const { return host->grid.Cell(0, 0) == 'k'; }
};

TEST_F(TerminalOptionsTest, OpensWithTheGridTheSwitchesAndTheDefaults) {
  host->grid.wantTabs = true;
  Open();
  EXPECT_EQ(dialog->windowTitle(), "TAV Terminal Options");
  EXPECT_EQ(UpDown("LinesUpDown")->value(), host->grid.lines);
  EXPECT_EQ(UpDown("CharsUpDown")->value(), host->grid.chars);
  EXPECT_EQ(UpDown("LinesUpDown")->maximum(), 32);
  EXPECT_EQ(UpDown("CharsUpDown")->maximum(), 128);
  EXPECT_EQ(Field("DefaultlinesEdit"), QString::number(250 / CellHeight() - 3));
  EXPECT_EQ(Field("DefaultcharsEdit"), QString::number(710 / CellWidth() - 2));
  EXPECT_EQ(Field("LinesEdit"), QString::number(host->grid.lines));
  EXPECT_TRUE(Check("Tabcheck")->isChecked());
  EXPECT_TRUE(Check("ScreentoSize")->isChecked());
  EXPECT_FALSE(Check("SizetoScreen")->isChecked());
  EXPECT_EQ(Check("SizetoScreen")->text(), "Set Size according to Layout ");
}

TEST_F(TerminalOptionsTest, TheTwoLayoutSwitchesExcludeEachOther) {
  Open();
  UpDown("LinesUpDown")->setValue(3);
  Click(Check("SizetoScreen"));
  EXPECT_TRUE(Check("SizetoScreen")->isChecked());
  EXPECT_FALSE(Check("ScreentoSize")->isChecked());
  EXPECT_EQ(UpDown("LinesUpDown")->value(), 3);
  Click(Check("ScreentoSize"));
  EXPECT_FALSE(Check("SizetoScreen")->isChecked());
  EXPECT_EQ(Field("LinesEdit"), Field("DefaultlinesEdit"));
  EXPECT_EQ(Field("Charsedit"), Field("DefaultcharsEdit"));
  Click(Check("ScreentoSize"));
  EXPECT_FALSE(Check("ScreentoSize")->isChecked());
  EXPECT_FALSE(Check("SizetoScreen")->isChecked());
}

TEST_F(TerminalOptionsTest, LayoutFromSizeReplacesTheEnteredSize) {
  const int lines = host->grid.lines;
  Open();
  UpDown("LinesUpDown")->setValue(4);
  Click(Check("Tabcheck"));
  Press("OKknop");
  EXPECT_EQ(host->grid.lines, lines);
  EXPECT_TRUE(host->grid.wantTabs);
  EXPECT_TRUE(host->grid.layoutFromSize);
  EXPECT_TRUE(TextKept());
}

// The same size resizes the window only; a new size clears the screen.
TEST_F(TerminalOptionsTest, SizeFromLayoutSizesTheWindowFromTheGrid) {
  for (const bool newSize : {false, true}) {
    Open();
    if (!newSize) Click(Check("SizetoScreen"));
    ASSERT_TRUE(Check("SizetoScreen")->isChecked());  // the second time as left by the first
    UpDown("LinesUpDown")->setValue(newSize ? 5 : host->grid.lines);
    UpDown("CharsUpDown")->setValue(newSize ? 20 : host->grid.chars);
    Press("OKknop");
    EXPECT_TRUE(host->grid.sizeFromLayout);
    EXPECT_FALSE(host->grid.layoutFromSize);
    const WindowBounds bounds = WindowFrame::Bounds(host->screenWindow);
    EXPECT_EQ(bounds.width, (host->grid.chars + 3) * CellWidth());
    EXPECT_EQ(bounds.height, (host->grid.lines + 3) * CellHeight() + 4);
    EXPECT_EQ(TextKept(), !newSize);
  }
  EXPECT_EQ(host->grid.lines, 5);
  EXPECT_EQ(host->grid.chars, 20);
  EXPECT_EQ(host->screenWindow->windowTitle(), "TAV screen 5 x 20");
}

// With neither switch the entered size holds: the text that fits stays,
// and the cursor is kept inside the smaller grid.
TEST_F(TerminalOptionsTest, ANewSizeWithoutASwitchKeepsTheTextThatFits) {
  host->screen.Services().WriteText("\r\r\rlow");
  Open();
  Click(Check("ScreentoSize"));
  UpDown("LinesUpDown")->setValue(2);
  Press("OKknop");
  EXPECT_EQ(host->grid.lines, 2);
  EXPECT_TRUE(TextKept());
  EXPECT_EQ(host->grid.Cell(0, 3), ' ');
  EXPECT_EQ(host->grid.row, 1);
}

TEST_F(TerminalOptionsTest, CancelChangesNothing) {
  const int lines = host->grid.lines;
  Open();
  UpDown("LinesUpDown")->setValue(2);
  Click(Check("SizetoScreen"));
  Click(Check("Tabcheck"));
  Press("Cancelknop");
  EXPECT_EQ(host->grid.lines, lines);
  EXPECT_FALSE(host->grid.wantTabs);
  EXPECT_TRUE(host->grid.layoutFromSize);
  EXPECT_FALSE(host->grid.sizeFromLayout);
}

}  // namespace
}  // namespace tav2
