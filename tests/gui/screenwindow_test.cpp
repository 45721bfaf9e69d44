#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QTimer>
#include <deque>

#include "fakehost.h"
#include "gui/common/windowframe.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

constexpr uint16_t kStart = 0x0100;
constexpr uint16_t kSysWord = 0xFF10;
constexpr uint16_t kHaltWord = 0x6F00;

struct Key {
  int code;
  QString text;
};

// Collects what a widget paints.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

class ScreenTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();
  std::deque<Key> keys;             // typed one per key wait
  std::function<void()> onKeyWait;  // or this, once, at the next wait

  void SetUp() override {
    InstallTestMicroCode(host->machine->mcrom);
    host->machine->startAddress = kStart;
    QObject::connect(&host->screen, &ScreenTerminal::keyWaitStarted, [this] { keyWaitStarted(); });
  }
  void keyWaitStarted() {
    if (onKeyWait) {
      QTimer::singleShot(0, std::exchange(onKeyWait, nullptr));
    } else if (!keys.empty()) {
      PostKey(host->screenWindow, keys.front().code, keys.front().text);
      keys.pop_front();
    }
  }
  // Runs a program to its end with Go.
  ProcessorWindow& Run(const std::vector<uint16_t>& program) {
    Place(host->machine->memory, kStart, program);
    ProcessorWindow& window = host->OpenProcessor();
    Click(Button("Goknop"));
    EXPECT_TRUE(WaitForGoEnd(window));
    return window;
  }
  QPushButton* Button(const char* name) const { return host->processor->findChild<QPushButton*>(name); }
  uint16_t R1() const { return host->processor->Cpu().State()[Reg::R1]; }
  QString Row(int row, int length) const {
    QString text;
    for (int column = 0; column < length; ++column) text += QChar(host->grid.Cell(column, row));
    return text;
  }
};

TEST_F(ScreenTest, ReadNumberTakesTheTypedKeysWithBackspace) {
  keys = {{Qt::Key_Minus, "-"},      {Qt::Key_1, "1"}, {Qt::Key_2, "2"},
          {Qt::Key_Backspace, "\b"}, {Qt::Key_5, "5"}, {Qt::Key_Return, "\r"}};
  Run({kSysWord, 6, kHaltWord});
  EXPECT_EQ(R1(), 0xFFF1);
  EXPECT_EQ(Row(0, 4), "-15 ");
  EXPECT_FALSE(host->grid.waiting);
}

struct CharacterCase {
  Key key;
  uint16_t r1;
};

TEST_F(ScreenTest, ReadCharacterSignExtendsTheKeyCode) {
  const CharacterCase cases[] = {{{Qt::Key_A, "A"}, 0x0041},
                                 {{Qt::Key_Eacute, QString(QChar(0xE9))}, 0xFFE9}};
  for (const CharacterCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "r1 " << c.r1);
    host = std::make_unique<FakeHost>();
    SetUp();
    keys = {c.key};
    Run({kSysWord, 2, kHaltWord});
    EXPECT_EQ(R1(), c.r1) << c.key.text.toStdString();
  }
}

// While the program waits for the next key, the word stored for the last
// one is drawn again in the memory view.
TEST_F(ScreenTest, ReadStringRedrawsEachStoredWordInTheMemoryViews) {
  constexpr uint16_t kBuffer = 0x0520;
  host->defaults.memoryViews[0] = {{600, 0, 400, 500}, kBuffer & 0xFF00};
  MemoryView& view = host->OpenMemoryView(0);
  PaintRecorder recorder(view.viewport());
  const QString typed = "ok\r";
  qsizetype stored = 0;
  std::vector<bool> redrawn;  // at each wait after the first: the last stored word's row
  std::function<void()> atKeyWait = [&] {
    if (stored > 0) {
      const auto address = static_cast<uint16_t>(kBuffer + stored - 1);
      const QRect row(0, view.RowTop(address), view.viewport()->width(), view.RowHeight());
      redrawn.push_back(WaitUntil([&] { return recorder.painted.intersects(row); }));
    }
    recorder.painted = QRegion();
    const QChar key = typed[stored++];
    if (stored < typed.size()) onKeyWait = atKeyWait;
    const int code = key == QLatin1Char('\r') ? int{Qt::Key_Return} : key.toUpper().unicode();
    PostKey(host->screenWindow, code, QString(key));
  };
  onKeyWait = atKeyWait;
  Run({Word(kAdd, 2, true, false, 0), kBuffer, kSysWord, 4, kHaltWord});
  EXPECT_EQ(redrawn, std::vector<bool>({true, true}));
  EXPECT_EQ(host->machine->memory.Read(kBuffer), 'o');
  EXPECT_EQ(host->machine->memory.Read(kBuffer + 2), 0);
}

TEST_F(ScreenTest, KeysTypedOutsideAWaitAreStoredButNotRead) {
  host->OpenScreenWindow();
  PressKey(host->screenWindow, Qt::Key_X, {}, "x");
  EXPECT_EQ(host->grid.lastKey, 'x');
  keys = {{Qt::Key_Y, "y"}};
  Run({kSysWord, 2, kHaltWord});
  EXPECT_EQ(R1(), 'y');
}

TEST_F(ScreenTest, WriteServiceOpensTheScreenWindow) {
  Run({Word(kAdd, 1, true, false, 0), 'A', kSysWord, 1, kHaltWord});
  ASSERT_NE(host->screenWindow, nullptr);
  EXPECT_EQ(Row(0, 2), "A ");
  EXPECT_EQ(host->screenWindow->windowTitle(),
            QString("TAV screen %1 x %2").arg(host->grid.lines).arg(host->grid.chars));
}

TEST_F(ScreenTest, ResetDuringAKeyWaitEndsTheWaitAndTheRun) {
  host->machine->lineMap.Set(kStart, 9);
  onKeyWait = [this] { Click(Button("Resetknop")); };
  ProcessorWindow& window = Run({kSysWord, 6, kHaltWord});
  EXPECT_FALSE(window.Running());
  EXPECT_FALSE(window.Cpu().Control().GoActive());
  EXPECT_FALSE(host->screen.WaitingForKey());
  EXPECT_EQ(R1(), 0);
  EXPECT_EQ(window.Pc(), kStart);
  EXPECT_EQ(window.Cpu().State()[Reg::SR], 0);
  EXPECT_FALSE(host->grid.waiting);
  EXPECT_EQ(host->log.last(), "line 9");
}

TEST_F(ScreenTest, HaltDuringAKeyWaitStopsAfterThatInstruction) {
  onKeyWait = [this] {
    Click(Button("Haltknop"));
    PostKey(host->screenWindow, Qt::Key_B, "B");
  };
  ProcessorWindow& window = Run({kSysWord, 2, Word(kAdd, 1, true, false, 0), 1, kHaltWord});
  EXPECT_EQ(R1(), 'B');
  EXPECT_EQ(window.Pc(), kStart + 2);
  EXPECT_FALSE(host->machine->halted);
}

TEST_F(ScreenTest, ProcessorButtonsAreRefusedDuringAKeyWait) {
  uint64_t stepsDuringWait = 0;
  onKeyWait = [this, &stepsDuringWait] {
    const uint64_t before = host->processor->Cpu().State().microSteps;
    Click(Button("Instructionknop"));
    Click(Button("Clockknop"));
    Click(Button("Goknop"));
    stepsDuringWait = host->processor->Cpu().State().microSteps - before;
    PostKey(host->screenWindow, Qt::Key_C, "C");
  };
  Run({kSysWord, 2, kHaltWord});
  EXPECT_EQ(stepsDuringWait, 0u);
  EXPECT_EQ(R1(), 'C');
  EXPECT_TRUE(host->machine->halted);
}

TEST_F(ScreenTest, ClosingIsRefusedWhileAProgramWaitsForAKey) {
  bool closed = true;
  onKeyWait = [this, &closed] {
    closed = FakeHost::CloseFrame(host->screenWindow);
    PostKey(host->screenWindow, Qt::Key_D, "D");
  };
  Run({kSysWord, 2, kHaltWord});
  EXPECT_FALSE(closed);
  EXPECT_EQ(dialogs.messages, QStringList({"warning: Cannot close while CPU is running: Reset, then close"}));
  EXPECT_EQ(R1(), 'D');
  WindowFrame::Place(host->screenWindow, {5, 420, 600, 200});
  ASSERT_TRUE(FakeHost::CloseFrame(host->screenWindow));
  EXPECT_EQ(host->defaults.screen, (WindowBounds{5, 420, 600, 200}));
  EXPECT_EQ(host->log.last(), "screen closed");
}

TEST_F(ScreenTest, CreationLaysTheGridOutFromTheWindowSize) {
  host->defaults.screen = {0, 410, 710, 250};
  host->OpenScreenWindow();
  const ScreenWindow& window = *host->screenWindow;
  const QFontMetrics metrics(window.font());
  const int w = metrics.horizontalAdvance(' '), h = metrics.height();
  EXPECT_EQ(host->grid.cellWidth, w);
  EXPECT_EQ(host->grid.cellHeight, h);
  EXPECT_EQ(host->grid.lines, std::min(40, 246 / h - 3));
  EXPECT_EQ(host->grid.chars, std::min(128, 710 / w - 3));
  EXPECT_EQ(window.windowTitle(), QString("TAV screen %1 x %2").arg(host->grid.lines).arg(host->grid.chars));
  EXPECT_EQ(window.CellRect(2, 3), QRect(2 * w + 8, 3 * h + 12, w, h));
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xEC, 0xFF, 0xEA));
  EXPECT_EQ(window.font().family(), "Courier New");
  EXPECT_EQ(window.font().pointSize(), 10);
}

TEST_F(ScreenTest, DrawsCharactersAndTheCursor) {
  host->OpenScreenWindow();
  ScreenWindow& window = *host->screenWindow;
  host->screen.Services().WriteText("W");
  const QImage image = Grabbed(&window);
  EXPECT_TRUE(Inked(image, window.CellRect(0, 0)));
  const QRect cursor = window.CursorRect(1, 0);
  EXPECT_EQ(image.pixelColor(cursor.left(), cursor.center().y()), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(window.CellRect(5, 2).center()), QColor(0xEC, 0xFF, 0xEA));
}

// Cells that no longer fit are lost; those that fit stay where they were,
// on the grid and on the screen, and the cursor stays inside.
TEST_F(ScreenTest, ResizingKeepsTheTextThatStillFits) {
  host->OpenScreenWindow();
  ScreenWindow* window = host->screenWindow;
  const int w = host->grid.cellWidth;
  host->screen.Services().WriteText("hello\rworld");
  const int height = WindowFrame::Bounds(window).height;
  WindowFrame::Resize(window, (3 + 3) * w, height);
  EXPECT_EQ(host->grid.chars, 3);
  EXPECT_EQ(Row(0, 5), "hel  ");
  EXPECT_EQ(Row(1, 5), "wor  ");
  EXPECT_EQ(host->grid.column, 3);
  EXPECT_EQ(host->grid.row, 1);
  QImage image = Grabbed(window);
  for (int column = 0; column < 3; ++column) {
    EXPECT_TRUE(Inked(image, window->CellRect(column, 0))) << column;
    EXPECT_TRUE(Inked(image, window->CellRect(column, 1))) << column;
  }
  const QRect cursor = window->CursorRect(3, 1);
  EXPECT_EQ(image.pixelColor(cursor.left(), cursor.center().y()), QColor(Qt::black));

  WindowFrame::Resize(window, 400, height);
  EXPECT_EQ(Row(0, 6), "hel   ");
  EXPECT_EQ(window->windowTitle(), QString("TAV screen %1 x %2").arg(host->grid.lines).arg(400 / w - 3));
  image = Grabbed(window);
  EXPECT_TRUE(Inked(image, window->CellRect(2, 1)));
  EXPECT_FALSE(Inked(image, window->CellRect(3, 0)));
  EXPECT_FALSE(Inked(image, window->CellRect(4, 0)));
  host->screen.Services().WriteText("!");
  EXPECT_EQ(Row(1, 5), "wor! ");
}

// While the number service waits for a key the cursor blinks; once the
// line is read it is erased.
TEST_F(ScreenTest, TheCursorBlinksWhileAServiceWaits) {
  const auto cursorShown = [this] {
    ScreenWindow* window = host->screenWindow;
    const QRect cursor = window->CursorRect(host->grid.column, host->grid.row);
    return ColourAt(window, {cursor.left(), cursor.center().y()}) == QColor(Qt::black);
  };
  std::vector<bool> changed;  // three times in a row
  onKeyWait = [&] {
    for (int change = 0; change < 3; ++change) {
      const bool before = cursorShown();
      changed.push_back(WaitUntil([&] { return cursorShown() != before; }));
    }
    PostKey(host->screenWindow, Qt::Key_Return, "\r");
  };
  host->area.activateWindow();  // the cursor blinks in the window with the focus
  ASSERT_TRUE(WaitUntil([&] { return host->area.isActiveWindow(); }));
  Run({kSysWord, 6, kHaltWord});
  EXPECT_EQ(changed, std::vector<bool>({true, true, true}));
  EXPECT_TRUE(WaitUntil([&] { return !cursorShown(); }));
}

// A Tab a service read is not written again by its release.
TEST_F(ScreenTest, TabReleaseWritesATabOnlyWithWantTabs) {
  host->OpenScreenWindow();
  host->screen.Services().WriteText("AB");
  PressKey(host->screenWindow, Qt::Key_Tab, {}, "\t");
  EXPECT_EQ(host->grid.column, 2);
  host->grid.wantTabs = true;
  PressKey(host->screenWindow, Qt::Key_Tab, {}, "\t");
  EXPECT_EQ(host->grid.column, 8);

  host->screen.Services().WriteText("\r");
  keys = {{Qt::Key_Tab, "\t"}};
  Run({kSysWord, 2, kHaltWord});
  QCoreApplication::processEvents();
  EXPECT_EQ(R1(), 9);
  EXPECT_EQ(host->grid.column, 0);
  PressKey(host->screenWindow, Qt::Key_Tab, {}, "\t");
  EXPECT_EQ(host->grid.column, 8);
}

TEST_F(ScreenTest, ClearScreenEmptiesTheGrid) {
  host->OpenScreenWindow();
  host->screen.Services().WriteText("xyz\rabc");
  host->screenWindow->findChild<QAction*>("clearscreen1")->trigger();
  EXPECT_EQ(Row(0, 3), "   ");
  EXPECT_EQ(Row(1, 3), "   ");
  EXPECT_EQ(host->grid.column, 0);
  EXPECT_EQ(host->grid.row, 0);
}

TEST_F(ScreenTest, ResizingFollowsTheLayoutSwitches) {
  host->OpenScreenWindow();
  ScreenWindow* window = host->screenWindow;
  const int w = host->grid.cellWidth, h = host->grid.cellHeight;
  WindowFrame::Resize(window, 400, 300);
  EXPECT_EQ(host->grid.chars, 400 / w - 3);
  EXPECT_EQ(host->grid.lines, 296 / h - 3);
  host->grid.lines = 5;
  host->grid.chars = 20;
  host->screen.Services().SizeWindowFromLayout();
  EXPECT_EQ(WindowFrame::Bounds(window).width, 23 * w);
  EXPECT_EQ(WindowFrame::Bounds(window).height, 8 * h + 4);
  WindowFrame::Resize(window, 500, 400);
  EXPECT_EQ(WindowFrame::Bounds(window).width, 23 * w);
  EXPECT_EQ(WindowFrame::Bounds(window).height, 8 * h + 4);
  EXPECT_EQ(host->grid.lines, 5);
}

}  // namespace
}  // namespace tav2
