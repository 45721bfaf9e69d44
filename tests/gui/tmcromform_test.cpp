#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "fakehost.h"
#include "simsupport.h"

namespace tav2 {
namespace {

using namespace test;

class RomViewTest : public ::testing::Test {
 protected:
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();

  QString Pane(const char* name) const { return host->romView->findChild<QPlainTextEdit*>(name)->toPlainText(); }
  void InstallIncAndNop() {
    Mcrom& rom = host->machine->mcrom;
    rom.SetEntry(0x60, Entry("NOP", 0x60, 0, {}));
    rom.SetEntry(0x11, Entry("INC", 0x11, 1, {Mi({wr::A}, 11, {kOp2Read}), Mi({rd::C}, 0, {kOp2Write})}));
  }
};

// An empty ROM leaves the listing empty; the listing has the focus.
TEST_F(RomViewTest, HeadersStandAboveAndBelowTheListing) {
  const TMCROMform& view = host->OpenRomView();
  EXPECT_EQ(view.windowTitle(), "Microcode ROM - Sequence contents");
  EXPECT_EQ(Pane("MCtext"), "");
  ASSERT_NE(view.focusWidget(), nullptr);
  EXPECT_EQ(view.focusWidget()->objectName(), "MCtext");
  EXPECT_EQ(Pane("Uptext"),
            "R1  A.  C.  IR  T1  DRu MEM    SR  op2\n"
            "  R2  B.  PC  SP  DRi MAR ALU..  op1  \n"
            "RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW ");
  EXPECT_EQ(Pane("Undertext"),
            "RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW \n"
            "R1  A.  C.  IR  T1  DRu MEM     SR  op2\n"
            "  R2  B.  PC  SP  DRi MAR ALU...  op1  ");
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

TEST_F(RomViewTest, IsASnapshotOfTheRomWhenOpened) {
  InstallIncAndNop();
  host->OpenRomView();
  const QString before = Pane("MCtext");
  host->machine->mcrom.SetEntry(0x61, Entry("RTS", 0x61, 0, {}));
  EXPECT_EQ(Pane("MCtext"), before);
}

TEST_F(RomViewTest, ClosingTellsTheHost) {
  TMCROMform& view = host->OpenRomView();
  ASSERT_TRUE(FakeHost::CloseFrame(&view));
  EXPECT_EQ(host->log, QStringList({"rom closed"}));
  EXPECT_EQ(host->romView, nullptr);
}

}  // namespace
}  // namespace tav2
