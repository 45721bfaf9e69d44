// The workbench on a real screen: the start-up layout follows the main
// window's size, the arrangement of the simulation windows and the zoom
// come back at the next start, the zoom commands, and the new-file chooser
// only on an empty workbench.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "core/shell/layoutfile.h"
#include "gui/common/windowframe.h"
#include "gui/sim/memoryview.h"
#include "gui/sim/processorwindow.h"
#include "gui/sim/romview.h"
#include "gui/sim/screenwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class StartLayout : public test::WorkbenchTest {
 protected:
  const LayoutDefaults& Defaults() { return Main().Layout().defaults; }
  QWidget* Chooser() { return Main().findChild<QWidget*>("TNewfileForm"); }
  QString LayoutFilePath() { return HomePath(LayoutFile::kFileName); }
  // Closes the workbench as the user does and starts it again.
  void Restart() {
    ASSERT_TRUE(Main().close());
    Start();
  }
};

struct ScreenCase {
  const char* name;
  int width;
  SizeMode processorMode;
  int memoryViewWidth;
};

class StartOnScreen : public StartLayout, public ::testing::WithParamInterface<ScreenCase> {};

// The window manager maximizes the main window after it is shown: the
// layout follows, so that a wide screen gets the large processor window
// and memory views that show the disassembly.
TEST_P(StartOnScreen, TheLayoutFitsTheMaximizedWindow) {
  Start();
  Main().resize(GetParam().width, 900);
  EXPECT_EQ(Defaults().processor.sizeMode, GetParam().processorMode);
  EXPECT_EQ(Defaults().memoryViews[0].bounds.width, GetParam().memoryViewWidth);
  Button("TAV2knop")->click();
  EXPECT_EQ(Main().FindProcessorWindow()->CurrentSizeMode(), GetParam().processorMode);
  Item("Newmemory1")->trigger();
  EXPECT_EQ(WindowFrame::Bounds(Main().FindMemoryView(0)).width, GetParam().memoryViewWidth);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartOnScreen,
                         ::testing::Values(ScreenCase{"Narrow", 800, SizeMode::Small, 177},
                                           ScreenCase{"Wide1280", 1280, SizeMode::Big, 460},
                                           ScreenCase{"Wide1600", 1600, SizeMode::Big, 460}),
                         [](const auto& test) { return test.param.name; });

// Once the user has clicked or typed, resizing the main window leaves the
// windows where they are.
TEST_F(StartLayout, TheFirstKeyEndsTheStartLayout) {
  Start();
  Main().resize(1600, 900);
  Button("TAV2knop")->click();
  const WindowBounds processor = WindowFrame::Bounds(Main().FindProcessorWindow());
  QTest::keyClick(Main().MdiArea(), Qt::Key_Shift);
  Main().resize(800, 600);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindProcessorWindow()), processor);
  EXPECT_EQ(Defaults().processor.sizeMode, SizeMode::Big);
}

// An editor opened from the command line before the window manager
// maximized the window takes its place in the wide layout.
TEST_F(StartLayout, ACommandLineEditorTakesTheWideSize) {
  Start(Write("prog.asm", "HALT\n"));
  ASSERT_NE(Slot(1), nullptr);
  ASSERT_EQ(Slot(1)->Bounds().width, 350);
  Main().resize(1600, 900);
  EXPECT_EQ(Slot(1)->Bounds(), (WindowBounds{0, 0, 360, 410}));
}

TEST_F(StartLayout, TheChooserGreetsAnEmptyWorkbenchOnly) {
  Start();
  Main().OfferNewFile();
  ASSERT_NE(Chooser(), nullptr);
  EXPECT_TRUE(Chooser()->isVisible());
}

TEST_F(StartLayout, NoChooserOverACommandLineFile) {
  Start(Write("prog.asm", "HALT\n"));
  Main().OfferNewFile();
  EXPECT_EQ(Chooser(), nullptr);
}

// The student's arrangement at closing, back at the next start.
TEST_F(StartLayout, ARestartRestoresTheArrangement) {
  Start();
  Main().resize(1400, 900);
  Button("TAV2knop")->click();
  Main().FindProcessorWindow()->findChild<QAction*>("Small1")->trigger();
  Item("Newmemory1")->trigger();
  Item("Newmemory1")->trigger();
  Main().FindMemoryView(0)->close();
  MemoryView::Switches columns;
  columns.binary = false;
  Main().FindMemoryView(1)->Configure(0x1200, columns);
  Button("Applicationknop")->click();
  Item("MicroCodeROM1")->trigger();
  const WindowBounds processor{500, 10, 260, 330}, view{30, 40, 420, 500}, screen{5, 560, 700, 240},
      rom{600, 300, 500, 400};
  WindowFrame::Place(Main().FindProcessorWindow(), processor);
  WindowFrame::Place(Main().FindMemoryView(1), view);
  WindowFrame::Place(Main().FindScreenWindow(), screen);
  WindowFrame::Place(Main().FindRomView(), rom);

  Restart();
  Main().resize(1400, 900);
  ASSERT_NE(Main().FindProcessorWindow(), nullptr);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindProcessorWindow()), processor);
  EXPECT_EQ(Main().FindProcessorWindow()->CurrentSizeMode(), SizeMode::Small);
  EXPECT_EQ(Main().FindMemoryView(0), nullptr);
  ASSERT_NE(Main().FindMemoryView(1), nullptr);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindMemoryView(1)), view);
  EXPECT_EQ(Main().FindMemoryView(1)->PageBase(), 0x1200);
  EXPECT_EQ(Main().FindMemoryView(1)->ColumnSwitches(), columns);
  ASSERT_NE(Main().FindScreenWindow(), nullptr);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindScreenWindow()), screen);
  ASSERT_NE(Main().FindRomView(), nullptr);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindRomView()), rom);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();

  Item("Distribute1")->trigger();
  EXPECT_EQ(WindowFrame::Bounds(Main().FindProcessorWindow()), (WindowBounds{460, 0, 250, 324}))
      << "Distribute still rearranges";
}

TEST_F(StartLayout, TheZoomComesBackWithTheLayout) {
  Start();
  Button("TAV2knop")->click();
  Item("Zoomin1")->trigger();
  Item("Zoomin1")->trigger();
  ASSERT_EQ(Main().Zoom().Percent(), 150);
  Restart();
  EXPECT_EQ(Main().Zoom().Percent(), 150);
  ASSERT_NE(Main().FindProcessorWindow(), nullptr);
  EXPECT_EQ(Main().FindProcessorWindow()->Zoom().Percent(), 150);
}

// A window stored where the screen no longer reaches comes back inside.
TEST_F(StartLayout, AWindowOutsideTheScreenIsPulledBack) {
  StoredLayout stored;
  stored.screen = WindowBounds{5000, 3000, 600, 250};
  ASSERT_TRUE(LayoutFile::Write({Home().toStdString()}, stored).has_value());
  Start();
  Main().resize(1000, 700);
  const QRect area = Main().MdiArea()->viewport()->rect();
  ASSERT_NE(Main().FindScreenWindow(), nullptr);
  const WindowBounds bounds = WindowFrame::Bounds(Main().FindScreenWindow());
  EXPECT_TRUE(area.contains(QRect(bounds.left, bounds.top, bounds.width, bounds.height)))
      << bounds.left << "," << bounds.top;
  EXPECT_EQ(bounds.width, 600);
}

// A layout file the workbench cannot use is passed over without a word.
TEST_F(StartLayout, ACorruptLayoutFileGivesTheDefaults) {
  Write(LayoutFile::kFileName, "{\"version\": 1, \"zoom\": 150, \"screen\": {\"left\": ");
  Start();
  EXPECT_EQ(Main().Zoom().Percent(), 100);
  EXPECT_EQ(Main().FindScreenWindow(), nullptr);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

// Keys go to the window that has the focus, as a window manager gives it.
void Key(QWidget& window, Qt::Key key) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); }));
  QTest::keyClick(QGuiApplication::focusWindow(), key, Qt::ControlModifier);
}

// Ctrl++, Ctrl+- and Ctrl+0 on the main window, within 100 % to 300 %.
TEST_F(StartLayout, ZoomKeysStepTheZoom) {
  Start();
  Button("TAV2knop")->click();
  const WindowBounds processor = WindowFrame::Bounds(Main().FindProcessorWindow());
  Key(Main(), Qt::Key_Plus);
  EXPECT_EQ(Main().Zoom().Percent(), 125);
  Key(Main(), Qt::Key_Equal);
  EXPECT_EQ(Main().Zoom().Percent(), 150);
  EXPECT_EQ(Main().statusBar()->currentMessage(), "Zoom 150 %");
  EXPECT_EQ(WindowFrame::Bounds(Main().FindProcessorWindow()),
            ZoomLevel::FromPercent(150)->Scaled(processor));
  Key(Main(), Qt::Key_Minus);
  EXPECT_EQ(Main().Zoom().Percent(), 125);
  for (int i = 0; i < 10; ++i) Key(Main(), Qt::Key_Plus);
  EXPECT_EQ(Main().Zoom().Percent(), 300);
  Key(Main(), Qt::Key_0);
  EXPECT_EQ(Main().Zoom().Percent(), 100);
  EXPECT_EQ(WindowFrame::Bounds(Main().FindProcessorWindow()), processor);
  Key(Main(), Qt::Key_Minus);
  EXPECT_EQ(Main().Zoom().Percent(), 100);
}

// The keys also zoom while an editor has the focus, the main window's File
// and Edit menus replaced by the editor's.
TEST_F(StartLayout, ZoomKeysWorkInAnEditor) {
  Start();
  EditorWindow* editor = NewEditor(EditKind::AssemblerSource, "HALT");
  editor->Text()->setFocus();
  Key(Main(), Qt::Key_Plus);
  ASSERT_TRUE(editor->Text()->hasFocus());
  EXPECT_EQ(Main().Zoom().Percent(), 125);
  Key(Main(), Qt::Key_0);
  EXPECT_EQ(Main().Zoom().Percent(), 100);
  EXPECT_EQ(editor->Text()->toPlainText(), "HALT");
}

// The editors' text follows the zoom; a font the user chose stays chosen.
TEST_F(StartLayout, EditorsTextFollowsTheZoom) {
  Start();
  EditorWindow* editor = NewEditor(EditKind::TextFile, "text");
  const double actual = editor->Text()->font().pointSizeF();
  Main().SetZoom(*ZoomLevel::FromPercent(200));
  EXPECT_DOUBLE_EQ(editor->Text()->font().pointSizeF(), 2 * actual);
  EditorWindow* later = NewEditor(EditKind::AssemblerSource);
  EXPECT_DOUBLE_EQ(later->Text()->font().pointSizeF(), 2 * actual) << "an editor opened at 200 %";
  QFont chosen("Courier New");
  chosen.setPointSize(14);
  dialogs.font = chosen;
  editor->ChooseFont();
  EXPECT_DOUBLE_EQ(editor->Text()->font().pointSizeF(), 28);
  Item("Actualsize1")->trigger();
  EXPECT_DOUBLE_EQ(editor->Text()->font().pointSizeF(), 14);
}

}  // namespace
}  // namespace tav2
