// The debugger in the workbench: the status line, stepping back, animated
// runs, watches, step over, run to cursor, edits of registers and memory,
// and the Run menu's shortcuts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "gui/sim/memoryview.h"
#include "gui/sim/processorwindow.h"
#include "gui/sim/screenterminal.h"
#include "gui/sim/screenwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

using test::WorkbenchTest;

// Writes "AB" (one SYS 1 a letter), then halts; line 7 is the HALT.
const char* const kTwoLetters =
    "##\n"
    "begin   MOVE R1, 65\n"
    "        SYS 1\n"
    "        MOVE R1, 66\n"
    "        SYS 1\n"
    "        MOVE R2, 9\n"
    "        HALT\n"
    "##";

// A call of a subroutine; line 3 is the instruction after the call.
const char* const kCall =
    "##\n"
    "begin   JSR work\n"
    "        MOVE R2, 7\n"
    "        HALT\n"
    "work    MOVE R1, 5\n"
    "        RTS\n"
    "##";

// Stores to `var` (line 6) and halts.
const char* const kStore =
    "##\n"
    "begin   MOVE R1, 3\n"
    "        STORE R1, (var)\n"
    "        MOVE R1, 4\n"
    "        HALT\n"
    "var     DAT 0\n"
    "##";

class Debugging : public WorkbenchTest {
 protected:
  EditorWindow* editor = nullptr;
  ProcessorWindow* processor = nullptr;

  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
    Main().resize(1400, 900);
  }
  // Loads the program from an editor and opens the processor window.
  void Load(const char* source) {
    editor = NewEditor(EditKind::AssemblerSource, QString::fromLatin1(source));
    ClickControl(editor, "Loadknop");
    ASSERT_EQ(dialogs.messages, QStringList{"info: Program loaded"});
    Button("TAV2knop")->click();
    processor = Main().FindProcessorWindow();
    ASSERT_NE(processor, nullptr);
    dialogs.messages.clear();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&Main(), Qt::Key(key), modifiers);
  }
  QPushButton* ProcessorButton(const char* name) const { return processor->findChild<QPushButton*>(name); }
  QLineEdit* Field(const char* name) const { return processor->findChild<QLineEdit*>(name); }
  QString StatusLine() { return Main().statusBar()->findChild<QLabel*>("Statusline")->text(); }
  QString StatusField() const { return processor->findChild<QLabel*>("Statuslabel")->text(); }
  uint16_t Register(Reg r) const { return processor->Cpu().State()[r]; }
  uint16_t AddressOfLine(int line) const { return *processor->RunDebugger().AddressOfLine(line); }
  bool WaitForEnd() { return test::WaitForGoEnd(*processor); }
};

// ---- The status line ----------------------------------------------------------------

TEST_F(Debugging, StatusLineFollowsClockInstructionAndTheEndOfRuns) {
  Load(kTwoLetters);
  EXPECT_EQ(StatusLine(), "Ready  0 instructions, 0 micro-steps");
  EXPECT_EQ(StatusField(), "Ready\n0 instr, 0 steps");
  test::Click(ProcessorButton("Clockknop"));
  EXPECT_EQ(StatusLine(), "Ready  0 instructions, 1 micro-step");
  test::Click(ProcessorButton("Instructionknop"));
  const RunStatus afterOne = processor->Status();
  EXPECT_EQ(afterOne.instructions, 1u);
  EXPECT_EQ(StatusLine(), QString::fromStdString(afterOne.Text()));
  EXPECT_TRUE(StatusLine().endsWith(" micro-steps per instruction")) << StatusLine().toStdString();

  Main().Hardware().breakpoints.Add(AddressOfLine(7));
  test::Click(ProcessorButton("Goknop"));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(StatusLine().startsWith("Stopped at breakpoint (line 7)  5 instructions, "))
      << StatusLine().toStdString();
  EXPECT_TRUE(StatusField().startsWith("Stopped at breakpoint (line 7)\n5 instr, "));

  Main().Hardware().breakpoints.Clear();
  test::Click(ProcessorButton("Goknop"));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(StatusLine().startsWith("Halted (HALT)  6 instructions, ")) << StatusLine().toStdString();
  test::Click(ProcessorButton("Resetknop"));
  EXPECT_EQ(StatusLine(), "Ready  0 instructions, 0 micro-steps");
}

TEST_F(Debugging, StatusLineNamesTheUnknownOperation) {
  Load("##\nbegin DAT 0\n##");
  test::Click(ProcessorButton("Goknop"));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(StatusLine().startsWith("Halted (unknown operation 0x00)")) << StatusLine().toStdString();
}

TEST_F(Debugging, StatusLineSaysWhenTheProgramWaitsForAKey) {
  Load("##\nbegin SYS 2\n HALT\n##");
  QString duringWait;
  QObject::connect(&Main().Screen(), &ScreenTerminal::keyWaitStarted, &Main(), [&] {
    duringWait = StatusLine();
    test::PostKey(Main().FindScreenWindow(), Qt::Key_X, "x");
  });
  Key(Qt::Key_F11);
  EXPECT_TRUE(duringWait.startsWith("Waiting for input  0 instructions, ")) << duringWait.toStdString();
  EXPECT_EQ(Register(Reg::R1), 'x');
  EXPECT_TRUE(StatusLine().startsWith("Ready  1 instruction, ")) << StatusLine().toStdString();
}

// ---- Stepping back ------------------------------------------------------------------

TEST_F(Debugging, BackRestoresRegistersAndTheScreen) {
  Load(kTwoLetters);
  test::Click(ProcessorButton("Goknop"));
  ASSERT_TRUE(WaitForEnd());
  ScreenWindow* screen = Main().FindScreenWindow();
  ASSERT_NE(screen, nullptr);
  const ScreenGrid& grid = Main().Screen().Grid();
  ASSERT_EQ(grid.Cell(1, 0), 'B');
  ASSERT_EQ(Register(Reg::R2), 9);

  Key(Qt::Key_F11, Qt::ShiftModifier);  // back over HALT
  Key(Qt::Key_F11, Qt::ShiftModifier);  // back over MOVE R2, 9
  EXPECT_EQ(Register(Reg::R2), 0);
  EXPECT_EQ(Field("R2Edit")->text(), " 0000");
  EXPECT_EQ(Register(Reg::PC), AddressOfLine(6));
  EXPECT_EQ(grid.Cell(1, 0), 'B');
  ProcessorButton("Backknop")->click();  // back over the SYS 1 that wrote B
  test::ProcessEvents();
  EXPECT_EQ(grid.Cell(0, 0), 'A');
  EXPECT_EQ(grid.Cell(1, 0), ' ');
  EXPECT_EQ(grid.column, 1);
  const QImage shown = test::Grabbed(screen);
  EXPECT_TRUE(test::Inked(shown, screen->CellRect(0, 0)));
  EXPECT_FALSE(test::Inked(shown, screen->CellRect(1, 0))) << "the B is gone from the window";
  EXPECT_TRUE(StatusLine().startsWith("Ready  3 instructions")) << StatusLine().toStdString();

  test::Click(ProcessorButton("Goknop"));  // forward again: the same output
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(grid.Cell(1, 0), 'B');
  EXPECT_EQ(grid.Cell(2, 0), ' ');
}

TEST_F(Debugging, BackOneClockUndoesOneMicroStep) {
  Load(kTwoLetters);
  test::Click(ProcessorButton("Instructionknop"));
  const ProcessorState afterInstruction = processor->Cpu().State();
  const uint64_t steps = processor->Status().microSteps;
  for (int cycle = 0; cycle < 2; ++cycle) test::Click(ProcessorButton("Clockknop"));
  ASSERT_NE(Register(Reg::PC), afterInstruction[Reg::PC]) << "the second clock of a fetch advances PC";
  Key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Register(Reg::PC), afterInstruction[Reg::PC]);
  EXPECT_EQ(Field("PCEdit")->text(), QString::asprintf(" %04X", afterInstruction[Reg::PC]));
  EXPECT_EQ(processor->Status().microSteps, steps + 1);
  test::Click(ProcessorButton("Backclockknop"));
  EXPECT_EQ(processor->Status().microSteps, steps);
  EXPECT_EQ(processor->Cpu().State(), afterInstruction);
}

TEST_F(Debugging, BackAtTheStartOfTheHistorySaysSoAndChangesNothing) {
  Load(kTwoLetters);
  dialogs.messages.clear();
  Key(Qt::Key_F11, Qt::ShiftModifier);
  EXPECT_EQ(dialogs.messages, QStringList{"info: " + QString::fromLatin1(ProcessorWindow::kNoHistory)});
  EXPECT_EQ(Register(Reg::PC), 0);
  EXPECT_EQ(StatusLine(), "Ready  0 instructions, 0 micro-steps");
}

TEST_F(Debugging, LoadingTheProgramAgainStartsTheHistoryAnew) {
  Load(kTwoLetters);
  Key(Qt::Key_F11);
  ClickControl(editor, "Loadknop");
  dialogs.messages.clear();
  Key(Qt::Key_F11, Qt::ShiftModifier);
  EXPECT_EQ(dialogs.messages, QStringList{"info: " + QString::fromLatin1(ProcessorWindow::kNoHistory)});
}

// ---- Animated runs ------------------------------------------------------------------

TEST_F(Debugging, AnimatedGoMakesOneInstructionPerTickAndShowsIt) {
  Load(kTwoLetters);
  auto* speeds = processor->findChild<QComboBox*>("Speedbox");
  QTest::keyClick(speeds, Qt::Key_Down);  // 1 instruction per second
  ASSERT_EQ(processor->Speed(), RunSpeed::InstructionsPerSecond(1));
  Key(Qt::Key_F5);
  ASSERT_TRUE(processor->Running());
  EXPECT_TRUE(StatusLine().startsWith("Running")) << StatusLine().toStdString();
  const auto* timer = processor->findChild<QTimer*>("Runtimer");
  EXPECT_EQ(timer->interval(), 1000);
  processor->AdvanceRun();
  EXPECT_EQ(processor->Status().instructions, 1u);
  EXPECT_EQ(Field("R1Edit")->text(), " 0041");
  EXPECT_EQ(Field("PCEdit")->text(), QString::asprintf(" %04X", AddressOfLine(3)));
  EXPECT_EQ(Field("SequenceEdit")->text(), Field("SequenceEdit")->text().trimmed());
  EXPECT_NE(Field("SequenceEdit")->text(), ">>>>>>>>") << "an animated run shows each step";
  EXPECT_TRUE(StatusLine().startsWith("Running  1 instruction, ")) << StatusLine().toStdString();
  processor->AdvanceRun();
  EXPECT_EQ(processor->Status().instructions, 2u);
  EXPECT_EQ(Main().Screen().Grid().Cell(0, 0), 'A');

  Key(Qt::Key_F5, Qt::ShiftModifier);  // Halt: at once
  EXPECT_FALSE(processor->Running());
  EXPECT_EQ(processor->Status().instructions, 2u);
  EXPECT_TRUE(StatusLine().startsWith("Ready  2 instructions")) << StatusLine().toStdString();

  Key(Qt::Key_F5);
  processor->AdvanceRun();
  Key(Qt::Key_F5, Qt::ControlModifier);  // Reset: at once
  EXPECT_FALSE(processor->Running());
  EXPECT_EQ(Register(Reg::PC), 0);
  EXPECT_EQ(StatusLine(), "Ready  0 instructions, 0 micro-steps");
}

TEST_F(Debugging, SpeedMenuAndSpeedBoxAgree) {
  Load(kTwoLetters);
  auto* speeds = processor->findChild<QComboBox*>("Speedbox");
  ASSERT_EQ(speeds->count(), 11);
  EXPECT_EQ(speeds->itemText(0), "Full speed");
  Item("Speed7")->trigger();
  EXPECT_EQ(processor->Speed(), RunSpeed::ClocksPerSecond(1));
  EXPECT_EQ(speeds->currentText(), "1 clock per second");
  Key(Qt::Key_F5);
  processor->AdvanceRun();
  EXPECT_EQ(processor->Status().microSteps, 1u) << "one clock per tick";
  Key(Qt::Key_F5, Qt::ShiftModifier);
}

// ---- Watches ------------------------------------------------------------------------

class Watching : public Debugging {
 protected:
  MemoryView* view = nullptr;

  void SetUp() override {
    Debugging::SetUp();
    Load(kStore);
    Item("Newmemory1")->trigger();
    view = Main().FindMemoryView(0);
    ASSERT_NE(view, nullptr);
    test::ProcessEvents();
  }
  // The memory view's pop-up menu opened over a word, and one of its items chosen.
  void Choose(uint16_t address, const char* item) {
    view->ScrollIntoView(address);
    const QPoint point = view->WatchMarkRect(address).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, view->viewport()->mapToGlobal(point));
    QApplication::sendEvent(view->viewport(), &event);
    ASSERT_EQ(view->PopupAddress(), address);
    auto* action = view->PopupMenu()->findChild<QAction*>(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
    view->PopupMenu()->hide();
    test::ProcessEvents();
    QApplication::setActiveWindow(&Main());
  }
};

TEST_F(Watching, AWatchOnAWrittenWordStopsGoAfterTheInstruction) {
  const uint16_t var = AddressOfLine(6);
  Choose(var, "Stopwhenwritten1");
  EXPECT_EQ(processor->Watches().KindAt(var), WatchKind::Write);
  EXPECT_TRUE(test::HasColour(test::Grabbed(view->viewport()), view->WatchMarkRect(var), QColor(0xFF, 0, 0)));
  Key(Qt::Key_F5);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Main().Hardware().memory.Read(var), 3);
  EXPECT_EQ(Register(Reg::PC), AddressOfLine(4)) << "stopped after the STORE";
  EXPECT_TRUE(StatusLine().startsWith(QString::asprintf("Stopped by watch (%04X written)", var)))
      << StatusLine().toStdString();
}

TEST_F(Watching, ReadAndWrittenAreSwitchedApartAndRemoved) {
  const uint16_t var = AddressOfLine(6);
  Choose(var, "Stopwhenread1");
  EXPECT_EQ(processor->Watches().KindAt(var), WatchKind::Read);
  Choose(var, "Stopwhenwritten1");
  EXPECT_EQ(processor->Watches().KindAt(var), WatchKind::ReadWrite);
  EXPECT_TRUE(view->PopupMenu()->findChild<QAction*>("Stopwhenwritten1")->isChecked());
  Choose(var, "Stopwhenread1");
  EXPECT_EQ(processor->Watches().KindAt(var), WatchKind::Write);
  Choose(var, "Removewatch1");
  EXPECT_EQ(processor->Watches().KindAt(var), std::nullopt);
  EXPECT_FALSE(
      test::HasColour(test::Grabbed(view->viewport()), view->WatchMarkRect(var), QColor(0xFF, 0, 0)));
  Key(Qt::Key_F5);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(StatusLine().startsWith("Halted (HALT)")) << StatusLine().toStdString();
}

TEST_F(Watching, WatchesBeyondTheLimitAreRefusedWithAMessage) {
  for (int i = 0; i < WatchList::kCapacity; ++i) Choose(static_cast<uint16_t>(0x20 + i), "Stopwhenread1");
  dialogs.messages.clear();
  Choose(0x80, "Stopwhenwritten1");
  EXPECT_EQ(dialogs.messages,
            QStringList{QString::asprintf("error: Cannot watch 0080: at most %d words are watched at a time; "
                                          "remove a watch first",
                                          WatchList::kCapacity)});
  EXPECT_EQ(processor->Watches().KindAt(0x80), std::nullopt);
  EXPECT_EQ(processor->Watches().All().size(), static_cast<std::size_t>(WatchList::kCapacity));
}

// ---- Step over and run to cursor ----------------------------------------------------

TEST_F(Debugging, StepOverRunsTheCalledSubroutine) {
  Load(kCall);
  const uint16_t sp = Register(Reg::SP);
  Key(Qt::Key_F10);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Register(Reg::PC), AddressOfLine(3));
  EXPECT_EQ(Register(Reg::R1), 5) << "the subroutine ran";
  EXPECT_EQ(Register(Reg::SP), sp);
  EXPECT_TRUE(StatusLine().startsWith("Ready  3 instructions")) << StatusLine().toStdString();
}

TEST_F(Debugging, RunToCursorStopsAtTheCaretsLine) {
  Load(kTwoLetters);
  test::PlaceCaret(editor->Text(), static_cast<int>(QByteArray(kTwoLetters).indexOf("MOVE R2")));
  Item("Runtocursor1")->trigger();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Register(Reg::PC), AddressOfLine(6));
  EXPECT_EQ(Register(Reg::R2), 0);
  EXPECT_EQ(Main().Screen().Grid().Cell(1, 0), 'B');
}

TEST_F(Debugging, RunToCursorOnALineWithoutCodeSaysSo) {
  Load(kTwoLetters);
  test::PlaceCaret(editor->Text(), 0);
  dialogs.messages.clear();
  Item("Runtocursor1")->trigger();
  EXPECT_FALSE(processor->Running());
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].startsWith("error: Run to cursor: line 1 of "))
      << dialogs.messages[0].toStdString();
}

// ---- Edits --------------------------------------------------------------------------

TEST_F(Debugging, DoubleClickedRegisterTakesHexDigitsAndEnter) {
  Load(kTwoLetters);
  QLineEdit* r1 = Field("R1Edit");
  QTest::mouseDClick(r1, Qt::LeftButton);
  ASSERT_FALSE(r1->isReadOnly());
  QTest::keyClicks(r1, "7f0");
  QTest::keyClick(r1, Qt::Key_Return);
  EXPECT_EQ(Register(Reg::R1), 0x07F0);
  EXPECT_EQ(r1->text(), " 07F0");
  EXPECT_TRUE(r1->isReadOnly());
  test::Click(ProcessorButton("Instructionknop"));
  EXPECT_EQ(Register(Reg::R1), 65);
  Key(Qt::Key_F11, Qt::ShiftModifier);
  EXPECT_EQ(Register(Reg::R1), 0x07F0);
  Key(Qt::Key_F11, Qt::ShiftModifier);  // the edit is a step of its own
  EXPECT_EQ(Register(Reg::R1), 0);
  EXPECT_EQ(r1->text(), " 0000");
}

TEST_F(Debugging, RegisterEditRefusesWhatIsNotAWordAndEscapeCancels) {
  Load(kTwoLetters);
  QLineEdit* r2 = Field("R2Edit");
  QTest::mouseDClick(r2, Qt::LeftButton);
  QTest::keyClicks(r2, "12345");
  QTest::keyClick(r2, Qt::Key_Return);
  EXPECT_EQ(dialogs.messages,
            QStringList{"error: \"12345\" is not a hexadecimal word (0 to FFFF): R2 is not changed"});
  EXPECT_EQ(Register(Reg::R2), 0);
  EXPECT_EQ(r2->text(), " 0000");
  QTest::mouseDClick(r2, Qt::LeftButton);
  QTest::keyClicks(r2, "1");
  QTest::keyClick(r2, Qt::Key_Escape);
  EXPECT_EQ(Register(Reg::R2), 0);
  EXPECT_EQ(r2->text(), " 0000");
  EXPECT_TRUE(r2->isReadOnly());
}

TEST_F(Watching, EditWordAsksForTheValueAndEntersTheHistory) {
  const uint16_t var = AddressOfLine(6);
  dialogs.texts = {"beef"};
  Choose(var, "Editword1");
  EXPECT_EQ(dialogs.messages.last(),
            QString::asprintf("text: Edit word: New value of %04X (hex): [0000]", var));
  EXPECT_EQ(Main().Hardware().memory.Read(var), 0xBEEF);
  test::Click(ProcessorButton("Backclockknop"));
  EXPECT_EQ(Main().Hardware().memory.Read(var), 0);
  dialogs.texts = {"0x12 3"};
  dialogs.messages.clear();
  Choose(var, "Editword1");
  EXPECT_EQ(
      dialogs.messages.last(),
      QString::asprintf("error: \"0x12 3\" is not a hexadecimal word (0 to FFFF): %04X is not changed", var));
  EXPECT_EQ(Main().Hardware().memory.Read(var), 0);
  Choose(var, "Editword1");  // cancelled
  EXPECT_EQ(Main().Hardware().memory.Read(var), 0);
}

// Clearing a page is one step of the history, and refused during a run.
TEST_F(Watching, ClearThisPageIsOneStepBackAndWaitsForTheRunToEnd) {
  const uint16_t first = Main().Hardware().memory.Read(0);
  ASSERT_NE(first, 0);
  Choose(0, "Clearthispage1");
  EXPECT_EQ(Main().Hardware().memory.Read(0), 0);
  Key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Main().Hardware().memory.Read(0), first);

  Item("Speed1")->trigger();  // an animated run stays active until halted
  Key(Qt::Key_F5);
  ASSERT_TRUE(processor->Running());
  dialogs.messages.clear();
  Choose(0, "Clearthispage1");
  EXPECT_EQ(dialogs.messages, QStringList{"error: " + QString::fromLatin1(MemoryView::kNotWhileRunning)});
  EXPECT_EQ(Main().Hardware().memory.Read(0), first);
  Key(Qt::Key_F5, Qt::ShiftModifier);
}

// ---- The Run menu -------------------------------------------------------------------

TEST_F(Debugging, RunMenuCarriesTheShortcuts) {
  const struct {
    const char* name;
    QString caption;
    QKeySequence shortcut;
  } items[] = {
      {"Go1", "&Go", QKeySequence(Qt::Key_F5)},
      {"Halt1", "&Halt", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
      {"Reset1", "&Reset", QKeySequence(Qt::CTRL | Qt::Key_F5)},
      {"Instruction1", "&Instruction", QKeySequence(Qt::Key_F11)},
      {"Clock1", "&Clock", QKeySequence(Qt::CTRL | Qt::Key_F11)},
      {"Stepover1", "Step &over", QKeySequence(Qt::Key_F10)},
      {"Runtocursor1", "Run to c&ursor", QKeySequence(Qt::CTRL | Qt::Key_F10)},
      {"Backinstruction1", "&Back one instruction", QKeySequence(Qt::SHIFT | Qt::Key_F11)},
      {"Backclock1", "Back one c&lock", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11)},
  };
  for (const auto& item : items) {
    ASSERT_NE(Item(item.name), nullptr) << item.name;
    EXPECT_EQ(Item(item.name)->text(), item.caption);
    EXPECT_EQ(Item(item.name)->shortcut(), item.shortcut) << item.name;
  }
}

TEST_F(Debugging, ShortcutsWorkFromTheEditor) {
  Load(kTwoLetters);
  editor->Text()->setFocus();
  QTest::keyClick(editor->Text(), Qt::Key_F11);
  ASSERT_EQ(processor->Status().instructions, 1u);
  const uint64_t steps = processor->Status().microSteps;
  QTest::keyClick(editor->Text(), Qt::Key_F11, Qt::ControlModifier);
  EXPECT_EQ(processor->Status().microSteps, steps + 1);
  QTest::keyClick(editor->Text(), Qt::Key_F11, Qt::ShiftModifier);
  EXPECT_EQ(processor->Status().microSteps, steps) << "back to the end of the first instruction";
  EXPECT_EQ(editor->Text()->toPlainText(), QString::fromLatin1(kTwoLetters)) << "no key reached the text";
}

}  // namespace
}  // namespace tav2
