// The main window as the host of the simulation windows, and the editor's
// build buttons with a processor.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <QPlainTextEdit>
#include <QToolButton>
#include <vector>

#include "gui/sim/memoryview.h"
#include "gui/sim/screenterminal.h"
#include "gui/common/windowframe.h"
#include "gui/sim/romview.h"
#include "gui/sim/screenwindow.h"
#include "gui/sim/processorwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class MainWindowLayoutTest : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }
  EditorWindow* Source(const QString& text) { return NewEditor(EditKind::AssemblerSource, text); }
  QWidget* Current() { return Main().MdiArea()->currentSubWindow(); }
  QWidget* Panel() { return Main().findChild<QWidget*>("TAV2_panel"); }
};

// The project editor, the processor, the screen holding a line of text and
// the first memory view, on a main window wide enough for the wide
// distribution.
class WindowCommands : public MainWindowLayoutTest {
 protected:
  EditorWindow* editor = nullptr;

  void SetUp() override {
    MainWindowLayoutTest::SetUp();
    Main().resize(1400, 900);
    editor = Source("##\nbegin HALT\n##");
    ClickControl(editor, "Makeknop");  // the project editor now
    Button("TAV2knop")->click();
    Button("Applicationknop")->click();
    Item("Newmemory1")->trigger();
    Main().Screen().Services().WriteText("kept");
    test::ProcessEvents();
  }
  WindowBounds Screen() { return WindowFrame::Bounds(Main().FindScreenWindow()); }
  WindowBounds Processor() { return WindowFrame::Bounds(Main().FindProcessorWindow()); }
  WindowBounds View() { return WindowFrame::Bounds(Main().FindMemoryView(0)); }
  QString ScreenText() {
    QString text;
    for (int column = 0; column < 4; ++column) text += QChar(Main().Screen().Grid().Cell(column, 0));
    return text;
  }
  QList<QRect> Frames() {
    QList<QRect> frames;
    for (const QMdiSubWindow* frame : Main().MdiArea()->subWindowList()) frames << frame->geometry();
    return frames;
  }
};

// The wide distribution with the processor big (the processor window
// keeps its layout): editor 360 wide, screen 710, memory column wide enough
// for the disassembly, windows 410 high, bottom at 660.
TEST_F(WindowCommands, DistributeGivesEveryWindowItsPlace) {
  Main().FindProcessorWindow()->findChild<QAction*>("Large1")->trigger();
  Item("Tile1")->trigger();
  Item("Distribute1")->trigger();
  EXPECT_EQ(editor->Bounds(), (WindowBounds{0, 0, 360, 410}));
  EXPECT_EQ(Processor(), (WindowBounds{360, 0, 350, 410}));
  EXPECT_EQ(Main().FindProcessorWindow()->CurrentSizeMode(), SizeMode::Big);
  EXPECT_EQ(Screen(), (WindowBounds{0, 410, 710, 250}));
  EXPECT_EQ(View(), (WindowBounds{710, 0, 460, 660}));
  EXPECT_EQ(ScreenText(), "kept");
}

TEST_F(WindowCommands, TileLaysTheWindowsSideBySide) {
  Item("Tile1")->trigger();
  const QList<QRect> frames = Frames();
  ASSERT_EQ(frames.size(), 4);
  const QRect area = Main().MdiArea()->viewport()->rect();
  for (qsizetype i = 0; i < frames.size(); ++i) {
    EXPECT_TRUE(area.contains(frames[i])) << i;
    for (qsizetype j = i + 1; j < frames.size(); ++j)
      EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " " << j;
  }
  EXPECT_EQ(ScreenText(), "kept");
}

// Each window a step lower and further right than the one before; the
// screen and the processor window keep their size.
TEST_F(WindowCommands, CascadeStacksTheWindowsDiagonally) {
  const WindowBounds screen = Screen(), processor = Processor();
  Item("Cascade1")->trigger();
  QList<QRect> frames = Frames();
  ASSERT_EQ(frames.size(), 4);
  std::sort(frames.begin(), frames.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
  const QPoint step = frames[1].topLeft() - frames[0].topLeft();
  EXPECT_GT(step.x(), 0);
  EXPECT_GT(step.y(), 0);
  for (qsizetype i = 1; i < frames.size(); ++i)
    EXPECT_EQ(frames[i].topLeft() - frames[i - 1].topLeft(), step) << i;
  EXPECT_EQ(QSize(Screen().width, Screen().height), QSize(screen.width, screen.height));
  EXPECT_EQ(QSize(Processor().width, Processor().height), QSize(processor.width, processor.height));
  EXPECT_EQ(ScreenText(), "kept");
}

// Distribute after Store distribution puts every window back where it was
// stored, also after Tile moved them.
TEST_F(WindowCommands, DistributeRestoresTheStoredDistribution) {
  const WindowBounds editorPlace{30, 40, 300, 250}, processorPlace{340, 10, 360, 420},
      screenPlace{20, 450, 500, 200}, viewPlace{720, 30, 280, 500};
  editor->SetBounds(editorPlace);
  WindowFrame::Place(Main().FindProcessorWindow(), processorPlace);
  WindowFrame::Place(Main().FindScreenWindow(), screenPlace);
  WindowFrame::Place(Main().FindMemoryView(0), viewPlace);
  Item("Storedistribution1")->trigger();
  Item("Tile1")->trigger();
  ASSERT_NE(Screen(), screenPlace);
  Item("Distribute1")->trigger();
  EXPECT_EQ(editor->Bounds(), editorPlace);
  EXPECT_EQ(Processor(), processorPlace);
  EXPECT_EQ(Screen(), screenPlace);
  EXPECT_EQ(View(), viewPlace);
  EXPECT_EQ(ScreenText(), "kept");
}

TEST_F(MainWindowLayoutTest, ProcessorButtonOpensOneProcessorWindowWithItsPanel) {
  Main().resize(1400, 800);
  EXPECT_FALSE(Panel()->isVisible());
  Button("TAV2knop")->click();
  ProcessorWindow* processor = Main().FindProcessorWindow();
  ASSERT_NE(processor, nullptr);
  test::ProcessEvents();
  EXPECT_TRUE(Panel()->isVisible());
  Item("TAVProcessor1")->trigger();
  EXPECT_EQ(Main().FindProcessorWindow(), processor);
  EXPECT_EQ(Main().findChildren<ProcessorWindow*>().size(), 1);

  EXPECT_TRUE(WindowFrame::Of(processor)->close());
  test::ProcessEvents();
  EXPECT_EQ(Main().FindProcessorWindow(), nullptr);
  EXPECT_FALSE(Panel()->isVisible());
}

TEST_F(MainWindowLayoutTest, ScreenAndRomViewAreSingleWindowsAndMemoryViewsAtMostThree) {
  Button("Applicationknop")->click();
  Item("Application1")->trigger();
  Item("MicroCodeROM1")->trigger();
  Item("MicroCodeROM1")->trigger();
  EXPECT_EQ(Main().findChildren<ScreenWindow*>().size(), 1);
  EXPECT_EQ(Main().findChildren<RomView*>().size(), 1);
  EXPECT_EQ(Current(), WindowFrame::Of(Main().FindRomView()));
  for (int n = 0; n < 4; ++n) Item("Newmemory1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Maximum is 3 memory views"});
  EXPECT_EQ(Main().findChildren<MemoryView*>().size(), 3);
}

TEST_F(MainWindowLayoutTest, MemoryButtonVisitsTheViewsInTurn) {
  Button("Memoryknop")->click();
  ASSERT_NE(Main().FindMemoryView(0), nullptr);
  Main().NewMemoryView();
  Main().NewMemoryView();
  MemoryView* first = Main().FindMemoryView(0);
  MemoryView* third = Main().FindMemoryView(2);
  WindowFrame::Of(Main().FindMemoryView(1))->close();
  test::ProcessEvents();
  ASSERT_EQ(Main().FindMemoryView(1), nullptr);
  std::vector<QWidget*> visited;
  for (int press = 0; press < 3; ++press) {
    Button("Memoryknop")->click();
    visited.push_back(Current());
  }
  EXPECT_EQ(visited,
            (std::vector<QWidget*>{WindowFrame::Of(third), WindowFrame::Of(first), WindowFrame::Of(third)}));
}

// The comment's accented letters are one character each, in the editor as
// in the line map, so the red line is the halting one.
TEST_F(MainWindowLayoutTest, GoBuildsRunsAndMarksTheHaltingLine) {
  EditorWindow* editor = Source("##\n// " + QString(20, QChar(0xE9)) + "\nbegin NOP\n HALT\n##");
  ClickControl(editor, "Goknop");
  ProcessorWindow* processor = Main().FindProcessorWindow();
  ASSERT_NE(processor, nullptr);
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_TRUE(Main().Hardware().halted);
  EXPECT_EQ(RedLine(editor), " HALT");
  EXPECT_FALSE(Control<QWidget>(editor, "breakpointknop")->isHidden());
  EXPECT_FALSE(dialogs.messages.contains("info: Program loaded"));
}

TEST_F(MainWindowLayoutTest, RunningProcessorRefusesBuildsAndShutDown) {
  EditorWindow* editor = Source("##\nbegin NOP\n BRA begin\n##");
  ClickControl(editor, "Goknop");
  ProcessorWindow* processor = Main().FindProcessorWindow();
  ASSERT_NE(processor, nullptr);
  bool closed = true;
  test::DuringGo([&] {
    ClickControl(editor, "Makeknop");
    editor->OnBreakpointsClicked();
    closed = Main().close();
    Button("TAV_halt")->click();
  });
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_FALSE(closed);
  EXPECT_EQ(dialogs.messages,
            QStringList({"warning: Reset processor before assembling", "error: Processor is running!",
                         "warning: Cannot close while CPU is running: Reset, then close"}));
}

TEST_F(MainWindowLayoutTest, PanelButtonsWorkTheProcessorWindow) {
  ClickControl(Source("##\nbegin NOP\n NOP\n HALT\n##"), "Loadknop");
  Button("TAV_reset")->click();
  EXPECT_EQ(Main().FindProcessorWindow(), nullptr);
  Button("TAV2knop")->click();
  ProcessorWindow* processor = Main().FindProcessorWindow();
  ASSERT_NE(processor, nullptr);
  Button("TAV_instruction")->click();
  EXPECT_EQ(processor->Pc(), 1);
  Button("TAV_reset")->click();
  EXPECT_EQ(processor->Pc(), 0);
  for (int cycle = 0; cycle < 2; ++cycle) test::Click(Button("TAV_Clock"));
  EXPECT_EQ(processor->Pc(), 1) << "the second micro-instruction of the fetch advances PC";
  Button("TAV_go")->click();
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_TRUE(Main().Hardware().halted);
}

TEST_F(MainWindowLayoutTest, BuildButtonsReportTheirSuccess) {
  const struct {
    EditKind kind;
    const char* button;
    QString message;
    bool breakpointButton = false;
  } cases[] = {
      {.kind = EditKind::MicrocodeSource, .button = "Makeknop", .message = "info: Microcode OK"},
      {.kind = EditKind::MicrocodeSource, .button = "Loadknop", .message = "info: MCROM is updated"},
      {.kind = EditKind::AssemblerSource, .button = "Makeknop", .message = "info: Program assembled"},
      {.kind = EditKind::AssemblerSource,
       .button = "Loadknop",
       .message = "info: Program loaded",
       .breakpointButton = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    dialogs.messages.clear();
    EditorWindow* editor = NewEditor(c.kind, c.kind == EditKind::AssemblerSource ? "##\nbegin HALT\n##" : "");
    ClickControl(editor, c.button);
    EXPECT_EQ(dialogs.messages, QStringList{c.message});
    EXPECT_EQ(!Control<QWidget>(editor, "breakpointknop")->isHidden(), c.breakpointButton) << c.button;
  }
}

TEST_F(MainWindowLayoutTest, ValidatingBreakpointsReportsAndShowsTheCurrentLine) {
  EditorWindow* editor = Source("##\nbegin NOP\n# HALT\n##");
  editor->OnBreakpointsClicked();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Breakpoints valid"});
  EXPECT_EQ(RedLine(editor), "");
  ClickControl(editor, "Loadknop");
  Button("TAV2knop")->click();
  editor->OnBreakpointsClicked();
  EXPECT_EQ(RedLine(editor), "begin NOP");
}

TEST_F(MainWindowLayoutTest, LoadedMicrocodeChangesTheRomAndRecoloursTheAssemblerSources) {
  EditorWindow* source = Source("##\nbegin PLUS R1, 1\n##");
  const QTextDocument& document = *source->Text()->document();
  EXPECT_FALSE(test::LookAt(document, 9).bold);
  EditorWindow* microcode = Main().NewSourceFile(EditKind::MicrocodeSource);
  Type(microcode, microcode->Text()->toPlainText().replace("#ADD OP1,OP2; 0x01", "#PLUS OP1,OP2; 0x01"));
  ClickControl(microcode, "Loadknop");
  EXPECT_EQ(Main().Hardware().mcrom.Entry(1).Name(), "PLUS");
  EXPECT_TRUE(test::LookAt(document, 9).bold);
}

TEST_F(MainWindowLayoutTest, ColouringNeverCountsAsAChange) {
  EditorWindow* editor = Open("prog.asm", "##\nbegin HALT\n##\n");
  for (int click = 0; click < 2; ++click) test::ClickAt(Control<QLabel>(editor, "syncolvenster"));
  EditorWindow* untitled = Main().NewSourceFile(EditKind::MicrocodeSource);
  test::ProcessEvents();
  EXPECT_TRUE(editor->Options().syntaxColoring);
  EXPECT_FALSE(editor->IsModified());
  EXPECT_FALSE(untitled->IsModified());
}

}  // namespace
}  // namespace tav2
