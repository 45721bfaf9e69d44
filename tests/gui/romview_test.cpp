#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "fakehost.h"
#include "gui/common/windowframe.h"
#include "guitest.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

class RomViewTest : public ::testing::Test {
 protected:
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();

  QPlainTextEdit* PaneEdit(const char* name) const { return host->romView->findChild<QPlainTextEdit*>(name); }
  QString Pane(const char* name) const { return PaneEdit(name)->toPlainText(); }
  // The pane's lines without trailing blanks.
  QStringList Lines(const char* name) const {
    QStringList lines = Pane(name).split('\n');
    for (QString& line : lines) {
      while (line.endsWith(' ')) line.chop(1);
    }
    return lines;
  }
  // Where a character of a pane is drawn, across the view.
  int CharacterX(const char* name, int line, int column) const {
    const QPlainTextEdit* pane = PaneEdit(name);
    QTextCursor cursor(pane->document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    return pane->viewport()->mapTo(host->romView, pane->cursorRect(cursor).topLeft()).x();
  }
  void InstallIncAndNop() {
    Mcrom& rom = host->machine->mcrom;
    rom.SetEntry(0x60, Entry("NOP", 0x60, 0, {}));
    rom.SetEntry(0x11, Entry("INC", 0x11, 1, {Mi({wr::A}, 11, {kOp2Read}), Mi({rd::C}, 0, {kOp2Write})}));
  }
};

// An empty ROM leaves the listing empty; the listing has the focus.
// The headers are padded with blanks on the right (they scroll sideways as
// far as the listing).
TEST_F(RomViewTest, HeadersStandAboveAndBelowTheListing) {
  const RomView& view = host->OpenRomView();
  EXPECT_EQ(view.windowTitle(), "Microcode ROM - Sequence contents");
  EXPECT_EQ(Pane("MCtext"), "");
  ASSERT_NE(view.focusWidget(), nullptr);
  EXPECT_EQ(view.focusWidget()->objectName(), "MCtext");
  EXPECT_EQ(Lines("Uptext"),
            QStringList({"R1  A.  C.  IR  T1  DRu MEM    SR  op2", "  R2  B.  PC  SP  DRi MAR ALU..  op1",
                         "RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW"}));
  EXPECT_EQ(Lines("Undertext"),
            QStringList({"RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW", "R1  A.  C.  IR  T1  DRu MEM     SR  op2",
                         "  R2  B.  PC  SP  DRi MAR ALU...  op1"}));
}

TEST_F(RomViewTest, ListsNamedEntriesWithOperandsShown) {
  InstallIncAndNop();
  host->OpenRomView();
  EXPECT_EQ(Pane("MCtext"),
            "naam: INC\n"
            "operanden: 1\n"
            "opcode: 0x11\n"
            "00000100000000000000000000001011000010 => A:=op2;  ALU:=_INC; \n"
            "00000000100000000000000000000000000001 => op2:=C; \n"
            "naam: NOP\n"
            "operanden: 0\n"
            "opcode: 0x60");
}

// Scrolled sideways, by the listing or by a header, the header letters stay
// over their binary digits, up to the far end.
TEST_F(RomViewTest, HeadersScrollSidewaysWithTheListing) {
  InstallIncAndNop();
  RomView& view = host->OpenRomView();
  WindowFrame::Resize(&view, 200, 300);
  QScrollBar* bar = PaneEdit("MCtext")->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  constexpr int kBinaryLine = 3;  // the first micro-instruction of INC
  const auto aligned = [&](int column) {
    const int digit = CharacterX("MCtext", kBinaryLine, column);
    return CharacterX("Uptext", 2, column) == digit && CharacterX("Undertext", 0, column) == digit;
  };
  EXPECT_TRUE(aligned(0));
  std::vector<int> positions;
  while (bar->value() < bar->maximum() && positions.size() < 100) {
    Wheel(PaneEdit("MCtext")->viewport(), QPoint(-120, 0));
    positions.push_back(bar->value());
    for (int column : {0, 20, 37})
      EXPECT_TRUE(aligned(column)) << "at " << bar->value() << ", column " << column;
  }
  ASSERT_GT(positions.size(), 1u);
  EXPECT_EQ(positions.back(), bar->maximum());
  EXPECT_LT(CharacterX("MCtext", kBinaryLine, 0), 0) << "the first digits scrolled out of sight";

  Wheel(PaneEdit("Undertext")->viewport(), QPoint(120, 0));
  EXPECT_LT(bar->value(), bar->maximum()) << "a header moves the listing too";
  EXPECT_TRUE(aligned(30));
  WindowFrame::Resize(&view, 600, 300);
  EXPECT_TRUE(aligned(30));
}

TEST_F(RomViewTest, IsASnapshotOfTheRomWhenOpened) {
  InstallIncAndNop();
  host->OpenRomView();
  const QString before = Pane("MCtext");
  host->machine->mcrom.SetEntry(0x61, Entry("RTS", 0x61, 0, {}));
  EXPECT_EQ(Pane("MCtext"), before);
}

TEST_F(RomViewTest, ClosingTellsTheHost) {
  RomView& view = host->OpenRomView();
  ASSERT_TRUE(FakeHost::CloseFrame(&view));
  EXPECT_EQ(host->log, QStringList({"rom closed"}));
  EXPECT_EQ(host->romView, nullptr);
}

}  // namespace
}  // namespace tav2
