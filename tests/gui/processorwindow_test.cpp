#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <array>
#include <map>
#include <set>

#include "fakehost.h"
#include "gui/common/windowframe.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

constexpr uint16_t kStart = 0x0100;
const QColor kWhite(0xFF, 0xFF, 0xFF), kGray(0x80, 0x80, 0x80), kSilver(0xC0, 0xC0, 0xC0),
    kGreen(0x00, 0x80, 0x00), kYellow(0xFF, 0xFF, 0x00), kAqua(0x00, 0xFF, 0xFF), kRed(0xFF, 0x00, 0x00),
    kBlack(0, 0, 0), kBlue(0, 0, 0xFF), kLime(0x00, 0xFF, 0x00), kPurple(0x80, 0x00, 0x80);

// ADD R1, 1 twice, then HALT.
const std::vector<uint16_t> kTwoAddsAndHalt = {Word(kAdd, 1, true, false, 0), 1,
                                               Word(kAdd, 1, true, false, 0), 1, 0x6F00};
// ADD R1, 1 / BRA back: runs until stopped.
const std::vector<uint16_t> kEndlessLoop = {Word(kAdd, 1, true, false, 0), 1, Word(kBra, 0, true, false, 0),
                                            0xFFFC};

class ProcessorWindowTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();

  void SetUp() override {
    InstallTestMicroCode(host->machine->mcrom);
    host->machine->startAddress = kStart;
  }
  ProcessorWindow& Open(const std::vector<uint16_t>& program) {
    Place(host->machine->memory, kStart, program);
    return host->OpenProcessor();
  }
  QLineEdit* Edit(const char* name) const { return host->processor->findChild<QLineEdit*>(name); }
  QPushButton* Button(const char* name) const { return host->processor->findChild<QPushButton*>(name); }
  QString Text(const char* name) const { return Edit(name)->text(); }
  QColor Colour(const char* name) const { return Background(Edit(name)); }
  QRect Field(const char* name) const { return Edit(name)->geometry(); }
  // The colour a field is drawn in, under its text.
  QColor Drawn(const char* name) const { return MainColour(Grabbed(host->processor), Field(name)); }
};

// Edges as the window designer counts them: right = left + width.
int RightEdge(const QRect& r) { return r.x() + r.width(); }
int BottomEdge(const QRect& r) { return r.y() + r.height(); }

TEST_F(ProcessorWindowTest, OpensWithTheResetStateShown) {
  host->machine->defaultStackPointer = 0x7FFF;
  Open(kTwoAddsAndHalt);
  EXPECT_EQ(host->processor->windowTitle(), "TAV2 PROCESSOR");
  EXPECT_EQ(Text("PCEdit"), " 0100");
  EXPECT_EQ(Text("SPEdit"), " 7FFF");
  for (const char* name :
       {"R1Edit", "R2Edit", "T1Edit", "AEdit", "BEdit", "CEdit", "IREdit", "MDREdit", "MAREdit"}) {
    EXPECT_EQ(Text(name), " 0000") << name;
  }
  EXPECT_EQ(Colour("Fetchedit"), kRed);
  EXPECT_EQ(Colour("Decoedit"), kBlack);
  EXPECT_EQ(Colour("Execedit"), kBlack);
  EXPECT_EQ(Text("SequenceEdit"), "Fetch");
  EXPECT_EQ(Text("mcedit"),
            "00000100001000000000000100"
            "001011"
            "000000");
  EXPECT_EQ(Text("mctextEdit"), "A:=MAR:=PC;  ALU:=_INC; ");
  EXPECT_EQ(host->processor->findChild<QLabel*>("ALUlabel")->text(), "  -");
  EXPECT_EQ(host->processor->focusWidget(), Button("Resetknop"));
  EXPECT_TRUE(host->log.contains("panel shown"));
  for (const char* name : {"R1Edit", "R2Edit", "SPEdit", "PCEdit"}) EXPECT_EQ(Colour(name), kWhite) << name;
  for (const char* name : {"T1Edit", "AEdit", "BEdit", "CEdit", "MAREdit", "MDREdit", "IREdit", "mcedit"}) {
    EXPECT_EQ(Colour(name), kGray) << name;
  }
}

TEST_F(ProcessorWindowTest, ResetAfterAHaltShowsTheStartingSequenceAgain) {
  McromEntry fetch = host->machine->mcrom.Entry(Mcrom::kFetchSequence);
  fetch.SetName("START");
  host->machine->mcrom.SetEntry(Mcrom::kFetchSequence, fetch);
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  EXPECT_EQ(Text("SequenceEdit"), "START");
  Click(Button("Goknop"));
  ASSERT_TRUE(WaitForGoEnd(window));
  ASSERT_EQ(Text("SequenceEdit"), "HALT");
  Click(Button("Resetknop"));
  EXPECT_EQ(Text("SequenceEdit"), "START");
  EXPECT_EQ(Text("PCEdit"), " 0100");
  EXPECT_EQ(Text("R1Edit"), " 0000");
  EXPECT_EQ(Colour("Fetchedit"), kRed);
  EXPECT_EQ(Colour("Decoedit"), kBlack);
  EXPECT_EQ(Colour("Execedit"), kBlack);
  EXPECT_FALSE(host->machine->halted);
  EXPECT_EQ(window.focusWidget(), Button("Goknop"));
}

TEST_F(ProcessorWindowTest, ButtonsCarryTheirCaptionsAndHintsInBothSizes) {
  const struct {
    const char* name;
    const char* largeCaption;
    const char* smallCaption;
    const char* hint;
  } cases[] = {{"Clockknop", "Clock", "Clk", "Execute clockcycle"},
               {"Resetknop", "Reset", "Rst", "Reset processor "}};
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Button(c.name)->text(), c.largeCaption);
    EXPECT_EQ(Button(c.name)->toolTip(), c.hint);
  }
  window.SetSizeMode(SizeMode::Small);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Button(c.name)->text(), c.smallCaption);
    EXPECT_EQ(Button(c.name)->size(), QSize(32, 25));
  }
}

TEST_F(ProcessorWindowTest, ClockPressShowsTheSourceAndReleaseTheDestinations) {
  Open(kTwoAddsAndHalt);
  Press(Button("Clockknop"));
  EXPECT_EQ(Colour("PCEdit"), kGreen);
  EXPECT_EQ(Colour("R1Edit"), kWhite);
  EXPECT_EQ(Colour("T1Edit"), kWhite);
  EXPECT_EQ(Colour("mcedit"), kSilver);
  Release(Button("Clockknop"));
  EXPECT_EQ(Colour("AEdit"), kYellow);
  EXPECT_EQ(Colour("MAREdit"), kYellow);
  EXPECT_EQ(Colour("PCEdit"), kGreen);
  EXPECT_EQ(Text("AEdit"), " 0100");
  EXPECT_EQ(Text("CEdit"), " 0101");
  EXPECT_EQ(Text("mctextEdit"), "PC:=C; MDR:=MEM;");
  EXPECT_EQ(host->processor->findChild<QLabel*>("ALUlabel")->text(), "_INC");
}

// The held mouse leaving the button and coming back is still one press.
TEST_F(ProcessorWindowTest, DraggingOffTheClockButtonAndBackMakesOneClockCycle) {
  Open(kTwoAddsAndHalt);
  QPushButton* clock = Button("Clockknop");
  Press(clock);
  for (const QPointF point : {QPointF(-50, -50), QPointF(4, 4)}) {
    QMouseEvent move(QEvent::MouseMove, point, clock->mapToGlobal(point), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(clock, &move);
  }
  Release(clock);
  EXPECT_EQ(Text("AEdit"), " 0100");
  EXPECT_EQ(Text("MAREdit"), " 0100");
  EXPECT_EQ(Text("mctextEdit"), "PC:=C; MDR:=MEM;");
}

TEST_F(ProcessorWindowTest, MemoryReadMarksTheViewsAndLoadsMdrInAqua) {
  Open(kTwoAddsAndHalt);
  MemoryView& view = host->OpenMemoryView(0);
  view.ApplySettings({{700, 0, 300, 400}, 0x0100});
  Click(Button("Clockknop"));
  Press(Button("Clockknop"));
  EXPECT_EQ(Colour("CEdit"), kGreen);
  EXPECT_EQ(view.AccessMark(), std::optional<uint16_t>(kStart));
  Release(Button("Clockknop"));
  EXPECT_EQ(Colour("PCEdit"), kYellow);
  EXPECT_EQ(Colour("MDREdit"), kAqua);
  EXPECT_EQ(Text("MDREdit"), QString::asprintf(" %04X", kTwoAddsAndHalt[0]));
  EXPECT_EQ(view.PcMark(), std::optional<uint16_t>(kStart + 1));
  Press(Button("Clockknop"));
  EXPECT_EQ(view.AccessMark(), std::nullopt);
}

TEST_F(ProcessorWindowTest, InstructionRunsToTheNextInstructionEnd) {
  Open(kTwoAddsAndHalt);
  Click(Button("Instructionknop"));
  EXPECT_EQ(Text("PCEdit"), " 0102");
  EXPECT_EQ(Text("R1Edit"), " 0001");
  EXPECT_EQ(Colour("R1Edit"), kWhite);
  EXPECT_EQ(Colour("T1Edit"), kGray);
  EXPECT_EQ(Colour("Fetchedit"), kRed);
  EXPECT_EQ(Text("SequenceEdit"), "Fetch");
  EXPECT_EQ(host->log.last(), "line 0");
}

TEST_F(ProcessorWindowTest, GoRunsToTheHaltInstruction) {
  host->machine->lineMap.Set(kStart + 4, 77);
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  Click(Button("Goknop"));
  EXPECT_TRUE(window.Running());
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_TRUE(host->machine->halted);
  EXPECT_EQ(Text("R1Edit"), " 0002");
  EXPECT_EQ(Text("PCEdit"), " 0105");
  EXPECT_EQ(Text("SequenceEdit"), "HALT");
  EXPECT_EQ(Colour("Execedit"), kBlue);
  EXPECT_EQ(Colour("R1Edit"), kWhite);
  EXPECT_EQ(window.focusWidget(), Button("Resetknop"));
  EXPECT_TRUE(host->log.contains("clear line"));
  EXPECT_EQ(host->log.last(), "line 77");
}

TEST_F(ProcessorWindowTest, GoDimsTheDisplayAndHaltStopsAtAnInstructionEnd) {
  ProcessorWindow& window = Open(kEndlessLoop);
  QString sequence, micro, microText;
  QColor fetch, register1;
  Click(Button("Goknop"));
  DuringGo([&] {
    sequence = Text("SequenceEdit");
    micro = Text("mcedit");
    microText = Text("mctextEdit");
    fetch = Colour("Fetchedit");
    register1 = Colour("R1Edit");
    Click(Button("Haltknop"));
  });
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_EQ(sequence, ">>>>>>>>");
  EXPECT_EQ(micro, "  " + QString("- ").repeated(48));
  EXPECT_EQ(microText, " " + QString("- ").repeated(32));
  EXPECT_EQ(fetch, kLime);
  EXPECT_EQ(register1, kSilver);
  const ProcessorState& state = window.Cpu().State();
  EXPECT_TRUE(state.instructionDone);
  EXPECT_EQ(state.phase, Phase::Fetch);
  EXPECT_TRUE(state[Reg::PC] == kStart || state[Reg::PC] == kStart + 2);
  EXPECT_EQ(Text("SequenceEdit"), "Fetch");
  EXPECT_EQ(window.focusWidget(), Button("Goknop"));

  const uint64_t instructions = state.instructions;
  Click(Button("Goknop"));
  DuringGo([&] { Click(Button("Haltknop")); });
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_GT(state.instructions, instructions);
}

TEST_F(ProcessorWindowTest, ResetDuringGoStopsTheRunAtTheStart) {
  ProcessorWindow& window = Open(kEndlessLoop);
  Click(Button("Goknop"));
  DuringGo([&] { Click(Button("Resetknop")); });
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_EQ(Text("PCEdit"), " 0100");
  EXPECT_EQ(Text("R1Edit"), " 0000");
  EXPECT_FALSE(window.Cpu().Control().GoActive());
}

TEST_F(ProcessorWindowTest, ClosingIsRefusedWhileRunning) {
  ProcessorWindow& window = Open(kEndlessLoop);
  bool closed = true;
  Click(Button("Goknop"));
  DuringGo([&] {
    closed = FakeHost::CloseFrame(&window);
    Click(Button("Haltknop"));
  });
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_FALSE(closed);
  EXPECT_EQ(dialogs.messages, QStringList({"warning: Cannot close while CPU is running: Reset, then close"}));
  EXPECT_NE(host->processor, nullptr);
}

TEST_F(ProcessorWindowTest, ClosingRemembersBoundsAndSizeModeAndReopeningResets) {
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  MemoryView& view = host->OpenMemoryView(0);
  view.ApplySettings({{700, 0, 300, 400}, 0x0100});
  ASSERT_EQ(view.PcMark(), std::optional<uint16_t>(kStart));
  Click(Button("Instructionknop"));
  window.SetSizeMode(SizeMode::Small);
  WindowFrame::Place(&window, {20, 30, 260, 330});
  ASSERT_TRUE(FakeHost::CloseFrame(&window));
  EXPECT_EQ(host->processor, nullptr);
  EXPECT_EQ(host->defaults.processor, (ProcessorWindowSettings{{20, 30, 260, 330}, SizeMode::Small}));
  EXPECT_EQ(view.PcMark(), std::nullopt);
  EXPECT_EQ(host->log.mid(host->log.size() - 2), QStringList({"panel hidden", "processor closed"}));

  ProcessorWindow& second = host->OpenProcessor();
  EXPECT_EQ(second.CurrentSizeMode(), SizeMode::Small);
  EXPECT_EQ(WindowFrame::Bounds(&second), (WindowBounds{20, 30, 260, 330}));
  EXPECT_EQ(Text("PCEdit"), " 0100");
  EXPECT_FALSE(second.findChild<QLineEdit*>("mcedit")->isVisible());
}

TEST_F(ProcessorWindowTest, PopupSwitchesTheLayout) {
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  QMenu* popup = window.PopupMenu();
  ASSERT_EQ(popup->actions().size(), 2);
  EXPECT_EQ(popup->actions()[0]->text(), "Size: 300*400");
  EXPECT_EQ(popup->actions()[1]->text(), "Size: 200 * 300");
  popup->actions()[1]->trigger();
  EXPECT_EQ(window.CurrentSizeMode(), SizeMode::Small);
  EXPECT_EQ(window.parentWidget()->size(), QSize(250, 324));
  for (const char* name : {"Label12", "Label15", "mcedit"}) {
    EXPECT_FALSE(window.findChild<QWidget*>(name)->isVisible()) << name;
  }
  EXPECT_EQ(Edit("T1Edit")->width(), 43);  // two columns of narrow fields
  popup->actions()[0]->trigger();
  EXPECT_EQ(window.parentWidget()->size(), QSize(357, 424));
  EXPECT_TRUE(window.findChild<QWidget*>("mcedit")->isVisible());
}

TEST_F(ProcessorWindowTest, UnknownOpcodeHaltsWithAMessage) {
  ProcessorWindow& window = Open({0x0000});
  Click(Button("Goknop"));
  ASSERT_TRUE(WaitForGoEnd(window));
  EXPECT_EQ(dialogs.messages, QStringList({"error: Unknown operation 0X00:Processor halted"}));
  Click(Button("Goknop"));
  EXPECT_FALSE(window.Running());
}

TEST_F(ProcessorWindowTest, DrawsThePurpleAluAndBlackBusesInBothSizes) {
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  for (SizeMode mode : {SizeMode::Big, SizeMode::Small}) {
    window.SetSizeMode(mode);
    const QImage image = window.grab().toImage();
    const QRect c = Edit("CEdit")->geometry();
    EXPECT_EQ(QColor(image.pixel(c.left() + 2, c.top() - 4)), kPurple);
    const QLine bus = window.Datapath().BusLines().front();
    EXPECT_EQ(QColor(image.pixel(bus.x1(), (bus.y1() + bus.y2()) / 2)), kBlack);
  }
}

enum class Side { Left, Right };

struct Branch {
  const char* field;
  Side side;  // where its line to the bus leaves the field
};

struct BranchCase {
  SizeMode mode;
  std::vector<Branch> branches;
};

// Three pixels beside a field, all along its height.
QRect Beside(const QRect& field, Side side) {
  const int x = side == Side::Left ? field.left() - 3 : RightEdge(field);
  return {x, field.top(), 3, field.height()};
}

// MAR and MDR also reach the memory side at the window's right edge.
TEST_F(ProcessorWindowTest, EveryRegisterFieldIsJoinedToItsBus) {
  const BranchCase cases[] = {
      {SizeMode::Big,
       {{"IREdit", Side::Right},
        {"PCEdit", Side::Right},
        {"SPEdit", Side::Right},
        {"T1Edit", Side::Right},
        {"R2Edit", Side::Right},
        {"R1Edit", Side::Right},
        {"MAREdit", Side::Left},
        {"MAREdit", Side::Right},
        {"MDREdit", Side::Left},
        {"MDREdit", Side::Right},
        {"AEdit", Side::Left},
        {"CEdit", Side::Left}}},
      {SizeMode::Small,
       {{"T1Edit", Side::Left},
        {"IREdit", Side::Left},
        {"PCEdit", Side::Left},
        {"SPEdit", Side::Left},
        {"AEdit", Side::Left},
        {"MDREdit", Side::Left},
        {"MAREdit", Side::Left},
        {"R2Edit", Side::Left},
        {"R1Edit", Side::Left},
        {"BEdit", Side::Left},
        {"MDREdit", Side::Right},
        {"MAREdit", Side::Right},
        {"CEdit", Side::Left}}},
  };
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  for (const BranchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "size mode " << static_cast<int>(c.mode));
    window.SetSizeMode(c.mode);
    const QImage image = Grabbed(&window);
    for (const Branch& branch : c.branches) {
      EXPECT_TRUE(HasColour(image, Beside(Field(branch.field), branch.side), kBlack))
          << branch.field << (branch.side == Side::Left ? " left" : " right") << " in mode "
          << static_cast<int>(c.mode);
    }
  }
}

// A bus crosses the gap between two fields of a column at its place: in
// the large layout 15 pixels right of the columns of IR and T1, in the
// small one 10 pixels left of the left column and 9 left of the right one.
struct BusCase {
  SizeMode mode;
  const char* column;  // the field the bus keeps its distance from
  int offset;          // from the field's right edge (> 0) or left edge (< 0)
  std::vector<std::pair<const char*, const char*>> gaps;  // fields above and below
};

TEST_F(ProcessorWindowTest, BusesRunAtTheirPlaceBesideTheColumns) {
  const BusCase cases[] = {
      {SizeMode::Big, "IREdit", 15, {{"IREdit", "PCEdit"}, {"PCEdit", "SPEdit"}}},
      {SizeMode::Big, "T1Edit", 15, {{"T1Edit", "R2Edit"}, {"R2Edit", "R1Edit"}}},
      {SizeMode::Small,
       "T1Edit",
       -10,
       {{"T1Edit", "IREdit"}, {"IREdit", "PCEdit"}, {"PCEdit", "SPEdit"}, {"SPEdit", "AEdit"}}},
      {SizeMode::Small,
       "MDREdit",
       -9,
       {{"MDREdit", "MAREdit"}, {"MAREdit", "R2Edit"}, {"R2Edit", "R1Edit"}, {"R1Edit", "BEdit"}}},
  };
  ProcessorWindow& window = Open(kTwoAddsAndHalt);
  for (const BusCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.column << " in size mode " << static_cast<int>(c.mode));
    window.SetSizeMode(c.mode);
    const QImage image = Grabbed(&window);
    const QRect column = Field(c.column);
    const int x = c.offset > 0 ? RightEdge(column) + c.offset : column.left() + c.offset;
    for (const auto& [above, below] : c.gaps) {
      const int y = (BottomEdge(Field(above)) + Field(below).top()) / 2;
      EXPECT_TRUE(HasColour(image, QRect(x - 1, y, 3, 1), kBlack)) << "between " << above << " and " << below;
    }
  }
}

// INC (R2): fetch, indirect operand, execute, write back.
const std::vector<uint16_t> kIncIndirect = {Word(kInc, 0, false, true, 2), 0x6F00};

struct ClockColourCase {
  int clock;     // 1-based
  bool pressed;  // the read half (press) or the write half (release)
  const char* field;
  QColor colour;
};

constexpr bool kPress = true, kRelease = false;

// Each half of a clock draws the fields it uses in their colour; MDR is
// blue while it sends a word to memory and aqua when it takes one.
TEST_F(ProcessorWindowTest, ClockHalvesDrawTheFieldsTheyUseInTheirColours) {
  // clang-format off
  const ClockColourCase cases[] = {
      {1, kPress, "PCEdit", kGreen},
      {1, kRelease, "AEdit", kYellow},
      {1, kRelease, "MAREdit", kYellow},
      {2, kRelease, "MDREdit", kAqua},
      {5, kRelease, "MDREdit", kAqua},
      {9, kPress, "T1Edit", kGreen},
      {9, kRelease, "MDREdit", kYellow},
      {10, kPress, "MDREdit", kBlue},
  };
  // clang-format on
  Open(kIncIndirect);
  QPushButton* clock = Button("Clockknop");
  int clocks = 0;
  for (const ClockColourCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " at clock " << c.clock);
    while (clocks < c.clock) {
      Press(clock);
      ++clocks;
      if (clocks < c.clock || !c.pressed) Release(clock);
    }
    EXPECT_EQ(Drawn(c.field), c.colour)
        << c.field << " at clock " << c.clock << (c.pressed ? " pressed" : "");
    if (c.pressed) Release(clock);
  }
  EXPECT_EQ(host->machine->memory.Read(0), 1) << "INC (R2) wrote memory";
}

// F red in fetch; F red and D yellow while an operand is fetched; E blue in
// execute and write back.
TEST_F(ProcessorWindowTest, PhaseIndicatorsAreDrawnInThePhaseColours) {
  const std::map<Phase, std::array<QColor, 3>> colours = {
      {Phase::Fetch, {kRed, kBlack, kBlack}},      {Phase::Immediate, {kRed, kYellow, kBlack}},
      {Phase::Indirect, {kRed, kYellow, kBlack}},  {Phase::Execute, {kBlack, kBlack, kBlue}},
      {Phase::WriteBack, {kBlack, kBlack, kBlue}},
  };
  ProcessorWindow& window = Open({Word(kAdd, 1, true, false, 0), 1, Word(kInc, 0, false, true, 2), 0x6F00});
  std::set<Phase> seen;
  while (window.Cpu().State().instructions < 2) {
    Click(Button("Clockknop"));
    const Phase phase = window.Cpu().State().phase;
    ASSERT_TRUE(colours.contains(phase));
    seen.insert(phase);
    const std::array<QColor, 3>& expected = colours.at(phase);
    const std::array<QColor, 3> drawn = {Drawn("Fetchedit"), Drawn("Decoedit"), Drawn("Execedit")};
    EXPECT_EQ(drawn, expected) << "phase " << static_cast<int>(phase);
  }
  EXPECT_EQ(seen.size(), colours.size()) << "every phase was stepped through";
}

}  // namespace
}  // namespace tav2
