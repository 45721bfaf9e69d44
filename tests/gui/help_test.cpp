#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>

#include "gui/shell/helpwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class Help : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    helpFile_ = Write(MainWindow::kHelpFile,
                      "<html><body><h1>Contents</h1><p>...</p>"
                      "<h2 id=\"registers\">Registers</h2><p>R1, R2, SP</p>"
                      "<h2 id=\"first-program\">A first program, step by step</h2></body></html>");
    Start();
  }

  HelpWindow* ShownHelpWindow() { return Main().findChild<HelpWindow*>("THelpform"); }
  QUrl Shown() { return ShownHelpWindow()->HelpBrowser()->source(); }
  QLabel* Notice() { return ShownHelpWindow()->findChild<QLabel*>("Helpnotice"); }

  // Context help asked in an editor holding `text` with the caret at `caret`.
  void ContextHelp(const QString& text, int caret, bool focused = true) {
    EditorWindow* editor = NewEditor(EditKind::AssemblerSource, text);
    test::PlaceCaret(editor->Text(), caret);
    if (focused) {
      editor->Text()->setFocus();
    } else {
      editor->Text()->clearFocus();
    }
    Item("ContextHelp1")->trigger();
  }

  QString helpFile_;
};

TEST_F(Help, TopicSearchShowsTheContents) {
  Item("TopicSearch1")->trigger();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_TRUE(ShownHelpWindow()->isVisible());
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Help, ContextHelpShowsTheTopicOfTheWordAtTheCaret) {
  ContextHelp("MOVE SP, 1", 7);
  EXPECT_EQ(Shown().fragment(), "registers");
  EXPECT_TRUE(Notice()->isHidden());
}

TEST_F(Help, ContextHelpForAWordWithoutTopicShowsTheContentsAndSaysSo) {
  ContextHelp("xyzzy", 2);
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_FALSE(Notice()->isHidden());
  EXPECT_EQ(Notice()->text(), "No help topic for \"xyzzy\": the contents are shown.");
}

TEST_F(Help, ContextHelpWithoutFocusedEditorShowsTheContents) {
  ContextHelp("SP", 1, false);
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(Notice()->isHidden());
}

TEST_F(Help, ReferenceCardIsShownFromTheHelpMenuWithAHint) {
  const QString card =
      Write(MainWindow::kReferenceCardFile, "<html><body><h1>Reference card</h1></body></html>");
  QAction* item = Item("ReferenceCard1");
  EXPECT_EQ(item->text(), "&Reference card");
  EXPECT_FALSE(item->statusTip().isEmpty());
  EXPECT_TRUE(Main().menuBar()->findChild<QMenu*>("HelpMenu")->actions().contains(item));
  item->trigger();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(card));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  QFile::remove(card);
  item->trigger();
  EXPECT_EQ(dialogs.messages,
            QStringList{"error: Help file " + QDir::toNativeSeparators(card) + " not found"});
}

// Ctrl+F1 on a mnemonic that only the loaded micro-code defines leads to the
// instruction set.
TEST_F(Help, ContextHelpKnowsTheMnemonicsOfTheLoadedMicrocode) {
  EditorWindow* program = NewEditor(EditKind::AssemblerSource, "##\nbegin INC2 R1\n##\n");
  const auto pressContextHelp = [&] {
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == Main().windowHandle(); }));
    program->Text()->setFocus();
    test::PlaceCaret(program->Text(), 10);
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F1, Qt::ControlModifier);
  };
  pressContextHelp();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_EQ(Notice()->text(), "No help topic for \"INC2\": the contents are shown.");

  EditorWindow* microcode =
      NewEditor(EditKind::MicrocodeSource, "##\n#INC2 OP2; 0x1F\nA := OP2; ALU := _INC;\n##\n");
  ClickControl(microcode, "Loadknop");
  ASSERT_EQ(Main().Hardware().mcrom.Entry(0x1F).Name(), "INC2");
  pressContextHelp();
  EXPECT_EQ(Shown().fragment(), "instruction-set");
  EXPECT_TRUE(Notice()->isHidden());
}

// The left edge of the character at `position`, as the browser lays it out.
int LeftOf(QTextBrowser* browser, int position) {
  QTextCursor cursor(browser->document());
  cursor.setPosition(position);
  return browser->cursorRect(cursor).left();
}

// A listing's tab reaches the next multiple of 8 columns of its font, as the
// listing file has it: every X stands in column 8.
TEST_F(Help, ListingTabsStopEveryEightCharacters) {
  const QString listing = Write("help/listing.html",
                                "<html><head><style>pre { font-family: monospace; }</style></head><body>"
                                "<p>Text</p><pre>12345678X\n\tX\nabc\tX\n1234567\tX</pre></body></html>");
  HelpWindow help;
  help.ShowContents(listing);
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  QTextBrowser* browser = help.HelpBrowser();
  const QTextDocument& document = *browser->document();
  const QString text = document.toPlainText();
  const int first = static_cast<int>(text.indexOf('X'));
  ASSERT_GT(LeftOf(browser, first), LeftOf(browser, first - 1)) << "laid out";
  for (int at = first; at >= 0; at = static_cast<int>(text.indexOf('X', at + 1))) {
    EXPECT_EQ(LeftOf(browser, at), LeftOf(browser, first)) << text.mid(at - 8, 9).toStdString();
  }
  const QFont font = document.findBlock(first).begin().fragment().charFormat().font();
  EXPECT_DOUBLE_EQ(help.HelpBrowser()->tabStopDistance(),
                   HelpWindow::kTabColumns * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
}

TEST_F(Help, GettingStartedShowsTheFirstProgram) {
  Item("Gettingstarted1")->trigger();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_TRUE(ShownHelpWindow()->isVisible());
  EXPECT_EQ(Shown().fragment(), "first-program");
  EXPECT_EQ(Shown().adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(helpFile_));
}

TEST(ShippedManual, HasTheGettingStartedAnchor) {
  QFile file(QString(TAV2_SOURCE_DIR "/data/") + MainWindow::kHelpFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray manual = file.readAll();
  const QByteArray anchor = MainWindow::kGettingStartedAnchor;
  EXPECT_TRUE(manual.contains("name=\"" + anchor + "\"") || manual.contains("id=\"" + anchor + "\""));
}

TEST_F(Help, MissingHelpFileIsReported) {
  QFile::remove(helpFile_);
  Item("TopicSearch1")->trigger();
  EXPECT_EQ(dialogs.messages,
            QStringList{"error: Help file " + QDir::toNativeSeparators(helpFile_) + " not found"});
}

}  // namespace
}  // namespace tav2
