#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "fakehost.h"
#include "gui/sim/memoryviewoptionsdialog.h"
#include "gui/common/updown.h"
#include "gui/common/windowframe.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;
using Column = MemoryView::Column;

class MemoryViewTest : public ::testing::Test {
 protected:
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();

  void SetUp() override { InstallTestMicroCode(host->machine->mcrom); }
  MemoryView& View(uint16_t pageBase) {
    host->defaults.memoryViews[0] = {{600, 0, 400, 500}, pageBase};
    return host->OpenMemoryView(0);
  }
  MainMemory& Memory() { return host->machine->memory; }
};

struct ColumnCase {
  MemoryView::Switches switches;
  int decimal, ascii, binary, disassembly;
};

TEST(MemoryViewColumns, EachShownColumnStartsWhereTheOneBeforeEnds) {
  const ColumnCase cases[] = {
      {{}, 90, 140, 155, 265},
      {{.hex = false}, 45, 95, 110, 220},
      {{.hex = false, .decimal = false}, 45, 45, 60, 170},
      {{.ascii = false, .binary = false}, 90, 140, 140, 140},
      {{.hex = false, .decimal = false, .ascii = false, .binary = false}, 45, 45, 45, 45},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "columns after " << c.decimal);
    EXPECT_EQ(MemoryView::ColumnX(Column::Address, c.switches), 10);
    EXPECT_EQ(MemoryView::ColumnX(Column::Hex, c.switches), 45);
    EXPECT_EQ(MemoryView::ColumnX(Column::Decimal, c.switches), c.decimal);
    EXPECT_EQ(MemoryView::ColumnX(Column::Ascii, c.switches), c.ascii);
    EXPECT_EQ(MemoryView::ColumnX(Column::Binary, c.switches), c.binary);
    EXPECT_EQ(MemoryView::ColumnX(Column::Disassembly, c.switches), c.disassembly);
  }
}

TEST_F(MemoryViewTest, SecondWordOfAnInstructionGetsNoDisassembly) {
  Place(Memory(), 0x0010, {Word(kAdd, 1, true, false, 0), 0x0005, Word(kInc, 0, false, false, 2)});
  MemoryView& view = View(0x0000);
  view.grab();
  EXPECT_EQ(view.DisassemblyShown(0x0010), "ADD R1, 0005");
  EXPECT_EQ(view.DisassemblyShown(0x0011), "");
  EXPECT_EQ(view.DisassemblyShown(0x0012), "INC R2");
  EXPECT_EQ(view.DisassemblyShown(0x0013), "-");
}

// A page ending in the first word of a two-word instruction must not move
// the disassembly of the next painting, of this view or another.
TEST_F(MemoryViewTest, RepaintingKeepsTheDisassemblyInPlace) {
  Place(Memory(), 0x00FF, {Word(kAdd, 1, true, false, 0), 0x0005});
  Place(Memory(), 0x0000, {Word(kInc, 0, false, false, 2)});
  MemoryView& view = View(0x0000);
  for (int painting = 0; painting < 3; ++painting) {
    view.grab();
    EXPECT_EQ(view.DisassemblyShown(0x0000), "INC R2") << painting;
    EXPECT_EQ(view.DisassemblyShown(0x00FF), "ADD R1, 0005") << painting;
  }
}

TEST_F(MemoryViewTest, ClearThisPageZeroesOnlyItsPage) {
  for (int a = 0x02FF; a <= 0x0400; ++a) Memory().Write(static_cast<uint16_t>(a), 0x1234);
  MemoryView& view = View(0x0300);
  view.findChild<QAction*>("Clearthispage1")->trigger();
  EXPECT_EQ(Memory().Read(0x02FF), 0x1234);
  EXPECT_EQ(Memory().Read(0x0300), 0);
  EXPECT_EQ(Memory().Read(0x03FF), 0);
  EXPECT_EQ(Memory().Read(0x0400), 0x1234);
}

TEST_F(MemoryViewTest, PcMarkOffThePageOrSwitchedOffIsNotDrawn) {
  MemoryView& view = View(0x0100);
  view.MarkPc(0x0105);
  EXPECT_EQ(view.PcMark(), std::optional<uint16_t>(0x0105));
  view.MarkPc(0x00FF);
  EXPECT_EQ(view.PcMark(), std::nullopt);
  view.Configure(0x0100, {.pcMark = false});
  view.MarkPc(0x0105);
  EXPECT_EQ(view.PcMark(), std::nullopt);
}

// The mark stands left of the address column, on its row only, and moves
// with the PC.
TEST_F(MemoryViewTest, PcMarkIsDrawnLeftOfItsRow) {
  const QColor navy(0x00, 0x00, 0x80);
  MemoryView& view = View(0x0100);
  const auto marked = [&view, &navy](const QImage& image, uint16_t address) {
    const QRect left(0, view.RowTop(address), MemoryView::ColumnX(Column::Address, {}), view.RowHeight());
    return HasColour(image, left, navy);
  };
  const auto markedRows = [&] {
    const QImage image = Grabbed(view.viewport());
    QList<uint16_t> rows;
    for (uint16_t address = 0x0100; address < 0x0110; ++address) {
      if (marked(image, address)) rows << address;
    }
    return rows;
  };
  EXPECT_EQ(markedRows(), QList<uint16_t>());
  view.MarkPc(0x0105);
  EXPECT_EQ(markedRows(), QList<uint16_t>({0x0105}));
  view.MarkPc(0x0108);
  EXPECT_EQ(markedRows(), QList<uint16_t>({0x0108}));
  view.RemovePcMark();
  EXPECT_EQ(markedRows(), QList<uint16_t>());
}

TEST_F(MemoryViewTest, AccessMarkShowsTheRowOnBlue) {
  MemoryView& view = View(0x0100);
  view.MarkAccess(0x0102);
  view.MarkAccess(0x0205);
  EXPECT_EQ(view.AccessMark(), std::optional<uint16_t>(0x0102));
  // The top left corner of the hex text, where no glyph reaches.
  const QPoint corner(MemoryView::ColumnX(Column::Hex, {}) + 1, view.RowTop(0x0102) + 1);
  EXPECT_EQ(QColor(view.viewport()->grab().toImage().pixel(corner)), QColor(0, 0, 0xFF));
  view.RemoveAccessMark();
  EXPECT_EQ(QColor(view.viewport()->grab().toImage().pixel(corner)), QColor(0xEB, 0xEB, 0xEB));
}

TEST_F(MemoryViewTest, ScrollIntoViewBringsTheRowOnScreen) {
  MemoryView& view = View(0x0000);
  view.ScrollIntoView(0x00C0);
  const int top = view.RowTop(0x00C0);
  EXPECT_GE(top, 0);
  EXPECT_LE(top + view.RowHeight(), view.viewport()->height());
  view.ScrollIntoView(0x0010);
  EXPECT_EQ(view.verticalScrollBar()->value(), (0x10 - 2) * view.RowHeight());
}

// ... and only while the view is shown.
TEST_F(MemoryViewTest, WrittenWordsAreHandledOnceTheEventLoopRuns) {
  MemoryView& view = View(0x0000);
  view.WordWritten(0x00F0);
  view.WordWritten(0x00F1);
  EXPECT_EQ(view.verticalScrollBar()->value(), 0);
  ProcessEvents();
  EXPECT_GT(view.verticalScrollBar()->value(), 0);
  EXPECT_GE(view.RowTop(0x00F1), 0);
  view.verticalScrollBar()->setValue(0);
  view.parentWidget()->hide();
  view.WordWritten(0x00F0);
  ProcessEvents();
  EXPECT_EQ(view.verticalScrollBar()->value(), 0);
}

// What a student reads in the view: the branch's target by its label, and
// the label in front of the row that carries it.
TEST_F(MemoryViewTest, DisassemblyNamesLabelsAndBranchTargets) {
  Place(Memory(), 0x0012, {Word(kAdd, 1, false, false, 2)});
  Place(Memory(), 0x0014, {Word(kBeq, 0, true, false, 0), 0xFFFC});
  MemoryView& view = View(0x0000);
  view.grab();
  EXPECT_EQ(view.DisassemblyShown(0x0014), "BEQ 0012");
  host->machine->labels.Add(0x0012, "loop");
  view.PaintPage();
  view.grab();
  EXPECT_EQ(view.DisassemblyShown(0x0012), "loop: ADD R1, R2");
  EXPECT_EQ(view.DisassemblyShown(0x0014), "BEQ loop");
}

class MemoryNavigationTest : public MemoryViewTest {
 protected:
  ScriptedDialogs dialogs;

  // The row is the first one in view.
  static bool AtTop(const MemoryView& view, uint16_t address) {
    return view.OnPage(address) && view.RowTop(address) == MemoryView::kTopMargin;
  }
};

TEST_F(MemoryNavigationTest, GoToAddressTakesAHexAddressOrALabel) {
  host->machine->labels.Add(0x1234, "table");
  MemoryView& view = View(0x0000);
  dialogs.texts = {"4a0", "TABLE", "nowhere"};
  view.findChild<QAction*>("GoToAddress1")->trigger();
  EXPECT_EQ(view.PageBase(), 0x0400);
  EXPECT_EQ(view.windowTitle(), "Memory page 4");
  EXPECT_TRUE(AtTop(view, 0x04A0));
  EXPECT_EQ(view.ShownAddress(), std::optional<uint16_t>(0x04A0));
  QTest::keyClick(&view, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(view.PageBase(), 0x1200);
  EXPECT_TRUE(AtTop(view, 0x1234));
  view.findChild<QAction*>("GoToAddress1")->trigger();
  EXPECT_EQ(view.PageBase(), 0x1200) << "an unknown label leaves the view where it is";
  EXPECT_EQ(dialogs.messages.last(),
            "error: \"nowhere\" is no hexadecimal address and no label of the loaded program");
  view.findChild<QAction*>("GoToAddress1")->trigger();
  EXPECT_EQ(dialogs.messages.last(), "text: Go to address: Address or label: []")
      << "cancelled: nothing happens";
  EXPECT_EQ(view.PageBase(), 0x1200);
}

// The row found is framed in blue across the view.
TEST_F(MemoryNavigationTest, TheRowGoneToIsFramed) {
  MemoryView& view = View(0x0000);
  view.ShowAddress(0x0030);
  const QImage image = Grabbed(view.viewport());
  const int middle = view.viewport()->width() / 2;
  EXPECT_EQ(QColor(image.pixel(middle, view.RowTop(0x0030))), QColor(0, 0, 0xFF));
  EXPECT_NE(QColor(image.pixel(middle, view.RowTop(0x0031) + view.RowHeight() / 2)), QColor(0, 0, 0xFF));
}

TEST_F(MemoryNavigationTest, FindValueLooksForAWordOrATextAfterTheRowShown) {
  Place(Memory(), 0x0300, {'H', 'i', 0});
  Place(Memory(), 0x0900, {'H', 'i', 0});
  Memory().Write(0x2000, 0xBEEF);
  MemoryView& view = View(0x0000);
  dialogs.texts = {"\"Hi\"", "Hi", "beef", "Hi", "Nothing here"};
  QAction* find = view.findChild<QAction*>("FindValue1");
  find->trigger();
  EXPECT_TRUE(AtTop(view, 0x0300));
  find->trigger();
  EXPECT_TRUE(AtTop(view, 0x0900)) << "the search goes on after the row found";
  find->trigger();
  EXPECT_TRUE(AtTop(view, 0x2000));
  find->trigger();
  EXPECT_TRUE(AtTop(view, 0x0300)) << "round the end of memory";
  find->trigger();
  EXPECT_EQ(dialogs.messages.last(), "error: \"Nothing here\" not found in memory");
  EXPECT_TRUE(AtTop(view, 0x0300));
}

TEST_F(MemoryNavigationTest, FollowPcTurnsThePageAndKeepsThePcRowInView) {
  MemoryView& view = View(0x0000);
  view.MarkPc(0x05F0);
  EXPECT_EQ(view.PageBase(), 0x0000) << "without following, the page stays";
  view.findChild<QAction*>("FollowPc1")->trigger();
  EXPECT_TRUE(view.FollowsPc());
  view.MarkPc(0x05F0);
  EXPECT_EQ(view.PageBase(), 0x0500);
  EXPECT_EQ(view.PcMark(), std::optional<uint16_t>(0x05F0));
  const int top = view.RowTop(0x05F0);
  EXPECT_GE(top, 0);
  EXPECT_LE(top + view.RowHeight(), view.viewport()->height());
  view.MarkPc(0x0502);
  EXPECT_GE(view.RowTop(0x0502), 0);
  view.findChild<QAction*>("FollowPc1")->trigger();
  EXPECT_FALSE(view.FollowsPc());
  view.MarkPc(0x0700);
  EXPECT_EQ(view.PageBase(), 0x0500);
}

TEST_F(MemoryViewTest, ClosingStoresBoundsAndPageForTheNextViewInTheSlot) {
  MemoryView& view = View(0x0700);
  WindowFrame::Place(&view, {100, 110, 320, 330});
  ASSERT_TRUE(FakeHost::CloseFrame(&view));
  EXPECT_EQ(host->log, QStringList({"view 0 closed"}));
  EXPECT_EQ(host->defaults.memoryViews[0], (MemoryViewSettings{{100, 110, 320, 330}, 0x0700}));
  MemoryView& again = host->OpenMemoryView(0);
  EXPECT_EQ(again.PageBase(), 0x0700);
  EXPECT_EQ(WindowFrame::Bounds(&again), (WindowBounds{100, 110, 320, 330}));
}

class MemoryOptionsTest : public MemoryViewTest {
 protected:
  MemoryViewOptionsDialog* dialog = nullptr;
  QLineEdit* pageEdit = nullptr;
  UpDown* pageUpDown = nullptr;

  void Open(uint16_t pageBase) {
    dialog = View(pageBase).ShowOptions();
    pageEdit = dialog->findChild<QLineEdit*>("PageEdit");
    pageUpDown = dialog->findChild<UpDown*>("PageUpDown");
  }
  // The page field's whole text replaced at once, as by pasting.
  void EnterPage(const QString& text) {
    pageEdit->selectAll();
    pageEdit->insert(text);
  }
  void TypePage(const QString& text) {
    pageEdit->selectAll();
    TypeText(pageEdit, text);
  }
  QCheckBox* Check(const char* name) const { return dialog->findChild<QCheckBox*>(name); }
  void Ok() { Click(dialog->findChild<QPushButton*>("OKknop")); }
};

TEST_F(MemoryOptionsTest, OpensWithThePageAndTheSwitches) {
  Open(0x0A00);
  EXPECT_EQ(dialog->windowTitle(), "Memory Options");
  EXPECT_EQ(pageEdit->text(), "0A");
  EXPECT_EQ(pageUpDown->Position(), 10);
  for (const char* name : {"CheckHex", "CheckDec", "CheckASC", "CheckBin", "CheckDisasm", "PCmark"}) {
    EXPECT_TRUE(Check(name)->isChecked()) << name;
  }
}

struct PageCase {
  const char* typed;
  int position;
};

TEST_F(MemoryOptionsTest, PagesFromOneToFfMoveTheSpinner) {
  const PageCase cases[] = {{"1F", 0x1F},
                            {"00", 0x05},
                            {"ff", 0xFF},
                            {"100", 0x05},
                            {"zz", 0x05},
                            {"01", 0x01},
                            {"0000000000000000A0", 0xA0},
                            {"0000000000000000A01", 0xA0}};
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Open(0x0500);
    EnterPage(c.typed);
    EXPECT_EQ(pageUpDown->Position(), c.position);
  }
}

// OK with a zero typed shows the spinner's page.
TEST_F(MemoryOptionsTest, EachKeystrokeInThePageFieldCounts) {
  Open(0x0500);
  TypePage("10");
  EXPECT_EQ(pageUpDown->Position(), 0x10);
  TypePage("100");
  EXPECT_EQ(pageUpDown->Position(), 0x10);
  TypePage("00");
  EXPECT_EQ(pageUpDown->Position(), 0x10);
  Ok();
  EXPECT_EQ(host->views[0]->PageBase(), 0x1000);
}

// The field follows the spinner's release and the spinner does not wrap.
TEST_F(MemoryOptionsTest, SpinnerReleaseWritesThePageField) {
  Open(0x0500);
  Press(pageUpDown->UpButton());
  EXPECT_EQ(pageEdit->text(), "05");
  Release(pageUpDown->UpButton());
  EXPECT_EQ(pageEdit->text(), "06");
  Click(pageUpDown->DownButton());
  Click(pageUpDown->DownButton());
  EXPECT_EQ(pageEdit->text(), "04");
  Open(0xFF00);
  Click(pageUpDown->UpButton());
  EXPECT_EQ(pageEdit->text(), "FF");
}

TEST_F(MemoryOptionsTest, OkAppliesPageAndSwitches) {
  Open(0x0000);
  TypePage("2A");
  Check("CheckHex")->setChecked(false);
  Check("CheckBin")->setChecked(false);
  Ok();
  const MemoryView& view = *host->views[0];
  EXPECT_EQ(view.PageBase(), 0x2A00);
  EXPECT_EQ(view.ColumnSwitches(), (MemoryView::Switches{.hex = false, .binary = false}));
  EXPECT_EQ(view.windowTitle(), "Memory page 2A");
}

TEST_F(MemoryOptionsTest, CancelChangesNothing) {
  Open(0x0300);
  TypePage("44");
  Check("CheckDec")->setChecked(false);
  Click(dialog->findChild<QPushButton*>("Cancelknop"));
  EXPECT_EQ(host->views[0]->PageBase(), 0x0300);
  EXPECT_EQ(host->views[0]->ColumnSwitches(), MemoryView::Switches{});
}

TEST_F(MemoryOptionsTest, PcMarkerFollowsTheProcessorOrGoesAway) {
  host->machine->startAddress = 0x0304;
  host->OpenProcessor();
  Open(0x0000);
  EXPECT_EQ(host->views[0]->PcMark(), std::nullopt);
  TypePage("03");
  Ok();
  EXPECT_EQ(host->views[0]->PcMark(), std::optional<uint16_t>(0x0304));
  Open(0x0300);
  Check("PCmark")->setChecked(false);
  Ok();
  EXPECT_EQ(host->views[0]->PcMark(), std::nullopt);
}

}  // namespace
}  // namespace tav2
