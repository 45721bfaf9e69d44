// The main window as the host of the simulation windows, and the editor's
// build buttons with a processor.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "gui/editor/tmaineditoptform.h"
#include "gui/editor/teditoptform.h"
#include "gui/shell/tmform.h"
#include "gui/shell/windowframe.h"
#include "gui/sim/tmcromform.h"
#include "gui/sim/tscreenform.h"
#include "gui/sim/ttav2.h"
#include "editorsupport.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class MainformWindows : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }

  TEditform* Source(const QString& text) {
    TEditform* editor = Main().NewSourceFile(EditKind::AssemblerSource);
    Type(editor, text);
    return editor;
  }

  QWidget* Current() { return Main().MdiArea()->currentSubWindow(); }

  // The text of the editor's red line; empty when none is shown.
  static QString RedLine(const TEditform* editor) {
    const QList<QTextEdit::ExtraSelection> lines = editor->RichEdit1()->extraSelections();
    return lines.isEmpty() ? QString() : lines.first().cursor.selectedText();
  }

  // Runs `action` while the run started just before is still going.
  static void DuringGo(std::function<void()> action) { QTimer::singleShot(1, action); }
};

TEST_F(MainformWindows, ProcessorButtonOpensOneProcessorWindowWithItsPanel) {
  Main().resize(1400, 800);
  Button("TAV2knop")->click();
  TTAV2* processor = Main().ProcessorWindow();
  ASSERT_NE(processor, nullptr);
  test::ProcessEvents();
  EXPECT_TRUE(Main().findChild<QWidget*>("TAV2_panel")->isVisible());
  Item("TAVProcessor1")->trigger();
  EXPECT_EQ(Main().ProcessorWindow(), processor);
  EXPECT_EQ(Main().findChildren<TTAV2*>().size(), 1);

  EXPECT_TRUE(WindowFrame::Of(processor)->close());
  test::ProcessEvents();
  EXPECT_EQ(Main().ProcessorWindow(), nullptr);
  EXPECT_FALSE(Main().findChild<QWidget*>("TAV2_panel")->isVisible());
}

TEST_F(MainformWindows, ScreenAndRomViewAreSingleWindows) {
  Button("Applicationknop")->click();
  Item("Application1")->trigger();
  Item("MicroCodeROM1")->trigger();
  Item("MicroCodeROM1")->trigger();
  EXPECT_NE(Main().ScreenWindow(), nullptr);
  EXPECT_NE(Main().RomView(), nullptr);
  EXPECT_EQ(Main().findChildren<TScreenform*>().size(), 1);
  EXPECT_EQ(Main().findChildren<TMCROMform*>().size(), 1);
  EXPECT_EQ(Current(), WindowFrame::Of(Main().RomView()));
}

TEST_F(MainformWindows, AtMostThreeMemoryViews) {
  for (int n = 0; n < 3; ++n) Item("Newmemory1")->trigger();
  for (int slot = 0; slot < 3; ++slot) ASSERT_NE(Main().MemoryView(slot), nullptr) << slot;
  Item("Newmemory1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Maximum is 3 memory views"});
  EXPECT_EQ(Main().findChildren<TMform*>().size(), 3);
}

TEST_F(MainformWindows, MemoryButtonVisitsTheViewsInTurn) {
  Button("Memoryknop")->click();
  ASSERT_NE(Main().MemoryView(0), nullptr);
  Main().NewMemoryView();
  Main().NewMemoryView();
  TMform* first = Main().MemoryView(0);
  TMform* third = Main().MemoryView(2);
  WindowFrame::Of(Main().MemoryView(1))->close();
  test::ProcessEvents();
  ASSERT_EQ(Main().MemoryView(1), nullptr);
  std::vector<QWidget*> visited;
  for (int press = 0; press < 3; ++press) {
    Button("Memoryknop")->click();
    visited.push_back(Current());
  }
  EXPECT_EQ(visited, (std::vector<QWidget*>{WindowFrame::Of(third), WindowFrame::Of(first), WindowFrame::Of(third)}));
}

// The comment's accented letters are one character each, in the editor as
// in the line map, so the red line is the halting one.
TEST_F(MainformWindows, GoBuildsRunsAndMarksTheHaltingLine) {
  TEditform* editor = Source("##\n// " + QString(20, QChar(0xE9)) + "\nbegin NOP\n HALT\n##");
  Control<QToolButton>(editor, "Goknop")->click();
  TTAV2* processor = Main().ProcessorWindow();
  ASSERT_NE(processor, nullptr);
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_TRUE(Main().GetMachine().halted);
  EXPECT_EQ(RedLine(editor), " HALT");
  EXPECT_FALSE(Control<QWidget>(editor, "breakpointknop")->isHidden());
  EXPECT_FALSE(dialogs.messages.contains("info: Program loaded"));
}

TEST_F(MainformWindows, RunningProcessorRefusesBuildsAndShutDown) {
  TEditform* editor = Source("##\nbegin NOP\n BRA begin\n##");
  Control<QToolButton>(editor, "Goknop")->click();
  TTAV2* processor = Main().ProcessorWindow();
  ASSERT_NE(processor, nullptr);
  bool closed = true;
  DuringGo([&] {
    Control<QToolButton>(editor, "Makeknop")->click();
    editor->breakpointknopClick();
    closed = Main().close();
    Button("TAV_halt")->click();
  });
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_FALSE(closed);
  EXPECT_EQ(dialogs.messages, QStringList({"warning: Reset processor before assembling", "error: Processor is running!",
                                           "warning: Cannot close while CPU is running: Reset, then close"}));
}

TEST_F(MainformWindows, PanelButtonsWorkTheProcessorWindow) {
  Type(Main().NewSourceFile(EditKind::AssemblerSource), "##\nbegin NOP\n NOP\n HALT\n##");
  Control<QToolButton>(Slot(1), "Loadknop")->click();
  Button("TAV_reset")->click();
  EXPECT_EQ(Main().ProcessorWindow(), nullptr);
  Button("TAV2knop")->click();
  TTAV2* processor = Main().ProcessorWindow();
  ASSERT_NE(processor, nullptr);
  Button("TAV_instruction")->click();
  EXPECT_EQ(processor->Pc(), 1);
  Button("TAV_reset")->click();
  EXPECT_EQ(processor->Pc(), 0);
  for (int cycle = 0; cycle < 2; ++cycle) test::Click(Button("TAV_Clock"));
  EXPECT_EQ(processor->Pc(), 1) << "the second micro-instruction of the fetch advances PC";
  Button("TAV_go")->click();
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_TRUE(Main().GetMachine().halted);
}

struct BuildCase {
  EditKind kind;
  const char* button;
  QString message;
  bool breakpointButton;
};

class EditorBuildButtons : public MainformWindows, public testing::WithParamInterface<BuildCase> {};

TEST_P(EditorBuildButtons, ReportTheirSuccess) {
  TEditform* editor = Main().NewSourceFile(GetParam().kind);
  if (GetParam().kind == EditKind::AssemblerSource) Type(editor, "##\nbegin HALT\n##");
  Control<QToolButton>(editor, GetParam().button)->click();
  EXPECT_EQ(dialogs.messages, QStringList{GetParam().message});
  EXPECT_EQ(!Control<QWidget>(editor, "breakpointknop")->isHidden(), GetParam().breakpointButton);
}

INSTANTIATE_TEST_SUITE_P(
    Mainform, EditorBuildButtons,
    testing::Values(BuildCase{EditKind::MicrocodeSource, "Makeknop", "info: Microcode OK", false},
                    BuildCase{EditKind::MicrocodeSource, "Loadknop", "info: MCROM is updated", false},
                    BuildCase{EditKind::AssemblerSource, "Makeknop", "info: Program assembled", false},
                    BuildCase{EditKind::AssemblerSource, "Loadknop", "info: Program loaded", true}));

TEST_F(MainformWindows, ValidatingBreakpointsReportsAndShowsTheCurrentLine) {
  TEditform* editor = Source("##\nbegin NOP\n# HALT\n##");
  editor->breakpointknopClick();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Breakpoints valid"});
  EXPECT_EQ(RedLine(editor), "");
  Control<QToolButton>(editor, "Loadknop")->click();
  Button("TAV2knop")->click();
  editor->breakpointknopClick();
  EXPECT_EQ(RedLine(editor), "begin NOP");
}

TEST_F(MainformWindows, FirstBuildErrorIsMarkedInTheSource) {
  TEditform* editor = Source("##\nbegin: MOVE R1, 1\n  HALT\n##");
  Control<QToolButton>(editor, "Makeknop")->click();
  EXPECT_EQ(RedLine(editor), "begin: MOVE R1, 1");
  Control<QToolButton>(editor, "Herstelknop")->click();
  EXPECT_EQ(RedLine(editor), "");
}

TEST_F(MainformWindows, DistributePlacesTheProcessorWindow) {
  Button("TAV2knop")->click();
  Item("Distribute1")->trigger();
  const WindowBounds bounds = WindowFrame::Bounds(Main().ProcessorWindow());
  EXPECT_EQ(bounds, (WindowBounds{350, 0, 250, 324}));
  EXPECT_EQ(Main().ProcessorWindow()->CurrentSizeMode(), SizeMode::Small);
}

TEST_F(MainformWindows, EditorOptionsDialogsOpenFromTheirMenus) {
  Item("Options1")->trigger();
  EXPECT_NE(Main().findChild<TMainEditOptForm*>(), nullptr);
  TEditform* editor = Main().NewSourceFile(EditKind::TextFile);
  EditorItem(editor, "More1")->trigger();
  EXPECT_NE(editor->findChild<TEditOptForm*>(), nullptr);
}

TEST_F(MainformWindows, LoadedMicrocodeRecoloursTheAssemblerSources) {
  TEditform* source = Source("##\nbegin PLUS R1, 1\n##");
  const QTextDocument& document = *source->RichEdit1()->document();
  EXPECT_FALSE(test::LookAt(document, 9).bold);
  TEditform* microcode = Main().NewSourceFile(EditKind::MicrocodeSource);
  Type(microcode, microcode->RichEdit1()->toPlainText().replace("#ADD OP1,OP2; 0x01", "#PLUS OP1,OP2; 0x01"));
  Control<QToolButton>(microcode, "Loadknop")->click();
  EXPECT_TRUE(test::LookAt(document, 9).bold);
}

TEST_F(MainformWindows, ColouringNeverCountsAsAChange) {
  TEditform* editor = Main().OpenSourceFile(Write("prog.asm", "##\nbegin HALT\n##\n"));
  auto* indicator = Control<QLabel>(editor, "syncolvenster");
  for (int click = 0; click < 2; ++click) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), indicator->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(indicator, &press);
  }
  TEditform* untitled = Main().NewSourceFile(EditKind::MicrocodeSource);
  test::ProcessEvents();
  EXPECT_TRUE(editor->Options().syntaxColoring);
  EXPECT_FALSE(editor->IsModified());
  EXPECT_FALSE(untitled->IsModified());
}

}  // namespace
}  // namespace tav2
